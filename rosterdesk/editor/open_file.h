#pragma once
// Opening a roster file named from outside the Open dialog: a file dropped on the window or
// passed on the command line (the desktop's file-type association). It runs as File, Open
// does (the save question first, then the roster read as a whole), with one addition: every
// roster lives in the roster folder (Save writes there, Apply lists only there), so a file
// from elsewhere is first copied in, after asking before it replaces a different file of the
// same name. The original is never written.
#include <filesystem>
#include <string>

#include "common/interaction/interaction.h"
#include "rosterdesk/roster/document.h"

namespace rosterdesk {

inline constexpr std::string_view kOpenTitle = "Open Existing Configuration...";

// True when the roster was replaced (the document is then "Loaded" under the file's name).
bool openRosterFromPath(RosterSession& session, const std::filesystem::path& configPath,
                        const std::filesystem::path& file, korvath::Interaction& interaction,
                        const SaveNameChooser& chooseName);

}  // namespace rosterdesk
