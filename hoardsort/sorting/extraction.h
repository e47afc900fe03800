#pragma once
// Extract: copies every cached file under its real name into the destination folder its
// extension chooses, collecting what could not be copied. The cache folder is only read.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "hoardsort/sorting/cache_index.h"
#include "hoardsort/sorting/folder_text.h"

namespace hoardsort {

enum class ProblemKind {
    UnknownExtension = 1,  // the name has no period
    NotFound = 2,          // no KEY.kxx in the cache, or an extension not in the table
    AlreadyExists = 3,     // the destination file is there and overwriting is off
    Unsafe,                // the name or key would leave its folder: never read or written
    CopyFailed,            // the copy itself failed; nothing is left under the destination name
    LinkNotFollowed,       // the cached file is a symbolic link: never read
    LinkOutOfFolder,       // the destination is a symbolic link leading out of its folder: never written
};

struct Problem {
    std::string text;  // "KEY - NAME"
    ProblemKind kind;
};

struct ExtractRequest {
    std::string searchedCacheFolder;  // folder text kept by the last Search, for the folder check
    std::string cacheText;            // the cache folder box now: files are copied from here
    Destinations destinations;        // the destination boxes' texts
    bool createSubdirectories = false;
    bool overwrite = false;
};

struct ExtractHooks {
    // Called before each entry with its file name (the window repaints and shows it here).
    std::function<void(const std::string& fileName)> beforeEntry;
    // Asked after beforeEntry; true ends the extraction before that entry.
    std::function<bool()> stopRequested;
};

struct ExtractResult {
    bool foldersMissing = false;  // the folder check failed: nothing was copied
    bool destinationInCache = false;  // a destination is the cache folder or below it: nothing was done
    bool stopped = false;         // ended early on request
    std::vector<Problem> problems;
    size_t copied = 0;
};

// True for a name that would leave its folder: it holds a separator of either kind, a NUL or
// a colon (a drive or a stream), is "." or "..", or is a Windows device name (NUL, COM1.txt).
bool isUnsafeName(std::string_view name);

// Extract from the creation of the destinations on: refuse destinations inside the cache,
// create the destinations when asked, check the folders, copy.
ExtractResult extractEntries(const std::vector<CacheEntry>& entries, const ExtractRequest& request,
                             const ExtractHooks& hooks = {});

// The summary window's lines for the problems of an extraction of `entryCount` entries.
std::vector<std::string> summaryLines(const std::vector<Problem>& problems, size_t entryCount);

}  // namespace hoardsort
