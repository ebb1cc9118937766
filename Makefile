# make run    installs what is missing, builds Orvane and starts it
# make test   installs what is missing, builds Orvane and runs the whole test suite
#
# Both work on a fresh Debian 12 or Ubuntu machine; missing packages are installed with apt-get
# (through sudo when not run as root).

BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

PACKAGES := g++ cmake make qt6-base-dev fonts-dejavu-core fonts-liberation \
            dpkg-dev desktop-file-utils appstream xvfb python3 python3-xlib \
            libbenchmark-dev

.PHONY: run test bench build deps clean

run: build
	./$(BUILD)/orvane

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Benchmarks: medians of BENCH_REPETITIONS runs; start-up over BENCH_STARTUP_RUNS rounds; and, when
# valgrind is installed, the instructions of each window action and of start-up.
# docs/PERFORMANCE.md keeps the numbers.
BENCH_REPETITIONS ?= 9
BENCH_STARTUP_RUNS ?= 40
BENCH_FLAGS = --benchmark_repetitions=$(BENCH_REPETITIONS) --benchmark_report_aggregates_only=true

bench: build
	./$(BUILD)/bench/bench_core $(BENCH_FLAGS)
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/bench_window $(BENCH_FLAGS)
	./$(BUILD)/bench/bench_startup -n $(BENCH_STARTUP_RUNS) ./$(BUILD)/bench/startup_orvane \
	  ./$(BUILD)/bench/startup_floor ./$(BUILD)/bench/startup_textfloor
	@if command -v valgrind >/dev/null; then ./bench/window_instructions.sh $(BUILD) && \
	  ./bench/startup_instructions.sh $(BUILD); \
	else echo "valgrind is not installed: no instruction counts"; fi

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
