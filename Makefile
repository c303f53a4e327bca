# Front door of the project. Every target runs the set-up first when
# something it installs is missing (tools/setup is idempotent and quick).
SHELL := /bin/bash
JOBS ?= $(shell nproc)
EXE := build/win32/zarnikfonts_setup_win_1000.exe
SETUP_STAMP := .deps/setup.stamp
XVFB := xvfb-run -a -s "-screen 0 1280x1024x24"

.PHONY: all build native native-asan test test-native test-asan test-win32 demo dist bench bench-core bench-wine fuzz assets-sheet clean

all: build

$(SETUP_STAMP): tools/setup
	bash tools/setup
	@mkdir -p .deps && touch $@

build: $(SETUP_STAMP)
	cmake --preset win32 >/dev/null
	cmake --build build/win32 -j $(JOBS)

native: $(SETUP_STAMP)
	cmake --preset native >/dev/null
	cmake --build build/native -j $(JOBS)

native-asan: $(SETUP_STAMP)
	cmake --preset native-asan >/dev/null
	cmake --build build/native-asan -j $(JOBS)

test-native: native
	ctest --test-dir build/native --output-on-failure -j $(JOBS)

test-asan: native-asan
	ctest --test-dir build/native-asan --output-on-failure -j $(JOBS)

# Wine tests and the end-to-end tests share one Xvfb display of their own.
test-win32: build
	$(XVFB) ctest --test-dir build/win32 --output-on-failure

test: test-native test-asan test-win32

demo: build native
	/usr/bin/python3 tools/demo.py

# The wizard and the demo package, built with the package tool, as a zip.
dist: $(SETUP_STAMP)
	bash tools/fontpack_dist.sh

# The package core natively, then whole programs under Wine beside their floors.
bench: bench-core bench-wine

bench-core: native
	build/native/tools/bench/package_bench

bench-wine: build
	/usr/bin/python3 tools/bench/wine/run_bench.py --build-dir $(CURDIR)/build/win32

# Every fuzz target for a bounded time (FUZZ_SECONDS each, 60 by default).
fuzz: $(SETUP_STAMP)
	/usr/bin/python3 tools/fuzz/run_fuzz.py

assets-sheet: $(SETUP_STAMP)
	/usr/bin/python3 assets/make_sheet.py build/assets-sheet.png

clean:
	rm -rf build
