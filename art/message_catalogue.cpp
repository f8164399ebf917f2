// Reading msgfmt's compiled message catalogues.
#include "art/message_catalogue.h"

#include <cstdio>
#include <vector>

namespace {

constexpr uint32_t MO_MAGIC = 0x950412de;
constexpr uint32_t MO_MAGIC_SWAPPED = 0xde120495;
constexpr size_t MO_HEADER_SIZE = 28;      // seven 32-bit words
constexpr uint32_t MO_MAJOR_REVISIONS = 1; // 0 and 1 share the layout read here
constexpr size_t TABLE_ENTRY_SIZE = 8;     // length, offset

// The header's words, in the order they lie in the file.
enum MoWord { MAGIC, REVISION, STRING_COUNT, ORIGINALS_AT, TRANSLATIONS_AT };

// The 32-bit word at `at` (which the caller has checked lies in the file).
uint32_t wordAt(const uint8_t* bytes, size_t at, bool bigEndian) {
    const uint8_t* b = bytes + at;
    if (bigEndian) return (uint32_t)b[0] << 24 | (uint32_t)b[1] << 16 | (uint32_t)b[2] << 8 | b[3];
    return (uint32_t)b[3] << 24 | (uint32_t)b[2] << 16 | (uint32_t)b[1] << 8 | b[0];
}

// The string that table entry `index` describes, after checking that it and
// its closing NUL lie inside the file.
bool tableString(const uint8_t* bytes, size_t size, bool bigEndian, uint32_t table, uint32_t index,
                 std::string& text) {
    uint64_t entry = (uint64_t)table + (uint64_t)index * TABLE_ENTRY_SIZE;
    if (entry + TABLE_ENTRY_SIZE > size) return false;
    uint64_t length = wordAt(bytes, (size_t)entry, bigEndian);
    uint64_t offset = wordAt(bytes, (size_t)entry + 4, bigEndian);
    if (offset + length >= size || bytes[offset + length] != 0) return false;
    text.assign(reinterpret_cast<const char*>(bytes + offset), (size_t)length);
    return true;
}

// The part of a table string before its first NUL: a plural entry's singular,
// or its first translation.
std::string firstForm(const std::string& text) {
    return text.substr(0, text.find('\0'));
}

} // namespace

bool readMessageCatalogue(const uint8_t* bytes, size_t size, MessageCatalogue& catalogue,
                          std::string& error) {
    catalogue = MessageCatalogue();
    if (size < MO_HEADER_SIZE) {
        error = "too short for a message catalogue (" + std::to_string(size) + " bytes)";
        return false;
    }
    uint32_t magic = wordAt(bytes, 0, false);
    if (magic != MO_MAGIC && magic != MO_MAGIC_SWAPPED) {
        error = "not a compiled message catalogue (no .mo magic number)";
        return false;
    }
    bool bigEndian = magic == MO_MAGIC_SWAPPED;
    auto word = [&](MoWord which) { return wordAt(bytes, which * 4, bigEndian); };
    if (word(REVISION) >> 16 > MO_MAJOR_REVISIONS) {
        error = "message catalogue of an unknown revision " + std::to_string(word(REVISION) >> 16);
        return false;
    }
    uint64_t count = word(STRING_COUNT);
    for (MoWord table : {ORIGINALS_AT, TRANSLATIONS_AT}) {
        if (word(table) + count * TABLE_ENTRY_SIZE > size) {
            error = "the string tables reach past the end of the file";
            return false;
        }
    }
    for (uint32_t i = 0; i < count; ++i) {
        std::string original, translation;
        if (!tableString(bytes, size, bigEndian, word(ORIGINALS_AT), i, original) ||
            !tableString(bytes, size, bigEndian, word(TRANSLATIONS_AT), i, translation)) {
            error = "string " + std::to_string(i) + " lies outside the file";
            catalogue = MessageCatalogue();
            return false;
        }
        // An empty translation is an untranslated message.
        std::string english = firstForm(original), translated = firstForm(translation);
        if (original.empty())
            catalogue.header = translation;
        else if (!english.empty() && !translated.empty())
            catalogue.texts[english] = translated;
    }
    return true;
}

bool loadMessageCatalogue(const std::string& path, MessageCatalogue& catalogue,
                          std::string& error) {
    catalogue = MessageCatalogue();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = "cannot open " + path;
        return false;
    }
    std::vector<uint8_t> bytes;
    uint8_t block[4096];
    size_t got;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0)
        bytes.insert(bytes.end(), block, block + got);
    bool readWhole = !std::ferror(file);
    std::fclose(file);
    if (!readWhole) {
        error = "cannot read " + path;
        return false;
    }
    if (!readMessageCatalogue(bytes.data(), bytes.size(), catalogue, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

std::string catalogueHeaderField(const MessageCatalogue& catalogue, const std::string& name) {
    std::string key = name + ": ";
    size_t at = 0;
    while (at < catalogue.header.size()) {
        size_t end = catalogue.header.find('\n', at);
        if (end == std::string::npos) end = catalogue.header.size();
        if (catalogue.header.compare(at, key.size(), key) == 0)
            return catalogue.header.substr(at + key.size(), end - at - key.size());
        at = end + 1;
    }
    return "";
}
