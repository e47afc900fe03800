#include "landforge/editor/recent_terrains.h"

#include <algorithm>

#include "common/files/atomic_file.h"
#include "common/text/text_lines.h"

namespace landforge {

void rememberTerrain(std::vector<std::string>& recent, const std::string& path) {
    std::erase(recent, path);
    recent.insert(recent.begin(), path);
    if (recent.size() > static_cast<std::size_t>(kRecentTerrainCount)) recent.resize(kRecentTerrainCount);
}

std::vector<std::string> loadRecentTerrains(const std::filesystem::path& file) {
    std::vector<std::string> recent;
    std::optional<std::vector<std::string>> lines = korvath::readTextLines(file);
    if (!lines) return recent;
    for (const std::string& line : *lines) {
        std::error_code error;
        if (line.empty() || !std::filesystem::is_regular_file(line, error)) continue;
        if (std::find(recent.begin(), recent.end(), line) != recent.end()) continue;
        recent.push_back(line);
        if (recent.size() == static_cast<std::size_t>(kRecentTerrainCount)) break;
    }
    return recent;
}

korvath::Status saveRecentTerrains(const std::filesystem::path& file, const std::vector<std::string>& recent) {
    return korvath::writeFileAtomically(file, korvath::joinCrLf(recent));
}

}  // namespace landforge
