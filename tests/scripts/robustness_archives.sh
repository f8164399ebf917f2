#!/usr/bin/env bash
# The real program with damaged art, run from a copy of the game folder:
# an archive missing, cut short, with a negative name length, or a folder in
# its place ends the game with exit status 1 and no signal, every time, both
# for archives opened at start-up and for one opened on a picture switch.  A
# model entry whose counts lie makes its archive a damaged one: status 1 too.
#
# Needs MEADOW_GAME_DIR (the program and its archives) and MEADOW_BUILD_DIR
# (paktool); runs its own small virtual screen.
set -euo pipefail

game_dir=${MEADOW_GAME_DIR:?MEADOW_GAME_DIR must name the game folder}
build_dir=${MEADOW_BUILD_DIR:?MEADOW_BUILD_DIR must name the build folder}
paktool=$build_dir/paktool
REPEATS=4

here=$(cd "$(dirname "$0")/.." && pwd)

if [[ ${1:-} != --inside ]]; then
    work=$(mktemp -d /tmp/meadow_robust_archives_XXXXXX)
    trap 'rm -rf "$work"' EXIT
    status=0
    "$here/support/virtual_screen.sh" 640x480 bash "$0" --inside "$work" || status=$?
    exit $status
fi

work=$2
source "$here/support/game_process.sh"
failures=0
DEADLINE=60 # seconds for any one step, on a loaded machine

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# A fresh copy of the game folder: links to every archive, so one can be
# replaced without touching the original, and a copy of the program (the
# game looks for its archives beside the program it really is).
fresh_copy() {
    rm -rf "$work/game"
    mkdir -p "$work/game"
    ln -s "$game_dir"/*.pak "$work/game/"
    cp "$game_dir/meadow_mosaics" "$work/game/"
}

# Settings that open the 48-piece puzzle at once (no welcome dialog).
puzzle_settings() {
    local home=$work/data
    rm -rf "$home"
    mkdir -p "$home/meadow_mosaics"
    { printf '\x01\0\0\0\0\0\0\0\0\x01\x01\x01' && head -c 40 /dev/zero && printf '\x01\0\0\0'; } \
        >"$home/meadow_mosaics/marbleyardstudio_meadow_mosaics_cfg"
    echo "$home"
}

# Replace one archive of the copy with a damaged version made by a command.
# damage ARCHIVE KIND: missing, truncated, negative_name, folder.
damage() {
    local archive=$1 kind=$2 target=$work/game/$1
    rm -f "$target"
    case $kind in
    missing) ;;
    truncated) head -c "$(($(stat -c %s "$game_dir/$archive") / 2))" "$game_dir/$archive" >"$target" ;;
    negative_name)
        # The first entry's name length byte becomes 0x90 (-112 as the reader sees it).
        cp "$game_dir/$archive" "$target"
        printf '\x90' | dd of="$target" bs=1 seek=4 conv=notrunc status=none
        ;;
    folder) mkdir "$target" ;;
    esac
}

# Archives the first start (welcome dialog) opens, each damage once; the
# first archive of all again and again (an exit racing the audio and
# rasteriser threads once ended in a signal one run in five).
for archive in interface_my.pak buttons.pak main_menu.pak help_menu.pak; do
    for kind in missing truncated negative_name folder; do
        fresh_copy
        damage "$archive" "$kind"
        runs=1
        [[ $archive == interface_my.pak ]] && runs=$REPEATS
        for run in $(seq 1 $runs); do
            export XDG_DATA_HOME=$work/empty_data_$run
            rm -rf "$XDG_DATA_HOME"
            start_game "$work/game"
            await_end $DEADLINE
            [[ $end_status == 1 ]] || fail "$archive $kind (run $run): status $end_status, want 1"
        done
        echo "$archive $kind: exit status 1 in $runs runs"
    done
done

# A picture archive opened only when the child walks on to the next picture.
fresh_copy
damage puzzle_v21.pak negative_name
XDG_DATA_HOME=$(puzzle_settings)
export XDG_DATA_HOME
for run in 1 2; do
    start_game "$work/game"
    if ! await_window $DEADLINE; then
        fail "picture switch (run $run): the game ended before its window opened"
        await_end 0
        continue
    fi
    # The board stands once the pieces have flown in; a press before that is
    # not taken.  Right then walks on until the damaged picture's turn ends
    # the game.
    await_first_frame $DEADLINE && await_settled $DEADLINE
    for _ in $(seq 1 10); do
        game_running || break
        press Right $DEADLINE || break
    done
    await_end $DEADLINE
    [[ $end_status == 1 ]] ||
        fail "picture switch onto a damaged archive (run $run): status $end_status, want 1"
done
echo "damaged picture archive on a picture switch: exit status 1 in 2 runs"

# Model entries whose counts lie: "close" claims 1000 meshes, "menu" one mesh
# of 2^31-1 triangles.  The puzzle screen loads "menu" at once: the archive
# is damaged and the game ends with status 1.
fresh_copy
rm "$work/game/buttons.pak"
mkdir -p "$work/entries"
"$paktool" extract "$game_dir/buttons.pak" "$work/entries/"
printf '\xe8\x03\0\0' | dd of="$work/entries/close" bs=1 seek=1 conv=notrunc status=none
menu=$work/entries/menu
name_length=$(od -An -t d4 -j 5 -N 4 "$menu" | tr -d ' ')
printf '\xff\xff\xff\x7f' | dd of="$menu" bs=1 seek=$((9 + name_length + 140)) conv=notrunc status=none
mapfile -t names < <("$paktool" list "$game_dir/buttons.pak" | cut -d' ' -f1)
(cd "$work/entries" && "$paktool" build "$work/game/buttons.pak" "${names[@]}")
XDG_DATA_HOME=$(puzzle_settings)
export XDG_DATA_HOME
for run in 1 2; do
    start_game "$work/game"
    await_end $DEADLINE
    [[ $end_status == 1 ]] || fail "lying model counts (run $run): status $end_status, want 1"
done
echo "lying model counts: exit status 1 in 2 runs"

if ((failures > 0)); then
    echo "$failures failures"
    exit 1
fi
echo "damaged archives: all ok"
