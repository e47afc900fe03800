#pragma once
// Quit-and-launch: start the game's executable, then offer to save and let the program end.
// Starting a process is the window program's business; it hands in a GameStarter.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/interaction/interaction.h"
#include "rosterdesk/roster/document.h"

namespace rosterdesk {

class GameStarter {
public:
    virtual ~GameStarter() = default;
    // Starts `program` with `arguments` without waiting for it; false when it could not start.
    virtual bool startDetached(const std::filesystem::path& program, const std::vector<std::string>& arguments) = 0;
};

struct GameCommand {
    std::filesystem::path program;
    std::vector<std::string> arguments;
};

// How to start the game in `kaPath`: its executable ("System\KorvathArena.exe", found without
// regard to case), or on a system other than Windows a Windows ".exe" through `wine` from the
// PATH. nullopt when the executable is not there, or wine is needed and missing.
std::optional<GameCommand> gameCommand(const std::filesystem::path& kaPath, const std::string& pathVariable);

// Starts the game; on failure shows "Korvath Arena Exe Missing..." and returns false.
bool startGame(const std::filesystem::path& kaPath, GameStarter& starter, korvath::Interaction& interaction);

// dlgLaunchKA's question. The command starts the game and offers to save; it applies nothing, so
// the game plays the roster that was applied last.
inline constexpr const char* kLaunchQuestion =
    "Start Korvath Arena now and close Rosterdesk?\r\n\r\n"
    "The game uses the configuration that was applied last (File, Apply Config). "
    "If the current configuration is not saved, you will be asked whether to save it.";

struct LaunchSettings {
    bool dontAsk = false;  // "In the future, don't ask, just do it." for this run of the program
};

enum class LaunchOutcome { NotConfirmed, GameMissing, StayOpen, Quit };

// The whole command: dlgLaunchKA (unless dontAsk; `showConfirm` runs it and gives 6 for YES!),
// the game start, then the save prompt. Quit means the program should now close its windows.
LaunchOutcome quitAndLaunch(RosterSession& session, LaunchSettings& settings, const std::filesystem::path& kaPath,
                            const std::filesystem::path& configPath, GameStarter& starter,
                            korvath::Interaction& interaction, const std::function<int()>& showConfirm,
                            const SaveNameChooser& chooseName);

}  // namespace rosterdesk
