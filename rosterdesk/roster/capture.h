#pragma once
// The reverse of applying: the roster section of a user.ini read by key and index into a
// roster, so players can start from the roster they have.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"
#include "rosterdesk/roster/roster.h"

namespace rosterdesk {

struct CapturedRoster {
    Roster roster;
    std::vector<std::string> corrections;  // one line per value brought to one the window holds
};
// The roster, or why there is none (no section to read, no user.ini).
using CaptureResult = korvath::Result<CapturedRoster>;

// Reads the section's lines in any order. Keys missing take the default roster's values,
// unknown keys and indices outside 0..31 are ignored, and values the window's controls could
// not hold are brought to the nearest one they can, each reported.
CaptureResult captureRoster(const std::vector<std::string>& userIniLines);
// The same for the game folder's System\user.ini.
CaptureResult captureRosterFromGame(const std::filesystem::path& kaPath);

}  // namespace rosterdesk
