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
	$(BUILD)/bin/meihua-cast time

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
