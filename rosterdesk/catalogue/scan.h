#pragma once
// The catalogue part of start-up: list the description files, then analyse the class files,
// the skin files and the voice files, in that order.
#include <filesystem>
#include <string>
#include <vector>

#include "rosterdesk/catalogue/analysers.h"

namespace rosterdesk {

struct ScanResult {
    FileLists lists;
    std::vector<AnalysisFailure> failures;
};

// Scans the game folder's System\*.int into `catalogue` (which should start empty).
ScanResult scanGame(Catalogue& catalogue, const std::filesystem::path& gameDir, const SkipList& skip,
                    const SkinPatternList& patterns, BossVariant bossVariant, const ScanObserver& observer = {});

// Analyses the files again as skin files, after the pattern window gave them patterns.
std::vector<AnalysisFailure> rescanSkinFiles(Catalogue& catalogue, const std::vector<std::string>& files,
                                             const SkinPatternList& patterns, BossVariant bossVariant,
                                             const ScanObserver& observer = {});

}  // namespace rosterdesk
