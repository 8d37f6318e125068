# make run: install what is missing, build, start the game.
# make test: install what is missing, build, run every test headless.
# make package: install what is missing, build, make the Debian package in the build folder.

PRESET ?= default
BUILD_DIR ?= build

.PHONY: all setup configure build run test package asan-test clean

all: build

setup:
	./scripts/setup.sh

configure: setup
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET) -j2

run: build
	./$(BUILD_DIR)/tessellix

test: build
	QT_QPA_PLATFORM=offscreen ctest --preset $(PRESET)

package: build
	cmake --build --preset $(PRESET) --target package

asan-test:
	$(MAKE) test PRESET=asan BUILD_DIR=build-asan

clean:
	rm -rf build build-debug build-asan
