#!/usr/bin/env bash
# No address that leads nowhere: the built program, every archive of the
# game folder (the words' copies too) and the software-centre text hold no
# placeholder web address, and with no home page set (the default) the
# software-centre text names no web address at all.
#
# Needs MEADOW_BUILD_DIR (a built tree) and MEADOW_GAME_DIR (its game folder).
set -euo pipefail

build_dir=${MEADOW_BUILD_DIR:?MEADOW_BUILD_DIR must name the build folder}
game_dir=${MEADOW_GAME_DIR:?MEADOW_GAME_DIR must name the game folder}
placeholder='example\.(org|com|net)'

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

[[ -x $game_dir/meadow_mosaics ]] || fail "no program in $game_dir"
metainfo=$(find "$build_dir/packaging" -maxdepth 1 -name '*.metainfo.xml' | head -n 1)
[[ -n $metainfo ]] || fail "no software-centre text in $build_dir/packaging"

files=("$game_dir/meadow_mosaics" "$metainfo")
while IFS= read -r -d '' pak; do files+=("$pak"); done < <(find "$game_dir" -name '*.pak' -print0)
for file in "${files[@]}"; do
    if grep -aqE "$placeholder" "$file"; then
        fail "$file holds a placeholder address: $(grep -aoE "[a-z:/.]*$placeholder[^\"<> ]*" "$file" | head -n 1 | tr -d '\0')"
    fi
done
echo "no placeholder address in ${#files[@]} files"

home=$(sed -n 's/^MEADOW_HOME_PAGE:STRING=//p' "$build_dir/CMakeCache.txt")
if [[ -z $home ]]; then
    ! grep -qE 'https?://' "$metainfo" || fail "no home page set, yet $metainfo names $(grep -oE 'https?://[^<"]*' "$metainfo" | head -n 1)"
    ! grep -q '<screenshots>' "$metainfo" || fail "no home page set, yet $metainfo lists screenshots"
    ! grep -aqE 'https?://' "$game_dir/meadow_mosaics" || fail "no home page set, yet the program names a web address"
    echo "no home page: no web address in the program or the software-centre text"
else
    grep -q "<url type=\"homepage\">$home/</url>" "$metainfo" || fail "$metainfo does not name $home"
    echo "home page $home named"
fi
