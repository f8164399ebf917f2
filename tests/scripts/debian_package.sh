#!/usr/bin/env bash
# The Debian package: `cpack -G DEB` builds it with the right control fields
# and runtime dependencies (SDL 1.2 from sdl12-compat, SDL_image 1.2, GL,
# GLU; none of the art tools), and the program unpacked from it, started the
# way the desktop starts it (in the entry's Path= folder), draws its welcome
# dialog.
#
# Needs MEADOW_BUILD_DIR (a built tree) and MEADOW_GAME_DIR; runs its own Xvfb.
set -euo pipefail

app_id=org.example.MeadowMosaics

if [[ ${1:-} != --inside ]]; then
    build_dir=${MEADOW_BUILD_DIR:?MEADOW_BUILD_DIR must name the build folder}
    game_dir=${MEADOW_GAME_DIR:?MEADOW_GAME_DIR must name the game folder}
    if ! compgen -G "$game_dir/*.pak" >/dev/null; then
        echo "no archives in $game_dir (art not built): nothing to package, skipped"
        exit 0
    fi
fi

fail() {
    echo "FAIL: $*" >&2
    [[ -n ${pid:-} ]] && kill "$pid" 2>/dev/null
    exit 1
}

if [[ ${1:-} != --inside ]]; then
    work=$(mktemp -d /tmp/meadow_deb_XXXXXX)
    trap 'rm -rf "$work"' EXIT

    # Uncompressed: the test is about the contents, and gzip would double its time.
    cpack -G DEB -B "$work/out" --config "$build_dir/CPackConfig.cmake" \
        -D CPACK_DEBIAN_COMPRESSION_TYPE=none >"$work/cpack.log" 2>&1 ||
        fail "cpack failed: $(tail -n 5 "$work/cpack.log")"
    debs=("$work"/out/meadow-mosaics_*.deb)
    [[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "cpack wrote no single meadow-mosaics .deb"
    deb=${debs[0]}
    echo "package: $(basename "$deb")"

    field() { dpkg-deb -f "$deb" "$1"; }
    [[ $(field Package) == meadow-mosaics ]] || fail "Package: $(field Package)"
    [[ $(field Section) == games ]] || fail "Section: $(field Section)"
    [[ -n $(field Maintainer) ]] || fail "no Maintainer"
    [[ -n $(field Description) ]] || fail "no Description"
    depends=$(field Depends)
    echo "Depends: $depends"
    # Each runtime library the program needs, by its Debian 12 package.
    names=" $(sed -E 's/\([^)]*\)//g; s/[,|]/ /g' <<<"$depends" | tr -s ' ') "
    for package in libsdl1.2-compat-shim libsdl-image1.2 libglu1-mesa libopengl0 libgl1 libstdc++6; do
        [[ $names == *" $package "* ]] || fail "Depends lacks $package"
    done
    # The art generator's and the tests' libraries stay at home.
    if grep -i -E "cairo|pango|fontconfig|fluidsynth|soundfont|comic|gtest|xvfb|imagemagick" <<<"$depends"; then
        fail "Depends names a build-time tool"
    fi

    root=$work/root
    dpkg -x "$deb" "$root"
    # Every language the build drew, in the package and in its metadata.
    languages=0
    for folder in "$game_dir"/locale/*/; do
        language=$(basename "$folder")
        for pak in "$folder"*.pak; do
            cmp -s "$pak" "$root/usr/share/meadow_mosaics/locale/$language/$(basename "$pak")" ||
                fail "the package lacks locale/$language/$(basename "$pak")"
        done
        grep -q "<lang>$language</lang>" "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
            fail "the package's metainfo does not list $language"
        languages=$((languages + 1))
    done
    ((languages >= 9)) || fail "only $languages languages besides English in $game_dir/locale"
    echo "languages: $languages besides English"
    status=0
    xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash "$0" --inside "$work" || status=$?
    exit $status
fi

# ---- Inside Xvfb: start the unpacked program as its menu entry would ---------------

work=$2
root=$work/root
desktop=$root/usr/share/applications/$app_id.desktop
[[ -f $desktop ]] || fail "no desktop entry in the package"
exec_line=$(sed -n 's/^Exec=//p' "$desktop" | head -n 1)
path_line=$(sed -n 's/^Path=//p' "$desktop" | head -n 1)
[[ $exec_line == /usr/games/meadow_mosaics ]] || fail "Exec=$exec_line"
[[ $path_line == /usr/share/meadow_mosaics ]] || fail "Path=$path_line"

missing=$(ldd "$root$exec_line" | grep 'not found' || true)
[[ -z $missing ]] || fail "libraries not found: $missing"

export XDG_DATA_HOME=$work/data # fresh settings: the welcome dialog opens
export SDL_AUDIODRIVER=dummy
cd "$root$path_line"
"$root$exec_line" &
pid=$!

for _ in $(seq 1 40); do
    xdotool search --name meadow_mosaics >/dev/null 2>&1 && break
    kill -0 "$pid" 2>/dev/null || fail "the installed game ended before its window opened"
    sleep 0.5
done
xdotool search --name meadow_mosaics >/dev/null 2>&1 || fail "no window from the installed game"

# The welcome dialog is up once the screen is no longer black.
mean=0
for _ in $(seq 1 20); do
    sleep 1
    kill -0 "$pid" 2>/dev/null || fail "the installed game ended while starting"
    import -window root "$work/welcome.png"
    mean=$(convert "$work/welcome.png" -format '%[fx:mean]' info:)
    awk -v m="$mean" 'BEGIN { exit !(m > 0.05) }' && break
done
echo "installed game's first screen, mean brightness: $mean"
awk -v m="$mean" 'BEGIN { exit !(m > 0.05) }' || fail "the installed game drew nothing ($mean)"

kill "$pid"
wait "$pid" 2>/dev/null || true
pid=
echo "debian package: builds, unpacks and starts: ok"
