#!/usr/bin/env bash
# The real program's first start, driven from outside through the X server:
# the welcome dialog shows, Return, Return (20 pieces), Escape, Return, and
# the game ends by itself with status 0, its settings saved with the
# welcome switched off and the small puzzle chosen.
#
# Needs MEADOW_GAME_DIR (the program and its archives); runs its own Xvfb.
set -euo pipefail

game_dir=${MEADOW_GAME_DIR:?MEADOW_GAME_DIR must name the game folder}

if [[ ${1:-} != --inside ]]; then
    work=$(mktemp -d /tmp/meadow_blackbox_XXXXXX)
    trap 'rm -rf "$work"' EXIT
    status=0
    xvfb-run -a -s "-screen 0 1920x1080x24 -nolisten tcp" bash "$0" --inside "$work" || status=$?
    exit $status
fi

work=$2
export XDG_DATA_HOME=$work/data
export SDL_AUDIODRIVER=dummy
settings=$XDG_DATA_HOME/meadow_mosaics/marbleyardstudio_meadow_mosaics_cfg

fail() {
    echo "FAIL: $*" >&2
    [[ -n ${pid:-} ]] && kill "$pid" 2>/dev/null
    exit 1
}

# The mean brightness of the whole screen, 0 (black) to 1.
screen_mean() {
    import -window root "$work/$1.png"
    convert "$work/$1.png" -format '%[fx:mean]' info:
}

cd "$game_dir"
./meadow_mosaics &
pid=$!

game_window() { [[ -n $(xdotool search --name meadow_mosaics 2>/dev/null) ]]; }

# Wait for the window, then give the first frames time to draw.
for _ in $(seq 1 40); do
    game_window && break
    kill -0 "$pid" 2>/dev/null || fail "the game ended before its window opened"
    sleep 0.5
done
game_window || fail "no game window"
sleep 3
xdotool mousemove 960 540

mean=$(screen_mean welcome)
echo "welcome screen mean brightness: $mean"
awk -v m="$mean" 'BEGIN { exit !(m > 0.05) }' || fail "the welcome screen is black ($mean)"
[[ -e $settings ]] && fail "settings written before the game ended"

for key in Return Return Escape Return; do
    kill -0 "$pid" 2>/dev/null || fail "the game ended before $key"
    xdotool key "$key"
    sleep 3
done

# The game ends by itself within a few seconds.
for _ in $(seq 1 20); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.5
done
if kill -0 "$pid" 2>/dev/null; then fail "the game did not end after the exit dialog"; fi
status=0
wait "$pid" || status=$?
pid=
[[ $status -eq 0 ]] || fail "exit status $status"

[[ -f $settings ]] || fail "no settings file at $settings"
size=$(stat -c %s "$settings")
[[ $size -eq 56 ]] || fail "settings file is $size bytes, not 56"
mapfile -t bytes < <(od -An -v -tu1 -w1 "$settings" | tr -d ' ')
[[ ${bytes[0]} -eq 1 ]] || fail "version ${bytes[0]}"
[[ ${bytes[8]} -eq 0 ]] || fail "showWelcome is ${bytes[8]}"
big=$((bytes[52] + bytes[53] + bytes[54] + bytes[55]))
[[ $big -eq 0 ]] || fail "bigPuzzle is not 0"
echo "first start: welcome, size 20, exit: ok"
