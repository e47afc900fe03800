#pragma once
// Rosterdesk's start-up without its windows: options.ini, the two folders, the patterns, skip
// list and catalogue, the unmatched-skin windows and the main window's preparation, in one
// sequence with the splash window's texts and progress steps. The window program supplies
// its windows through StartupWindows; every question and message goes through
// korvath::Interaction.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/interaction/interaction.h"
#include "rosterdesk/catalogue/analysers.h"
#include "rosterdesk/catalogue/error_log.h"
#include "rosterdesk/catalogue/settings.h"

namespace rosterdesk {

// What start-up builds once the folders are known.
struct CatalogueState {
    Catalogue catalogue;
    SkinPatternList patterns = emptyPatternList();
    BossVariant bossVariant = BossVariant::NoFixed;
    std::vector<AnalysisFailure> failures;
};

// A failure of start-up that goes to the error dialog.
using StartupFailure = ErrorReport;
inline constexpr const char* kSubMainFailure = "Unknown Error has occured in Sub Main";

// A folder dialog of start-up: shown starting from `start`, it returns the chosen folder.
using FolderChooser = std::function<std::optional<std::string>(const std::string& start)>;

// The window program's side of start-up. Each shows one of start-up's windows or does one
// thing to the splash window; empty functions are skipped, and the folder choosers fall back
// on ui.pickFolder.
struct StartupWindows {
    std::function<int()> firstRun;                    // dlgFirstRun
    std::function<int(const BossDialogState&)> boss;  // dlgNewBoss: the selected option
    std::function<void(const std::string&)> status;   // the splash window's message
    std::function<void()> step;                       // one progress step
    FolderChooser gameFolder;                         // dlgCorrectKAPath
    FolderChooser configFolder;                       // dlgChangeConfigPath
    std::function<void(int)> autoClose;               // chkAutoClose takes options.ini's value
    std::function<void(const ErrorReport&)> report;   // the error dialog
    // frmBadFiles, then frmPattern when the user goes on: the files to analyse again.
    std::function<std::vector<std::string>(CatalogueState&)> unmatched;
    std::function<void()> initializeInformation;      // the main window fills its lists
};

// The folder check's dialogs in their order: the first-run note (first run only), the game
// folder (asked again until it holds System\user.ini), "Remember!" and the boss dialog (first
// run only, the latter when the add-on is installed), then the roster folder, which is
// created when missing. Fails, leaving the settings' folders as they were, when a chooser is
// cancelled or the roster folder cannot be created. A boss add-on file that cannot be
// rewritten is reported and the dialogs go on.
korvath::Status chooseFolders(korvath::Interaction& ui, Settings& settings, const StartupWindows& windows = {});

// Loads pattern.ini and int.ini from the program's folder `home` (both must exist), then
// lists and analyses the game's description files. On a failure the state is left empty.
std::optional<StartupFailure> loadCatalogue(const std::filesystem::path& home, const Settings& settings,
                                            CatalogueState& state, const ScanObserver& observer = {});

// What start-up does with a failure, by its number.
enum class FailureAction {
    ChooseFolders,    // 52, bad file name or number: choose both folders again
    KeepOptionsRead,  // 62 while options.ini is read: the values read so far stand
    CloseAndResume,   // 55, file already open: close it and go on
    Report,           // anything else: the error dialog, then go on
};
FailureAction startupFailureAction(int number, std::string_view startupStep);

// The whole sequence after the splash window is shown. `askQuestions` false (a screenshot)
// shows no first-start dialog and no unmatched-skin window: missing folders are taken as the
// default game folder, in memory only. False when the program must end (a folder dialog
// cancelled, or the roster folder cannot be made).
bool runStartupSequence(korvath::Interaction& ui, const std::filesystem::path& home, Settings& settings,
                        CatalogueState& state, const StartupWindows& windows, bool askQuestions = true);

// The end of start-up: with AutoClose checked the splash window closes at once, else it
// shows `message` and enables its Close button. AutoClose follows the check box.
struct SplashEnd {
    bool closeNow = false;
    std::string message;
};
SplashEnd finishSplash(Settings& settings, bool autoCloseChecked);

}  // namespace rosterdesk
