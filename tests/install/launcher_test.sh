#!/bin/sh
# The launchers' rules for the player's folder and the directory a program starts in, checked on an
# installed tree whose programs are replaced by a stand-in that reports where and how it was started.
#   launcher_test.sh BUILD_DIR WORK_DIR
set -eu
build=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
cmake --install "$build" --prefix "$work/prefix" >"$work/install.log"
prefix="$work/prefix"
data="$prefix/share/zor"

# The editor's launcher is installed with the editor; it is tried here whether or not the editor is built.
cp "$build/dist/launch/zor_edit" "$prefix/bin/zor_edit"
for program in zor zor_edit; do
    rm -f "$prefix/libexec/zor/$program"
    cat >"$prefix/libexec/zor/$program" <<'STUB'
#!/bin/sh
{
    echo "cwd=$PWD"
    for arg; do echo "arg=$arg"; done
} >"$STARTED"
STUB
    chmod +x "$prefix/libexec/zor/$program"
done

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
# start HOME XDG_DATA_HOME PROGRAM ARGS...: runs a launcher; what the program saw is in $work/started.
start() {
    run_home=$1
    run_xdg=$2
    run_program=$3
    shift 3
    rm -f "$work/started"
    env -i PATH="$PATH" HOME="$run_home" STARTED="$work/started" ${run_xdg:+XDG_DATA_HOME=$run_xdg} \
        "$prefix/bin/$run_program" "$@" || fail "$run_program $* ended with status $?"
}
saw() {
    [ -f "$work/started" ] || touch "$work/started"
    grep -qxF "$1" "$work/started" || fail "expected '$1', the program saw: $(tr '\n' ' ' <"$work/started")"
}

# A fresh home: the folder is made with a link to every installed file and a copy of the sample map.
home="$work/fresh"
mkdir -p "$home"
cd "$home"
start "$home" "" zor
folder="$home/.local/share/zor"
saw "cwd=$folder"
for file in zor.res zor2.res en/zor.res en/zor2.res 01_park.zor 01_park.dat 16_space.zor sample.jpg \
    mid/sunny_start.mid; do
    [ "$(readlink "$folder/$file")" = "$(readlink -f "$data/$file")" ] || fail "$file is not linked"
done
[ -f "$folder/sample.map" ] && [ ! -L "$folder/sample.map" ] && [ -w "$folder/sample.map" ] ||
    fail "sample.map is not the player's own writable file"
cmp -s "$folder/sample.map" "$data/sample.map" || fail "sample.map is not a copy of the installed one"

# XDG_DATA_HOME is used when absolute, ignored when relative.
start "$home" "$work/xdg" zor
saw "cwd=$work/xdg/zor"
[ -L "$work/xdg/zor/zor.res" ] || fail "the folder under XDG_DATA_HOME is not prepared"
start "$home" "relative/data" zor
saw "cwd=$folder"
[ ! -e "$home/relative" ] || fail "a relative XDG_DATA_HOME was used"

# The player's own files stay; links to a pack the install no longer has go, other dangling links stay;
# a link into an older install is pointed at this one.
echo mine >"$folder/01_park.zor"
echo mine >"$folder/my_pack.zor"
echo mine >"$folder/mid/my_tune.mid"
echo edited >"$folder/sample.map"
ln -s "$data/99_gone.zor" "$folder/99_gone.zor"
ln -s /nowhere/else.zor "$folder/else.zor"
rm "$folder/02_farm.zor"
ln -s /opt/old/share/zor/02_farm.zor "$folder/02_farm.zor"
start "$home" "" zor
for file in 01_park.zor my_pack.zor mid/my_tune.mid; do
    [ "$(cat "$folder/$file")" = mine ] || fail "the player's $file was replaced"
done
[ "$(cat "$folder/sample.map")" = edited ] || fail "the player's sample.map was replaced"
[ ! -L "$folder/99_gone.zor" ] || fail "the link to a pack no longer installed is kept"
[ -L "$folder/else.zor" ] || fail "a link the launcher did not make was removed"
[ "$(readlink "$folder/02_farm.zor")" = "$(readlink -f "$data/02_farm.zor")" ] ||
    fail "a link into an older install is not renewed"

# A map path: kept as typed where the game's data is, made absolute from anywhere else; the paths of the
# options are made absolute, their numbers and languages are not maps.
mkdir -p "$work/pictures"
cd "$work/pictures"
start "$home" "" zor cat.map --replay run.txt --trace /tmp/t.txt --seed 7 --frames 9
saw "cwd=$folder"
saw "arg=$work/pictures/cat.map"
saw "arg=$work/pictures/run.txt"
saw "arg=/tmp/t.txt"
saw "arg=7"
saw "arg=9"
start "$home" "" zor --lang en --scale 2
saw "cwd=$folder"
saw "arg=en"
saw "arg=2"
start "$home" "" zor --join 192.168.1.20:6000 --delay 4 --autoplay 3 --record-commands c.bin --host 6001
saw "cwd=$folder"
saw "arg=192.168.1.20:6000"
saw "arg=4"
saw "arg=3"
saw "arg=$work/pictures/c.bin"
saw "arg=6001"
start "$home" "" zor --host cat.map
saw "arg=$work/pictures/cat.map"
cd "$folder"
start "$home" "" zor sample.map
saw "cwd=$folder"
saw "arg=sample.map"
ln -s "$data/zor.res" "$work/pictures/zor.res"
cd "$work/pictures"
start "$home" "" zor --window cat.map
saw "cwd=$work/pictures"
saw "arg=cat.map"

# Help needs no folder.
start "$work/helpless" "" zor --help
[ ! -e "$work/helpless" ] || fail "--help made a game folder"

# The editor opens in the folder from the menu, and where it was started when given a file.
start "$home" "" zor_edit
saw "cwd=$folder"
start "$home" "" zor_edit cat.jpg
saw "cwd=$work/pictures"
saw "arg=cat.jpg"
start "$home" "" zor_edit --lang en
saw "cwd=$folder"
saw "arg=en"
start "$home" "" zor_edit --lang en cat.jpg
saw "cwd=$work/pictures"

[ "$failures" -eq 0 ] || exit 1
echo "launchers: ok"
