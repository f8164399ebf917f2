#!/usr/bin/env bash
# However the game is ended or started, a change made in it is on disk.
# The real program, driven with keys under an Xvfb of its own:
#  - a change (the welcome dialog closed, the small puzzle chosen), then
#    SIGTERM, SIGINT or SIGHUP: the game ends with status 0 and the file
#    holds the change;
#  - the same change, then the display killed while the board's pieces fly
#    in: status 1 (never a signal), the change kept;
#  - a second copy while one runs: it ends at once with status 0 and one
#    line, without a window, and the first one keeps running;
#  - a FIFO where the settings file should be: the game starts all the same;
#  - started from another folder, and installed as PREFIX/games with its
#    archives in PREFIX/share/meadow_mosaics: the game finds its archives;
#    with no archives anywhere it names the one missing and ends with 1;
#  - a 16-bit display: the game starts; no display at all: it ends with
#    status 1 and says so, instead of running unseen, every time.
#
# Every wait has a deadline; a failure kills whatever the script started.
# Needs MEADOW_GAME_DIR (the program and its archives).
set -euo pipefail

game_dir=${MEADOW_GAME_DIR:?MEADOW_GAME_DIR must name the game folder}
program=$game_dir/meadow_mosaics
work=$(mktemp -d /tmp/meadow_progress_kept_XXXXXX)
export SDL_AUDIODRIVER=dummy
DEADLINE=30 # seconds for any one condition on a loaded machine
failures=0
started=() # every process this script started

cleanup() {
    local pid
    for pid in "${started[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Run "$@" every 0.1 s until it succeeds (0) or DEADLINE seconds pass (1).
wait_for() {
    local deadline=$((SECONDS + DEADLINE))
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# An Xvfb of depth $1 on a free display; sets DISPLAY and xvfb_pid.
start_xvfb() {
    local depth=$1 number=$work/display.$RANDOM
    # -noreset: the server would otherwise start over each time the last game
    # leaves, and a game that connects in that moment finds no display.
    Xvfb -displayfd 3 -screen 0 "640x480x$depth" -nolisten tcp -noreset 3>"$number" 2>/dev/null &
    xvfb_pid=$!
    started+=("$xvfb_pid")
    wait_for test -s "$number" || { fail "Xvfb ($depth bits) did not start"; return 1; }
    export DISPLAY=:$(cat "$number")
}

stop_xvfb() {
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
}

# A fresh settings folder for the next run; sets XDG_DATA_HOME and settings.
fresh_data() {
    export XDG_DATA_HOME=$work/data.$1
    mkdir -p "$XDG_DATA_HOME/meadow_mosaics"
    settings=$XDG_DATA_HOME/meadow_mosaics/marbleyardstudio_meadow_mosaics_cfg
}

# Start the program from folder $1 (stderr to $work/stderr); sets pid.
start_game() {
    (cd "$1" && exec "${2:-$program}") 2>"$work/stderr" &
    pid=$!
    started+=("$pid")
}

game_window() { [[ -n $(xdotool search --onlyvisible --name '^meadow_mosaics$' 2>/dev/null) ]]; }
game_ended() { ! kill -0 "$pid" 2>/dev/null; }
# The window shows more than black: the first frame is drawn.
frame_drawn() {
    local pixel
    pixel=$(import -silent -window root -crop 1x1+320+240 txt:- 2>/dev/null | tail -n 1)
    [[ -n $pixel && $pixel != *"#000000"* ]]
}

# The game's window is up and drawn; false (and a failure) otherwise.
await_game() {
    wait_for game_window && wait_for frame_drawn && return 0
    fail "$1: no game window drawn"
    return 1
}

# Byte $1 of the settings file (decimal), or "none".
settings_byte() {
    [[ -f $settings ]] || { echo none; return; }
    od -An -tu1 -j "$1" -N 1 "$settings" | tr -d ' '
}
welcome_closed() { [[ $(settings_byte 8) == 0 ]]; }
small_chosen() { [[ $(settings_byte 52) == 0 ]]; }

# Press $1 until `$2` holds (a dialog takes keys once it has glided in).
press_until() {
    local deadline=$((SECONDS + DEADLINE)) tries
    while ! $2; do
        ((SECONDS < deadline)) || return 1
        game_ended && return 1
        xdotool key "$1"
        for tries in $(seq 1 15); do
            $2 && return 0
            sleep 0.1
        done
    done
}

# The change every case checks: welcome closed, small puzzle chosen (its
# board then starts flying in).
make_change() {
    press_until Return welcome_closed && press_until Return small_chosen && return 0
    fail "$1: the change never reached the file"
    return 1
}

# Wait for the game to end; sets end_status (128+N for signal N; "running"
# when it had to be killed) and end_seconds.
await_end() {
    local start=$SECONDS
    end_status=0
    if wait_for game_ended; then
        wait "$pid" 2>/dev/null || end_status=$?
    else
        kill -9 "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        end_status=running
    fi
    end_seconds=$((SECONDS - start))
}

# Start from folder $2 (program $3), see it drawn, end it with SIGTERM: status 0.
starts_and_ends() {
    start_game "$2" "${3:-$program}"
    if ! await_game "$1"; then
        echo "stderr: $(cat "$work/stderr")"
        kill -9 "$pid" 2>/dev/null || true
        return
    fi
    kill -TERM "$pid"
    await_end
    [[ $end_status == 0 ]] || fail "$1: status $end_status, want 0"
    echo "$1: started, status $end_status"
}

expect_kept() {
    [[ $(settings_byte 8) == 0 && $(settings_byte 52) == 0 && $(stat -c %s "$settings") == 56 ]] ||
        fail "$1: the change was lost ($(od -An -tx1 "$settings" 2>/dev/null | tr -d '\n'))"
}

# 1. A change, then an end signal: status 0, the change kept.
start_xvfb 24
for signal in TERM INT HUP; do
    fresh_data "$signal"
    start_game "$game_dir"
    await_game "SIG$signal" && make_change "SIG$signal" || continue
    kill -s "$signal" "$pid"
    await_end
    [[ $end_status == 0 ]] || fail "SIG$signal: status $end_status, want 0"
    expect_kept "SIG$signal"
    echo "SIG$signal: status $end_status within ${end_seconds}s, change kept"
done

# 2. A second copy while the first runs: it ends at once, the first goes on.
fresh_data second
start_game "$game_dir"
first=$pid
if await_game "second copy"; then
    (cd "$game_dir" && exec "$program") >"$work/second.out" 2>&1 &
    pid=$!
    started+=("$pid")
    await_end
    [[ $end_status == 0 ]] || fail "second copy: status $end_status, want 0"
    grep -qi "already running" "$work/second.out" || fail "second copy said: $(cat "$work/second.out")"
    [[ $(wc -l <"$work/second.out") == 1 ]] || fail "second copy printed more than one line"
    windows=$(xdotool search --name '^meadow_mosaics$' 2>/dev/null | wc -l)
    [[ $windows == 1 ]] || fail "second copy: $windows game windows"
    kill -0 "$first" 2>/dev/null || fail "second copy: the first one ended"
    echo "second copy: status $end_status, \"$(cat "$work/second.out")\""
fi
pid=$first
kill -TERM "$pid" 2>/dev/null || true
await_end

# 3. A FIFO at the settings path: read as missing, the game starts.
fresh_data fifo
mkfifo "$settings"
starts_and_ends "FIFO at the settings path" "$game_dir"

# 4. Started from another folder, as built and as installed.
fresh_data elsewhere
mkdir -p "$work/elsewhere" "$work/prefix/games" "$work/prefix/share/meadow_mosaics" "$work/lonely"
for started_as in "$program" "$work/prefix/games/meadow_mosaics"; do
    cp "$program" "$work/prefix/games/"
    ln -sf "$game_dir"/*.pak "$work/prefix/share/meadow_mosaics/"
    starts_and_ends "started from another folder as $started_as" "$work/elsewhere" "$started_as"
done
cp "$program" "$work/lonely/"
start_game "$work/elsewhere" "$work/lonely/meadow_mosaics"
await_end
[[ $end_status == 1 ]] || fail "no archives: status $end_status, want 1"
grep -q "\.pak" "$work/stderr" && [[ $(wc -l <"$work/stderr") == 1 ]] ||
    fail "no archives: stderr was: $(cat "$work/stderr")"
echo "no archives anywhere: status $end_status, \"$(cat "$work/stderr")\""

# 5. The display killed while the board's pieces fly in: status 1, kept.
fresh_data display
start_game "$game_dir"
if await_game "display killed" && make_change "display killed"; then
    stop_xvfb
    await_end
    [[ $end_status == 1 ]] || fail "display killed: status $end_status, want 1"
    expect_kept "display killed"
    echo "display killed: status $end_status within ${end_seconds}s, change kept"
fi
stop_xvfb

# 6. A 16-bit display: the game starts and ends normally.
start_xvfb 16
fresh_data depth16
starts_and_ends "16-bit display" "$game_dir"
stop_xvfb

# 7. No display at all (SDL would fall back on drawing offscreen).  The
# first screen's pictures are being decoded on a worker while the window is
# asked for, and the game then ends at once: a worker left running while the
# process ends crashed it about one start in ten, so it is started fifty
# times (each is over in a few hundredths of a second; timeout is the
# deadline of one that hangs).
fresh_data nowhere
for attempt in $(seq 1 50); do
    end_status=0
    (cd "$game_dir" && exec timeout -k 5 "$DEADLINE" env -u DISPLAY -u WAYLAND_DISPLAY "$program") \
        2>"$work/stderr" >/dev/null || end_status=$?
    if [[ $end_status != 1 ]]; then
        fail "no display, start $attempt: status $end_status, want 1"
        break
    fi
    if ! grep -q "^Video initialization failed" "$work/stderr"; then
        fail "no display, start $attempt: stderr was: $(cat "$work/stderr")"
        break
    fi
done
echo "no display: status $end_status ($attempt starts)"

if ((failures > 0)); then
    echo "$failures failures"
    exit 1
fi
echo "progress kept: all ok"
