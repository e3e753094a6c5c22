# K27093: build, test and demo commands. On a fresh Debian 12 machine `make demo` and
# `make test` install what is missing, build and run.

BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2
FUZZ_SECONDS ?= 20
BENCH_MIN_TIME ?= 0.2

CMAKE_FLAGS = -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

.PHONY: all deps build test sanitize demo fuzz bench format clean

all: build

# Debian packages; nothing is fetched when all are installed.
deps:
	bash scripts/install-deps.sh

build: deps
	cmake -S . -B build $(CMAKE_FLAGS)
	cmake --build build -j$(JOBS)

test: build
	ctest --test-dir build --output-on-failure

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DK27093_SANITIZE=ON
	cmake --build build-sanitize -j$(JOBS)
	UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir build-sanitize --output-on-failure

# Writes the sample workbooks into build/examples/, inspects the one handed out and grades
# each as its exercise with `k27093 check` (builds only the command and the sample generator).
demo: deps
	cmake -S . -B build $(CMAKE_FLAGS)
	cmake --build build -j$(JOBS) --target k27093 k27093-examples
	bash scripts/demo.sh build

# libFuzzer targets, built with clang, each run for FUZZ_SECONDS.
fuzz:
	bash scripts/install-deps.sh --fuzz
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DK27093_FUZZ=ON
	cmake --build build-fuzz -j$(JOBS)
	FUZZ_SECONDS=$(FUZZ_SECONDS) bash scripts/run-fuzzers.sh build-fuzz

# Each benchmark runs for at least BENCH_MIN_TIME seconds.
bench: build
	BENCH_MIN_TIME=$(BENCH_MIN_TIME) bash scripts/run-benchmarks.sh build

format:
	find src tests bench fuzz examples \( -name '*.cc' -o -name '*.h' \) -print0 | \
	  xargs -0 -r clang-format -i

clean:
	rm -rf build build-sanitize build-fuzz
