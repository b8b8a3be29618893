# Varnok: the two commands that set up, build and check everything on a fresh Debian 12 machine.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
# Compiler warnings are errors in `make test` (and so in CI).
WERROR ?= OFF

.PHONY: all deps configure build test run clean package package-test format format-check tidy

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
	$(MAKE) --no-print-directory format-check
	cmake --build $(BUILD_DIR) --target package
	tests/package/check-package $(BUILD_DIR)

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
	scripts/install-deps tidy
	run-clang-tidy -quiet -p $(BUILD_DIR) '^$(CURDIR)/(calc|ui|tests|bench)/'

clean:
	rm -rf $(BUILD_DIR)
