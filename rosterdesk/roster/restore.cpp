#include "rosterdesk/roster/restore.h"

#include <system_error>

#include "common/text/text_lines.h"
#include "rosterdesk/roster/roster_body.h"

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
    RosterBody body = rosterBody(lines, first + 1, name);
    result.warning = std::move(body.warning);
    if (!body.problem.empty())
        result.problem = std::move(body.problem);
    else if (body.keyLines.empty())
        result.problem = name + " holds no roster lines.";
    else
        result.keyLines = std::move(body.keyLines);
    return result;
}

ApplyResult restoreBackup(const RestoreRequest& request) {
    const std::string name = request.backupFile.filename().string();
    std::error_code ec;
    if (!fs::exists(request.backupFile, ec))
        return ApplyResult::failure({"Missing File", "Can't find " + name + ".  Operation Aborted."});
    std::string problem;
    auto bytes = readRosterFileBytes(request.backupFile, problem);
    if (!bytes) return ApplyResult::failure({"Invalid Backup File", problem + "  Operation Aborted."});
    BackupLines backup = backupKeyLines(korvath::splitLines(*bytes), name);
    if (backup.keyLines.empty())
        return ApplyResult::failure({"Invalid Backup File", backup.problem + "  Operation Aborted."});
    fs::path folder = request.backupFile.parent_path().empty() ? fs::path(".") : request.backupFile.parent_path();
    return withWarning(replaceRosterSection({request.kaPath, std::move(backup.keyLines), folder, request.backup, request.time}),
                       backup.warning);
}

}  // namespace rosterdesk
