#!/usr/bin/env bash
# `cmake --install` into a staging folder under an unusual prefix: the menu
# entry and the software-centre metadata pass their validators, the entry
# starts the installed program in the folder that holds every archive the
# build wrote, its icon exists at every size, and nothing else is installed.
#
# Needs MEADOW_BUILD_DIR (a built tree) and MEADOW_GAME_DIR (its game folder).
set -euo pipefail

build_dir=${MEADOW_BUILD_DIR:?MEADOW_BUILD_DIR must name the build folder}
game_dir=${MEADOW_GAME_DIR:?MEADOW_GAME_DIR must name the game folder}
app_id=org.example.MeadowMosaics
prefix=/opt/meadow-test

if ! compgen -G "$game_dir/*.pak" >/dev/null; then
    echo "no archives in $game_dir (art not built): nothing to install, skipped"
    exit 0
fi

work=$(mktemp -d /tmp/meadow_install_XXXXXX)
trap 'rm -rf "$work"' EXIT
stage=$work/stage

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The value of KEY in the desktop entry's main group.
entry_value() {
    sed -n "s/^$1=//p" "$desktop" | head -n 1
}

DESTDIR=$stage cmake --install "$build_dir" --prefix "$prefix" >"$work/install.log" ||
    fail "cmake --install failed: $(tail -n 5 "$work/install.log")"
root=$stage$prefix

desktop=$root/share/applications/$app_id.desktop
metainfo=$root/share/metainfo/$app_id.metainfo.xml
[[ -f $desktop ]] || fail "no desktop entry at $desktop"
[[ -f $metainfo ]] || fail "no metainfo at $metainfo"

desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the entry"
# A build with no home page names none; AppStream 1.0 (Debian 13) warns
# of exactly that (url-homepage-missing), and nothing else may be said.
if ! report=$(appstreamcli validate --no-net "$metainfo" 2>&1); then
    echo "$report"
    if grep -q '<url type="homepage">' "$metainfo" ||
        echo "$report" | grep -E '^[EW]: ' | grep -qv 'url-homepage-missing'; then
        fail "appstreamcli rejects the metainfo"
    fi
fi
echo "validators: ok"

# The entry names the installed program and the archive folder under the
# prefix the install ran with (not the prefix the build was configured with).
exec_line=$(entry_value Exec)
path_line=$(entry_value Path)
[[ $exec_line == "$prefix/games/meadow_mosaics" ]] || fail "Exec=$exec_line"
[[ $path_line == "$prefix/share/meadow_mosaics" ]] || fail "Path=$path_line"
[[ -x $stage$exec_line ]] || fail "the program $exec_line is not installed"
[[ $(entry_value Icon) == "$app_id" ]] || fail "Icon=$(entry_value Icon)"
[[ $(entry_value Categories) == *Game\;* && $(entry_value Categories) == *KidsGame\;* ]] ||
    fail "Categories=$(entry_value Categories)"

# The second entry starts the same program with the child lock, named in
# every language the game speaks.
grep -q '^Actions=child-lock;$' "$desktop" || fail "no child-lock action"
action=$(sed -n '/^\[Desktop Action child-lock\]/,$p' "$desktop")
grep -qx "Exec=$prefix/games/meadow_mosaics --child-lock" <<<"$action" || fail "the action's Exec"
while read -r language; do
    [[ -z $language || $language == \#* ]] && continue
    grep -q "^Name\[$language\]=" <<<"$action" || fail "the action has no $language name"
done <"$(dirname "$0")/../../po/LINGUAS"

# Every archive the build wrote, byte for byte, in the entry's working folder.
count=0
for pak in "$game_dir"/*.pak; do
    installed=$stage$path_line/$(basename "$pak")
    cmp -s "$pak" "$installed" || fail "$(basename "$pak") is missing or differs in $path_line"
    count=$((count + 1))
done
extra=$(find "$stage$path_line" -type f ! -name '*.pak')
[[ -z $extra ]] || fail "more than archives in the game folder: $extra"
echo "archives: $count in $path_line"

# Every language's archives with words, and the metadata naming each language.
for folder in "$game_dir"/locale/*/; do
    language=$(basename "$folder")
    for pak in "$folder"*.pak; do
        cmp -s "$pak" "$stage$path_line/locale/$language/$(basename "$pak")" ||
            fail "locale/$language/$(basename "$pak") is missing or differs"
    done
    grep -q "<lang>$language</lang>" "$metainfo" || fail "the metainfo does not list $language"
done
grep -q "<lang>en</lang>" "$metainfo" || fail "the metainfo does not list English"

# The metadata and the entry speak of the same application.
grep -q "<id>$app_id</id>" "$metainfo" || fail "metainfo id is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $app_id.desktop"
grep -q '<content_rating type="oars-1.1"' "$metainfo" || fail "no content rating"
# Fit for small children: nothing rated above none (the menu's tiles are
# picture sets inside the game, no advertising).
grep -q '<content_attribute id="money-advertising">none<' "$metainfo" ||
    fail "the content rating does not say there is no advertising"
if grep -E '<content_attribute[^>]*>(mild|moderate|intense)<' "$metainfo"; then
    fail "the content rating is not all none"
fi
grep -q '<project_license>MIT</project_license>' "$metainfo" || fail "project licence is not MIT"

# The icon at every size, really that size, and the scalable one.
for size in 48 64 128 256; do
    png=$root/share/icons/hicolor/${size}x${size}/apps/$app_id.png
    [[ -f $png ]] || fail "no ${size}px icon"
    got=$(identify -format '%wx%h %[channels]' "$png")
    [[ $got == "${size}x${size} srgba"* ]] || fail "${size}px icon is $got"
done
svg=$root/share/icons/hicolor/scalable/apps/$app_id.svg
[[ -f $svg ]] || fail "no scalable icon"
grep -q '<svg' "$svg" || fail "the scalable icon is not SVG"
# A transparent corner and an opaque middle: a real drawing, not a blank square.
corner=$(convert "$root/share/icons/hicolor/64x64/apps/$app_id.png" -format '%[fx:p{0,0}.a]' info:)
middle=$(convert "$root/share/icons/hicolor/64x64/apps/$app_id.png" -format '%[fx:p{32,36}.a]' info:)
[[ $corner == 0 && $middle == 1 ]] || fail "icon alpha: corner $corner, middle $middle"
echo "icons: ok"

# The manual page, as lintian and man read it: no complaint from groff.
manual=$root/share/man/man6/meadow_mosaics.6
[[ -f $manual ]] || fail "no manual page"
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' man --warnings -E UTF-8 -l -Tutf8 -Z "$manual" 2>&1 >/dev/null)
[[ -z $warnings ]] || fail "the manual page: $warnings"
echo "manual page: ok"

# Nothing but the game: no art tools, test programs or libraries.
unexpected=$(cd "$root" && find . -type f | sed 's|^\./||' | grep -v -E \
    "^(games/meadow_mosaics|share/meadow_mosaics/(locale/[a-zA-Z_]+/)?[^/]+\.pak|share/applications/$app_id\.desktop|share/metainfo/$app_id\.metainfo\.xml|share/icons/hicolor/([0-9]+x[0-9]+|scalable)/apps/$app_id\.(png|svg)|share/man/man6/meadow_mosaics\.6|share/doc/meadow-mosaics/copyright)$" ||
    true)
[[ -z $unexpected ]] || fail "unexpected files installed: $unexpected"
echo "desktop install under $prefix: ok"
