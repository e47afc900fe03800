#pragma once
// What Hoardsort keeps between a Search and the Extracts that follow it.
#include <string>
#include <vector>

#include "hoardsort/sorting/cache_index.h"
#include "hoardsort/sorting/extraction.h"

namespace hoardsort {

struct HoardsortState {
    std::vector<CacheEntry> entries;    // filled by Search, read by Extract
    std::string searchedCacheFolder;    // the cache folder of the last Search, for Extract's folder check
    std::vector<Problem> problems;      // of the last extraction, shown by the summary window
};

}  // namespace hoardsort
