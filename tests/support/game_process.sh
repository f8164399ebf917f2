# Shared by the scripts that drive the real program from outside, on the
# virtual screen of tests/support/virtual_screen.sh.  Sourced, not run.
#
# Every wait here is for a condition (a window shown, the screen settled or
# changed, the program ended) with a deadline in seconds, however slowly a
# loaded machine gets there; none waits a fixed time.  Every program started
# with start_game is killed when the script ends, on any path, and dies with
# the script even if the script is killed outright.
#
#   start_game DIR [NAME=VALUE...]  start ./meadow_mosaics in DIR; sets `pid`
#   start_in DIR COMMAND...         any other command in DIR; sets `pid`
#   await_window SECONDS            the game's window is mapped
#   await_first_frame SECONDS       the screen is no longer black
#   await_settled SECONDS           the screen stopped changing (for SETTLED_MS)
#   press KEY SECONDS               press KEY, wait until the screen changes and settles
#   await_end SECONDS               the game ended; sets `end_status`
#                                   (128+N for signal N, "running" if it had to be killed)

POLL=0.2              # seconds between two looks at a condition
SETTLED_MS=1200       # how long the screen stays the same to count as settled
WINDOW_NAME=meadow_mosaics
# The build's quick look at the screen (tests/support/screen_print.cpp);
# without it, a capture with ImageMagick, a few hundred milliseconds a look.
SCREEN_PRINT=${MEADOW_SCREEN_PRINT:-}

started_pids=()

kill_started_games() {
    local game
    for game in "${started_pids[@]}"; do
        kill -9 "$game" 2>/dev/null || true
        wait "$game" 2>/dev/null || true
    done
    started_pids=()
}

# Kill what was started, then run the script's own clean-up (if any).  A
# signal ends the script through the same path.
on_exit_kill_games() {
    # shellcheck disable=SC2064
    trap "kill_started_games; ${1:-:}" EXIT
    trap 'exit 143' TERM
    trap 'exit 130' INT
}
on_exit_kill_games

# Run COMMAND in DIR in the background; sets `pid`.
start_in() {
    local dir=$1
    shift
    (cd "$dir" && exec setpriv --pdeathsig KILL "$@") &
    pid=$!
    started_pids+=("$pid")
}

# Start ./meadow_mosaics in DIR, with extra environment as in env(1).
start_game() {
    local dir=$1
    shift
    start_in "$dir" env "$@" ./meadow_mosaics
}

game_running() {
    kill -0 "$pid" 2>/dev/null
}

await_window() {
    local deadline=$((SECONDS + $1))
    while ((SECONDS < deadline)); do
        [[ -n $(xdotool search --onlyvisible --name "$WINDOW_NAME" 2>/dev/null) ]] && return 0
        game_running || return 1
        sleep "$POLL"
    done
    return 1
}

# A fingerprint of everything the screen shows.
screen_print() {
    if [[ -n $SCREEN_PRINT ]]; then
        "$SCREEN_PRINT"
    else
        import -silent -window root rgb:- 2>/dev/null | md5sum | cut -d' ' -f1
    fi
}

# The fingerprint of a wholly black screen of this size.
black_print=
black_screen_print() {
    if [[ -n $SCREEN_PRINT ]]; then
        echo black
        return
    fi
    if [[ -z $black_print ]]; then
        local size
        size=$(xdpyinfo | awk '/dimensions:/ { print $2 }')
        black_print=$(convert -size "$size" xc:black -depth 8 rgb:- | md5sum | cut -d' ' -f1)
    fi
    echo "$black_print"
}

# The window shows black until the archives are read and the first frame is
# drawn (call once the window is mapped).
await_first_frame() {
    local deadline=$((SECONDS + $1)) black
    black=$(black_screen_print)
    while ((SECONDS < deadline)); do
        game_running || return 1
        [[ $(screen_print) != "$black" ]] && return 0
        sleep "$POLL"
    done
    return 1
}

await_settled() {
    local deadline=$((SECONDS + $1)) last= now since=0 micro
    while ((SECONDS < deadline)); do
        game_running || return 1
        now=$(screen_print)
        micro=${EPOCHREALTIME/[.,]/} # the wall clock in microseconds
        if [[ $now != "$last" ]]; then
            last=$now
            since=$micro
        elif (((micro - since) / 1000 >= SETTLED_MS)); then
            return 0
        fi
        sleep "$POLL"
    done
    return 1
}

# Press a key and wait for what it does to be drawn: the screen changes, then
# settles.  A key that ends the game counts as done.
press() {
    local key=$1 deadline=$((SECONDS + $2)) before
    before=$(screen_print)
    xdotool key "$key"
    while [[ $(screen_print) == "$before" ]]; do
        game_running || return 0
        ((SECONDS < deadline)) || return 1
        sleep "$POLL"
    done
    await_settled $((deadline - SECONDS)) || ! game_running
}

# Press KEY until the screen changes (or the game ends), pressing it again
# after every PATIENCE seconds of an unchanged screen: a key that came while
# the game could not take it (pieces still flying in under a slow
# rasteriser or memcheck) is not waited for until the deadline.  Then wait
# for the screen to settle.
press_until_taken() {
    local key=$1 deadline=$((SECONDS + $2)) patience=$3 before next
    before=$(screen_print)
    while game_running && ((SECONDS < deadline)); do
        xdotool key "$key"
        next=$((SECONDS + patience))
        while [[ $(screen_print) == "$before" ]] && game_running && ((SECONDS < next)); do
            sleep "$POLL"
        done
        [[ $(screen_print) != "$before" ]] && break
    done
    game_running || return 0
    ((SECONDS < deadline)) || return 1
    await_settled $((deadline - SECONDS)) || ! game_running
}

await_end() {
    local deadline=$((SECONDS + $1))
    while game_running && ((SECONDS < deadline)); do sleep "$POLL"; done
    end_status=0
    if game_running; then
        kill -9 "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null || true
        end_status=running
        return
    fi
    wait "$pid" || end_status=$?
}
