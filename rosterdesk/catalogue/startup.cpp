#include "rosterdesk/catalogue/startup.h"

#include "common/files/game_path.h"
#include "common/text/text_lines.h"
#include "rosterdesk/catalogue/scan.h"

namespace fs = std::filesystem;

namespace rosterdesk {

namespace {
void say(const StartupWindows& windows, const std::string& text) {
    if (windows.status) windows.status(text);
}

void report(const StartupWindows& windows, const ErrorReport& failure) {
    if (windows.report) windows.report(failure);
}

std::optional<std::string> chooseFolder(korvath::Interaction& ui, const FolderChooser& chooser,
                                        const std::string& title, const std::string& start) {
    return chooser ? chooser(start) : ui.pickFolder(title, start);
}

ErrorReport missingFile(const fs::path& file) {
    return {kSubMainFailure, 53, "File not found: " + file.string()};
}

// options.ini with a progress step per line read. A failure to read is handed on by number.
std::optional<ErrorReport> loadOptionsFile(korvath::Interaction& ui, const fs::path& home, Settings& settings,
                                           const StartupWindows& windows) {
    fs::path file = korvath::resolveGamePath(home, "options.ini");
    std::error_code ec;
    if (!fs::exists(file, ec)) {
        settings.FirstRun = true;
        return std::nullopt;
    }
    std::optional<std::string> text = korvath::readFileBytes(file);
    if (!text) return ErrorReport{kSubMainFailure, 75, "Path/File access error: " + file.string()};
    OptionsReadResult read = parseOptions(*text, settings);
    if (!read.warning.empty()) ui.inform("Loading Options...", read.warning, korvath::Icon::Warning);
    std::size_t lines = korvath::splitLines(*text).size();
    std::size_t linesRead = std::min<std::size_t>(lines, settings.FirstRun ? 5 : 7);
    for (std::size_t i = 0; i < linesRead; ++i)
        if (windows.step) windows.step();
    if (linesRead < 7 && !settings.FirstRun) return ErrorReport{kSubMainFailure, 62, "Input past end of file"};
    return std::nullopt;
}

// The game folder check; a name the file system refuses is error 52.
std::optional<ErrorReport> checkGameFolderName(const Settings& settings) {
    if (settings.KAPath.empty()) return std::nullopt;
    std::error_code ec;
    [[maybe_unused]] fs::file_status status = fs::status(korvath::resolveGamePath(settings.KAPath, "System\\user.ini"), ec);
    if (!ec || ec == std::errc::no_such_file_or_directory || ec == std::errc::not_a_directory) return std::nullopt;
    return ErrorReport{kSubMainFailure, 52, "Bad file name or number: " + settings.KAPath};
}

// Reports the analysers' failures; a file still open (55) is closed by then and needs none.
void reportAnalysisFailures(const StartupWindows& windows, const std::vector<AnalysisFailure>& failures) {
    for (const AnalysisFailure& failure : failures)
        if (startupFailureAction(failure.number, {}) == FailureAction::Report)
            report(windows, {failure.text(), failure.number, failure.description});
}
}  // namespace

korvath::Status chooseFolders(korvath::Interaction& ui, Settings& settings, const StartupWindows& windows) {
    const bool firstRun = settings.FirstRun;
    if (firstRun) ui.runDialog("dlgFirstRun", [&] { return windows.firstRun ? windows.firstRun() : 0; });
    const std::string message = "Locate Korvath Arena & Configuration Directory...";
    say(windows, message);

    std::string gameFolder = initialGameFolderChoice();
    while (true) {
        std::optional<std::string> chosen =
            chooseFolder(ui, windows.gameFolder, "Locate Korvath Arena Directory...", gameFolder);
        if (!chosen) return korvath::Status::failure("No game folder was chosen.");
        gameFolder = withTrailingSeparator(*chosen);
        if (confirmGameFolder(ui, gameFolder)) break;
    }

    if (firstRun) {
        ui.message({"Remember!", rememberNoteText(), korvath::Buttons::Ok, korvath::Icon::None});
        if (bossAddOnPresent(gameFolder)) {
            // A file that cannot be rewritten must not stop the setup: it is reported instead.
            korvath::Status boss = runBossDialog(ui, gameFolder, windows.boss);
            if (!boss) report(windows, {kSubMainFailure, 75, boss.error()});
        }
    }

    std::string start = settings.ConfigPath.empty() || settings.ConfigPath == withTrailingSeparator("")
                            ? defaultConfigFolder()
                            : settings.ConfigPath;
    std::optional<std::string> configFolder =
        chooseFolder(ui, windows.configFolder, "Locate Configuration Directory...", start);
    if (!configFolder) return korvath::Status::failure("No configuration folder was chosen.");
    std::string config = withTrailingSeparator(*configFolder);
    std::error_code ec;
    fs::create_directories(config, ec);
    if (!fs::is_directory(config, ec))
        return korvath::Status::failure("The configuration folder " + config + " could not be created.");

    settings.KAPath = gameFolder;
    settings.ConfigPath = config;
    settings.FirstRun = false;
    say(windows, message + "DONE!");
    return korvath::Status::success();
}

std::optional<StartupFailure> loadCatalogue(const fs::path& home, const Settings& settings, CatalogueState& state,
                                            const ScanObserver& observer) {
    state = CatalogueState{};
    observer.say("Loading Pattern List...");
    fs::path patternFile = korvath::resolveGamePath(home, "pattern.ini");
    std::optional<std::string> patternText = korvath::readFileBytes(patternFile);
    if (!patternText) return missingFile(patternFile);
    fs::path skipFile = korvath::resolveGamePath(home, "int.ini");
    std::optional<SkipList> skip = SkipList::read(skipFile);
    if (!skip) return missingFile(skipFile);

    state.patterns = parsePatterns(*patternText, [&] { observer.tick(); });
    state.bossVariant = detectBossVariant(settings.KAPath);
    ScanResult scan = scanGame(state.catalogue, settings.KAPath, *skip, state.patterns, state.bossVariant, observer);
    state.failures = std::move(scan.failures);
    return std::nullopt;
}

FailureAction startupFailureAction(int number, std::string_view startupStep) {
    if (number == 52) return FailureAction::ChooseFolders;
    if (number == 62 && startupStep == "options") return FailureAction::KeepOptionsRead;
    if (number == 55) return FailureAction::CloseAndResume;
    return FailureAction::Report;
}

bool runStartupSequence(korvath::Interaction& ui, const fs::path& home, Settings& settings, CatalogueState& state,
                        const StartupWindows& windows, bool askQuestions) {
    auto step = [&] { if (windows.step) windows.step(); };
    // Each failure is handled once where it occurs, so one that persists cannot loop.
    bool chooseAgain = false;
    auto handle = [&](const std::optional<ErrorReport>& failure) {
        if (!failure) return;
        switch (startupFailureAction(failure->number, settings.StartupStep)) {
            case FailureAction::ChooseFolders: chooseAgain = true; break;
            case FailureAction::KeepOptionsRead:
            case FailureAction::CloseAndResume: break;
            case FailureAction::Report: report(windows, *failure); break;
        }
    };

    say(windows, "Loading Options...");
    settings.StartupStep = "options";
    handle(loadOptionsFile(ui, home, settings, windows));
    settings.StartupStep.clear();
    if (windows.autoClose) windows.autoClose(settings.AutoClose);
    settings.RestartPending = false;
    step();

    handle(checkGameFolderName(settings));
    if (chooseAgain || needsFolderSetup(settings)) {
        if (askQuestions) {
            korvath::Status chosen = chooseFolders(ui, settings, windows);
            if (!chosen) {
                ui.inform("Rosterdesk", chosen.error());
                return false;
            }
        } else {
            if (!isValidGameFolder(settings.KAPath)) settings.KAPath = defaultGameFolder();
            if (settings.ConfigPath == withTrailingSeparator("")) settings.ConfigPath = defaultConfigFolder();
            settings.FirstRun = false;
        }
    }

    state = CatalogueState{};
    ScanObserver observer{windows.status, windows.step};
    say(windows, "Loading Pattern List...");
    fs::path patternFile = korvath::resolveGamePath(home, "pattern.ini");
    if (std::optional<std::string> text = korvath::readFileBytes(patternFile))
        state.patterns = parsePatterns(*text, step);
    else
        handle(missingFile(patternFile));
    fs::path skipFile = korvath::resolveGamePath(home, "int.ini");
    std::optional<SkipList> skip = SkipList::read(skipFile);
    if (!skip) handle(missingFile(skipFile));

    state.bossVariant = detectBossVariant(settings.KAPath);
    ScanResult scan = scanGame(state.catalogue, settings.KAPath, skip.value_or(SkipList{}), state.patterns,
                               state.bossVariant, observer);
    reportAnalysisFailures(windows, scan.failures);
    state.failures = std::move(scan.failures);

    if (askQuestions && windows.unmatched) {
        std::vector<std::string> rescan = windows.unmatched(state);
        if (!rescan.empty()) {
            std::vector<AnalysisFailure> failures =
                rescanSkinFiles(state.catalogue, rescan, state.patterns, state.bossVariant, observer);
            reportAnalysisFailures(windows, failures);
            state.failures.insert(state.failures.end(), failures.begin(), failures.end());
        }
    }

    say(windows, "Initializing Information...");
    if (windows.initializeInformation) windows.initializeInformation();
    say(windows, "Initializing Information...Done!");
    return true;
}

SplashEnd finishSplash(Settings& settings, bool autoCloseChecked) {
    settings.AutoClose = autoCloseChecked ? 1 : 0;
    if (autoCloseChecked) return {true, {}};
    return {false, "Finished...Click the Close button."};
}

}  // namespace rosterdesk
