# make run    installs what is missing, builds Orvane and starts it
# make test   installs what is missing, builds Orvane and runs the whole test suite: in the
#             build with warnings as errors, again in a build with the address and
#             undefined-behaviour checkers, and the fuzz targets of the calculation core
#
# Both work on a fresh Debian 12 or Ubuntu machine; missing packages are installed with apt-get
# (through sudo when not run as root).

BUILD ?= build
SANITIZE_BUILD ?= $(BUILD)-sanitize
FUZZ_BUILD ?= $(BUILD)-fuzz
FUZZ_SECONDS ?= 10
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# What building and running Orvane needs.
RUN_PACKAGES := g++ cmake make qt6-base-dev fonts-dejavu-core fonts-liberation
# What the tests need besides: packaging tools, a private X server driven from python, PDF readers
# (poppler-utils), a print server with a virtual PDF printer, clang with its fuzzer runtime, and
# Google Benchmark, so that the benchmarks are built with everything else.
TEST_PACKAGES := dpkg-dev desktop-file-utils appstream xvfb python3 python3-xlib \
                 poppler-utils cups cups-client printer-driver-cups-pdf \
                 clang libclang-rt-dev libbenchmark-dev

PACKAGES := $(RUN_PACKAGES)
test test-plain test-sanitize test-fuzz bench: PACKAGES := $(RUN_PACKAGES) $(TEST_PACKAGES)

.PHONY: run test test-plain test-sanitize test-fuzz bench build deps clean

run: build
	./$(BUILD)/orvane

test: test-plain test-sanitize test-fuzz

test-plain: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Every test again with memory errors, undefined behaviour and leaks stopping the run.
test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DORVANE_WERROR=ON -DORVANE_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j $(JOBS)

# The readers and formatters on arbitrary texts and numbers, FUZZ_SECONDS for each target.
test-fuzz: deps
	cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DORVANE_FUZZ_SECONDS=$(FUZZ_SECONDS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	cd $(FUZZ_BUILD) && ctest --output-on-failure -j $(JOBS)

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
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
