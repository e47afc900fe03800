// Feeds arbitrary bytes to the system.reg reader and the cache index reader.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/text/text_lines.h"
#include "hoardsort/sorting/cache_index.h"
#include "hoardsort/sorting/extraction.h"
#include "hoardsort/sorting/install_lookup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    hoardsort::readWineRegistryString(text, hoardsort::kInstallKey, hoardsort::kInstallValue);
    hoardsort::readWineRegistryString(text, "", "");
    for (const hoardsort::CacheEntry& entry : hoardsort::parseCacheIndex(korvath::splitLines(text))) {
        (void)hoardsort::isUnsafeName(entry.fileName);
        for (char c : hoardsort::printableName(entry.key + entry.fileName))
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) __builtin_trap();  // nothing raw reaches a terminal
    }
    return 0;
}
