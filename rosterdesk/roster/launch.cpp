#include "rosterdesk/roster/launch.h"

#include <cstdlib>

#include "common/files/game_path.h"

namespace fs = std::filesystem;

namespace rosterdesk {

namespace {

#ifndef _WIN32
std::optional<fs::path> findOnPath(const std::string& name, const std::string& pathVariable) {
    std::size_t start = 0;
    while (start <= pathVariable.size()) {
        std::size_t end = pathVariable.find(':', start);
        if (end == std::string::npos) end = pathVariable.size();
        std::string folder = pathVariable.substr(start, end - start);
        if (!folder.empty()) {
            fs::path candidate = fs::path(folder) / name;
            std::error_code ec;
            if (fs::is_regular_file(candidate, ec)) return candidate;
        }
        start = end + 1;
    }
    return std::nullopt;
}
#endif

}  // namespace

std::optional<GameCommand> gameCommand(const fs::path& kaPath, const std::string& pathVariable) {
    fs::path exe = korvath::resolveGamePath(kaPath, "System\\KorvathArena.exe");
    std::error_code ec;
    if (kaPath.empty() || !fs::is_regular_file(exe, ec)) return std::nullopt;
#ifdef _WIN32
    (void)pathVariable;
    return GameCommand{exe, {}};
#else
    if (!korvath::equalsNoCase(exe.extension().string(), ".exe")) return GameCommand{exe, {}};
    auto wine = findOnPath("wine", pathVariable);
    if (!wine) return std::nullopt;
    return GameCommand{*wine, {exe.string()}};
#endif
}

bool startGame(const fs::path& kaPath, GameStarter& starter, korvath::Interaction& interaction) {
    const char* path = std::getenv("PATH");
    auto command = gameCommand(kaPath, path ? path : "");
    if (command && starter.startDetached(command->program, command->arguments)) return true;
    interaction.inform("Korvath Arena Exe Missing...", "Korvath Arena Executable not found!");
    return false;
}

LaunchOutcome quitAndLaunch(RosterSession& session, LaunchSettings& settings, const fs::path& kaPath,
                            const fs::path& configPath, GameStarter& starter, korvath::Interaction& interaction,
                            const std::function<int()>& showConfirm, const SaveNameChooser& chooseName) {
    constexpr int kYes = 6;
    if (!settings.dontAsk && interaction.runDialog("dlgLaunchKA", showConfirm) != kYes)
        return LaunchOutcome::NotConfirmed;
    if (!startGame(kaPath, starter, interaction)) return LaunchOutcome::GameMissing;
    // The game runs on whatever is answered here.
    if (!confirmDiscard(session, DocumentCommand::QuitLaunch, configPath, interaction, chooseName))
        return LaunchOutcome::StayOpen;
    return LaunchOutcome::Quit;
}

}  // namespace rosterdesk
