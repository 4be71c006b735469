#!/usr/bin/env bash
# Installs what ZOR needs, builds it twice (a normal build, and a clang build with AddressSanitizer,
# UndefinedBehaviorSanitizer and the fuzz targets) and runs the tests in both: every test in the normal
# build; in the sanitizer build all but the long picture-generation sweeps (CTest label "sweep"), whose
# memory safety the shorter generation tests cover there.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
jobs=$(nproc)

echo "== normal build"
./scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOR_TESTS=ON -DZOR_BENCH=ON
(cd build && ctest --output-on-failure -j "$jobs")

echo "== sanitizer build (clang, ASan + UBSan, fuzzers)"
CC=clang CXX=clang++ ./scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DZOR_SANITIZE=ON -DZOR_FUZZ=ON \
  -DZOR_TESTS=ON -DZOR_BENCH=OFF -DZOR_ASSETS=OFF -DZOR_TEST_DATA_DIR="$PWD/build/data"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-asan && ctest --output-on-failure -j "$jobs" -LE sweep)
