#pragma once
// Applying a saved roster file to the game's user.ini: the file's key lines replace the lines
// of the roster section, and the old section can be kept as a dated ".bm2" backup beside the
// roster files. The new user.ini is written completely beside the old one and renamed over it.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"
#include "rosterdesk/roster/roster_section.h"

namespace rosterdesk {

// Reads the description of a roster file as the Apply dialog lists it (lines right-trimmed).
// A file without "* Description:" or without the closing row of asterisks gives "".
std::string readRosterDescription(const std::filesystem::path& file);

struct RosterFileEntry {
    std::string name;         // "MyBots.bm"
    std::string description;
};
// The "*.bm" files of the roster folder, sorted by name without regard to case.
std::vector<RosterFileEntry> listRosterFiles(const std::filesystem::path& configPath);

struct BackupTime {
    int month = 1, day = 1, year = 2000, hour = 0, minute = 0, second = 0;
};
BackupTime backupTimeNow();  // local time
// "curconfig_bkup_(12-6-2026-21-5-3).bm2"; a later copy of the same second (copy 2, 3, ...)
// "curconfig_bkup_(12-6-2026-21-5-3) (2).bm2".
std::string backupFileName(const BackupTime& time, int copy = 1);

struct ApplyRequest {
    std::filesystem::path configPath;  // the roster folder; backups go here too
    std::string entry;                 // the roster file's name in it
    std::filesystem::path kaPath;      // the game folder
    bool backup = true;
    BackupTime time = backupTimeNow();
};

// The message box to show when applying or restoring ends.
struct ApplyMessage {
    std::string title;
    std::string text;
};
struct AppliedRoster {
    ApplyMessage message{"Apply Configuration...", "Completed"};
    std::filesystem::path backupFile;  // empty when none was written
};
// Applied, or the box saying why not (user.ini is then as it was).
using ApplyResult = korvath::Result<AppliedRoster, ApplyMessage>;

// Only the roster file's key lines are applied (see roster_body.h); lines left out are named
// after "Completed" in the result's text.
ApplyResult applyRoster(const ApplyRequest& request);
// `result` with `warning` added to its text when it succeeded.
ApplyResult withWarning(ApplyResult result, const std::string& warning);

// What applying and restoring share: `keyLines` replace the lines of user.ini's roster section
// (the section is appended when there is none), the old lines going to a backup in
// `backupFolder` when `backup` is set, under a name no other file has. "System\dummy.ini" holds
// the old user.ini meanwhile. user.ini is locked from before it is read until it is replaced.
struct SectionReplacement {
    std::filesystem::path kaPath;
    std::vector<std::string> keyLines;
    std::filesystem::path backupFolder;
    bool backup = true;
    BackupTime time = backupTimeNow();
};
ApplyResult replaceRosterSection(const SectionReplacement& replacement);

}  // namespace rosterdesk
