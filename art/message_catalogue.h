// A compiled message catalogue (msgfmt's .mo file), read by the art itself.
//
// The art generator draws each language's words from po/<lang>.po, compiled
// by msgfmt into LOCALE_DIR/<lang>/LC_MESSAGES/meadow_mosaics.mo.  It reads
// that file here rather than through the C library's gettext, whose choice
// of catalogue follows the process's locale and the LANGUAGE variable in
// ways that differ from one C library release to the next (some ignore
// LANGUAGE under C.UTF-8); reading the file named by the build always reads
// the same catalogue.
//
// The format (GNU gettext's manual, "The Format of GNU MO Files"): a header
// of 32-bit words in the byte order of the machine that wrote it (the magic
// number tells which), then two tables of (length, offset) pairs, one for
// the original strings and one for their translations, each string followed
// by a NUL.  Every count, offset and length is checked against the file's
// real size before it is used; a catalogue that fails any check is refused
// whole.  Of a plural entry ("msgid\0msgid_plural") only the singular is
// kept, with the first of its translations; a message with a context
// ("msgctxt\4msgid") is kept under that joined key, as gettext looks it up.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

// The translations of one catalogue, by English text.  The header entry (the
// empty msgid) is `header`, not one of `texts`.
struct MessageCatalogue {
    std::string header;                       // "Language: de\n..." lines
    std::map<std::string, std::string> texts; // English -> translation
};

// The catalogue in `bytes`; false, with `error` saying what is wrong, when
// they are not a whole, sound .mo file.
bool readMessageCatalogue(const uint8_t* bytes, size_t size, MessageCatalogue& catalogue,
                          std::string& error);
// The catalogue in the file at `path`, the same way.
bool loadMessageCatalogue(const std::string& path, MessageCatalogue& catalogue, std::string& error);
// The value of one "Name: value" line of the header ("" when there is none).
std::string catalogueHeaderField(const MessageCatalogue& catalogue, const std::string& name);
