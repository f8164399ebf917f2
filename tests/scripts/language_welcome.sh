#!/usr/bin/env bash
# The game speaks the environment's language: the real program, started at
# its first run with LANG=de_DE.UTF-8 and then with LANG=C (no other locale
# variable set, and no locale generated on the machine), shows a welcome page
# that differs, because the German one is drawn from locale/de/.  Started
# with --language=de under LANG=fr_FR.UTF-8, it shows the German page.
# (Which language each environment gives is the unit tests' business.)
#
# Needs MEADOW_GAME_DIR; runs its own virtual screen.
set -euo pipefail

game_dir=${MEADOW_GAME_DIR:?MEADOW_GAME_DIR must name the game folder}
[[ -f $game_dir/locale/de/help_menu.pak ]] || {
    echo "no German archives in $game_dir/locale/de (art not built): skipped"
    exit 0
}

here=$(cd "$(dirname "$0")/.." && pwd)
DEADLINE=60 # seconds for any one step, on a loaded machine

if [[ ${1:-} != --inside ]]; then
    work=$(mktemp -d /tmp/meadow_language_XXXXXX)
    trap 'rm -rf "$work"' EXIT
    status=0
    "$here/support/virtual_screen.sh" 1024x768 bash "$0" --inside "$work" || status=$?
    exit $status
fi

work=$2
source "$here/support/game_process.sh"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Start the game in a fresh home folder (the welcome page opens) with the
# given environment (and the program's options in `options`), wait until its
# picture has stopped moving, and keep it.
options=()
welcome_shot() {
    local name=$1 folder=$2
    shift 2
    mkdir -p "$work/$name"
    start_in "$folder" env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG \
        XDG_DATA_HOME="$work/$name" "$@" ./meadow_mosaics "${options[@]}"
    await_window $DEADLINE || fail "$name: the game ended while starting"
    await_first_frame $DEADLINE && await_settled $DEADLINE ||
        fail "$name: the welcome page never came to rest"
    import -silent -window root "$work/$name.png"
    kill_started_games
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

options=(--language=de)
welcome_shot chosen "$game_dir" LANG=fr_FR.UTF-8
chosen=$(differing "$work/german.png" "$work/chosen.png")
echo "--language=de under LANG=fr_FR.UTF-8 against LANG=de_DE.UTF-8: $chosen pixels differ"
((chosen * 10 < german)) || fail "--language=de did not show the German welcome page"

echo "language of the welcome page: ok"
