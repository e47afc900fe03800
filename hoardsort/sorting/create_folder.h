#pragma once
// The folder picker's "Create Folder" button.
#include <optional>
#include <string>
#include <string_view>

#include "common/interaction/interaction.h"

namespace hoardsort {

// Asks for a folder name and creates it in `selectedFolder`. A name with a slash of either
// kind is refused and asked for again; any other name the folder-name rule refuses (".", "..",
// a device name, a character Windows refuses) fails as a folder that can't be created; an
// empty answer or Cancel ends without change.
// Returns the folder created.
std::optional<std::string> createFolderFlow(std::string_view selectedFolder, korvath::Interaction& interaction);

}  // namespace hoardsort
