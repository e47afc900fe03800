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
}  // namespace

korvath::Status chooseFolders(korvath::Interaction& ui, Settings& settings, const StartupWindows& windows) {
    const bool firstRun = settings.FirstRun;
    if (firstRun) ui.runDialog("dlgFirstRun", [&] { return windows.firstRun ? windows.firstRun() : 0; });
    const std::string message = "Locate Korvath Arena & Configuration Directory...";
    say(windows, message);

    std::string gameFolder = initialGameFolderChoice();
    while (true) {
        std::optional<std::string> chosen = ui.pickFolder("Locate Korvath Arena Directory...", gameFolder);
        if (!chosen) return korvath::Status::failure("No game folder was chosen.");
        gameFolder = withTrailingSeparator(*chosen);
        if (confirmGameFolder(ui, gameFolder)) break;
    }

    if (firstRun) {
        ui.message({"Remember!", rememberNoteText(), korvath::Buttons::Ok, korvath::Icon::None});
        if (bossAddOnPresent(gameFolder)) {
            korvath::Status boss = runBossDialog(ui, gameFolder, windows.boss);
            if (!boss) return boss;
        }
    }

    std::string start = settings.ConfigPath.empty() || settings.ConfigPath == withTrailingSeparator("")
                            ? defaultConfigFolder()
                            : settings.ConfigPath;
    std::optional<std::string> configFolder = ui.pickFolder("Locate Configuration Directory...", start);
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
    if (!patternText) return StartupFailure{.description = "File not found: " + patternFile.string()};
    fs::path skipFile = korvath::resolveGamePath(home, "int.ini");
    std::optional<SkipList> skip = SkipList::read(skipFile);
    if (!skip) return StartupFailure{.description = "File not found: " + skipFile.string()};

    state.patterns = parsePatterns(*patternText, [&] { observer.tick(); });
    state.bossVariant = detectBossVariant(settings.KAPath);
    ScanResult scan = scanGame(state.catalogue, settings.KAPath, *skip, state.patterns, state.bossVariant, observer);
    state.failures = std::move(scan.failures);
    return std::nullopt;
}

}  // namespace rosterdesk
