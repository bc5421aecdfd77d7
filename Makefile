# Entry points for people: `make run`, `make run2`, `make test`.
# Each target first installs any missing Debian package (tools/install-deps.sh).

PRESET ?= release
BUILD_DIR := build/$(PRESET)
JOBS ?= $(shell nproc)

.PHONY: deps configure build run run2 test test-asan test-tsan ci format clean

deps:
	@tools/install-deps.sh

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	cd data && ../$(BUILD_DIR)/bin/skyrail

run2: build
	cd data && ../$(BUILD_DIR)/bin/skyrail2

test: build
	ctest --preset $(PRESET) -j $(JOBS)

# The same suite under AddressSanitizer + UndefinedBehaviorSanitizer, and under ThreadSanitizer.
test-asan:
	@$(MAKE) --no-print-directory test PRESET=asan

test-tsan:
	@$(MAKE) --no-print-directory test PRESET=tsan

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
