#!/bin/sh
# Installs the build into a temporary prefix and plays with the installed launcher from a fresh home:
# a one-player stage lost by ten wrong clicks, a name typed into the ranking, and a test map given by
# a path relative to a directory without the game's data.
#   installed_game_test.sh BUILD_DIR WORK_DIR HAVE_EDITOR(0 or 1)
set -eu
build=$1
work=$2
have_editor=$3
rm -rf "$work"
mkdir -p "$work/home" "$work/pictures"
cmake --install "$build" --prefix "$work/prefix" >"$work/install.log"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# The value of KEY on trace line N (frames count from 0).
field() {
    sed -n "$(($2 + 1))p" "$1" | tr ' ' '\n' | sed -n "s/^$3=//p"
}
play() {
    env -i PATH="$PATH" HOME="$work/home" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
        ${ASAN_OPTIONS:+ASAN_OPTIONS=$ASAN_OPTIONS} ${UBSAN_OPTIONS:+UBSAN_OPTIONS=$UBSAN_OPTIONS} \
        "$work/prefix/bin/zor" "$@"
}

# Every program with its menu entry, icons and manual page.
expected="bin/zor bin/zor_res bin/zor_packgen libexec/zor/zor share/applications/org.zorgame.zor.desktop
    share/icons/hicolor/16x16/apps/zor.png share/icons/hicolor/scalable/apps/zor.svg share/man/man6/zor.6.gz
    share/man/man1/zor_res.1.gz share/man/man1/zor_packgen.1.gz share/metainfo/org.zorgame.zor.metainfo.xml
    share/doc/zor/copyright share/zor/en/zor.res share/zor/en/zor2.res"
[ "$have_editor" = 1 ] && expected="$expected bin/zor_edit libexec/zor/zor_edit share/man/man6/zor_edit.6.gz
    share/applications/org.zorgame.zor_edit.desktop share/icons/hicolor/256x256/apps/zor_edit.png"
for file in $expected; do
    [ -e "$work/prefix/$file" ] || fail "$file is not installed"
done

# Escape leaves the logo, the menu pen's tip goes onto "one player" and clicks; after the stage banner,
# ten clicks on spots with no difference, each three pixels further right, twelve frames apart (a wrong
# click freezes the pen). Seed 2 deals a default ranking that stage 1 enters.
{
    echo "1 key down ESCAPE"
    echo "2 key up ESCAPE"
    echo "3 move 0 32"
    echo "4 button down left"
    echo "5 button up left"
    frame=80
    while [ $frame -lt 200 ]; do
        echo "$frame move 3 0"
        echo "$frame button down left"
        echo "$((frame + 1)) button up left"
        frame=$((frame + 12))
    done
    echo '220 text "Installed"'
    echo "226 key down RETURN"
    echo "227 key up RETURN"
    echo "300 end"
} >"$work/stage.txt"

cd "$work/pictures"
play --replay ../stage.txt --trace ../stage-trace.txt --seed 2 || fail "the game ended with status $?"
trace="$work/stage-trace.txt"
[ "$(wc -l <"$trace")" -eq 300 ] || fail "the run did not last 300 frames"
[ "$(field "$trace" 20 mode)" = 4 ] || fail "no stage is played at frame 20"
[ "$(field "$trace" 20 stage)" = 1 ] || fail "the stage played is not stage 1"
packs=$(find "$work/prefix/share/zor" -maxdepth 1 -name '*.zor' | wc -l)
[ "$(field "$trace" 20 total)" = $((packs * 10)) ] || fail "the installed packs do not give ten stages each"
[ "$(field "$trace" 20 p1)" = 10 ] || fail "player 1 does not start with ten lives"
field "$trace" 20 music | grep -q '^mid/.*\.mid$' || fail "no installed tune plays"
[ "$(field "$trace" 200 p1)" = 0 ] || fail "ten wrong clicks did not take ten lives"
[ "$(field "$trace" 200 naming)" = 1 ] || fail "the game over did not ask for a name"
[ "$(field "$trace" 299 mode)" = 2 ] || fail "the game did not return to the title"

folder="$work/home/.local/share/zor"
[ -f "$folder/zor.rnk" ] || fail "zor.rnk is not in the player's folder"
grep -q Installed "$folder/zor.rnk" || fail "the typed name is not in the ranking"
[ ! -e "$work/pictures/zor.rnk" ] || fail "the ranking was written where the game was started"

# A test map from a directory without the game's data plays from the player's folder.
cp "$work/prefix/share/zor/sample.jpg" cat.jpg
cp "$work/prefix/share/zor/sample.map" cat.map
echo "20 end" >"$work/map.txt"
play cat.map --replay ../map.txt --trace ../map-trace.txt || fail "the test map run ended with status $?"
[ "$(field "$work/map-trace.txt" 10 mode)" = 4 ] || fail "the test map is not played"
[ "$(field "$work/map-trace.txt" 10 answers)" = 1 ] || fail "the test map does not show its answers"
echo "installed game: ok"
