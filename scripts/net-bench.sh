#!/usr/bin/env bash
# Network play over the loopback address, on the real clock: host and guest headless for a number of
# frames, directly and through the test relay (scripts/bench.sh runs this and gathers its figures).
#   net-bench.sh ZOR RELAY DATA
# Prints "figure: NAME: VALUE UNIT" lines: the input latency a network game adds, in frames, at 0 ms and at
# 100 ms round trip; the bytes per second each way; the frames that waited in a lossy run (10 % lost, 100 ms
# each way, 0..30 ms more, so packets are reordered).
set -euo pipefail
zor=$(realpath "$1")
relay=$(realpath "$2")
data=$3
frames=${NET_BENCH_FRAMES:-300}
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
for side in host guest; do
  mkdir -p "$work/$side/config"
  for f in "$data"/*; do [ "$(basename "$f")" = made-pairs ] || ln -s "$(realpath "$f")" "$work/$side/"; done
done

free_port() { python3 -c 'import socket; s=socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }

# run NAME RELAY_ARGS: one game of $frames frames; the guest joins through a relay when RELAY_ARGS is given.
# Leaves each side's "net:" line in $work/NAME.host and $work/NAME.guest.
run() {
  local name=$1 relay_args=$2 port join relay_pid="" pids=()
  port=$(free_port)
  join=$port
  if [ -n "$relay_args" ]; then
    "$relay" --listen 0 --to "127.0.0.1:$port" $relay_args > "$work/$name.relay" &
    relay_pid=$!
    for _ in $(seq 50); do grep -q listening "$work/$name.relay" && break; sleep 0.1; done
    join=$(sed -n 's/^relay: listening on //p' "$work/$name.relay")
  fi
  for side in host guest; do
    local role=(--host "$port")
    [ "$side" = guest ] && role=(--join "127.0.0.1:$join")
    (cd "$work/$side" && XDG_CONFIG_HOME="$work/$side/config" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
      "$zor" "${role[@]}" --frames "$frames" 2> "$work/$name.$side.err") &
    pids+=($!)
    [ "$side" = host ] && sleep 0.3
  done
  wait "${pids[@]}" || true
  if [ -n "$relay_pid" ]; then kill "$relay_pid" 2>/dev/null; wait "$relay_pid" 2>/dev/null || true; fi
  for side in host guest; do
    grep '^net: ' "$work/$name.$side.err" > "$work/$name.$side" ||
      { echo "net-bench: the $side of '$name' printed no figures:" >&2; cat "$work/$name.$side.err" >&2; exit 1; }
    echo "$name $side: $(cat "$work/$name.$side")"
  done
}

field() { sed -n "s/.* $2=\([0-9.]*\).*/\1/p" "$work/$1"; }

run direct ""
run rtt100 "--delay-ms 50"
run lossy "--loss 0.1 --delay-ms 100 --jitter-ms 30 --seed 7"
echo "figure: net_latency_0ms_rtt: $(field direct.host latency_frames) frames"
echo "figure: net_latency_0ms_rtt_ms: $(field direct.host latency_ms) ms"
echo "figure: net_latency_100ms_rtt: $(field rtt100.host latency_frames) frames"
echo "figure: net_latency_100ms_rtt_ms: $(field rtt100.host latency_ms) ms"
echo "figure: net_stalls_100ms_rtt: $(field rtt100.host stalls) of $frames frames"
echo "figure: net_bytes_host_to_guest: $(field direct.host sent_bytes_per_s) B/s"
echo "figure: net_bytes_guest_to_host: $(field direct.guest sent_bytes_per_s) B/s"
echo "figure: net_lossy_stalls: $(field lossy.host stalls) of $frames frames"
echo "figure: net_lossy_longest_stall: $(field lossy.host longest_stall_ms) ms"
