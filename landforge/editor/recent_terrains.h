#pragma once
// File > Recent Terrains: the last terrains opened or saved, newest first, kept one path a line
// in a file of the settings folder.
#include <filesystem>
#include <string>
#include <vector>

#include "common/result.h"

namespace landforge {

inline constexpr int kRecentTerrainCount = 8;
inline constexpr const char* kRecentTerrainsFileName = "recent.txt";

// Puts `path` first, dropping an older entry of the same path and whatever falls past the
// eighth.
void rememberTerrain(std::vector<std::string>& recent, const std::string& path);

// The list kept in `file` without the entries whose file is gone; empty when there is none.
std::vector<std::string> loadRecentTerrains(const std::filesystem::path& file);
korvath::Status saveRecentTerrains(const std::filesystem::path& file, const std::vector<std::string>& recent);

}  // namespace landforge
