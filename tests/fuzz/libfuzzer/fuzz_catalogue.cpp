// libFuzzer target: compiled message catalogue bytes, through the art's
// readMessageCatalogue.  A refused file leaves nothing behind; an accepted
// one holds only texts that lay whole inside it.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "art/message_catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::unique_ptr<uint8_t[]> copy(new uint8_t[size]);
    if (size > 0) std::memcpy(copy.get(), data, size);
    MessageCatalogue catalogue;
    std::string error;
    if (!readMessageCatalogue(copy.get(), size, catalogue, error)) {
        if (error.empty() || !catalogue.texts.empty() || !catalogue.header.empty()) std::abort();
        return 0;
    }
    size_t total = catalogue.header.size();
    for (const auto& [english, translation] : catalogue.texts) {
        if (english.empty() || translation.empty()) std::abort();
        if (english.find('\0') != std::string::npos || translation.find('\0') != std::string::npos)
            std::abort();
        total += english.size() + translation.size();
    }
    // Every string comes from the file; an entry can share its bytes with
    // others, but never more of them than there are entries.
    if (total > size * (catalogue.texts.size() + 1)) std::abort();
    catalogueHeaderField(catalogue, "Language");
    return 0;
}
