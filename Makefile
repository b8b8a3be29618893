# Varnok: the two commands that set up, build and check everything on a fresh Debian 12 machine.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
# Compiler warnings are errors in `make test` (and so in CI).
WERROR ?= OFF

# Seconds each fuzz target runs in make fuzz (make test runs each for 20).
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = conversions run

.PHONY: all deps configure build test run clean package package-test format format-check tidy tidy-check \
        test-asan test-asan-window test-fuzz fuzz soak

all: build

deps:
	scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DVARNOK_WERROR=$(WERROR)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: WERROR = ON
test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory format-check tidy-check
	cmake --build $(BUILD_DIR) --target package
	tests/package/check-package $(BUILD_DIR)
	$(MAKE) --no-print-directory test-asan test-asan-window test-fuzz

# The tests without a window under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/).
test-asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

# The GUI test and a short soak through the window under the same sanitizers, LeakSanitizer
# judging at exit (build-asan-window/).
test-asan-window: deps
	cmake --preset asan-window
	cmake --build --preset asan-window -j $(JOBS)
	ctest --preset asan-window -j $(JOBS)

# Each fuzz target for 20 seconds (build-fuzz/).
test-fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	ctest --preset fuzz -j $(JOBS)
	@grep -hE '^[0-9]+/[0-9]+ Test:|stat::(number_of_executed_units|average_exec_per_sec)' \
	  build-fuzz/Testing/Temporary/LastTest.log

# Each fuzz target for FUZZ_SECONDS, one after the other, starting from the seeds and from what
# earlier runs found.
fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	for t in $(FUZZ_TARGETS); do \
	  build-fuzz/fuzz/$${t}_fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=10 -print_final_stats=1 \
	    -artifact_prefix=build-fuzz/fuzz/ \
	    build-fuzz/fuzz/corpus/$$t fuzz/corpus/$$t || exit 1; \
	done

# The full soak, over the fake form and through the window: 100,000 runs each, memory growth
# and leaks (bench/soak/run-soak).
soak: deps
	bench/soak/run-soak

run: build
	$(BUILD_DIR)/varnok

# The Debian package $(BUILD_DIR)/varnok_<version>_<arch>.deb, and its check.
package: build
	cmake --build $(BUILD_DIR) --target package

package-test: package
	tests/package/check-package $(BUILD_DIR)

SOURCES = git ls-files -z '*.cpp' '*.hpp'

format:
	$(SOURCES) | xargs -0 clang-format -i

format-check:
	$(SOURCES) | xargs -0 clang-format --dry-run --Werror
	@echo "format-check: every tracked .cpp and .hpp follows .clang-format"

# clang-tidy over the project's own sources, with the build's compile_commands.json.
tidy: build
	$(MAKE) --no-print-directory tidy-check

tidy-check:
	run-clang-tidy -quiet -p $(BUILD_DIR) '^$(CURDIR)/(calc|ui|tests|bench)/' > $(BUILD_DIR)/tidy.log 2>&1 \
	  || { grep -E 'warning:|error:' $(BUILD_DIR)/tidy.log; exit 1; }
	@echo "tidy-check: clang-tidy (.clang-tidy) finds nothing in calc/, ui/, tests/, bench/"

clean:
	rm -rf $(BUILD_DIR) build-asan build-asan-window build-fuzz

# The README's picture of the window after a completed run, drawn offscreen by the GUI test.
.PHONY: screenshot
screenshot: build
	VARNOK_SCREENSHOT=$(CURDIR)/docs/window.png QT_QPA_PLATFORM=offscreen \
	  $(BUILD_DIR)/tests/gui/gui_tests screenshotAfterACompletedRun
