# The newcomer's door: `make run [FILE=path]` and `make test` on a fresh Debian 12 machine.
SHELL := /bin/bash
BUILD := build
X64 := $(BUILD)/x64
X86 := $(BUILD)/x86
JOBS ?= $(shell nproc)
CONFIG ?= Release
export WINEPREFIX := $(CURDIR)/$(BUILD)/wineprefix

.PHONY: all deps build build64 build32 test run bench dist clean

all: build

deps:
	@tools/install-deps

$(X64)/CMakeCache.txt: | deps
	cmake -S . -B $(X64) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=$(CONFIG)

$(X86)/CMakeCache.txt: | deps
	cmake -S . -B $(X86) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=$(CONFIG)

build64: deps $(X64)/CMakeCache.txt
	cmake --build $(X64) -j $(JOBS)

build32: deps $(X86)/CMakeCache.txt
	cmake --build $(X86) -j $(JOBS)

build: build64 build32

test: build
	tools/with-display tools/init-wineprefix
	tools/with-display ctest --test-dir $(X64) --output-on-failure --timeout 600

run: build64
	tools/with-display tools/init-wineprefix
	tools/run-program $(X64)/vestigon/vestigon.exe $(FILE)

# The two release archives (each build makes its own; see cmake/vestigon-dist.cmake).
dist: build
	mkdir -p $(BUILD)/dist
	cp $(X64)/dist/vestigon-*-win64.zip $(X86)/dist/vestigon-*-win32.zip $(BUILD)/dist/
	@ls -l $(BUILD)/dist/*.zip

bench: build64
	tools/with-display tools/init-wineprefix
	tools/bench $(X64)

clean:
	rm -rf $(BUILD)
