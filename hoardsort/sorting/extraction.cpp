#include "hoardsort/sorting/extraction.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <unordered_map>

#include "common/files/atomic_file.h"
#include "common/files/folder_name.h"
#include "common/files/game_path.h"
#include "hoardsort/sorting/copy_queue.h"
#include "hoardsort/sorting/extension_rule.h"

namespace fs = std::filesystem;

namespace hoardsort {

namespace {

bool folderExists(const std::string& folder) {
    std::error_code ec;
    return !folder.empty() && fs::is_directory(fs::path(folder), ec);
}

const std::string& folderFor(const Destinations& folders, Destination destination) {
    switch (destination) {
        case Destination::Maps: return folders.maps;
        case Destination::System: return folders.system;
        case Destination::Textures: return folders.textures;
        case Destination::Sounds: return folders.sounds;
        case Destination::Music: return folders.music;
    }
    return folders.maps;
}

// The folder with symbolic links resolved as far as it exists, without a trailing separator.
std::optional<fs::path> realFolder(const std::string& folder) {
    std::error_code ec;
    fs::path real = fs::absolute(fs::path(folder), ec);
    if (!ec) real = fs::weakly_canonical(real, ec);
    if (ec) return std::nullopt;
    if (!real.has_filename() && real.has_relative_path()) real = real.parent_path();
    return real;
}

// True when `folder` is `cache` or lies below it.
bool isInside(const std::string& folder, const std::string& cache) {
    auto inner = realFolder(folder), outer = realFolder(cache);
    if (!inner || !outer) return false;
    return std::mismatch(outer->begin(), outer->end(), inner->begin(), inner->end()).first == outer->end();
}

Destinations asFolderTexts(const Destinations& texts) {
    return {folderText(texts.maps), folderText(texts.system), folderText(texts.textures), folderText(texts.sounds),
            folderText(texts.music)};
}

// The names in the cache folder and each destination folder by their lower-case form, each
// folder read once per extraction: the game compares names without regard to case, so KEY.kxx
// is found as key.KXX and Botpack.k meets an existing botpack.k rather than landing beside it.
// Listing each folder once keeps a large extraction linear, also when many keys are missing.
class FolderNames {
public:
    // The entry of `folder` named `name` without regard to case (the exact name first), or
    // where a new file of that name goes.
    fs::path find(const std::string& folder, const std::string& name) {
        fs::path exact = fs::path(folder + name);
        std::error_code ec;
        if (fs::exists(fs::symlink_status(exact, ec))) return exact;
        const auto& names = namesIn(folder);
        auto it = names.find(korvath::toLowerAscii(name));
        return it == names.end() ? exact : fs::path(folder + it->second);
    }
    // The entry of `folder` named `name` without regard to case as the folder was first read, for
    // a folder nothing writes to (the cache); nullopt when it was not there.
    std::optional<fs::path> findListed(const std::string& folder, const std::string& name) {
        const auto& names = namesIn(folder);
        auto it = names.find(korvath::toLowerAscii(name));
        if (it == names.end()) return std::nullopt;
        // Two names that differ only in case: the exact one wins.
        std::error_code ec;
        if (it->second != name && fs::exists(fs::symlink_status(fs::path(folder + name), ec)))
            return fs::path(folder + name);
        return fs::path(folder + it->second);
    }
    void add(const std::string& folder, const std::string& name) {
        namesIn(folder).emplace(korvath::toLowerAscii(name), name);
    }

private:
    std::unordered_map<std::string, std::string>& namesIn(const std::string& folder) {
        auto [it, added] = folders_.try_emplace(folder);
        if (added) {
            std::error_code ec;
            for (fs::directory_iterator entry(fs::path(folder), ec), end; !ec && entry != end; entry.increment(ec)) {
                std::string name = entry->path().filename().string();
                it->second.emplace(korvath::toLowerAscii(name), name);
            }
        }
        return it->second;
    }
    std::unordered_map<std::string, std::unordered_map<std::string, std::string>> folders_;
};

// True when `target` is a symbolic link whose file (at the end of its links) is not in `folder`
// or below it: writing through it would put the copy anywhere.
bool linksOutOf(const fs::path& target, const std::string& folder) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(target, ec))) return false;
    auto real = korvath::replacementTarget(target);
    return !real || !isInside(real->parent_path().string(), folder);
}

// Checks one entry and starts its copy; nullopt when the copy was started.
std::optional<ProblemKind> extractOne(size_t index, const CacheEntry& entry, const std::string& cacheFolder,
                                      const Destinations& folders, FolderNames& names, CopyQueue& copies,
                                      bool overwrite) {
    if (isUnsafeName(entry.fileName) || isUnsafeName(entry.key)) return ProblemKind::Unsafe;
    auto extension = fileExtension(entry.fileName);
    if (!extension) return ProblemKind::UnknownExtension;
    std::error_code ec;
    auto cached = names.findListed(cacheFolder, entry.key + ".kxx");
    if (!cached || !fs::exists(fs::symlink_status(*cached, ec))) return ProblemKind::NotFound;
    // The cache is read as it is: a link in it could hand out any file of the user's.
    if (fs::is_symlink(fs::symlink_status(*cached, ec))) return ProblemKind::LinkNotFollowed;
    if (!fs::is_regular_file(*cached, ec)) return ProblemKind::NotFound;
    auto destination = destinationFor(*extension);
    if (!destination) return ProblemKind::NotFound;
    const std::string& folder = folderFor(folders, *destination);
    fs::path target = names.find(folder, entry.fileName);
    // A second entry of the same name meets the first one's file, as if copied one by one.
    if (copies.writing(target)) copies.finish();
    if (linksOutOf(target, folder)) return ProblemKind::LinkOutOfFolder;
    if (!overwrite && fs::is_regular_file(target, ec)) return ProblemKind::AlreadyExists;
    copies.start(index, *cached, target, overwrite);
    names.add(folder, target.filename().string());
    return std::nullopt;
}

std::string_view suffixOf(ProblemKind kind) {
    switch (kind) {
        case ProblemKind::UnknownExtension: return ": has an unknown extension";
        case ProblemKind::NotFound: return ": couldn't locate file";
        case ProblemKind::AlreadyExists: return ": file already exists";
        case ProblemKind::Unsafe: return ": unsafe file name";
        case ProblemKind::CopyFailed: return ": couldn't copy file";
        case ProblemKind::LinkNotFollowed: return ": cached file is a symbolic link, not followed";
        case ProblemKind::LinkOutOfFolder: return ": destination is a symbolic link out of its folder, not written";
    }
    return "";
}

}  // namespace

bool isUnsafeName(std::string_view name) {
    return name == "." || name == ".." || name.find_first_of(std::string_view("/\\:\0", 4)) != std::string_view::npos ||
           korvath::isWindowsDeviceName(name);
}

ExtractResult extractEntries(const std::vector<CacheEntry>& entries, const ExtractRequest& request,
                             const ExtractHooks& hooks) {
    ExtractResult result;
    const Destinations folders = asFolderTexts(request.destinations);
    std::string cacheFolder = folderText(request.cacheText);
    // The cache is only ever read: no folder or file may be made in it.
    for (const std::string* folder : {&folders.maps, &folders.textures, &folders.system, &folders.sounds,
                                      &folders.music}) {
        if (isInside(*folder, cacheFolder) || isInside(*folder, request.searchedCacheFolder)) {
            result.destinationInCache = true;
            return result;
        }
    }
    if (request.createSubdirectories) {
        // One level each; failures show up in the check below.
        for (const std::string* folder : {&folders.maps, &folders.textures, &folders.system, &folders.sounds,
                                          &folders.music}) {
            std::error_code ec;
            fs::create_directory(fs::path(*folder), ec);
        }
    }
    for (const std::string* folder : {&request.searchedCacheFolder, &folders.maps, &folders.textures,
                                      &folders.system, &folders.sounds, &folders.music}) {
        if (!folderExists(*folder)) {
            result.foldersMissing = true;
            return result;
        }
    }
    FolderNames names;
    CopyQueue copies;
    std::map<size_t, ProblemKind> problems;  // by entry number: copies end out of order
    size_t done = 0;
    for (; done < entries.size(); ++done) {
        const CacheEntry& entry = entries[done];
        if (hooks.beforeEntry) hooks.beforeEntry(entry.fileName);
        if (hooks.stopRequested && hooks.stopRequested()) {
            result.stopped = true;
            break;
        }
        if (auto kind = extractOne(done, entry, cacheFolder, folders, names, copies, request.overwrite))
            problems.emplace(done, *kind);
    }
    copies.finish();
    for (size_t failed : copies.failed()) problems.emplace(failed, ProblemKind::CopyFailed);
    for (const auto& [index, kind] : problems)
        result.problems.push_back({entries[index].key + " - " + entries[index].fileName, kind});
    result.copied = done - problems.size();
    return result;
}

std::vector<std::string> summaryLines(const std::vector<Problem>& problems, size_t entryCount) {
    std::vector<std::string> lines;
    if (problems.empty()) {
        lines = {" ", "All files successfully extracted! :)", " "};
    } else {
        for (const Problem& problem : problems)
            lines.push_back("- " + printableName(problem.text) + std::string(suffixOf(problem.kind)));
        lines.insert(lines.end(), {" ", "There were errors :(", " "});
    }
    size_t copied = entryCount >= problems.size() ? entryCount - problems.size() : 0;
    lines.push_back(std::to_string(copied) + " out of " + std::to_string(entryCount) + " files were copied");
    return lines;
}

}  // namespace hoardsort
