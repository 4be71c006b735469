#!/usr/bin/env bash
# Plays the built game as a person would on an X screen of its own: Xvfb of the given size, with the
# openbox window manager or with none at all, xdotool as mouse and keyboard, ImageMagick's `import` for
# screenshots. Checks that full screen covers the whole screen with the picture kept at 4:3 and centred,
# that a 32-count mouse move moves the menu pen 32 pixels, that a quick click (press and release a few
# milliseconds apart) on the title starts a game, that Alt+Enter goes to a window and back, and that the
# options screen (F2 in the pause) turns full screen off and on at once and saves the settings file.
# With --net it plays a network game instead: a host and a guest in two windows side by side on the one
# screen, each window's mouse moving its own player's pen, seen alike in both windows; then the guest quits
# and the host's title says so.
#
# usage: scripts/try-on-x.sh [--wm] [--net] [--size WxH] [--out DIR] [--name NAME] [--data DIR] [-- ZOR OPTIONS]
#   --wm     run openbox (default: no window manager)
#   --net    the network game (screenshots NAME-net-title.png, NAME-net-pens.png, NAME-net-left.png)
#   --size   the screen (default 1280x800)
#   --out    where the screenshots go (default /tmp), as NAME-title.png, NAME-play.png, NAME-window.png,
#            NAME-options.png
#   --data   the game's data directory (default build/data)
# Options after -- go to the game (for example --integer-scale).
set -euo pipefail
cd "$(dirname "$0")/.."

wm=0 net=0 size=1280x800 out=/tmp name="" data=build/data
while [ $# -gt 0 ]; do
  case "$1" in
    --wm) wm=1 ;;
    --net) net=1 ;;
    --size) size=$2; shift ;;
    --out) out=$2; shift ;;
    --name) name=$2; shift ;;
    --data) data=$2; shift ;;
    --) shift; break ;;
    *) echo "try-on-x: unknown option $1" >&2; exit 2 ;;
  esac
  shift
done
zor=$PWD/build/game/shell/zor
data=$(cd "$data" && pwd)
out=$(mkdir -p "$out" && cd "$out" && pwd)
width=${size%x*} height=${size#*x}
[ -n "$name" ] || name="zor-${size}-$([ $wm = 1 ] && echo openbox || echo nowm)"
integer=0
for arg in "$@"; do [ "$arg" = --integer-scale ] && integer=1; done

# A free display number, and everything started here stopped again on the way out.
display=90
while [ -e /tmp/.X$display-lock ]; do display=$((display + 1)); done
export DISPLAY=:$display
work=$(mktemp -d /tmp/zor-x-XXXXXX)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[$i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "try-on-x ($name): FAIL: $*" >&2; exit 1; }

Xvfb "$DISPLAY" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start"
if [ $wm = 1 ]; then
  openbox >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
fi

if [ $net = 1 ]; then
  # Two game folders and two settings folders; the host waits on a free port and the guest joins it.
  for side in host guest; do
    mkdir -p "$work/$side"
    for f in "$data"/*; do [ "$(basename "$f")" = zor ] || ln -s "$f" "$work/$side/"; done
  done
  port=$(python3 -c 'import socket; s=socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  for side in host guest; do
    role="--host $port"
    [ $side = guest ] && role="--join 127.0.0.1:$port"
    (cd "$work/$side" && XDG_CONFIG_HOME="$work/$side/config" SDL_AUDIODRIVER=dummy \
      exec "$zor" $role --window --scale 1 --trace trace.txt "$@" >zor.log 2>&1) &
    pids+=($!)
    eval "${side}_pid=$!"
    [ $side = host ] && sleep 0.5
  done
  sfield() { tail -n 1 "$work/$1/trace.txt" 2>/dev/null | grep -o " $2=[^ ]*" | cut -d= -f2; }
  swait() { for _ in $(seq 50); do [ "$(sfield "$1" "$2")" = "$3" ] && return 0; sleep 0.1; done; return 1; }
  swait guest mode 0 || fail "the guest did not join (see $work/guest/zor.log)"
  # Each game's window by its process: the host's left, the guest's right.
  windows=("$(xdotool search --all --pid "$host_pid" --name "QAN GAMES" | tail -1)"
    "$(xdotool search --all --pid "$guest_pid" --name "QAN GAMES" | tail -1)")
  [ -n "${windows[0]}" ] && [ -n "${windows[1]}" ] || fail "not two game windows: ${windows[*]}"
  xdotool windowmove "${windows[0]}" 0 0
  xdotool windowmove "${windows[1]}" 640 0
  sleep 1
  xdotool windowfocus --sync "${windows[0]}" 2>/dev/null || xdotool windowactivate --sync "${windows[0]}"
  xdotool key Escape
  swait host mode 2 || fail "Escape in the host's window did not lead to the title"
  swait guest mode 2 || fail "the guest's window did not follow the host to the title"
  import -window root "$out/$name-net-title.png"
  xdotool mousemove --window "${windows[0]}" 320 240
  sleep 0.3
  xdotool mousemove_relative -- 0 32
  sleep 0.5
  [ "$(sfield host menu)" = "320,232" ] || fail "a 32-count move in the host's window put the menu pen at $(sfield host menu)"
  xdotool click 1
  swait host mode 4 || fail "a click on the host's first title item did not start the game"
  swait guest mode 4 || fail "the guest's window did not start the game with the host"
  sleep 3 # the stage banner
  start1=$(sfield host pen1) start2=$(sfield host pen2)
  xdotool mousemove_relative -- 60 40
  sleep 0.8
  [ "$(sfield host pen1)" != "$start1" ] || fail "the host's mouse did not move player 1's pen ($start1)"
  [ "$(sfield host pen2)" = "$start2" ] || fail "the host's mouse moved player 2's pen"
  xdotool windowfocus --sync "${windows[1]}" 2>/dev/null || xdotool windowactivate --sync "${windows[1]}"
  xdotool mousemove --window "${windows[1]}" 320 240
  sleep 0.5
  xdotool mousemove_relative -- -80 60
  sleep 0.8
  [ "$(sfield guest pen2)" != "$start2" ] || fail "the guest's mouse did not move player 2's pen ($start2)"
  sleep 0.5
  [ "$(sfield host pen1),$(sfield host pen2)" = "$(sfield guest pen1),$(sfield guest pen2)" ] ||
    fail "the windows show different pens: host $(sfield host pen1) $(sfield host pen2), guest $(sfield guest pen1) $(sfield guest pen2)"
  import -window root "$out/$name-net-pens.png"
  # The guest quits: the host says so along its title's bottom and plays on alone.
  xdotool key ctrl+q
  swait host mode 2 || fail "the host did not go back to the title when the guest quit"
  [ "$(sfield host notice)" -gt 0 ] || fail "the host's title gives no notice of the guest's leaving"
  sleep 0.5
  import -window root "$out/$name-net-left.png"
  echo "try-on-x ($name): network game ok, pens $(sfield host pen1) and $(sfield host pen2);" \
    "screenshots $out/$name-net-{title,pens,left}.png"
  exit 0
fi

for f in "$data"/*; do [ "$(basename "$f")" = zor ] || ln -s "$f" "$work/"; done
# A settings folder of its own: the checks expect the defaults.
(cd "$work" && XDG_CONFIG_HOME="$work/config" SDL_AUDIODRIVER=dummy exec "$zor" --trace trace.txt "$@" >zor.log 2>&1) &
pids+=($!)

field() { tail -n 1 "$work/trace.txt" 2>/dev/null | grep -o " $1=[^ ]*" | cut -d= -f2; }
wait_for() { # FIELD VALUE: up to 5 seconds
  for _ in $(seq 50); do [ "$(field "$1")" = "$2" ] && return 0; sleep 0.1; done
  return 1
}
pixel() { convert "$1" -format "%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]" -crop "1x1+$2+$3" info:; }
window_size() { xwininfo -name "QAN GAMES" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }

wait_for mode 0 || fail "the game did not start (see $work/zor.log)"
sleep 1
xdotool key Escape
wait_for mode 2 || fail "Escape did not lead to the title"
sleep 0.5
import -window root "$out/$name-title.png"

[ "$(window_size)" = "$size" ] || fail "full screen is $(window_size), the screen $size"
if [ $integer = 1 ]; then
  scale=$((width / 640 < height / 480 ? width / 640 : height / 480))
  [ $scale -ge 1 ] || scale=1
  shown=$((640 * scale))
else
  shown=$((height * 4 / 3 < width ? height * 4 / 3 : width))
fi
border=$(((width - shown) / 2)) top=$(((height - shown * 3 / 4) / 2))
if [ $border -gt 2 ]; then
  [ "$(pixel "$out/$name-title.png" $((border / 2)) $((height / 2)))" = "0,0,0" ] || fail "no border left of the picture"
  [ "$(pixel "$out/$name-title.png" $((border + 2)) $((height / 2)))" != "0,0,0" ] || fail "the picture does not start at x=$border"
fi
[ "$(pixel "$out/$name-title.png" $((width - border - 3)) $((top + 3)))" != "0,0,0" ] ||
  fail "the picture does not reach x=$((width - border)), y=$top"

xdotool mousemove_relative -- 0 32
sleep 0.5
[ "$(field menu)" = "320,232" ] || fail "a 32-count move put the menu pen at $(field menu), not 320,232"
xdotool click 1
wait_for mode 4 || fail "a quick click on the first title item did not start the game"
sleep 2
import -window root "$out/$name-play.png"

xdotool key alt+Return
sleep 1.5
import -window root "$out/$name-window.png"
[ "$(window_size)" != "$size" ] || fail "Alt+Enter did not leave full screen"
xdotool key alt+Return
sleep 1.5
[ "$(window_size)" = "$size" ] || fail "the second Alt+Enter gave $(window_size), not full screen"

xdotool key p
wait_for mode 7 || fail "P did not pause"
xdotool key F2
wait_for mode 8 || fail "F2 did not open the options screen from the pause"
xdotool key Right
sleep 1.5
import -window root "$out/$name-options.png"
[ "$(window_size)" != "$size" ] || fail "the options screen's display row did not leave full screen"
xdotool key Right
sleep 1.5
[ "$(window_size)" = "$size" ] || fail "the options screen's display row gave $(window_size), not full screen"
xdotool key Escape
wait_for mode 7 || fail "Escape did not lead back to the pause"
grep -q "^fullscreen = yes" "$work/config/zor/settings.ini" || fail "leaving the options screen saved no settings"
echo "try-on-x ($name): ok; screenshots $out/$name-{title,play,window,options}.png"
