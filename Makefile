# The two commands for a fresh Debian machine: `make run` and `make test`.
PRESET ?= default
BUILD_DIR := build/$(PRESET)

.PHONY: run test deps configure build clean

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET)

run: build
	$(BUILD_DIR)/bin/tessel-sudoku

test: build
	ctest --preset $(PRESET)

clean:
	rm -rf build
