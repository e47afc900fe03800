#pragma once
// Rosterdesk's settings file options.ini and the checks of the two folders it names.
//   [SplashScreen] / AutoClose / (empty) / [KAPath] / relocation flag / ConfigPath / KAPath
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "common/interaction/interaction.h"
#include "common/result.h"

namespace rosterdesk {

struct Settings {
    std::string KAPath;      // the game folder; ends in a separator whenever it is not empty
    std::string ConfigPath;  // the roster folder; always ends in a separator
    std::int16_t AutoClose = 0;
    bool FirstRun = false;        // no settings file, or it asks for both folders again
    bool RestartPending = false;  // set by the options dialog before start-up runs again
    std::string StartupStep;      // stage in progress, for failure reports
};

struct OptionsReadResult {
    bool found = false;   // the file existed and could be read
    std::string warning;  // a value that could not be taken as written; empty if none
};

// Reads options.ini text into `settings`. A file shorter than seven lines keeps what it had
// read so far. FirstRun is set when line 5 is exactly "1" (then lines 6 and 7 are not read).
OptionsReadResult parseOptions(std::string_view text, Settings& settings);
// Finds options.ini in `home` without regard to case; a missing file sets FirstRun.
OptionsReadResult readOptions(const std::filesystem::path& home, Settings& settings);

// The seven lines, CR LF ended. A folder holding a comma or starting with a blank is written
// in double quotes so it reads back whole.
std::string formatOptions(const Settings& settings);
korvath::Status writeOptions(const std::filesystem::path& home, const Settings& settings);

// Adds the native separator unless the text already ends in one.
std::string withTrailingSeparator(std::string folder);

// A game folder is valid when it is not empty and holds System\user.ini (any letter case).
bool isValidGameFolder(const std::string& folder);
// Start-up asks for both folders when this holds.
bool needsFolderSetup(const Settings& settings);

// The message shown when a chosen game folder is not valid; shows it (title "Invalid KA
// Path", OK only) and returns false when `folder` is not valid.
std::string invalidGameFolderText(const std::string& folder);
bool confirmGameFolder(korvath::Interaction& ui, const std::string& folder);

// The options dialog's "Change" with "KA Path:" selected, once the game-folder dialog gave
// `chosen`: it becomes KAPath, and when it differs from the folder before, "Restart Rosterdesk"
// is shown and RestartPending set. True when start-up must run again.
bool changeGameFolder(korvath::Interaction& ui, Settings& settings, const std::string& chosen);

// Where the game is installed by default: KORVATH_ARENA_DIR when set, else C:\KorvathArena\ on
// Windows and ~/KorvathArena/ elsewhere.
std::string defaultGameFolder();
// The game-folder dialog's first result: the default folder when it is a valid game folder.
std::string initialGameFolderChoice();
// The roster folder offered when there is none yet: the installed game folder's Configs folder
// (never inside the KORVATH_ARENA_DIR installation).
std::string defaultConfigFolder();

// The "Remember!" note of the first run, as its box shows it.
std::string rememberNoteText();

}  // namespace rosterdesk
