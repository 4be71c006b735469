#!/usr/bin/env bash
# Shots of the selection screen's entries for today's pack and endless play (docs/screens/made.txt) in one
# edition, as PNG files: today.png and endless.png.
#   scripts/made-shots.sh ko|en OUT_DIR [DATA_DIR] [ZOR]
# DATA_DIR is a built data directory (default build/data), ZOR the game (default DATA_DIR/zor).
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
for f in "$data"/*; do
  case $(basename "$f") in zor | made-pairs | *.rnk | *.sav) continue ;; esac
  ln -s "$f" "$work/"
done
(cd "$work" && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$zor" --lang "$lang" --seed 1796644800 \
  --replay "$here/docs/screens/made.txt" --shots . >/dev/null)
for shot in today endless; do convert "$work/$shot.bmp" "$out/$shot.png"; done
