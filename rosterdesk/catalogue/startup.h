#pragma once
// The parts of Rosterdesk's start-up that are not windows: choosing the two folders when the
// settings do not name a usable game folder, and loading patterns, skip list and catalogue.
// The window program supplies the look of its dialogs through StartupWindows; every question
// and message goes through korvath::Interaction.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/interaction/interaction.h"
#include "rosterdesk/catalogue/analysers.h"
#include "rosterdesk/catalogue/settings.h"

namespace rosterdesk {

// Each shows one of start-up's own dialogs and returns its result; empty functions are
// skipped, and the folder choosers fall back on ui.pickFolder.
struct StartupWindows {
    std::function<int()> firstRun;                                      // dlgFirstRun
    std::function<int(const BossDialogState&)> boss;                    // dlgNewBoss: the selected option
    std::function<void(const std::string&)> status;                     // the splash window's message
};

// The folder check's dialogs in their order: the first-run note (first run only), the game
// folder (asked again until it holds System\user.ini), "Remember!" and the boss dialog (first
// run only, the latter when the add-on is installed), then the roster folder, which is
// created when missing. Fails, leaving the settings' folders as they were, when a chooser is
// cancelled or the roster folder cannot be created.
korvath::Status chooseFolders(korvath::Interaction& ui, Settings& settings, const StartupWindows& windows = {});

// What start-up builds once the folders are known.
struct CatalogueState {
    Catalogue catalogue;
    SkinPatternList patterns = emptyPatternList();
    BossVariant bossVariant = BossVariant::NoFixed;
    std::vector<AnalysisFailure> failures;
};

// A failure of start-up that goes to the error dialog.
struct StartupFailure {
    std::string message = "Unknown Error has occured in Sub Main";
    int number = 53;
    std::string description;
};

// Loads pattern.ini and int.ini from the program's folder `home` (both must exist), then
// lists and analyses the game's description files. On a failure the state is left empty.
std::optional<StartupFailure> loadCatalogue(const std::filesystem::path& home, const Settings& settings,
                                            CatalogueState& state, const ScanObserver& observer = {});

}  // namespace rosterdesk
