# Thin wrappers around CMake. `make run` and `make test` are all a new user needs.
BUILD          ?= build
SANITIZE_BUILD ?= build-sanitize
JOBS           ?= $(shell nproc)
GENERATOR      := -G Ninja

.PHONY: all deps configure build run test test-sanitize clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) $(GENERATOR)

configure: $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: deps build
	$(BUILD)/bin/meihua

test: deps build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

$(SANITIZE_BUILD)/build.ninja:
	cmake -S . -B $(SANITIZE_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug \
	    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
	    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"

test-sanitize: deps $(SANITIZE_BUILD)/build.ninja
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)

.PHONY: package
# A Debian package of the build, in $(BUILD): meihua_<version>_<arch>.deb
package: deps build
	cd $(BUILD) && cpack -G DEB

# Fuzzing with libFuzzer in a clang build of its own: each target runs FUZZ_SECONDS over a
# copy of its corpus in fuzz/corpus, so the corpus kept here never changes.
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: fuzz
$(FUZZ_BUILD)/build.ninja:
	cmake -S . -B $(FUZZ_BUILD) $(GENERATOR) -DCMAKE_CXX_COMPILER=clang++ \
	    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMEIHUA_FUZZ=ON

fuzz: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target text_number_fuzzer cast_fuzzer
	fuzz/run $(FUZZ_BUILD) $(FUZZ_SECONDS)

# Benchmarks in a Release build; each figure is also read against two baselines of the run.
BENCH_BUILD ?= build-bench
BENCH_ARGS  ?= --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

.PHONY: bench
$(BENCH_BUILD)/build.ninja:
	cmake -S . -B $(BENCH_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release

bench: deps $(BENCH_BUILD)/build.ninja
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target meihua-bench
	$(BENCH_BUILD)/bin/meihua-bench $(BENCH_ARGS)

# Start-up: time from exec to the window first shown, and resident memory then, beside a
# plain QDialog with as many controls; both under one Xvfb, alternating, medians of
# STARTUP_RUNS runs each.
STARTUP_RUNS ?= 11

.PHONY: startup
startup: deps configure
	cmake --build $(BUILD) -j $(JOBS) --target meihua meihua-startup-baseline
	bench/startup/run $(BUILD)/bin/meihua $(BUILD)/bin/meihua-startup-baseline $(STARTUP_RUNS)
