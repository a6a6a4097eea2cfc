# The two commands of the README, and the variants CI runs.
#   make demo        run Cinevora against the bundled demo site
#   make test        build and run the whole test suite
#   make test-asan   the suite under AddressSanitizer + UndefinedBehaviorSanitizer
#   make test-tsan   the concurrency tests under ThreadSanitizer
#   make fuzz-smoke  each fuzz target for FUZZ_SECONDS seconds
#   make bench       build and run the benchmarks
#   make package     build the Debian package (cinevora_<version>_amd64.deb in the build folder)

JOBS ?= $(shell nproc)
BUILD ?= build
FUZZ_SECONDS ?= 30
CMAKE_FLAGS ?=
CTEST_FLAGS ?= --output-on-failure

.PHONY: deps build demo test test-asan test-tsan fuzz-smoke bench package clean

deps:
	@scripts/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

demo: build
	@scripts/run-demo $(BUILD)

test: build
	cd $(BUILD) && ctest -j $(JOBS) $(CTEST_FLAGS)

test-asan: deps
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCINEVORA_BENCH=OFF \
	  -DCINEVORA_SANITIZE=address,undefined $(CMAKE_FLAGS)
	cmake --build build-asan -j $(JOBS)
	cd build-asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest -j $(JOBS) $(CTEST_FLAGS) -LE e2e

# Only the code below the GUI, so that every frame TSan sees is instrumented.
test-tsan: deps
	cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCINEVORA_GUI=OFF \
	  -DCINEVORA_BENCH=OFF -DCINEVORA_SANITIZE=thread $(CMAKE_FLAGS)
	cmake --build build-tsan -j $(JOBS)
	cd build-tsan && TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
	  ctest -j $(JOBS) $(CTEST_FLAGS) -L concurrency

fuzz-smoke: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCINEVORA_GUI=OFF -DCINEVORA_TESTS=OFF -DCINEVORA_FUZZ=ON $(CMAKE_FLAGS)
	cmake --build build-fuzz -j $(JOBS)
	@scripts/fuzz-smoke build-fuzz $(FUZZ_SECONDS)

bench: build
	@scripts/run-bench $(BUILD)

package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf build build-asan build-tsan build-fuzz
