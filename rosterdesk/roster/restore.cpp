#include "rosterdesk/roster/restore.h"

#include "common/text/text_lines.h"

namespace fs = std::filesystem;

namespace rosterdesk {

BackupLines backupKeyLines(const std::vector<std::string>& lines, const std::string& name) {
    BackupLines result;
    std::size_t first = 0;
    while (first < lines.size() && lines[first].empty()) ++first;
    if (first == lines.size() || !isRosterSectionHeader(lines[first])) {
        result.problem = name + " is not a roster backup: it does not start with [Botpack.ChallengeBotInfo].";
        return result;
    }
    result.keyLines.assign(lines.begin() + static_cast<std::ptrdiff_t>(first + 1), lines.end());
    while (!result.keyLines.empty() && result.keyLines.back().empty()) result.keyLines.pop_back();
    if (result.keyLines.empty()) result.problem = name + " holds no roster lines.";
    return result;
}

ApplyResult restoreBackup(const RestoreRequest& request) {
    const std::string name = request.backupFile.filename().string();
    auto lines = korvath::readTextLines(request.backupFile);
    if (!lines) return {false, "Missing File", "Can't find " + name + ".  Operation Aborted.", {}};
    BackupLines backup = backupKeyLines(*lines, name);
    if (backup.keyLines.empty()) return {false, "Invalid Backup File", backup.problem + "  Operation Aborted.", {}};
    fs::path folder = request.backupFile.parent_path().empty() ? fs::path(".") : request.backupFile.parent_path();
    return replaceRosterSection({request.kaPath, std::move(backup.keyLines), folder, request.backup, request.time});
}

}  // namespace rosterdesk
