# make run    installs what is missing, builds Orvane and starts it
# make test   installs what is missing, builds Orvane and runs the whole test suite
#
# Both work on a fresh Debian 12 or Ubuntu machine; missing packages are installed with apt-get
# (through sudo when not run as root).

BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# What building and running Orvane needs.
RUN_PACKAGES := g++ cmake make qt6-base-dev fonts-dejavu-core fonts-liberation
# What the tests need besides: packaging tools, a private X server driven from python, PDF readers
# (poppler-utils), a print server with a virtual PDF printer, and Google Benchmark, so that the
# benchmarks are built with everything else.
TEST_PACKAGES := dpkg-dev desktop-file-utils appstream xvfb python3 python3-xlib \
                 poppler-utils cups cups-client printer-driver-cups-pdf libbenchmark-dev

PACKAGES := $(RUN_PACKAGES)
test bench: PACKAGES := $(RUN_PACKAGES) $(TEST_PACKAGES)

.PHONY: run test bench build deps clean

run: build
	./$(BUILD)/orvane

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/bench_core
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/bench_window
	./$(BUILD)/bench/bench_startup ./$(BUILD)/bench/startup_orvane ./$(BUILD)/bench/startup_floor 40

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
