# The two everyday commands: `make run` and `make test`. Both install what is
# missing first, so they work on a fresh Debian 12 machine.
PRESET := default
BUILD_DIR := build/$(PRESET)
FUZZ_DIR := build/fuzz
FUZZ_SECONDS := 60

.PHONY: run test deps configure build bench format sanitize fuzz

run: build
	$(BUILD_DIR)/app/rivurido

# A short fuzz run of the page engine, then the whole suite in the normal
# build and again under the sanitizers.
test: build
	$(MAKE) --no-print-directory fuzz
	ctest --preset $(PRESET)
	$(MAKE) --no-print-directory sanitize

deps:
	scripts/install-deps

configure: deps
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET)

# Benchmarks build in release mode and never run as part of the tests.
bench: deps
	cmake --preset release
	cmake --build --preset release
	bench/run-benchmarks build/release

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# A Debian package of the programs built for the tests, in $(BUILD_DIR).
.PHONY: package
package: build
	cd $(BUILD_DIR) && cpack -G DEB

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize

# Fuzzes the page engine for FUZZ_SECONDS (make fuzz FUZZ_SECONDS=600). The
# inputs it finds go to build/fuzz; the seeds in fuzz/corpus stay as they are.
fuzz: deps
	cmake -S fuzz -B $(FUZZ_DIR) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_DIR)
	mkdir -p $(FUZZ_DIR)/corpus
	$(FUZZ_DIR)/doorway_page_fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	  -print_final_stats=1 -artifact_prefix=$(FUZZ_DIR)/ $(FUZZ_DIR)/corpus fuzz/corpus
