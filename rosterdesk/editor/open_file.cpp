#include "rosterdesk/editor/open_file.h"

#include "common/files/atomic_file.h"
#include "common/text/code_page.h"
#include "common/text/text_lines.h"
#include "rosterdesk/roster/roster_file.h"

namespace fs = std::filesystem;

namespace rosterdesk {

namespace {

void refuse(korvath::Interaction& interaction, const std::string& name, const std::string& why) {
    interaction.inform(std::string(kOpenTitle), "Can't open " + korvath::fileNameAsText(name) + ".\r\n\r\n" + why, korvath::Icon::Warning);
}

bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

}  // namespace

bool openChosenRoster(RosterSession& session, const fs::path& configPath, const OpenChoice& choice,
                      korvath::Interaction& interaction) {
    korvath::Status read = openDocument(session, configPath, choice.name);
    if (!read) refuse(interaction, choice.name, read.error());
    return read.ok();
}

bool openRosterFromPath(RosterSession& session, const fs::path& configPath, const fs::path& file,
                        korvath::Interaction& interaction, const SaveNameChooser& chooseName) {
    if (!confirmDiscard(session, DocumentCommand::Open, configPath, interaction, chooseName)) return false;
    const std::string name = file.filename().string();
    if (!isRosterFileName(name) || name == ".bm") {
        refuse(interaction, name, "A configuration file's name ends in .bm.");
        return false;
    }
    // Read before anything is copied, so a file that is no roster leaves the folder alone.
    Roster scratch;
    if (korvath::Status read = readRosterFileInto(file, scratch); !read) {
        refuse(interaction, name, read.error());
        return false;
    }
    const fs::path target = configPath / name;
    std::error_code ec;
    if (!sameFile(file, target)) {
        bool exists = fs::exists(fs::symlink_status(target, ec));
        if (exists && korvath::readFileBytes(target) != korvath::readFileBytes(file) &&
            interaction.message({"File Already Exists", "This file exists, do you really want to over write it?",
                                 korvath::Buttons::YesNo, korvath::Icon::None}) != korvath::Answer::Yes)
            return false;
        if (korvath::Status copied = korvath::copyFileAtomically(file, target, true); !copied) {
            refuse(interaction, name, copied.error());
            return false;
        }
    }
    if (korvath::Status opened = openDocument(session, configPath, name); !opened) {
        refuse(interaction, name, opened.error());
        return false;
    }
    return true;
}

}  // namespace rosterdesk
