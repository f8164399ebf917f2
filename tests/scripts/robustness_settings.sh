#!/usr/bin/env bash
# The real program with a settings file in trouble, driven from outside:
#  - a damaged file (wrong version, cut short, an absurd reserved length,
#    empty) gives the defaults: the welcome dialog opens and what is saved
#    at the end holds nothing of the damaged bytes;
#  - a folder where the file should be, a file where the settings folder
#    should be, a read-only settings folder, a disk that fails the flush:
#    the game still ends normally (status 0), what was there stays, and a
#    save that failed is said on stderr with the path and the reason;
#  - the game killed right after the temporary file of its first save was
#    written (before it replaces the old one): the old progress is still
#    there, and the next start reads it.
#
# Needs MEADOW_GAME_DIR; runs its own small virtual screen.  Tests run as root,
# so the read-only folder is a read-only bind mount in a mount namespace of
# its own (or, failing that, an immutable folder).
set -euo pipefail

game_dir=${MEADOW_GAME_DIR:?MEADOW_GAME_DIR must name the game folder}

here=$(cd "$(dirname "$0")/.." && pwd)

if [[ ${1:-} != --inside ]]; then
    work=$(mktemp -d /tmp/meadow_robust_settings_XXXXXX)
    cleanup() {
        chattr -i "$work/data/meadow_mosaics" 2>/dev/null || true
        rm -rf "$work"
    }
    trap cleanup EXIT
    status=0
    "$here/support/virtual_screen.sh" 640x480 bash "$0" --inside "$work" || status=$?
    exit $status
fi

work=$2
source "$here/support/game_process.sh"
export XDG_DATA_HOME=$work/data
folder=$XDG_DATA_HOME/meadow_mosaics
settings=$folder/marbleyardstudio_meadow_mosaics_cfg
failures=0
DEADLINE=60 # seconds for any one step, on a loaded machine

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Settings bytes: record WELCOME MENU SOUND MUSIC DONE_PICTURE(-1: none) BIG
record() {
    local welcome=$1 menu=$2 sound=$3 music=$4 done=$5 big=$6
    printf '\x01\0\0\0\0\0\0\0'
    printf "\\x0$welcome\\x0$menu\\x0$sound\\x0$music"
    for i in $(seq 0 9); do
        if ((i == done)); then printf '\x01\0\0\0'; else printf '\0\0\0\0'; fi
    done
    printf "\\x0$big\\0\\0\\0"
}

# Shims loaded into the game: die when the settings file is about to be
# replaced, or have every flush to disk fail.
cat >"$work/shims.c" <<'EOF'
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <signal.h>
#include <stdlib.h>
#include <string.h>
int rename(const char* from, const char* to) {
    if (getenv("MEADOW_TEST_DIE_ON_RENAME") && strstr(to, "meadow_mosaics_cfg")) raise(SIGKILL);
    int (*real)(const char*, const char*) = (int (*)(const char*, const char*))dlsym(RTLD_NEXT, "rename");
    return real(from, to);
}
int fsync(int fd) {
    if (getenv("MEADOW_TEST_FAIL_FSYNC")) {
        errno = EIO;
        return -1;
    }
    int (*real)(int) = (int (*)(int))dlsym(RTLD_NEXT, "fsync");
    return real(fd);
}
EOF
cc -shared -fPIC -O1 -o "$work/shims.so" "$work/shims.c" -ldl

# Press keys as the game shows what each one did; set `end_status` once the
# game has ended (128+N for signal N, "running" if it had to be killed).
play_to_end() {
    local key
    if await_first_frame $DEADLINE && await_settled $DEADLINE; then
        for key in $1; do
            game_running || break
            press "$key" $DEADLINE || break
        done
    fi
    await_end $DEADLINE
}

# Run the game with extra environment (as in env(1)) and play KEYS to the end.
run_game() {
    local keys=$1
    shift
    start_game "$game_dir" "$@" 2>"$work/stderr"
    play_to_end "$keys"
}

WELCOME_TO_EXIT="Return Return Escape Return" # welcome ok, 20 pieces, exit dialog, confirm
PUZZLE_TO_EXIT="Escape Return"
record 0 1 1 1 -1 0 >"$work/after_first_start" # what the welcome path saves from defaults

fresh_folder() {
    chattr -i "$folder" 2>/dev/null || true
    rm -rf "$XDG_DATA_HOME"
    mkdir -p "$folder"
}

# 1. Damaged files: the defaults, so the welcome dialog and a clean save.
for damage in version2 cut_short absurd_reserved empty; do
    fresh_folder
    case $damage in
    version2) { printf '\x02' && record 0 0 0 0 3 1 | tail -c +2; } >"$settings" ;;
    cut_short)
        record 0 0 0 0 3 1 >"$work/whole"
        head -c 30 "$work/whole" >"$settings"
        ;;
    absurd_reserved) { printf '\x01\0\0\0\xf0\xff\xff\xff' && record 0 0 0 0 3 1 | tail -c +9; } >"$settings" ;;
    empty) : >"$settings" ;;
    esac
    run_game "$WELCOME_TO_EXIT"
    [[ $end_status == 0 ]] || fail "$damage: status $end_status, want 0 ($(cat "$work/stderr"))"
    cmp -s "$settings" "$work/after_first_start" || fail "$damage: saved $(od -An -tx1 "$settings" | tr -d '\n')"
    echo "damaged file ($damage): defaults, status $end_status"
done

# 2. A folder where the file should be: read as missing, the save fails, status 0.
fresh_folder
mkdir "$settings"
run_game "$WELCOME_TO_EXIT"
[[ $end_status == 0 ]] || fail "folder in the file's place: status $end_status, want 0"
[[ -d $settings ]] || fail "folder in the file's place: it was replaced"
grep -q "could not save progress to $settings: Is a directory" "$work/stderr" ||
    fail "folder in the file's place: stderr was: $(cat "$work/stderr")"
echo "folder in the file's place: status $end_status"

# 3. A file where the settings folder should be: no folder, defaults, status 0.
rm -rf "$XDG_DATA_HOME"
mkdir -p "$XDG_DATA_HOME"
echo "not a folder" >"$folder"
run_game "$WELCOME_TO_EXIT"
[[ $end_status == 0 ]] || fail "file in the folder's place: status $end_status, want 0"
[[ $(cat "$folder") == "not a folder" ]] || fail "file in the folder's place: it was changed"
echo "file in the folder's place: status $end_status"
rm -f "$folder"

# 4. A read-only settings folder holding progress: the game ends normally,
# the progress stays as it was.
fresh_folder
record 0 1 1 1 3 1 >"$settings"
cp "$settings" "$work/progress"
if unshare -m true 2>/dev/null; then
    start_in "$game_dir" unshare -m sh -c 'mount --bind -o ro "$0" "$0" && exec ./meadow_mosaics' "$folder"
    readonly_how="read-only bind mount"
elif chattr +i "$folder" 2>/dev/null; then
    start_game "$game_dir"
    readonly_how="immutable folder"
else
    pid=
    echo "read-only folder: neither a mount namespace nor chattr here; skipped"
fi
if [[ -n $pid ]]; then
    play_to_end "$PUZZLE_TO_EXIT"
    chattr -i "$folder" 2>/dev/null || true
    [[ $end_status == 0 ]] || fail "read-only folder ($readonly_how): status $end_status, want 0"
    cmp -s "$settings" "$work/progress" || fail "read-only folder: the progress changed"
    ls "$folder" | grep -q tmp && fail "read-only folder: a temporary file was left"
    echo "read-only folder ($readonly_how): status $end_status, progress kept"
fi

# 5. Every flush to disk fails: the save is given up, the old file stays.
fresh_folder
record 1 1 1 1 3 1 >"$settings"
cp "$settings" "$work/progress"
run_game "$WELCOME_TO_EXIT" LD_PRELOAD="$work/shims.so" MEADOW_TEST_FAIL_FSYNC=1
[[ $end_status == 0 ]] || fail "failing flush: status $end_status, want 0"
cmp -s "$settings" "$work/progress" || fail "failing flush: the old progress was lost"
[[ -e $settings.tmp ]] && fail "failing flush: the temporary file was left behind"
grep -q "could not save progress to $settings: Input/output error" "$work/stderr" ||
    fail "failing flush: stderr was: $(cat "$work/stderr")"
echo "failing flush: status $end_status, progress kept"

# 6. Killed after the temporary file is written, before it replaces the old
# file (the first save: the welcome dialog closed): the old progress is
# whole, and the next start reads it.
fresh_folder
record 1 1 1 1 3 1 >"$settings"
cp "$settings" "$work/progress"
run_game "$WELCOME_TO_EXIT" LD_PRELOAD="$work/shims.so" MEADOW_TEST_DIE_ON_RENAME=1
[[ $end_status == 137 ]] || fail "killed mid-save: status $end_status, want 137 (SIGKILL)"
cmp -s "$settings" "$work/progress" || fail "killed mid-save: the old progress was damaged"
record 0 1 1 1 3 1 >"$work/after_second_start"
[[ -e $settings.tmp ]] && cmp -s "$settings.tmp" "$work/after_second_start" ||
    fail "killed mid-save: the temporary file does not hold the new record"
echo "killed mid-save: old progress kept, the new record waits in the temporary file"

if ((failures > 0)); then
    echo "$failures failures"
    exit 1
fi
echo "settings in trouble: all ok"
