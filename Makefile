# The two commands for a fresh Debian machine: `make run` and `make test`.
PRESET ?= default
BUILD_DIR := build/$(PRESET)
# `make install` puts the game under PREFIX; DESTDIR stages it for packaging.
PREFIX ?= /usr/local

.PHONY: run test test-default test-hardening install deb deps configure build clean

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET)

run: build
	$(BUILD_DIR)/bin/tessel-sudoku

# Every test in the default build, then every test again under ASan+UBSan with leak checks,
# then each fuzz target for a minute when clang is there (scripts/ci-sanitizers.sh).
# The two halves run one after the other even under make -j.
test: test-default
	@$(MAKE) --no-print-directory test-hardening

test-default: build
	ctest --preset $(PRESET)

test-hardening: deps
	scripts/ci-sanitizers.sh

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

# The Debian package, built from a clean copy of the tree into build/deb/ and checked with
# lintian; prints the package's path (scripts/build-deb.sh).
deb:
	@scripts/build-deb.sh

clean:
	rm -rf build
