#!/usr/bin/env bash
# The message catalogues of the interface's words (po/):
#  - po/LINGUAS names exactly the po/<lang>.po files there are, and the art
#    generator's and the game's tables of languages name each of them;
#  - every catalogue compiles with `msgfmt --check` and translates every
#    message of a template freshly extracted from the sources (no message
#    missing, untranslated or fuzzy), and po/meadow_mosaics.pot is that template;
#  - the checks the build runs do fail on a catalogue with a message left
#    untranslated, or with a "%s" lost from a translation.
#
# Needs MEADOW_SOURCE_DIR; uses only gettext's tools.
set -euo pipefail

source_dir=${MEADOW_SOURCE_DIR:?MEADOW_SOURCE_DIR must name the source folder}
po=$source_dir/po
work=$(mktemp -d /tmp/meadow_catalogues_XXXXXX)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# The template as the sources stand, extracted the way the build does.
(cd "$source_dir" && xgettext --from-code=UTF-8 --language=C++ --keyword=tr --keyword=trFormat \
    --add-comments=TRANSLATORS: --add-location=file -o "$work/fresh.pot" art/ui_*.cpp)
count=$(grep -c '^msgid "[^"]' "$work/fresh.pot" || true)
((count >= 30)) || fail "only $count messages extracted from art/ui_*.cpp"

mapfile -t languages < <(grep -v '^#' "$po/LINGUAS" | sed '/^$/d')
mapfile -t files < <(cd "$po" && ls -1 *.po | sed 's/\.po$//' | sort)
[[ "$(printf '%s\n' "${languages[@]}" | sort)" == "$(printf '%s\n' "${files[@]}")" ]] ||
    fail "po/LINGUAS (${languages[*]}) and the .po files (${files[*]}) differ"
((${#languages[@]} >= 9)) || fail "only ${#languages[@]} languages"

for language in "${languages[@]}"; do
    catalogue=$po/$language.po
    msgfmt --check -o "$work/$language.mo" "$catalogue" || fail "$language.po does not compile"
    msgcmp "$catalogue" "$work/fresh.pot" || fail "$language.po misses translations"
    grep -q "^\"Language: $language\\\\n\"" "$catalogue" || fail "$language.po names another language"
    for table in art/art_language.cpp app/language.h; do
        grep -q "\"$language\"" "$source_dir/$table" || fail "$table does not know $language"
    done
done

# The template in the repository is the one the sources give.
msgcmp --use-untranslated "$po/meadow_mosaics.pot" "$work/fresh.pot" &&
    msgcmp --use-untranslated "$work/fresh.pot" "$po/meadow_mosaics.pot" ||
    fail "po/meadow_mosaics.pot is out of step with the sources: build the update_po target"

# The build's checks catch a message left untranslated and a lost "%s".
sample=$po/${languages[0]}.po
awk 'done == 0 && /^msgid "Hello!"/ { print; getline; print "msgstr \"\""; done = 1; next } { print }' \
    "$sample" >"$work/untranslated.po"
if msgcmp "$work/untranslated.po" "$work/fresh.pot" 2>/dev/null; then
    fail "an untranslated message passes the completeness check"
fi
sed 's/^msgstr "\(.*\)%s\(.*\)"$/msgstr "\1\2"/' "$sample" >"$work/format.po"
if msgfmt --check -o /dev/null "$work/format.po" 2>/dev/null; then
    fail "a translation without its %s passes msgfmt --check"
fi

if ((failures > 0)); then
    echo "$failures failures" >&2
    exit 1
fi
echo "message catalogues: ${#languages[@]} languages, $count messages each: ok"
