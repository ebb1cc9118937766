# make run    installs what is missing, builds Orvane and starts it
# make test   installs what is missing, builds Orvane and runs the whole test suite
#
# Both work on a fresh Debian 12 or Ubuntu machine; missing packages are installed with apt-get
# (through sudo when not run as root).

BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# The tests read printed pages back with poppler-utils and print on a virtual PDF printer of
# their own print server (cups, cups-client, printer-driver-cups-pdf).
PACKAGES := g++ cmake make qt6-base-dev fonts-dejavu-core fonts-liberation \
            poppler-utils cups cups-client printer-driver-cups-pdf

.PHONY: run test build deps clean

run: build
	./$(BUILD)/orvane

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

build: deps
	cmake -S . -B $(BUILD) -DORVANE_WERROR=ON
	cmake --build $(BUILD) -j $(JOBS)

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  sudo=; [ "$$(id -u)" -eq 0 ] || sudo=sudo; \
	  echo "Installing:" $$missing; \
	  export DEBIAN_FRONTEND=noninteractive; \
	  $$sudo apt-get install -y --no-install-recommends $$missing \
	    || { $$sudo apt-get update && $$sudo apt-get install -y --no-install-recommends $$missing; }; \
	fi

clean:
	rm -rf $(BUILD)
