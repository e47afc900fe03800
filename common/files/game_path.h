#pragma once
// Names inside the game folder ("System\\user.ini") and files beside a program are compared
// without regard to case, as the game and its installer do. On a case-sensitive file system
// each component is matched case-insensitively when the exact name does not exist.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace korvath {

// ASCII case-insensitive comparisons (the game's names are 8-bit, compared by letters A-Z).
bool equalsNoCase(std::string_view a, std::string_view b);
bool lessNoCase(std::string_view a, std::string_view b);
std::string toLowerAscii(std::string_view text);
std::string toUpperAscii(std::string_view text);

// Splits a relative name at '\\' and '/', dropping empty components.
std::vector<std::string> splitGamePath(std::string_view relative);

// base / relative, each component of relative resolved to the existing entry whose name
// equals it without regard to case (the exact name wins). Components that match nothing
// are kept as written, so the result names where a new file would go.
std::filesystem::path resolveGamePath(const std::filesystem::path& base, std::string_view relative);

// The entries of `folder` (files and folders), sorted by name without regard to case, then
// by exact name. Empty when the folder cannot be read.
std::vector<std::filesystem::path> listFolderSorted(const std::filesystem::path& folder);

}  // namespace korvath
