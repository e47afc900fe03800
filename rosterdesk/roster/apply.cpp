#include "rosterdesk/roster/apply.h"

#include <ctime>

#include "common/files/atomic_file.h"
#include "common/files/game_path.h"
#include "common/text/text_lines.h"
#include "rosterdesk/roster/roster_body.h"
#include "rosterdesk/roster/roster_file.h"
#include "rosterdesk/roster/roster_fields.h"
#include "rosterdesk/roster/roster_section.h"
#include "rosterdesk/roster/user_ini_lock.h"

namespace fs = std::filesystem;

namespace rosterdesk {

namespace {

std::string_view rightTrimmed(std::string_view line) {
    while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
    return line;
}

ApplyResult aborted(std::string title, std::string text) {
    return ApplyResult::failure({std::move(title), std::move(text)});
}

bool isFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

// A working copy left by an interrupted run is removed first; returns its path.
fs::path removeWorkingCopy(const fs::path& kaPath) {
    fs::path workingCopy = korvath::resolveGamePath(kaPath, "System\\dummy.ini");
    std::error_code ec;
    fs::remove(workingCopy, ec);
    return workingCopy;
}

}  // namespace

namespace {

// Where the roster of a roster file starts: the line after the section header that follows the
// empty line ending the header block. An empty line typed into the description does not end
// the block, so no description text reaches user.ini. nullopt when there is none; `problem`
// says why.
std::optional<std::size_t> rosterStart(const std::vector<std::string>& lines, const std::string& entry,
                                       std::string& problem) {
    std::size_t blank = 0;
    while (blank < lines.size() && !lines[blank].empty()) ++blank;
    if (blank == lines.size()) {
        problem = entry + " has no empty line after its header block.  Operation Aborted.";
        return std::nullopt;
    }
    while (blank < lines.size() && !(lines[blank].empty() && blank + 1 < lines.size() &&
                                     isRosterSectionHeader(lines[blank + 1])))
        ++blank;
    if (blank == lines.size()) {
        problem = entry + " has no [Botpack.ChallengeBotInfo] line after its header block.  Operation Aborted.";
        return std::nullopt;
    }
    return blank + 2;
}

// The first free name among "curconfig_bkup_(...).bm2", "curconfig_bkup_(...) (2).bm2", ...
// so a second backup within one second keeps the first.
fs::path freeBackupPath(const fs::path& folder, const BackupTime& time) {
    std::error_code ec;
    for (int copy = 1;; ++copy) {
        fs::path candidate = folder / backupFileName(time, copy);
        if (!fs::exists(fs::symlink_status(candidate, ec))) return candidate;
    }
}

}  // namespace

std::string readRosterDescription(const fs::path& file) {
    std::string problem;
    auto bytes = readRosterFileBytes(file, problem);
    if (!bytes) return {};
    const std::vector<std::string> lines = korvath::splitLines(*bytes);
    std::size_t i = 0;
    while (i < lines.size() && rightTrimmed(lines[i]) != kDescriptionMarker) ++i;
    std::string description;
    for (++i; i < lines.size(); ++i) {
        std::string_view line = rightTrimmed(lines[i]);
        if (line == asteriskRow()) return description;
        description += std::string(line.size() > 2 ? line.substr(2) : std::string_view()) + " ";
    }
    return {};  // never closed: not a description we can trust
}

std::vector<RosterFileEntry> listRosterFiles(const fs::path& configPath) {
    std::vector<RosterFileEntry> entries;
    for (const fs::path& path : korvath::listFolderSorted(configPath)) {
        if (!isRosterFileName(path.filename().string()) || !isFile(path)) continue;
        entries.push_back({path.filename().string(), readRosterDescription(path)});
    }
    return entries;
}

BackupTime backupTimeNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {local.tm_mon + 1, local.tm_mday, local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec};
}

std::string backupFileName(const BackupTime& t, int copy) {
    return "curconfig_bkup_(" + decimalText(t.month) + "-" + decimalText(t.day) + "-" + decimalText(t.year) + "-" +
           decimalText(t.hour) + "-" + decimalText(t.minute) + "-" + decimalText(t.second) + ")" +
           (copy > 1 ? " (" + decimalText(copy) + ")" : std::string()) + ".bm2";
}

ApplyResult applyRoster(const ApplyRequest& request) {
    const fs::path rosterFile = request.configPath / request.entry;
    if (!isFile(rosterFile))
        return aborted("Missing File", "Can't find " + request.entry + ".  Operation Aborted.");
    std::string problem;
    auto bytes = readRosterFileBytes(rosterFile, problem);
    if (!bytes) return aborted("Apply Configuration...", problem + "  Operation Aborted.");
    const std::vector<std::string> rosterLines = korvath::splitLines(*bytes);
    auto start = rosterStart(rosterLines, request.entry, problem);
    if (!start) return aborted("Invalid Configuration File", problem);
    korvath::Result<RosterBody> body = rosterBody(rosterLines, *start, request.entry);
    if (!body.ok()) return aborted("Invalid Configuration File", body.error() + "  Operation Aborted.");
    if (body->keyLines.empty())
        return aborted("Invalid Configuration File",
                       request.entry + " holds no roster lines after its header block.  Operation Aborted.");
    return withWarning(replaceRosterSection({request.kaPath, std::move(body->keyLines), request.configPath,
                                             request.backup, request.time}),
                       body->warning);
}

ApplyResult withWarning(ApplyResult result, const std::string& warning) {
    if (result && !warning.empty()) result->message.text += "\r\n\r\n" + warning;
    return result;
}

ApplyResult replaceRosterSection(const SectionReplacement& replacement) {
    const fs::path userIni = korvath::resolveGamePath(replacement.kaPath, "System\\user.ini");
    // Held until user.ini is replaced: the working copy and the backup name are ours meanwhile.
    // Asked first, because on Windows another apply's replacement leaves a moment without the
    // file, which the lock waits out.
    std::string problem;
    std::optional<UserIniLock> lock = UserIniLock::acquire(userIni, problem);
    if (!isFile(userIni)) {
        removeWorkingCopy(replacement.kaPath);
        return aborted("User.ini File Missing", "Can't find user.ini.  Operation Aborted");
    }
    if (!lock) return aborted("Apply Configuration...", problem + ".  Operation Aborted");
    const fs::path workingCopy = removeWorkingCopy(replacement.kaPath);
    auto oldLines = korvath::readTextLines(userIni);
    if (!oldLines) return aborted("Apply Configuration...", "Can't read user.ini.  Operation Aborted");
    const std::vector<std::string>& keyLines = replacement.keyLines;

    // Build the new user.ini in memory; the old section goes to `oldSection`.
    std::vector<std::string> result;
    std::vector<std::string> oldSection;
    if (auto section = findRosterSection(*oldLines)) {
        auto at = [&](std::size_t i) { return oldLines->begin() + static_cast<std::ptrdiff_t>(i); };
        result.assign(oldLines->begin(), at(section->header));
        oldSection.assign(at(section->header), at(section->end));
        result.push_back(oldSection.front());
        result.insert(result.end(), keyLines.begin(), keyLines.end());
        result.emplace_back();
        result.insert(result.end(), at(section->end), oldLines->end());
    } else {
        // No roster section yet: append one, separated from what is there by one empty line.
        result = *oldLines;
        if (!result.empty() && !result.back().empty()) result.emplace_back();
        result.emplace_back(kRosterSection);
        result.insert(result.end(), keyLines.begin(), keyLines.end());
        result.emplace_back();
    }

    // The working copy keeps the old user.ini until the new one is in place.
    std::error_code ec;
    if (korvath::Status copied = korvath::copyFileAtomically(userIni, workingCopy, true); !copied)
        return aborted("Apply Configuration...", "Can't copy user.ini to dummy.ini.  Operation Aborted\r\n\r\n" +
                                                     copied.error());
    AppliedRoster done;
    if (replacement.backup && !oldSection.empty()) {
        fs::path backupFile = freeBackupPath(replacement.backupFolder, replacement.time);
        if (korvath::Status saved = korvath::writeFileAtomically(backupFile, korvath::joinCrLf(oldSection)); !saved) {
            fs::remove(workingCopy, ec);
            return aborted("Apply Configuration...",
                           "Can't write the backup file.  Operation Aborted\r\n\r\n" + saved.error());
        }
        done.backupFile = backupFile;
    }
    if (korvath::Status written = korvath::writeFileAtomically(userIni, korvath::joinCrLf(result)); !written) {
        fs::remove(workingCopy, ec);
        return aborted("Apply Configuration...", "Can't write user.ini.  Operation Aborted\r\n\r\n" + written.error());
    }
    fs::remove(workingCopy, ec);
    return done;
}

}  // namespace rosterdesk
