#!/usr/bin/env bash
# Runs the tour of every screen (docs/screens/tour.txt) in one edition and writes its shots as PNG files.
#   scripts/tour-shots.sh ko|en OUT_DIR [DATA_DIR] [ZOR]
# DATA_DIR is a built data directory (default build/data), ZOR the game (default DATA_DIR/zor). The tour
# plays the one pack 01_park without a ranking file, seeded, headless. `scripts/tour-shots.sh en
# docs/screens/en` refreshes the README's pictures.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
lang=$1
out=$2
data=$(cd "${3:-$here/build/data}" && pwd)
zor=${4:-$data/zor}
mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for f in zor.res zor2.res mid en 01_park.zor 01_park.dat 01_park.en.dat; do
  [ -e "$data/$f" ] && ln -s "$data/$f" "$work/$f"
done
# A settings folder of its own, so that the player's settings do not change the pictures.
(cd "$work" && XDG_CONFIG_HOME="$work/config" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$zor" --lang "$lang" --seed 4242 \
  --replay "$here/docs/screens/tour.txt" --shots . >/dev/null)
for shot in "$work"/*.bmp; do convert "$shot" "$out/$(basename "$shot" .bmp).png"; done
