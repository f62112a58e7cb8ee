# The two everyday commands: `make run` and `make test`. Both install what is
# missing first, so they work on a fresh Debian 12 machine.
PRESET := default
BUILD_DIR := build/$(PRESET)

.PHONY: run test deps configure build bench format

run: build
	$(BUILD_DIR)/app/rivurido

test: build
	ctest --preset $(PRESET)

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
