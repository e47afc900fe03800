#include "hoardsort/sorting/command_line.h"

#include <optional>
#include <string>

#include "hoardsort/sorting/cache_index.h"
#include "hoardsort/sorting/extraction.h"
#include "hoardsort/sorting/messages.h"

namespace hoardsort {

namespace {

// Message-box texts end lines with CR LF; a terminal wants LF.
std::string terminalText(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != '\r') out += c;
    return out;
}

int usageError(std::ostream& err, const std::string& problem) {
    err << "hoardsort: " << problem << "\nTry 'hoardsort --help'.\n";
    return kExitUsage;
}

int list(const std::string& cacheDir, std::ostream& out, std::ostream& err) {
    auto search = searchCache(cacheDir);
    if (!search) {
        err << terminalText(search.error()) << '\n';
        return kExitUsage;
    }
    for (const CacheEntry& entry : search->entries) out << printableName(entry.fileName) << '\n';
    return kExitOk;
}

int extract(korvath::ArgList& args, const std::string& cacheDir, std::ostream& out, std::ostream& err) {
    std::optional<std::string> base = args.option("--to");
    ExtractRequest request;
    request.createSubdirectories = args.flag("--create-subdirs");
    request.overwrite = args.flag("--overwrite");
    if (base) request.destinations = destinationsBelow(*base);
    for (auto [option, field] : {std::pair{"--maps", &request.destinations.maps},
                                 {"--system", &request.destinations.system},
                                 {"--textures", &request.destinations.textures},
                                 {"--sounds", &request.destinations.sounds},
                                 {"--music", &request.destinations.music}}) {
        auto folder = args.option(option);
        // An empty text would mean the root folder: in a script that is an unset variable.
        if (folder && folder->empty()) return usageError(err, std::string(option) + " needs a folder");
        if (folder) *field = *folder;
    }
    auto rest = args.positionals();
    if (!args.ok()) return usageError(err, args.error());
    if (!rest.empty()) return usageError(err, "unexpected argument " + rest.front());
    if (!base || base->empty()) return usageError(err, "--extract needs --to BASE_DIR");

    auto search = searchCache(cacheDir);
    if (!search) {
        err << terminalText(search.error()) << '\n';
        return kExitUsage;
    }
    request.searchedCacheFolder = search->cacheFolder;
    request.cacheText = cacheDir;
    ExtractResult result = extractEntries(search->entries, request);
    if (result.destinationInCache || result.foldersMissing) {
        err << terminalText(result.destinationInCache ? kDestinationInCache : kFoldersMissing) << '\n';
        return kExitUsage;
    }
    for (const std::string& line : summaryLines(result.problems, search->entries.size())) out << line << '\n';
    return result.problems.empty() ? kExitOk : kExitProblems;
}

}  // namespace

bool wantsCommandLine(const korvath::ArgList& args) {
    korvath::ArgList copy = args;
    return copy.flag("--list") || copy.flag("--extract") || copy.option("--list") || copy.option("--extract");
}

const char* usageText() {
    return "Usage: hoardsort [--home DIR] [--screenshot FILE]\n"
           "       hoardsort --list CACHE_DIR\n"
           "       hoardsort --extract CACHE_DIR --to BASE_DIR [--create-subdirs] [--overwrite]\n"
           "                 [--maps DIR] [--system DIR] [--textures DIR] [--sounds DIR] [--music DIR]\n"
           "\n"
           "Copies the files the game downloaded into its cache folder, under their real names,\n"
           "into folders chosen by their extension. The cache is only read.\n"
           "\n"
           "Without --list or --extract the window opens.\n"
           "  --home DIR          folder for hoardsort.cfg and ula.txt (default: beside the program;\n"
           "                      installed, ~/.config/hoardsort)\n"
           "  --screenshot FILE   save the main window as a PNG picture and quit\n"
           "  --version           print the version and quit\n"
           "  --list CACHE_DIR    print the file names in CACHE_DIR/cache.ini, one per line, in order\n"
           "  --extract CACHE_DIR copy every cached file into BASE_DIR/Maps (.knr), /System (.k, .int),\n"
           "                      /Textures (.ktx), /Sounds (.kax) and /Music (.kmx), or into the\n"
           "                      folders given with --maps, --system, --textures, --sounds, --music;\n"
           "                      prints the summary. --create-subdirs creates the five folders (one\n"
           "                      level each); --overwrite replaces files that are there already.\n"
           "\n"
           "Exit status: 0 every file copied, 1 some files not copied, 2 usage error, missing\n"
           "cache.ini, missing folders or a destination inside the cache folder.\n";
}

int runCommandLine(korvath::ArgList& args, std::ostream& out, std::ostream& err) {
    std::optional<std::string> listDir = args.option("--list");
    std::optional<std::string> extractDir = args.option("--extract");
    if (!args.ok()) return usageError(err, args.error());
    if (listDir && extractDir) return usageError(err, "choose one of --list and --extract");
    if (listDir) {
        auto rest = args.positionals();
        if (!args.ok()) return usageError(err, args.error());
        if (!rest.empty()) return usageError(err, "unexpected argument " + rest.front());
        return list(*listDir, out, err);
    }
    if (extractDir) return extract(args, *extractDir, out, err);
    return usageError(err, "nothing to do");
}

}  // namespace hoardsort
