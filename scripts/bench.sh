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
cmake --build "$dir" --target zor_benchmarks zor zor_udp_relay
figures=$(mktemp)
work=$(mktemp -d)
trap 'rm -f "$figures"; rm -rf "$work"' EXIT
for program in $(find "$dir/bench" -type f -perm -u+x -name '*_bench' | sort); do
  echo "== $(basename "$program")"
  "$program" | tee -a "$figures"
done

# Start-up: the game headless from process start to the end of its first frame (the game prints the time
# when ZOR_END_STAMP is set), in a private directory holding links to the data files; the median of several
# runs. The whole process, its shutdown included, is reported beside it.
echo "== start-up"
startup_runs=7
if [ -f "$data/sample.map" ]; then
  for f in "$data"/*; do ln -s "$(realpath "$f")" "$work/"; done
  zor=$(realpath "$dir/game/shell/zor")
  times=()
  wholes=()
  for _ in $(seq "$startup_runs"); do
    start=$(date +%s%N)
    end=$(cd "$work" && ZOR_END_STAMP=1 SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$zor" --frames 1 2>/dev/null |
      sed -n 's/^end of frame 1 at \([0-9]*\) us$/\1/p')
    wholes+=($((($(date +%s%N) - start) / 1000)))
    [ -n "$end" ] || { echo "start-up: the game printed no end-of-frame time" >&2; exit 1; }
    times+=($((end - start / 1000)))
  done
  median() { printf '%s\n' "$@" | sort -n | sed -n "$((startup_runs / 2 + 1))p"; }
  echo "runs to the end of frame 1 (us): ${times[*]}"
  echo "runs to the process's end (us): ${wholes[*]}"
  echo "figure: startup_to_first_frame: $(awk -v us="$(median "${times[@]}")" 'BEGIN { printf "%.1f", us / 1000 }') ms" |
    tee -a "$figures"
  echo "figure: startup_to_exit: $(awk -v us="$(median "${wholes[@]}")" 'BEGIN { printf "%.1f", us / 1000 }') ms" |
    tee -a "$figures"
else
  echo "no built data; skipped"
fi
# Network play: added latency, traffic and waits over the loopback address, directly and through the relay.
echo "== network play"
if [ -f "$data/zor.res" ]; then
  scripts/net-bench.sh "$dir/game/shell/zor" "$dir/tests/e2e/zor_udp_relay" "$data" | tee -a "$figures"
else
  echo "no built data; skipped"
fi
echo "== summary"
sed -n 's/^figure: //p' "$figures"
