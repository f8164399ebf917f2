#!/usr/bin/env bash
# The real program under valgrind's memcheck: start-up, one 48-piece board,
# the exit dialog, the end.  Fails on any invalid read or write, use of
# uninitialised memory in a decision, or bad free (leaks are the monkey's
# business).  Each step waits for what the screen shows, not for a time;
# ctest runs it as "valgrind_game".
#
#   MEADOW_GAME_DIR=build/game tests/monkey/valgrind_game.sh
#
# Runs its own small virtual screen, with Mesa's plain software rasteriser
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
    "$here/../support/virtual_screen.sh" 320x240 bash "$0" --inside "$work" || status=$?
    exit $status
fi

work=$2
source "$here/../support/game_process.sh"
# A frame takes a good part of a second under memcheck, and a slow frame
# shows one still screen for as long: the screen has settled (the pieces
# have landed) only when it stays the same for several seconds.
SETTLED_MS=10000
DEADLINE=300 # seconds for any one step under memcheck on a loaded machine
export LIBGL_ALWAYS_SOFTWARE=1 GALLIUM_DRIVER=softpipe
export XDG_DATA_HOME=$work/data
mkdir -p "$XDG_DATA_HOME/meadow_mosaics"
# Welcome off, 48 pieces: the board opens at once.
{ printf '\x01\0\0\0\0\0\0\0\0\x01\x01\x01' && head -c 40 /dev/zero && printf '\x01\0\0\0'; } \
    >"$XDG_DATA_HOME/meadow_mosaics/marbleyardstudio_meadow_mosaics_cfg"

start_in "$game_dir" valgrind --tool=memcheck --error-exitcode=99 --errors-for-leak-kinds=none \
    --leak-check=no --num-callers=30 --suppressions="$here/valgrind.supp" \
    --log-file="$work/valgrind.%p.log" ./meadow_mosaics
# The pieces fly in, then the exit dialog is opened and confirmed, each key
# pressed once: under memcheck a screen can look still while the pieces
# still glide (and a key then is not taken), and pressing Escape again would
# close a dialog that was merely slow to show.  Whatever the keys did, the
# game is then asked to end as a desktop session would (SIGTERM), which ends
# it in order too.
ANSWER_WAIT=60 # seconds for a key's effect to show before the game is asked to end
status=0
if await_window $DEADLINE && await_first_frame $DEADLINE && await_settled $DEADLINE; then
    press Escape $ANSWER_WAIT || true
    game_running && { press Return $ANSWER_WAIT || true; }
fi
end_deadline=$((SECONDS + ANSWER_WAIT))
while game_running && ((SECONDS < end_deadline)); do sleep "$POLL"; done
if game_running; then
    echo "the keys did not end the game: it is asked to end (SIGTERM)"
    kill -TERM "$pid" 2>/dev/null || true
fi
await_end $DEADLINE
if [[ $end_status == running ]]; then
    echo "FAIL: the game did not end under valgrind"
    status=1
else
    status=$end_status
fi
grep -E "Command:|ERROR SUMMARY|Invalid|uninitialised|Mismatched|free\(\)" "$work"/valgrind.*.log | head -40 || true
if [[ $status != 0 ]]; then
    echo "FAIL: status $status (99: memcheck found errors)"
    cat "$work"/valgrind.*.log >/tmp/meadow_valgrind_last.log
    echo "full log: /tmp/meadow_valgrind_last.log"
    exit 1
fi
echo "valgrind: no memory errors over start-up, one board and exit"
