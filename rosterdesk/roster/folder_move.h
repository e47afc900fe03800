#pragma once
// Changing the roster folder: offers to move the roster files from the old folder into the new
// one and to remove the old folder. Questions and failures go through the interaction layer.
#include <filesystem>

#include "common/interaction/interaction.h"

namespace rosterdesk {

struct FolderMoveReport {
    int moved = 0;
    int skipped = 0;            // files whose copy or deletion failed
    bool oldFolderRemoved = false;
};

// Steps after the roster folder changed from `oldFolder` to `newFolder` (which exists). The
// same folder twice does nothing: moving files onto themselves would delete them.
FolderMoveReport moveRosterFiles(const std::filesystem::path& oldFolder, const std::filesystem::path& newFolder,
                                 korvath::Interaction& interaction);

}  // namespace rosterdesk
