#pragma once
// Where the game is installed: KORVATH_ARENA_DIR when set; else the installer's registry value
// "Folder" under HKEY_LOCAL_MACHINE\Software\Korvath Technology\Installed Apps\KorvathArena,
// read from the registry on Windows and from the Wine prefix's system.reg elsewhere.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace hoardsort {

inline constexpr std::string_view kInstallKey = "Software\\Korvath Technology\\Installed Apps\\KorvathArena";
inline constexpr std::string_view kInstallValue = "Folder";

// The plain-string value `valueName` of key `keyName` in the text of a Wine registry file
// (system.reg holds HKEY_LOCAL_MACHINE), up to its first NUL. Key and value names are compared
// without regard to case. nullopt when the key or value is missing or not a plain string.
std::optional<std::string> readWineRegistryString(std::string_view regText, std::string_view keyName,
                                                  std::string_view valueName);

// A Windows path ("C:\Games\Arena") as a path inside the Wine prefix: the drive through
// dosdevices (c: -> drive_c), the rest matched without regard to case. nullopt for a path
// that names no drive letter.
std::optional<std::filesystem::path> mapWinePath(const std::filesystem::path& prefix, std::string_view windowsPath);

#ifdef _WIN32
// The plain-string value of HKEY_LOCAL_MACHINE\subKey up to its first NUL; empty when absent.
// `view` 0 reads the program's own registry view; KEY_WOW64_32KEY the 32-bit one.
std::string readRegistryString(const std::string& subKey, const std::string& valueName, unsigned long view = 0);
#endif

// The installation folder, empty when not found. `environment` looks up variables (getenv by
// default; tests pass their own).
std::string findInstallFolder(const std::function<const char*(const char*)>& environment = {});

}  // namespace hoardsort
