#include "rosterdesk/catalogue/new_folder.h"

#include <system_error>

#include "common/files/folder_name.h"

namespace rosterdesk {

korvath::Result<std::filesystem::path> createNewFolder(const NewFolderChoice& choice) {
    using Created = korvath::Result<std::filesystem::path>;
    if (auto refusal = korvath::checkFolderName(choice.name)) return Created::failure(refusal->message);
    const std::filesystem::path folder = choice.parent / choice.name;
    std::error_code ec;
    std::filesystem::create_directory(folder, ec);
    if (ec) return Created::failure("The folder " + folder.string() + " could not be created: " + ec.message());
    return folder;
}

}  // namespace rosterdesk
