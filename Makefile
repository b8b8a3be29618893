# Varnok: the two commands that set up, build and check everything on a fresh Debian 12 machine.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build test run clean

all: build

deps:
	scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

run: build
	$(BUILD_DIR)/varnok

clean:
	rm -rf $(BUILD_DIR)

# The README's picture of the window after a completed run, drawn offscreen by the GUI test.
.PHONY: screenshot
screenshot: build
	VARNOK_SCREENSHOT=$(CURDIR)/docs/window.png QT_QPA_PLATFORM=offscreen \
	  $(BUILD_DIR)/tests/gui/gui_tests screenshotAfterACompletedRun
