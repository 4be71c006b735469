#!/usr/bin/env bash
# Takes the README's screenshot of the map editor from a real window: Xvfb with openbox, the editor started
# on the bundled sample pair, the pointer drawing a rectangle and resting on the Test button. With "tools",
# the Tools menu's Suggest rectangles (F8) and Show differences (F9) instead, the Tools menu left open.
# Usage: editor-screenshot.sh ZOR_EDIT DATA_DIR OUT.png [tools]
set -euo pipefail
editor=$(realpath "$1")
data=$(realpath "$2")
out=$(realpath -m "$3")
mode=${4:-draw}
work=$(mktemp -d)
display=:$((90 + RANDOM % 9))
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

cp "$data/sample.jpg" "$data/sample.map" "$work/"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
pids+=($!)
export DISPLAY=$display
sleep 1
openbox &
pids+=($!)
sleep 1
(cd "$work" && exec "$editor") &
pids+=($!)
window=$(xdotool search --sync --name '^mfcapp$' | head -n 1)
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")" # X, Y of the view's window area
if [ "$mode" = tools ]; then
  xdotool key --window "$window" F8
  sleep 0.5
  xdotool key --window "$window" F9
  sleep 1
  xdotool key --window "$window" alt+o # the Tools menu, its three commands in view
  sleep 1
  import -window root -crop 820x660+0+0 +repage "$out"
  echo "wrote $out"
  exit 0
fi
# A new rectangle dragged over the picture (the first drag goes to slot 1).
xdotool mousemove $((X + 78)) $((Y + 350)) mousedown 1
for step in 1 2 3 4 5 6; do xdotool mousemove $((X + 78 + step * 11)) $((Y + 350 + step * 7)); sleep 0.1; done
xdotool mouseup 1
# The pointer on the Test button shows its tool tip and its prompt in the status bar.
xdotool mousemove $((X + 116)) $((Y + 12))
sleep 2
import -window root -crop 820x660+0+0 +repage "$out"
echo "wrote $out"
