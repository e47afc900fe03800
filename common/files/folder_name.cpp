#include "common/files/folder_name.h"

#include "common/files/game_path.h"

namespace korvath {

bool isWindowsDeviceName(std::string_view name) {
    std::string stem = toUpperAscii(name.substr(0, name.find('.')));
    while (!stem.empty() && (stem.back() == ' ' || stem.back() == ':')) stem.pop_back();
    for (std::string_view device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"})
        if (stem == device) return true;
    if (stem.size() != 4 || !(stem.starts_with("COM") || stem.starts_with("LPT"))) return false;
    const auto digit = static_cast<unsigned char>(stem[3]);
    // Windows-1252 0xB9, 0xB2 and 0xB3 are the raised 1, 2 and 3.
    return (digit >= '1' && digit <= '9') || digit == 0xB9 || digit == 0xB2 || digit == 0xB3;
}

std::optional<FolderNameRefusal> checkFolderName(std::string_view name) {
    if (name.empty()) return FolderNameRefusal{FolderNameFault::Empty, "Type the name of the folder to create."};
    if (name.find_first_of("\\/") != std::string_view::npos)
        return FolderNameRefusal{FolderNameFault::Separator,
                                 "A folder name can't hold \\ or /.  Type only the name of the new folder."};
    if (name == "." || name == "..")
        return FolderNameRefusal{FolderNameFault::DotName,
                                 "\"" + std::string(name) + "\" is not the name of a new folder."};
    for (char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || std::string_view(":*?\"<>|").find(c) != std::string_view::npos)
            return FolderNameRefusal{FolderNameFault::ForbiddenCharacter,
                                     "A folder name can't hold any of : * ? \" < > | or control characters."};
    if (isWindowsDeviceName(name))
        return FolderNameRefusal{FolderNameFault::Device,
                                 "\"" + std::string(name) + "\" names a device on Windows, not a folder."};
    return std::nullopt;
}

}  // namespace korvath
