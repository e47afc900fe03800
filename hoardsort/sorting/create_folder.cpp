#include "hoardsort/sorting/create_folder.h"

#include <filesystem>

#include "hoardsort/sorting/folder_text.h"
#include "hoardsort/sorting/messages.h"

namespace fs = std::filesystem;

namespace hoardsort {

std::optional<std::string> createFolderFlow(std::string_view selectedFolder, korvath::Interaction& interaction) {
    for (;;) {
        auto answer = interaction.askText({std::string(kCreateFolderTitle), std::string(kCreateFolderPrompt), ""});
        if (!answer || answer->empty()) return std::nullopt;
        if (answer->find_first_of("\\/") != std::string::npos) {
            interaction.inform(std::string(kProgramTitle), std::string(kNoSlashes), korvath::Icon::Information);
            continue;
        }
        std::string folder = collapseSeparatorPairs(std::string(selectedFolder) + kSeparator + *answer);
        std::error_code ec;
        // An existing folder counts as a failure, as its message says.
        if (!fs::create_directory(fs::path(folder), ec) || ec) {
            interaction.inform(std::string(kErrorTitle), std::string(kCreateFolderFailed), korvath::Icon::Critical);
            return std::nullopt;
        }
        return folder;
    }
}

}  // namespace hoardsort
