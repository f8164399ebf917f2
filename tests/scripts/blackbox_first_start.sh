#!/usr/bin/env bash
# The real program's first start, driven from outside through the X server:
# the welcome dialog shows, Return, Return (20 pieces), Escape, Return, and
# the game ends by itself with status 0, its settings saved with the
# welcome switched off and the small puzzle chosen.
#
# Needs MEADOW_GAME_DIR (the program and its archives); runs its own virtual
# screen.  Each key waits until the last one's effect has been drawn.
set -euo pipefail

game_dir=${MEADOW_GAME_DIR:?MEADOW_GAME_DIR must name the game folder}

here=$(cd "$(dirname "$0")/.." && pwd)

if [[ ${1:-} != --inside ]]; then
    work=$(mktemp -d /tmp/meadow_blackbox_XXXXXX)
    trap 'rm -rf "$work"' EXIT
    status=0
    "$here/support/virtual_screen.sh" 1920x1080 bash "$0" --inside "$work" || status=$?
    exit $status
fi

work=$2
source "$here/support/game_process.sh"
export XDG_DATA_HOME=$work/data
settings=$XDG_DATA_HOME/meadow_mosaics/marbleyardstudio_meadow_mosaics_cfg
DEADLINE=60 # seconds for any one step, on a loaded machine

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The mean brightness of the whole screen, 0 (black) to 1.
screen_mean() {
    import -window root "$work/$1.png"
    convert "$work/$1.png" -format '%[fx:mean]' info:
}

start_game "$game_dir"
await_window $DEADLINE || fail "the game ended before its window opened"
xdotool mousemove 960 540
await_first_frame $DEADLINE || fail "the game drew nothing"
await_settled $DEADLINE || fail "the welcome dialog did not come to rest"

mean=$(screen_mean welcome)
echo "welcome screen mean brightness: $mean"
awk -v m="$mean" 'BEGIN { exit !(m > 0.05) }' || fail "the welcome screen is black ($mean)"
[[ -e $settings ]] && fail "settings written before the game ended"

for key in Return Return Escape Return; do
    game_running || fail "the game ended before $key"
    press "$key" $DEADLINE || fail "nothing happened on $key"
done

# The game ends by itself.
await_end $DEADLINE
[[ $end_status == running ]] && fail "the game did not end after the exit dialog"
[[ $end_status -eq 0 ]] || fail "exit status $end_status"

[[ -f $settings ]] || fail "no settings file at $settings"
size=$(stat -c %s "$settings")
[[ $size -eq 56 ]] || fail "settings file is $size bytes, not 56"
mapfile -t bytes < <(od -An -v -tu1 -w1 "$settings" | tr -d ' ')
[[ ${bytes[0]} -eq 1 ]] || fail "version ${bytes[0]}"
[[ ${bytes[8]} -eq 0 ]] || fail "showWelcome is ${bytes[8]}"
big=$((bytes[52] + bytes[53] + bytes[54] + bytes[55]))
[[ $big -eq 0 ]] || fail "bigPuzzle is not 0"
echo "first start: welcome, size 20, exit: ok"
