#pragma once
// Names Windows keeps for itself, and the rule for a folder name a user types. The game and
// its files are Windows', so a name is held to Windows' rules on every system.
#include <optional>
#include <string>
#include <string_view>

namespace korvath {

// Whether a file or folder name (8-bit text, no folder part) names a device on Windows: CON,
// PRN, AUX, NUL, CONIN$, CONOUT$, COM1-COM9 and LPT1-LPT9 (also with the digits 1, 2, 3 raised),
// in any letter case, also with an extension or trailing blanks or colons ("nul.txt", "COM1:").
bool isWindowsDeviceName(std::string_view name);

enum class FolderNameFault {
    Empty,
    Separator,  // "\" or "/": the name would reach into or out of another folder
    DotName,    // "." or "..": the folder itself or its parent
    Device,
    ForbiddenCharacter,  // : * ? " < > | or a control character
};
struct FolderNameRefusal {
    FolderNameFault fault;
    std::string message;  // why, for the user
};

// nullopt when `name` can be created as one new folder inside another; otherwise why not.
std::optional<FolderNameRefusal> checkFolderName(std::string_view name);

}  // namespace korvath
