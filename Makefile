# Two entry points: `make run` and `make test`. Both install what is missing first: `make run` only
# what building and running the program needs, `make test` (and `make build`) everything.
.PHONY: all deps deps-program build run test test-format test-unit test-tsan test-fuzz clean

all: build

deps:
	@scripts/install-deps

deps-program:
	@scripts/install-deps --program

build: deps
	cmake --preset default
	cmake --build --preset default

# Says so before installing or building anything when there is no X display to start on. Builds
# the program alone, in a folder of its own configured without the tests and benchmarks (whose
# packages it does not install); they and the tools are built by `make test` and `make build`.
run:
	@if [ -z "$$DISPLAY" ]; then echo "quillorbitex: no X display (DISPLAY is not set); start it from an X11 session." >&2; exit 1; fi
	@$(MAKE) --no-print-directory deps-program
	cmake --preset default -B build/program -DQX_BUILD_TESTS=OFF -DQX_BUILD_BENCHMARKS=OFF
	cmake --build build/program --target quillorbitex
	build/program/quillorbitex

test-unit: build
	ctest --preset default

test-tsan: deps
	cmake --preset tsan
	cmake --build --preset tsan
	ctest --preset tsan

# Replays the committed seeds of the reader fuzzers, then fuzzes each for a short while.
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
