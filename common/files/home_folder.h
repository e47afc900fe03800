#pragma once
// "The program's own folder" for settings, logs and the files a program ships.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvath {

// The folder given with --home when there is one; else the executable's folder when it is
// writable (a portable install); else the per-user configuration folder
// ($XDG_CONFIG_HOME or ~/.config, then appName). The folder is created when missing, and each
// of `shippedFiles` that it lacks is copied in from `exeDir` (or `exeDir/../share/appName`).
std::filesystem::path resolveHomeFolder(const std::optional<std::filesystem::path>& explicitHome,
                                        const std::filesystem::path& exeDir, std::string_view appName,
                                        const std::vector<std::string>& shippedFiles);

// The user's home folder ($HOME, else the current folder): where Windows defaults such as
// c:\maps\maps are laid out off Windows.
std::filesystem::path userHomeFolder();

}  // namespace korvath
