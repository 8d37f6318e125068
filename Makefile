# make run: install what is missing, build the game, its puzzles and its help, start the game.
# make test: install what is missing, build everything, run every test headless.
# make package: install what is missing, build, make the Debian package in the build folder.
# make fuzz: install clang, build the fuzz targets, run each for FUZZ_SECONDS (default 60).
# make soak: build the game with the sanitizers, play it at random for SOAK_SECONDS (default 120).

PRESET ?= default
BUILD_DIR ?= build

.PHONY: all setup configure build run test package asan-test fuzz soak clean

all: build

setup:
	./scripts/setup.sh

configure: setup
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET) -j2

# Only the game, its puzzles and its help: a player need not wait for the tests.
run: configure
	cmake --build --preset $(PRESET) --target game
	./$(BUILD_DIR)/tessellix

test: build
	QT_QPA_PLATFORM=offscreen ctest --preset $(PRESET)

package: build
	cmake --build --preset $(PRESET) --target package

asan-test:
	$(MAKE) test PRESET=asan BUILD_DIR=build-asan

fuzz:
	./scripts/setup.sh --fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz
	./scripts/fuzz.sh  # reads FUZZ_SECONDS, FUZZ_TARGETS and FUZZ_SEEDS

soak: setup
	cmake --preset asan
	nice -n 10 cmake --build --preset asan --target tessellix tessellix-puzzle
	./scripts/soak.sh  # reads SOAK_SECONDS and SOAK_SEED

clean:
	rm -rf build build-debug build-asan build-fuzz
