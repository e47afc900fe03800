#include "hoardsort/sorting/cache_index.h"

#include <filesystem>

#include "common/files/game_path.h"
#include "common/text/text_lines.h"
#include "hoardsort/sorting/folder_text.h"
#include "hoardsort/sorting/messages.h"

namespace fs = std::filesystem;

namespace hoardsort {

std::vector<CacheEntry> parseCacheIndex(const std::vector<std::string>& lines) {
    std::vector<CacheEntry> entries;
    for (const std::string& line : lines) {
        if (line.empty() || line == "[Cache]") continue;
        size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        entries.push_back({line.substr(0, equals), line.substr(equals + 1)});
    }
    return entries;
}

korvath::Result<CacheSearch> searchCache(std::string_view cacheText) {
    CacheSearch search;
    search.cacheFolder = folderText(cacheText);
    auto failed = [&] {
        return korvath::Result<CacheSearch>::failure(std::string(kNoCacheIndex) + search.cacheFolder);
    };
    fs::path index = korvath::resolveGamePath(fs::path(search.cacheFolder), "cache.ini");
    std::error_code ec;
    if (!fs::is_regular_file(index, ec)) return failed();
    auto lines = korvath::readTextLines(index);
    if (!lines) return failed();
    search.entries = parseCacheIndex(*lines);
    return search;
}

std::string printableName(std::string_view name) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string shown;
    shown.reserve(name.size());
    for (char c : name) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            shown += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]};
        else
            shown += c;
    }
    return shown;
}

}  // namespace hoardsort
