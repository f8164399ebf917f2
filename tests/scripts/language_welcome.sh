#!/usr/bin/env bash
# The game speaks the environment's language: the real program, started at
# its first run with LANG=de_DE.UTF-8 and then with LANG=C (no other locale
# variable set, and no locale generated on the machine), shows a welcome page
# that differs, because the German one is drawn from locale/de/.  (Which
# language each environment gives is the unit tests' business.)
#
# Needs MEADOW_GAME_DIR; runs its own Xvfb on a free display.
set -euo pipefail

game_dir=${MEADOW_GAME_DIR:?MEADOW_GAME_DIR must name the game folder}
[[ -f $game_dir/locale/de/help_menu.pak ]] || {
    echo "no German archives in $game_dir/locale/de (art not built): skipped"
    exit 0
}

work=$(mktemp -d /tmp/meadow_language_XXXXXX)
xvfb_pid=
pid=
cleanup() {
    if [[ -n $pid ]]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A display of our own: Xvfb picks a free one and writes its number.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
deadline=$((SECONDS + 30))
until [[ -s $work/display ]]; do
    ((SECONDS < deadline)) || fail "Xvfb gave no display"
    kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb ended: $(cat "$work/xvfb.log")"
    sleep 0.1
done
export DISPLAY=:$(head -n 1 "$work/display")
export SDL_AUDIODRIVER=dummy

# Start the game in a fresh home folder (the welcome page opens) with the
# given environment, wait until its picture has stopped moving, and keep it.
welcome_shot() {
    local name=$1 folder=$2
    shift 2
    mkdir -p "$work/$name"
    (cd "$folder" && exec env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG \
        XDG_DATA_HOME="$work/$name" "$@" ./meadow_mosaics) &
    pid=$!
    local deadline=$((SECONDS + 60)) previous="" still=0 changed
    while ((SECONDS < deadline)); do
        kill -0 "$pid" 2>/dev/null || fail "$name: the game ended while starting"
        import -silent -window root "$work/$name.png" 2>/dev/null || { sleep 0.3; continue; }
        if [[ -n $previous ]] && [[ $(convert "$work/$name.png" -format '%[fx:mean]' info:) != 0 ]]; then
            changed=$(compare -metric AE "$work/$name.png" "$previous" null: 2>&1 || true)
            if [[ ${changed%% *} == 0 ]]; then
                still=$((still + 1))
                ((still >= 2)) && break
            else
                still=0
            fi
        fi
        cp "$work/$name.png" "$work/$name.previous.png"
        previous=$work/$name.previous.png
        sleep 0.5
    done
    ((still >= 2)) || fail "$name: the welcome page never came to rest"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=
}

# Pixels that differ between two screenshots.
differing() {
    local count
    count=$(compare -metric AE -fuzz 3% "$1" "$2" null: 2>&1 || true)
    echo "${count%% *}"
}

welcome_shot german "$game_dir" LANG=de_DE.UTF-8
welcome_shot plain "$game_dir" LANG=C
german=$(differing "$work/german.png" "$work/plain.png")
echo "LANG=de_DE.UTF-8 against LANG=C: $german pixels differ"
((german > 5000)) || fail "the German welcome page looks like the English one"

echo "language of the welcome page: ok"
