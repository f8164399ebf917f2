#!/usr/bin/env bash
# The real program's options, with no display and a fresh home folder:
# --help and --version answer on standard output with status 0, every
# mistake gets one line on standard error and status 2, and none of them
# makes a folder (the game makes its own when it starts to play).  What each
# option means is the unit tests' business (CommandLine.*).
#
# Needs MEADOW_GAME_DIR (the program).
set -euo pipefail

program=${MEADOW_GAME_DIR:?MEADOW_GAME_DIR must name the game folder}/meadow_mosaics
work=$(mktemp -d /tmp/meadow_command_line_XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir "$work/home" "$work/data"
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Run the program with ARGS; sets status, out and err.
run() {
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY HOME="$work/home" XDG_DATA_HOME="$work/data" \
        "$program" "$@" >"$work/out" 2>"$work/err" || status=$?
    out=$(cat "$work/out")
    err=$(cat "$work/err")
}

# ARGS answered: status 0, stdout starting with PREFIX, nothing on stderr.
expect_answer() {
    local prefix=$1
    shift
    run "$@"
    [[ $status == 0 ]] || fail "$*: status $status"
    [[ $out == "$prefix"* ]] || fail "$*: says '$out'"
    [[ -z $err ]] || fail "$*: writes to stderr: $err"
}

# ARGS refused: status 2, nothing on stdout, one line on stderr.
expect_refused() {
    run "$@"
    [[ $status == 2 ]] || fail "$*: status $status"
    [[ -z $out ]] || fail "$*: writes to stdout: $out"
    [[ $(wc -l <"$work/err") == 1 && $err == "meadow_mosaics: "* ]] ||
        fail "$*: stderr is not one line: $err"
}

expect_answer "Usage: meadow_mosaics " --help
expect_answer "meadow_mosaics (Meadow Mosaics) " --version
echo "--version: $out"
expect_refused --bogus
expect_refused --language=xx
[[ $err == *" en de es fr it nl pl pt_BR ru uk" ]] || fail "--language=xx does not list the languages: $err"
expect_refused --language
expect_refused picture.png
expect_refused --help --bogus
expect_refused --child-lock=yes
expect_answer "Usage: meadow_mosaics " --child-lock --no-child-lock --help

made=$(cd "$work" && find home data -mindepth 1)
[[ -z $made ]] || fail "the options made: $made"

# A config file's bad line: one line on standard error naming the file and
# the line, and the game goes on (here to its missing display, status 1).
mkdir -p "$work/config/meadow_mosaics"
printf 'child-lock = yes\ncolour = blue\n' >"$work/config/meadow_mosaics/meadow_mosaics.conf"
status=0
env -u DISPLAY -u WAYLAND_DISPLAY HOME="$work/home" XDG_DATA_HOME="$work/data" \
    XDG_CONFIG_HOME="$work/config" XDG_CONFIG_DIRS="$work/none" SDL_VIDEODRIVER=x11 \
    "$program" >"$work/out" 2>"$work/err" || status=$?
[[ $status == 1 ]] || fail "a config file's bad line: status $status"
grep -qx "meadow_mosaics: $work/config/meadow_mosaics/meadow_mosaics.conf:2: unknown name 'colour'; skipped" \
    "$work/err" || fail "a config file's bad line is not named: $(cat "$work/err")"

if ((failures > 0)); then
    echo "$failures failures" >&2
    exit 1
fi
echo "options of the real program: answered, refused, nothing made: ok"
