#!/usr/bin/env bash
# Builds the benchmarks in Release (build-bench), runs every benchmark program and ends with a summary,
# one figure a line: "NAME: VALUE UNIT". A program joins by being built by the zor_benchmarks target
# (zor_benchmark() in bench/CMakeLists.txt) and printing "figure: NAME: VALUE UNIT" lines.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build-bench
# The frame benchmarks run on the data directory the normal build's tests use (build/data unless that
# build was configured with another one).
data=$(sed -n 's/^ZOR_TEST_DATA_DIR:PATH=//p' build/CMakeCache.txt 2>/dev/null || true)
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZOR_BENCH=ON -DZOR_ASSETS=OFF \
  -DZOR_TEST_DATA_DIR="${data:-$PWD/build/data}" >/dev/null
cmake --build "$dir" --target zor_benchmarks
figures=$(mktemp)
trap 'rm -f "$figures"' EXIT
for program in $(find "$dir/bench" -type f -perm -u+x -name '*_bench' | sort); do
  echo "== $(basename "$program")"
  "$program" | tee -a "$figures"
done
echo "== summary"
sed -n 's/^figure: //p' "$figures"
