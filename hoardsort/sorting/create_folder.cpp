#include "hoardsort/sorting/create_folder.h"

#include <filesystem>

#include "common/files/folder_name.h"
#include "hoardsort/sorting/folder_text.h"
#include "hoardsort/sorting/messages.h"

namespace fs = std::filesystem;

namespace hoardsort {

std::optional<std::string> createFolderFlow(std::string_view selectedFolder, korvath::Interaction& interaction) {
    for (;;) {
        auto answer = interaction.askText({std::string(kCreateFolderTitle), std::string(kCreateFolderPrompt), ""});
        if (!answer || answer->empty()) return std::nullopt;
        if (auto refusal = korvath::checkFolderName(*answer)) {
            if (refusal->fault == korvath::FolderNameFault::Separator) {
                interaction.inform(std::string(kProgramTitle), std::string(kNoSlashes), korvath::Icon::Information);
                continue;
            }
            // ".", "..", a device or a character Windows refuses: no folder of that name can be made.
            interaction.inform(std::string(kErrorTitle), std::string(kCreateFolderFailed), korvath::Icon::Critical);
            return std::nullopt;
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
