#!/usr/bin/env bash
# Run one libFuzzer target for a fixed number of inputs from a fixed seed
# (the same inputs every run, however loaded the machine), seeded with inputs taken from
# the game folder's real archives (made once per build, under
# $MEADOW_BUILD_DIR/fuzz_corpus/NAME).  Fails when the fuzzer finds a crash,
# a leak, undefined behaviour or a broken invariant; the input that did it is
# kept under $MEADOW_BUILD_DIR/fuzz_artifacts/.
#
#   run_fuzzer.sh NAME BINARY RUNS      NAME: pak, model, settings, procedural, photo,
#                                       catalogue, config
set -Eeuo pipefail
# A step that fails says which, rather than ending the script without a word.
trap 'echo "run_fuzzer: \"$BASH_COMMAND\" failed (line $LINENO)" >&2' ERR

name=$1
binary=$2
runs=$3
game_dir=${MEADOW_GAME_DIR:?MEADOW_GAME_DIR must name the game folder}
build_dir=${MEADOW_BUILD_DIR:?MEADOW_BUILD_DIR must name the build folder}
paktool=$build_dir/paktool
seeds=$build_dir/fuzz_corpus/$name
artifacts=$build_dir/fuzz_artifacts
max_len=65536

# Every entry of every archive, extracted once for all targets.  The targets
# run side by side: the first to come extracts (into a folder of its own,
# moved into place in one step, so a run cut short leaves nothing half
# made) while the others wait for it on a lock.
extract_entries() {
    local entries=$build_dir/fuzz_corpus/entries lock
    exec {lock}>"$build_dir/fuzz_corpus/entries.lock"
    flock "$lock"
    if [[ ! -d $entries ]]; then
        local fresh
        fresh=$(mktemp -d "$build_dir/fuzz_corpus/entries_XXXXXX")
        for pak in "$game_dir"/*.pak; do
            local base=${pak##*/}
            base=${base%.pak}
            mkdir "$fresh/$base"
            "$paktool" extract "$pak" "$fresh/$base/" >/dev/null
        done
        mv -T "$fresh" "$entries"
    fi
    exec {lock}>&-
    echo "$entries"
}

# The seeds below are picked from every archive's entries by a handful of
# processes, not a few for each entry: starting one is the costly part.

# Small archives rebuilt from the three smallest entries of each real one,
# and the real archives that are small enough whole.
make_pak_seeds() {
    local entries
    entries=$(extract_entries)
    # "archive size entry" lines, smallest first within each archive; the
    # first three of each archive, one line per archive.
    (cd "$entries" && find . -mindepth 2 -maxdepth 2 -type f -size -16k -printf '%h %s %f\n') |
        sort -k1,1 -k2,2n | awk '{ if (++taken[$1] <= 3) small[$1] = small[$1] " " $3 }
            END { for (a in small) print substr(a, 3) small[a] }' |
        while read -r base small; do
            # Entry names hold no spaces: the archives' names are words.
            # shellcheck disable=SC2086
            (cd "$entries/$base" && "$paktool" build "$seeds/$base.pak" $small >/dev/null)
        done
    find "$game_dir" -maxdepth 1 -name '*.pak' -size -64k -exec cp -t "$seeds/" {} +
}

# Model entries (neither pictures nor sounds), the first six of each
# archive, named archive_entry.
make_model_seeds() {
    local entries
    entries=$(extract_entries)
    (cd "$entries" && find . -mindepth 2 -maxdepth 2 -type f ! -name '*.png' ! -name '*.wav' \
        ! -name '*.bmp' -size -$((max_len / 1024))k -printf '%P\n') |
        sort | awk -F/ '++taken[$1] <= 6' |
        tar -C "$entries" -cf - -T - | tar -C "$seeds" -xf - --transform 's|/|_|'
}

# The file the game writes, and a few of the shapes a damaged one takes.
make_settings_seeds() {
    # version 1, no reserved bytes, the four switches, ten pictures, the size.
    { printf '\x01\0\0\0\0\0\0\0\x01\x01\x01\x01' && head -c 40 /dev/zero &&
        printf '\x01\0\0\0'; } >"$seeds/defaults"
    { printf '\x01\0\0\0\0\0\0\0\0\x01\0\x01\x01\0\0\0' && head -c 36 /dev/zero &&
        printf '\0\0\0\0'; } >"$seeds/one_done"
    { printf '\x01\0\0\0\x04\0\0\0abcd\x07\0\x01\0' && head -c 40 /dev/zero &&
        printf '\x05\0\0\0'; } >"$seeds/reserved"
    printf '\x01\0\0\0\xff\xff\xff\xff\0\0' >"$seeds/huge_reserved"
    printf '\x02\0\0\0\0\0\0\0' >"$seeds/version2"
    printf '\x01\0\0\0\0\0\0\0\x01\x01' >"$seeds/truncated"
}

# Recipes as the art could write them (the shipped art has none).
make_procedural_seeds() {
    local i=0
    for recipe in 'x#Plasma64x64,10,200,30' 'a#Plasma16x8,255,0,255' 'x#Fire64x64' 'f#Fire32x16' \
        'x#Fire2x2' 'x#Plasma1x1,0,0,0' 'x#Plasma2048x2048,1,2,3' 'x#Smoke8x8'; do
        printf '%s' "$recipe" >"$seeds/recipe$i"
        i=$((i + 1))
    done
}

# Photo headers of each kind, real JPEGs and the finished-photo file.
make_photo_seeds() {
    printf '\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x03\x20\0\0\x02\x58\x08\x06\0\0\0' >"$seeds/png"
    printf '\xff\xd8\xff\xe1\0\x10Exif\0\0II*\0\x08\0\0\0\xff\xc0\0\x0b\x08\x0b\xb8\x0f\xa0\x01\x01\x11\0' >"$seeds/jpeg"
    printf 'BM\0\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x40\0\0\0\xc0\xff\xff\xff\x01\0\x20\0' >"$seeds/bmp"
    printf '\x01\0\0\0\x01\0\0\0\x07\0\0\0dog.jpg\0\x10\0\0\0\0\0\0' >"$seeds/progress"
    printf '\x01\0\0\0\xff\xff\xff\xff' >"$seeds/progress_huge"
    # Small real JPEGs for the reader: baseline, progressive, grey.
    convert -size 48x32 gradient:red-blue -quality 80 "$seeds/real.jpg"
    convert -seed 3 -size 40x24 plasma:fractal -interlace JPEG "$seeds/progressive.jpg"
    convert -size 24x16 gradient: -colorspace Gray "$seeds/grey.jpg"
}

# The build's compiled catalogues, one of them again in the other byte
# order, and a catalogue holding a plural and a context.
make_catalogue_seeds() {
    local catalogues=$build_dir/po/locale
    for mo in "$catalogues"/*/LC_MESSAGES/*.mo; do
        local language=${mo#"$catalogues"/}
        cp "$mo" "$seeds/${language%%/*}.mo"
    done
    msgunfmt "$catalogues/de/LC_MESSAGES/meadow_mosaics.mo" |
        msgfmt --endianness=big -o "$seeds/de_big.mo" -
    printf '%s\n' 'msgid ""' 'msgstr "Language: de\nContent-Type: text/plain; charset=UTF-8\n"' \
        'msgctxt "menu"' 'msgid "Yes"' \
        'msgstr "Ja"' 'msgid "a piece"' 'msgid_plural "%d pieces"' 'msgstr[0] "ein Teil"' \
        'msgstr[1] "%d Teile"' | msgfmt -o "$seeds/forms.mo" -
}

# Config files as a home or a school writes them, and a few broken lines.
make_config_seeds() {
    printf '# the school\nchild-lock = yes\nlanguage = de\n' >"$seeds/school"
    printf 'no-child-lock=no\r\n\n  # x\nlanguage=pt_BR.UTF-8\n' >"$seeds/home"
    printf 'child-lock\nhelp = yes\ncolour = red\nlanguage = \xed\xa0\x80\n' >"$seeds/bad"
}

mkdir -p "$build_dir/fuzz_corpus"
if [[ ! -f $seeds/.done ]]; then
    rm -rf "$seeds"
    mkdir -p "$seeds"
    "make_${name}_seeds"
    touch "$seeds/.done"
fi

mkdir -p "$artifacts"
work=$(mktemp -d /tmp/meadow_libfuzzer_XXXXXX)
trap 'rm -rf "$work"' EXIT
echo "fuzz_$name: $(find "$seeds" -type f ! -name .done | wc -l) seeds, $runs inputs"
# New inputs go to the scratch folder; the seeds stay as made.
status=0
"$binary" -runs="$runs" -seed=1 -max_len=$max_len -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$artifacts/${name}_" "$work" "$seeds" \
    >"$work/log" 2>&1 || status=$?
if ((status != 0)); then
    tail -60 "$work/log"
    echo "FAIL: fuzz_$name stopped with status $status"
    exit 1
fi
grep -E 'INFO: seed corpus|DONE|stat::number_of_executed_units' "$work/log" || true
