#include "rosterdesk/roster/restore.h"

#include <system_error>

#include "common/text/text_lines.h"

namespace fs = std::filesystem;

namespace rosterdesk {

korvath::Result<RosterBody> backupKeyLines(const std::vector<std::string>& lines, const std::string& name) {
    std::size_t first = 0;
    while (first < lines.size() && lines[first].empty()) ++first;
    if (first == lines.size() || !isRosterSectionHeader(lines[first]))
        return korvath::Result<RosterBody>::failure(
            name + " is not a roster backup: it does not start with [Botpack.ChallengeBotInfo].");
    korvath::Result<RosterBody> body = rosterBody(lines, first + 1, name);
    if (body.ok() && body->keyLines.empty())
        return korvath::Result<RosterBody>::failure(name + " holds no roster lines.");
    return body;
}

ApplyResult restoreBackup(const RestoreRequest& request) {
    const std::string name = request.backupFile.filename().string();
    std::error_code ec;
    if (!fs::exists(request.backupFile, ec))
        return ApplyResult::failure({"Missing File", "Can't find " + name + ".  Operation Aborted."});
    std::string problem;
    auto bytes = readRosterFileBytes(request.backupFile, problem);
    if (!bytes) return ApplyResult::failure({"Invalid Backup File", problem + "  Operation Aborted."});
    korvath::Result<RosterBody> backup = backupKeyLines(korvath::splitLines(*bytes), name);
    if (!backup.ok()) return ApplyResult::failure({"Invalid Backup File", backup.error() + "  Operation Aborted."});
    fs::path folder = request.backupFile.parent_path().empty() ? fs::path(".") : request.backupFile.parent_path();
    return withWarning(
        replaceRosterSection({request.kaPath, std::move(backup->keyLines), folder, request.backup, request.time}),
        backup->warning);
}

}  // namespace rosterdesk
