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
data=${data:-$PWD/build/data}
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZOR_BENCH=ON -DZOR_TESTS=ON -DZOR_ASSETS=OFF \
  -DZOR_TEST_DATA_DIR="$data" >/dev/null
cmake --build "$dir" --target zor_benchmarks zor
figures=$(mktemp)
work=$(mktemp -d)
trap 'rm -f "$figures"; rm -rf "$work"' EXIT
for program in $(find "$dir/bench" -type f -perm -u+x -name '*_bench' | sort); do
  echo "== $(basename "$program")"
  "$program" | tee -a "$figures"
done

# Start-up: the game headless from process start until it ends after its first frame, in a private
# directory holding links to the data files; the median of several runs.
echo "== start-up"
startup_runs=7
if [ -f "$data/sample.map" ]; then
  for f in "$data"/*; do ln -s "$(realpath "$f")" "$work/"; done
  zor=$(realpath "$dir/game/shell/zor")
  times=()
  for _ in $(seq "$startup_runs"); do
    start=$(date +%s%N)
    (cd "$work" && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$zor" --frames 1 >/dev/null 2>&1)
    times+=($((($(date +%s%N) - start) / 1000)))
  done
  median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$((startup_runs / 2 + 1))p")
  echo "runs (us): ${times[*]}"
  echo "figure: startup_to_first_frame: $(awk -v us="$median" 'BEGIN { printf "%.1f", us / 1000 }') ms" |
    tee -a "$figures"
else
  echo "no built data; skipped"
fi
echo "== summary"
sed -n 's/^figure: //p' "$figures"
