#!/usr/bin/env bash
# Set-up; build with AddressSanitizer and UndefinedBehaviorSanitizer and run all tests, then the
# fuzz targets, built with clang, each run for a fixed number of inputs from a copy of its corpus;
# then all tests once more in the optimised Release build, whose timing differs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# Compiler cache entries that do not depend on where the checkout lies.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DKELVOR_SANITIZE=ON >/dev/null
cmake --build build-test -j"$(nproc)"
(cd build-test && ctest --output-on-failure -j"$(nproc)" "$@")
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DKELVOR_SANITIZE=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_austausch fuzz_einlesen
korpus=$(mktemp -d)
trap 'rm -rf "$korpus"' EXIT
for ziel in austausch einlesen; do
  mkdir "$korpus/$ziel"
  cp tests/fuzz/korpus/$ziel/* "$korpus/$ziel/"
  build-fuzz/tests/fuzz/fuzz_$ziel -runs=2000 -seed=1 "$korpus/$ziel"
done
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release -j"$(nproc)"
(cd build-release && ctest --output-on-failure -j"$(nproc)" "$@")
