#!/usr/bin/env bash
# Run one command on a virtual X screen of its own, and take the screen down
# with it however the command ends.
#
#   virtual_screen.sh WIDTHxHEIGHT[xDEPTH] COMMAND [ARGS...]   (depth 24 unless given)
#
# Xvfb chooses a free display number itself (-displayfd) and writes it once
# it takes connections, so two tests starting together never race for the
# same number, and nothing waits a fixed time for the server to come up.
# SDL is pinned to its X driver and, unless told otherwise, to no sound.
# The server and the command get a parent-death signal: even if this script
# is killed outright (a test runner's time-out), neither is left behind.
# The command's exit status is this script's.
set -euo pipefail

size=${1:?usage: virtual_screen.sh WIDTHxHEIGHT[xDEPTH] COMMAND [ARGS...]}
[[ $size == *x*x* ]] || size=${size}x24
shift
START_DEADLINE=30 # seconds for Xvfb to take connections, however loaded the machine

scratch=$(mktemp -d /tmp/meadow_screen_XXXXXX)
server=
command_pid=
stop_all() {
    local pid
    for pid in $command_pid $server; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$scratch"
}
trap stop_all EXIT
trap 'exit 143' TERM
trap 'exit 130' INT

mkfifo "$scratch/display"
setpriv --pdeathsig KILL Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp -noreset \
    3>"$scratch/display" 2>"$scratch/xvfb.log" &
server=$!
number=
read -r -t "$START_DEADLINE" number <"$scratch/display" || true
if [[ ! $number =~ ^[0-9]+$ ]]; then
    echo "virtual_screen: Xvfb did not start within ${START_DEADLINE}s" >&2
    cat "$scratch/xvfb.log" >&2
    exit 1
fi
export DISPLAY=:$number
# The game's window goes to this screen through SDL's X driver, named, so
# SDL tries no other window system first; there is no sound card.
export SDL_VIDEODRIVER=x11
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
unset WAYLAND_DISPLAY
# Mesa's software rasteriser draws in the program's own thread: tests run
# side by side on every core already, and a virtual screen's frames are too
# small to gain from threads of their own (they cost more to hand over).
export LP_NUM_THREADS=${LP_NUM_THREADS:-0}

# In the background, so a signal to this script is handled at once.
setpriv --pdeathsig TERM "$@" &
command_pid=$!
status=0
wait "$command_pid" || status=$?
command_pid=
exit $status
