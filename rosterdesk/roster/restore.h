#pragma once
// Putting a ".bm2" backup (the section as apply found it) back into the game's user.ini. The
// section it replaces is backed up the same way first, beside the backup restored.
#include <filesystem>
#include <string>
#include <vector>

#include "common/result.h"
#include "rosterdesk/roster/apply.h"
#include "rosterdesk/roster/roster_body.h"

namespace rosterdesk {

// A backup's key lines: the key lines after its "[Botpack.ChallengeBotInfo]" first line, up to
// a line opening another section (see roster_body.h), at least one; or why the file is no
// roster backup. `name` is used in the messages.
korvath::Result<RosterBody> backupKeyLines(const std::vector<std::string>& lines, const std::string& name);

struct RestoreRequest {
    std::filesystem::path backupFile;
    std::filesystem::path kaPath;
    bool backup = true;
    BackupTime time = backupTimeNow();
};
ApplyResult restoreBackup(const RestoreRequest& request);

}  // namespace rosterdesk
