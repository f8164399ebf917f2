#!/usr/bin/env bash
# The Debian source package in debian/, built the way a packager builds it:
#  - the source package (dpkg-source, with the upstream tarball made from
#    the tree as a release would be) and the binary one (dpkg-buildpackage
#    -b) both build from a copy of the tree with no build folder in it;
#  - lintian finds no error and no warning in either (its full report, with
#    the informational and pedantic tags, is printed);
#  - the package holds every archive and language the build drew, the menu
#    entry, the manual page and the copyright, and its dependencies are the
#    game's runtime libraries (worked out by dh_shlibdeps), none of the art
#    tools;
#  - the package's own installation test (debian/tests/installed-game) passes
#    on the package unpacked into a folder: installing it on this machine
#    would change the machine for every other test.
#
# To stay a few minutes long on two cores, the binary build takes the art
# this build tree already drew (MEADOW_ART_FROM, see debian/rules) and is
# compiled without optimisation (DEB_BUILD_OPTIONS=noopt); a packager's build
# draws it all again.
#
# Needs MEADOW_SOURCE_DIR, MEADOW_BUILD_DIR (a built tree) and MEADOW_GAME_DIR;
# MEADOW_KEEP_PACKAGE, when set, names a folder the .deb is copied into.
set -euo pipefail

source_dir=${MEADOW_SOURCE_DIR:?MEADOW_SOURCE_DIR must name the source folder}
build_dir=${MEADOW_BUILD_DIR:?MEADOW_BUILD_DIR must name the build folder}
game_dir=${MEADOW_GAME_DIR:?MEADOW_GAME_DIR must name the game folder}
if ! compgen -G "$game_dir/*.pak" >/dev/null || [[ ! -d $build_dir/icons/hicolor ]]; then
    echo "no archives or icons in $build_dir (art not built): nothing to package, skipped"
    exit 0
fi

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for tool in dpkg-buildpackage dpkg-source dh lintian; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup --tests installs it)"
done

work=$(mktemp -d /tmp/meadow_deb_XXXXXX)
trap 'rm -rf "$work"' EXIT
version=$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version)
upstream=${version%-*}
tree=$work/meadow-mosaics-$upstream

# The tree as a clone of it would be, with the changes not yet committed:
# every file git tracks or would track, no build folder.
mkdir "$tree"
if git -C "$source_dir" rev-parse --git-dir >/dev/null 2>&1; then
    (cd "$source_dir" && git ls-files -z --cached --others --exclude-standard |
        tar --null -T - --ignore-failed-read -cf - 2>/dev/null) | tar -C "$tree" -xf -
else
    tar -C "$source_dir" --exclude='./build' --exclude='./build-*' --exclude='./obj-*' -cf - . |
        tar -C "$tree" -xf -
fi
[[ -x $tree/debian/rules ]] || fail "no debian/rules in the copied tree"

# ---- Source package -------------------------------------------------------------

tar -C "$work" --exclude="meadow-mosaics-$upstream/debian" -cf - "meadow-mosaics-$upstream" |
    gzip -1 >"$work/meadow-mosaics_$upstream.orig.tar.gz"
(cd "$tree" && dpkg-source -b .) >"$work/source.log" 2>&1 ||
    fail "dpkg-source failed: $(tail -n 5 "$work/source.log")"
dsc=$work/meadow-mosaics_$version.dsc
[[ -f $dsc ]] || fail "no $dsc"
echo "source package: $(basename "$dsc")"

# ---- Binary package -------------------------------------------------------------

started=$SECONDS
(cd "$tree" && DEB_BUILD_OPTIONS="noopt parallel=$(nproc)" MEADOW_ART_FROM=$build_dir \
    DPKG_DEB_COMPRESSOR_TYPE=gzip DPKG_DEB_COMPRESSOR_LEVEL=1 \
    dpkg-buildpackage -us -uc -b) >"$work/build.log" 2>&1 ||
    fail "dpkg-buildpackage failed: $(tail -n 20 "$work/build.log")"
tail -n 3 "$work/build.log"
echo "dpkg-buildpackage -b: $((SECONDS - started)) s"
changes=$(compgen -G "$work/meadow-mosaics_${version}_*.changes") || fail "no .changes written"
deb=$(compgen -G "$work/meadow-mosaics_${version}_*.deb") || fail "no .deb written"
# A check that installs the package afterwards (scripts/check-debian13)
# names a folder to keep it in.
if [[ -n ${MEADOW_KEEP_PACKAGE:-} ]]; then
    mkdir -p "$MEADOW_KEEP_PACKAGE"
    cp "$deb" "$changes" "$MEADOW_KEEP_PACKAGE/"
fi

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == meadow-mosaics && $(field Version) == "$version" ]] ||
    fail "package $(field Package) $(field Version)"
[[ $(field Section) == games ]] || fail "Section: $(field Section)"
[[ -z $(field Homepage) ]] || fail "a Homepage field where the game has no web site: $(field Homepage)"
depends=$(field Depends)
echo "Depends: $depends"
names=" $(sed -E 's/\([^)]*\)//g; s/[,|]/ /g' <<<"$depends" | tr -s ' ') "
for package in libsdl-image1.2 libglu1-mesa libgl1 libc6 libstdc++6 libexif12 libpixman-1-0; do
    [[ $names == *" $package "* ]] || fail "Depends lacks $package"
done
# SDL 1.2 from sdl12-compat, not the old library.
[[ $names == *" libsdl1.2-compat-shim "* ]] || fail "Depends lacks sdl12-compat's SDL 1.2"
if grep -i -E "cairo|pango|fontconfig|fluidsynth|soundfont|comic|comfortaa|gettext|gtest|xvfb|imagemagick" <<<"$depends"; then
    fail "Depends names a build-time tool"
fi

root=$work/root
dpkg-deb -x "$deb" "$root"
for pak in "$game_dir"/*.pak "$game_dir"/locale/*/*.pak; do
    installed=$root/usr/share/meadow_mosaics/${pak#"$game_dir"/}
    cmp -s "$pak" "$installed" || fail "the package lacks ${pak#"$game_dir"/}"
done
languages=$(find "$root/usr/share/meadow_mosaics/locale" -mindepth 1 -maxdepth 1 -type d | wc -l)
((languages >= 9)) || fail "only $languages languages besides English in the package"
for file in usr/games/meadow_mosaics usr/share/man/man6/meadow_mosaics.6.gz \
    usr/share/doc/meadow-mosaics/copyright usr/share/doc/meadow-mosaics/changelog.Debian.gz \
    usr/share/applications/org.example.MeadowMosaics.desktop \
    usr/share/metainfo/org.example.MeadowMosaics.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/org.example.MeadowMosaics.svg; do
    [[ -f $root/$file ]] || fail "the package lacks /$file"
done
desktop=$root/usr/share/applications/org.example.MeadowMosaics.desktop
grep -qx 'Exec=/usr/games/meadow_mosaics' "$desktop" || fail "the menu entry does not start /usr/games/meadow_mosaics"
grep -qx 'Path=/usr/share/meadow_mosaics' "$desktop" || fail "the menu entry does not start in /usr/share/meadow_mosaics"
cmp -s "$root/usr/share/doc/meadow-mosaics/copyright" "$source_dir/debian/copyright" ||
    fail "the package's copyright is not debian/copyright"
echo "contents: the program, $languages languages besides English, manual page, copyright: ok"

# ---- lintian -----------------------------------------------------------------------

started=$SECONDS
status=0
echo "lintian $(lintian --version | awk '{ print $NF }'), on the source and binary packages:"
lintian -i -I --pedantic --fail-on error,warning "$dsc" "$changes" >"$work/lintian.log" 2>&1 ||
    status=$?
cat "$work/lintian.log"
echo "lintian: $((SECONDS - started)) s"
((status == 0)) || fail "lintian found errors or warnings (status $status)"
if grep -E '^[EW]: ' "$work/lintian.log"; then fail "lintian reports errors or warnings"; fi
echo "lintian: no error, no warning"

# ---- The package's installation test ------------------------------------------------

MEADOW_INSTALLED_ROOT=$root bash "$tree/debian/tests/installed-game" ||
    fail "debian/tests/installed-game failed on the unpacked package"
echo "debian package: builds, passes lintian and its installation test: ok"
