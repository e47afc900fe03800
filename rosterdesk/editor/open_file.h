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

// What the Open dialog hands back: the name picked or typed, of a file in the roster folder.
struct OpenChoice {
    std::string name;
};
// File, Open once the dialog gave `choice`: reads the file into the roster (openDocument), or
// says why not ("Can't open ...") and changes nothing. True when the roster was replaced.
bool openChosenRoster(RosterSession& session, const std::filesystem::path& configPath, const OpenChoice& choice,
                      korvath::Interaction& interaction);

// True when the roster was replaced (the document is then "Loaded" under the file's name).
bool openRosterFromPath(RosterSession& session, const std::filesystem::path& configPath,
                        const std::filesystem::path& file, korvath::Interaction& interaction,
                        const SaveNameChooser& chooseName);

}  // namespace rosterdesk
