#include "rosterdesk/catalogue/catalogue_command.h"

#include <filesystem>

#include "rosterdesk/catalogue/catalogue_listing.h"
#include "rosterdesk/catalogue/scan.h"

namespace fs = std::filesystem;

namespace rosterdesk {

namespace {
constexpr const char* kUsage =
    "Usage: rosterdesk-cli catalogue GAME_DIR [--patterns pattern.ini] [--skip int.ini]\n"
    "Scans GAME_DIR/System/*.int and prints the models with their skins and faces, the voices\n"
    "and the skin files that matched no model.\n"
    "  --patterns FILE  skin-to-model patterns to use (default: none)\n"
    "  --skip FILE      description files to leave out (default: none)\n";
}  // namespace

int runCatalogueCommand(korvath::ArgList& args, std::ostream& out, std::ostream& err) {
    if (args.flag("--help")) {
        out << kUsage;
        return 0;
    }
    std::optional<std::string> patternFile = args.option("--patterns");
    std::optional<std::string> skipFile = args.option("--skip");
    std::vector<std::string> positionals = args.positionals();
    if (!args.ok() || positionals.size() != 1) {
        err << "rosterdesk-cli catalogue: "
            << (!args.ok() ? args.error() : positionals.empty() ? "missing GAME_DIR" : "too many arguments") << "\n"
            << kUsage;
        return 2;
    }
    fs::path gameDir = positionals[0];
    std::error_code ec;
    if (!fs::is_directory(gameDir, ec)) {
        err << "rosterdesk-cli catalogue: " << gameDir.string() << " is not a folder.\n";
        return 1;
    }
    SkinPatternList patterns = emptyPatternList();
    if (patternFile) {
        std::optional<SkinPatternList> read = readPatterns(*patternFile);
        if (!read) {
            err << "rosterdesk-cli catalogue: the pattern file " << *patternFile << " cannot be read.\n";
            return 1;
        }
        patterns = std::move(*read);
    }
    SkipList skip;
    if (skipFile) {
        std::optional<SkipList> read = SkipList::read(*skipFile);
        if (!read) {
            err << "rosterdesk-cli catalogue: the skip list " << *skipFile << " cannot be read.\n";
            return 1;
        }
        skip = std::move(*read);
    }
    Catalogue catalogue;
    ScanResult result = scanGame(catalogue, gameDir, skip, patterns, detectBossVariant(gameDir));
    formatCatalogue(catalogue, out);
    for (const AnalysisFailure& failure : result.failures)
        err << "warning: " << failure.file << ": " << failure.text() << " " << failure.description << "\n";
    return 0;
}

}  // namespace rosterdesk
