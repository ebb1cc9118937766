# make run      installs what is missing, builds Orvane and starts it
# make test     installs what is missing, checks the format of the sources, builds Orvane and runs
#               the whole test suite: in the build with warnings as errors, again in a build with
#               the address and undefined-behaviour checkers, and the fuzz targets of the
#               calculation core
# make format   formats the sources as .clang-format says
#
# Both work on a fresh Debian 12 or Ubuntu machine; missing packages are installed with apt-get
# (through sudo when not run as root).
#
# The builds are CMake's presets: `default` in build/ and `sanitize` in build-sanitize/
# (CMakePresets.json), `fuzz` in build-fuzz/ (fuzz/CMakePresets.json, the fuzz targets being a
# project of their own). The same commands work by hand: `cmake --preset default`,
# `cmake --build --preset default`, `ctest --preset default`.

FUZZ_SECONDS ?= 10
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# What building and running Orvane needs.
RUN_PACKAGES := g++ cmake make qt6-base-dev nlohmann-json3-dev fonts-dejavu-core fonts-liberation
# What the tests need besides: packaging tools, the desktop's file type database and lintian, a
# private X server driven from python, PDF readers (poppler-utils), a print server with a virtual
# PDF printer, clang with its fuzzer runtime, clang-format for the format check, and Google
# Benchmark, so that the benchmarks are built with everything else.
TEST_PACKAGES := dpkg-dev desktop-file-utils appstream shared-mime-info lintian xvfb python3 \
                 python3-xlib poppler-utils cups cups-client printer-driver-cups-pdf \
                 clang clang-format libclang-rt-dev libbenchmark-dev

PACKAGES := $(RUN_PACKAGES)
test test-plain test-sanitize test-fuzz bench format format-check: \
  PACKAGES := $(RUN_PACKAGES) $(TEST_PACKAGES)

.PHONY: run test test-plain test-sanitize test-fuzz bench build deps clean format format-check

run: build
	./build/orvane

test: format-check test-plain test-sanitize test-fuzz

test-plain: build
	ctest --preset default -j $(JOBS)

# Every test again with memory errors, undefined behaviour and leaks stopping the run.
test-sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

# The readers and formatters on arbitrary texts and numbers, FUZZ_SECONDS for each target.
test-fuzz: deps
	cmake -S fuzz --preset fuzz -DORVANE_FUZZ_SECONDS=$(FUZZ_SECONDS)
	cd fuzz && cmake --build --preset fuzz -j $(JOBS)
	cd fuzz && ctest --preset fuzz -j $(JOBS)

# Every C++ source and header of the project, the build directories left out.
SOURCES = find . \( -path './build*' -o -path ./.git \) -prune -o \
  \( -name '*.cpp' -o -name '*.h' \) -print0

# Fails, naming each place, when a source is not formatted as .clang-format says.
format-check: deps
	$(SOURCES) | xargs -0 clang-format --dry-run -Werror

format: deps
	$(SOURCES) | xargs -0 clang-format -i

# Benchmarks: medians of BENCH_REPETITIONS runs; start-up over BENCH_STARTUP_RUNS rounds; and, when
# valgrind is installed, the instructions of each window action and of start-up.
# docs/PERFORMANCE.md keeps the numbers.
BENCH_REPETITIONS ?= 9
BENCH_STARTUP_RUNS ?= 40
BENCH_FLAGS = --benchmark_repetitions=$(BENCH_REPETITIONS) --benchmark_report_aggregates_only=true

bench: build
	./build/bench/bench_core $(BENCH_FLAGS)
	QT_QPA_PLATFORM=offscreen ./build/bench/bench_window $(BENCH_FLAGS)
	./build/bench/bench_startup -n $(BENCH_STARTUP_RUNS) ./build/bench/startup_orvane \
	  ./build/bench/startup_floor ./build/bench/startup_textfloor
	QT_QPA_PLATFORM=offscreen ./build/bench/bench_template $(BENCH_FLAGS)
	QT_QPA_PLATFORM=offscreen ./build/bench/bench_vessel $(BENCH_FLAGS)
	./build/bench/bench_vesselfile $(BENCH_FLAGS)
	./bench/bench_commandline.sh build
	@if command -v valgrind >/dev/null; then ./bench/window_instructions.sh build && \
	  ./bench/startup_instructions.sh build; \
	else echo "valgrind is not installed: no instruction counts"; fi

build: deps
	cmake --preset default
	cmake --build --preset default -j $(JOBS)

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
	rm -rf build build-sanitize build-fuzz
