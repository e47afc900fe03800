#pragma once
// The folder picker's new-folder area: a name typed for a folder inside the one shown.
#include <filesystem>
#include <string>
#include <string_view>

#include "common/result.h"

namespace rosterdesk {

inline constexpr std::string_view kCreateFolderTitle = "Create Folder";

// What the picker hands over when Create is clicked.
struct NewFolderChoice {
    std::filesystem::path parent;  // the folder shown
    std::string name;              // as typed
};

// Creates the folder when the folder-name rule accepts the name; otherwise, or when it can't
// be created, the message to show under kCreateFolderTitle. Nothing outside `parent` is made.
korvath::Result<std::filesystem::path> createNewFolder(const NewFolderChoice& choice);

}  // namespace rosterdesk
