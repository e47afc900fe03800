#pragma once
// "The program's own folder" for settings, logs and the files a program ships.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvath {

// The folder given with --home when there is one; else, for an installed program (one whose
// installedDataFolder exists), the per-user configuration folder ($XDG_CONFIG_HOME or
// ~/.config, then appName); else the executable's folder when it is writable (the build tree,
// a portable copy); else the per-user folder. The folder is created when missing, and each of
// `shippedFiles` that it lacks is copied in from where findShippedFile finds it.
std::filesystem::path resolveHomeFolder(const std::optional<std::filesystem::path>& explicitHome,
                                        const std::filesystem::path& exeDir, std::string_view appName,
                                        const std::vector<std::string>& shippedFiles);

// Where the install rules put the files an installed program ships and the exporter plug-in,
// relative to the program's own folder (bin/): share/korvath-toolkit/appName and
// lib/korvath-toolkit.
std::filesystem::path installedDataFolder(const std::filesystem::path& exeDir, std::string_view appName);
std::filesystem::path installedPluginFolder(const std::filesystem::path& exeDir);

// A shipped file (a relative name such as "help/index.html", matched without regard to case):
// beside the program (the build tree, a portable copy), else in its installed data folder.
std::optional<std::filesystem::path> findShippedFile(const std::filesystem::path& exeDir, std::string_view appName,
                                                     std::string_view name);

// The user's home folder ($HOME, else the current folder): where Windows defaults such as
// c:\maps\maps are laid out off Windows.
std::filesystem::path userHomeFolder();

}  // namespace korvath
