#!/usr/bin/env bash
# The real program under valgrind's memcheck: start-up, one 48-piece board,
# the exit dialog, the end.  Fails on any invalid read or write, use of
# uninitialised memory in a decision, or bad free (leaks are the monkey's
# business).  About a minute and a half; ctest runs it as "valgrind_game".
#
#   MEADOW_GAME_DIR=build/game tests/monkey/valgrind_game.sh
#
# Runs its own small Xvfb screen, with Mesa's plain software rasteriser
# (softpipe): llvmpipe's code generator would take most of the run under
# valgrind, and the game's own code is what is checked.
set -euo pipefail

game_dir=${MEADOW_GAME_DIR:?MEADOW_GAME_DIR must name the game folder}
here=$(cd "$(dirname "$0")" && pwd)

if [[ ${1:-} != --inside ]]; then
    command -v valgrind >/dev/null || { echo "valgrind is not installed (apt package valgrind)"; exit 1; }
    work=$(mktemp -d /tmp/meadow_valgrind_XXXXXX)
    trap 'rm -rf "$work"' EXIT
    status=0
    xvfb-run -a -s "-screen 0 320x240x24 -nolisten tcp" bash "$0" --inside "$work" || status=$?
    exit $status
fi

work=$2
export SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1 GALLIUM_DRIVER=softpipe
export XDG_DATA_HOME=$work/data
mkdir -p "$XDG_DATA_HOME/meadow_mosaics"
# Welcome off, 48 pieces: the board opens at once.
{ printf '\x01\0\0\0\0\0\0\0\0\x01\x01\x01' && head -c 40 /dev/zero && printf '\x01\0\0\0'; } \
    >"$XDG_DATA_HOME/meadow_mosaics/marbleyardstudio_meadow_mosaics_cfg"

cd "$game_dir"
valgrind --tool=memcheck --error-exitcode=99 --errors-for-leak-kinds=none --leak-check=no \
    --num-callers=30 --suppressions="$here/valgrind.supp" --log-file="$work/valgrind.%p.log" \
    ./meadow_mosaics &
pid=$!
for _ in $(seq 1 600); do
    [[ -n $(xdotool search --name meadow_mosaics 2>/dev/null) ]] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.5
done
sleep 40 # the pieces fly in, slowly under valgrind
xdotool key Escape
sleep 30
xdotool key Return
status=0
for _ in $(seq 1 600); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.5
done
if kill -0 "$pid" 2>/dev/null; then
    kill -9 "$pid"
    echo "FAIL: the game did not end under valgrind"
    status=1
fi
wait "$pid" || status=$?
grep -E "Command:|ERROR SUMMARY|Invalid|uninitialised|Mismatched|free\(\)" "$work"/valgrind.*.log | head -40 || true
if [[ $status != 0 ]]; then
    echo "FAIL: status $status (99: memcheck found errors)"
    cat "$work"/valgrind.*.log >/tmp/meadow_valgrind_last.log
    echo "full log: /tmp/meadow_valgrind_last.log"
    exit 1
fi
echo "valgrind: no memory errors over start-up, one board and exit"
