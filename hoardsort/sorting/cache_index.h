#pragma once
// The game's cache index: Cache/cache.ini names the real file behind each cached KEY.kxx.
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"

namespace hoardsort {

struct CacheEntry {
    std::string key;       // the cached file is KEY.kxx in the cache folder
    std::string fileName;  // its real name
};

// The entries of the index's lines, in order. "[Cache]", empty lines and lines without "="
// (another section, a line of blanks) are skipped. The key is the text before the first "=",
// the file name everything after it.
std::vector<CacheEntry> parseCacheIndex(const std::vector<std::string>& lines);

// A name from the index as it may be shown: control characters (terminal escapes among them)
// as "\xHH", everything else as it is.
std::string printableName(std::string_view name);

struct CacheSearch {
    std::string cacheFolder;  // the cache folder text Search used, ending in the separator
    std::vector<CacheEntry> entries;
};

// Search: reads cache.ini (found without regard to case) from the folder typed in `cacheText`.
// A failure's error is the message to show, title "Error".
korvath::Result<CacheSearch> searchCache(std::string_view cacheText);

}  // namespace hoardsort
