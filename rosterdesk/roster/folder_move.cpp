#include "rosterdesk/roster/folder_move.h"

#include <algorithm>
#include <string>
#include <vector>

#include "common/files/atomic_file.h"
#include "common/files/game_path.h"
#include "rosterdesk/roster/roster_file.h"

namespace fs = std::filesystem;
using korvath::Answer;
using korvath::Buttons;

namespace rosterdesk {

namespace {

std::vector<fs::path> filesIn(const fs::path& folder, bool rosterFilesOnly) {
    std::vector<fs::path> files;
    for (const fs::path& path : korvath::listFolderSorted(folder)) {
        std::error_code ec;
        if (!fs::is_regular_file(path, ec)) continue;
        if (rosterFilesOnly && !isRosterFileName(path.filename().string())) continue;
        files.push_back(path);
    }
    return files;
}

void reportFileError(korvath::Interaction& interaction, const std::string& description, const fs::path& file) {
    interaction.inform("Rosterdesk", "Error in modCommon.FileOP.\r\n\r\nError Desc: " + description +
                                         "\r\n\r\nSkipping file: " + file.filename().string(),
                       korvath::Icon::Warning);
}

bool sameFolder(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

}  // namespace

FolderMoveReport moveRosterFiles(const fs::path& oldFolder, const fs::path& newFolder,
                                 korvath::Interaction& interaction) {
    FolderMoveReport report;
    if (sameFolder(oldFolder, newFolder)) return report;
    std::vector<fs::path> rosterFiles = filesIn(oldFolder, true);
    if (rosterFiles.empty()) return report;
    Answer move = interaction.message({"Configuration Files Exist!",
                                       "Move files to new directory?\r\n\r\n"
                                       "Yes will move files and remove the old directory.\r\n\r\n"
                                       "No will not move or remove the old directory.",
                                       Buttons::YesNo, korvath::Icon::None});
    if (move != Answer::Yes) return report;

    std::vector<fs::path> notCopied;  // kept whatever is answered below: they exist nowhere else
    for (const fs::path& file : rosterFiles) {
        // Copy first; the old file goes only once the new one is complete.
        korvath::Status copied = korvath::copyFileAtomically(file, newFolder / file.filename(), true);
        if (!copied) {
            reportFileError(interaction, copied.error(), file);
            notCopied.push_back(file);
            ++report.skipped;
            continue;
        }
        std::error_code ec;
        if (!fs::remove(file, ec) || ec) {
            reportFileError(interaction, ec ? ec.message() : "the file could not be deleted", file);
            ++report.skipped;
            continue;
        }
        ++report.moved;
    }

    if (!filesIn(oldFolder, false).empty()) {
        Answer removeRest = interaction.message({"Files Exist in Old Directory!",
                                                 "Yes = Remove directory and existing files.\r\n\r\n"
                                                 " No = Do not remove files or directory.",
                                                 Buttons::YesNo, korvath::Icon::None});
        if (removeRest != Answer::Yes) return report;
        for (const fs::path& file : filesIn(oldFolder, false)) {
            if (std::find(notCopied.begin(), notCopied.end(), file) != notCopied.end()) continue;
            std::error_code ec;
            if (!fs::remove(file, ec) || ec) {
                reportFileError(interaction, ec ? ec.message() : "the file could not be deleted", file);
                ++report.skipped;
            }
        }
    }
    std::error_code ec;
    if (fs::is_empty(oldFolder, ec) && !ec) report.oldFolderRemoved = fs::remove(oldFolder, ec) && !ec;
    if (ec)
        interaction.inform("Rosterdesk", "Could not remove the old directory " + oldFolder.string() +
                                             ".\r\n\r\nError Desc: " + ec.message(),
                           korvath::Icon::Warning);
    return report;
}

}  // namespace rosterdesk
