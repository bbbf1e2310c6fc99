# Two entry points: `make run` and `make test`. Both install what is missing first.
.PHONY: all deps build run test test-format test-unit test-tsan test-fuzz clean

all: build

deps:
	@scripts/install-deps

build: deps
	cmake --preset default
	cmake --build --preset default

# Says so before installing or building anything when there is no X display to start on. Builds
# the program alone; the tests, benchmarks and tools are built by `make test` and `make build`.
run:
	@if [ -z "$$DISPLAY" ]; then echo "quillorbitex: no X display (DISPLAY is not set); start it from an X11 session." >&2; exit 1; fi
	@$(MAKE) --no-print-directory deps
	cmake --preset default
	cmake --build --preset default --target quillorbitex
	build/default/quillorbitex

test-unit: build
	ctest --preset default

test-tsan: deps
	cmake --preset tsan
	cmake --build --preset tsan
	ctest --preset tsan

# Replays the committed seeds of the decoder fuzzers, then fuzzes each for a short while.
test-fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	ctest --preset fuzz

# Every C++ file as clang-format (the repository's .clang-format) writes it.
test-format: deps
	clang-format --dry-run -Werror $$(git ls-files '*.cpp' '*.h')

test: test-format test-unit test-tsan test-fuzz

clean:
	rm -rf build
