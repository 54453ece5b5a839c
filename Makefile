# Two commands: `make run` and `make test`. Both install what is missing (as root),
# build both trees and then do their job.
SHELL := /bin/bash
JOBS  ?= $(shell nproc)
NATIVE := build/native
WIN    := build/win

.PHONY: all deps native win build test test-native test-win run clean bench fuzz

all: build

deps:
	@scripts/ensure-deps

$(NATIVE)/CMakeCache.txt:
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(WIN)/CMakeCache.txt:
	cmake -S . -B $(WIN) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake

native: deps $(NATIVE)/CMakeCache.txt
	cmake --build $(NATIVE) -j $(JOBS)

win: deps $(WIN)/CMakeCache.txt
	cmake --build $(WIN) -j $(JOBS)

build: native win

# First the include order of the layers (scripts/check-layers); after the suites of both
# trees: the portable suites again under AddressSanitizer and UndefinedBehaviorSanitizer
# (clang tree build/fuzz), and a short run of every fuzzer.
test: build
	@scripts/check-layers
	@scripts/run-tests
	@scripts/run-fuzzers --unit --seconds 3

# Only one side: `make test-native` (fast, no Wine) or `make test-win` (Wine in Xvfb).
test-native: native
	@scripts/run-tests native

test-win: win
	@scripts/run-tests win

run: win
	@scripts/run-program

bench: native
	@for b in $(NATIVE)/bench_*; do [ -x "$$b" ] && "$$b"; done; true

fuzz: deps
	@scripts/run-fuzzers

clean:
	-scripts/wine-exec wineserver -k 2>/dev/null
	rm -rf build
