# The two commands for a fresh Debian machine: `make run` and `make test`.
PRESET ?= default
BUILD_DIR := build/$(PRESET)
# `make install` puts the game under PREFIX; DESTDIR stages it for packaging.
PREFIX ?= /usr/local

.PHONY: run test install deps configure build clean

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

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

clean:
	rm -rf build
