#include "rosterdesk/roster/apply.h"

#include <ctime>

#include "common/files/atomic_file.h"
#include "common/files/game_path.h"
#include "common/text/text_lines.h"
#include "rosterdesk/roster/roster_file.h"
#include "rosterdesk/roster/roster_fields.h"
#include "rosterdesk/roster/roster_section.h"

namespace fs = std::filesystem;

namespace rosterdesk {

namespace {

std::string_view rightTrimmed(std::string_view line) {
    while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
    return line;
}

ApplyResult aborted(std::string title, std::string text) { return {false, std::move(title), std::move(text), {}}; }

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

// The key lines of a roster file: the lines after the section header that follows the empty
// line ending the header block. An empty line typed into the description does not end the
// block, so no description text reaches user.ini. Empty when there are none; `problem` says why.
std::vector<std::string> keyLinesOf(const std::vector<std::string>& lines, const std::string& entry,
                                    std::string& problem) {
    std::size_t blank = 0;
    while (blank < lines.size() && !lines[blank].empty()) ++blank;
    if (blank == lines.size()) {
        problem = entry + " has no empty line after its header block.  Operation Aborted.";
        return {};
    }
    while (blank < lines.size() && !(lines[blank].empty() && blank + 1 < lines.size() &&
                                     isRosterSectionHeader(lines[blank + 1])))
        ++blank;
    if (blank == lines.size()) {
        problem = entry + " has no [Botpack.ChallengeBotInfo] line after its header block.  Operation Aborted.";
        return {};
    }
    std::vector<std::string> keyLines(lines.begin() + static_cast<std::ptrdiff_t>(blank + 2), lines.end());
    // Empty lines at the end would end the section early and split it in the game's eyes.
    while (!keyLines.empty() && keyLines.back().empty()) keyLines.pop_back();
    if (keyLines.empty()) problem = entry + " holds no roster lines after its header block.  Operation Aborted.";
    return keyLines;
}

}  // namespace

std::string readRosterDescription(const fs::path& file) {
    auto lines = korvath::readTextLines(file);
    if (!lines) return {};
    std::size_t i = 0;
    while (i < lines->size() && rightTrimmed((*lines)[i]) != kDescriptionMarker) ++i;
    std::string description;
    for (++i; i < lines->size(); ++i) {
        std::string_view line = rightTrimmed((*lines)[i]);
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

std::string backupFileName(const BackupTime& t) {
    return "curconfig_bkup_(" + decimalText(t.month) + "-" + decimalText(t.day) + "-" + decimalText(t.year) + "-" +
           decimalText(t.hour) + "-" + decimalText(t.minute) + "-" + decimalText(t.second) + ").bm2";
}

ApplyResult applyRoster(const ApplyRequest& request) {
    const fs::path rosterFile = request.configPath / request.entry;
    if (!isFile(rosterFile))
        return aborted("Missing File", "Can't find " + request.entry + ".  Operation Aborted.");
    auto rosterLines = korvath::readTextLines(rosterFile);
    if (!rosterLines) return aborted("Apply Configuration...", "Can't read " + request.entry + ".  Operation Aborted.");
    std::string problem;
    std::vector<std::string> keyLines = keyLinesOf(*rosterLines, request.entry, problem);
    if (keyLines.empty()) return aborted("Invalid Configuration File", problem);
    return replaceRosterSection({request.kaPath, std::move(keyLines), request.configPath, request.backup, request.time});
}

ApplyResult replaceRosterSection(const SectionReplacement& replacement) {
    const fs::path workingCopy = removeWorkingCopy(replacement.kaPath);
    const fs::path userIni = korvath::resolveGamePath(replacement.kaPath, "System\\user.ini");
    if (!isFile(userIni)) return aborted("User.ini File Missing", "Can't find user.ini.  Operation Aborted");
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
                                                     copied.message);
    ApplyResult done{true, "Apply Configuration...", "Completed", {}};
    if (replacement.backup && !oldSection.empty()) {
        fs::path backupFile = replacement.backupFolder / backupFileName(replacement.time);
        if (korvath::Status saved = korvath::writeFileAtomically(backupFile, korvath::joinCrLf(oldSection)); !saved) {
            fs::remove(workingCopy, ec);
            return aborted("Apply Configuration...",
                           "Can't write the backup file.  Operation Aborted\r\n\r\n" + saved.message);
        }
        done.backupFile = backupFile;
    }
    if (korvath::Status written = korvath::writeFileAtomically(userIni, korvath::joinCrLf(result)); !written) {
        fs::remove(workingCopy, ec);
        return aborted("Apply Configuration...", "Can't write user.ini.  Operation Aborted\r\n\r\n" + written.message);
    }
    fs::remove(workingCopy, ec);
    return done;
}

}  // namespace rosterdesk
