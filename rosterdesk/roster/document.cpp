#include "rosterdesk/roster/document.h"

#include "common/files/atomic_file.h"
#include "common/text/code_page.h"
#include "rosterdesk/roster/roster_file.h"

namespace fs = std::filesystem;
using korvath::Answer;
using korvath::Buttons;

namespace rosterdesk {

void SavedFunc(DocumentState& document, bool bSave) {
    document.savedLabelEnabled = true;
    document.state = bSave ? SavedState::Saved : SavedState::Modified;
    document.saveEnabled = !bSave;
}

bool IsSaved(const DocumentState& document) { return document.state == SavedState::Saved; }

void LoadedFunc(DocumentState& document) {
    document.savedLabelEnabled = true;
    document.state = SavedState::Loaded;  // the Save entry is left as it was
}

void markModified(DocumentState& document) {
    if (!document.bRefreshing && IsSaved(document)) SavedFunc(document, false);
}

std::string_view savedCaption(SavedState state) {
    switch (state) {
        case SavedState::Saved: return "Saved";
        case SavedState::Modified: return "Modified";
        case SavedState::Loaded: return "Loaded";
        case SavedState::None: break;
    }
    return {};
}

korvath::MessageRequest savePromptRequest(DocumentCommand command) {
    std::string yes, no;
    switch (command) {
        case DocumentCommand::New:
            yes = "   Yes = Save current configuration and then start a new one.";
            no = "    No = Loose current configuration and then start a new one.";
            break;
        case DocumentCommand::Open:
            yes = "   Yes = Save current configuration and then open a different configuration.";
            no = "    No = Loose current configuration and then open a different configuration.";
            break;
        case DocumentCommand::Exit:
            yes = "   Yes = Save current configuration and quit.";
            no = "    No = Loose current configuration and quit.";
            break;
        case DocumentCommand::QuitLaunch:
            yes = "   Yes = Save current configuration, quit, and then launch KA.";
            no = "    No = Loose current configuration, quit, and then launch KA.";
            break;
    }
    const std::string gap = "\r\n\r\n";
    return {"Save Current Configuration?",
            "Your current config is not saved." + gap + yes + gap + no + gap + "Cancel = Cancel this operation.",
            Buttons::YesNoCancel, korvath::Icon::None};
}

SaveResult SaveConfigAs(RosterSession& session, const fs::path& folder, const std::string& fileName,
                        bool bOverwrite, korvath::Interaction& interaction) {
    const fs::path path = folder / fileName;
    std::error_code ec;
    if (!bOverwrite && fs::exists(path, ec)) {
        Answer answer = interaction.message({"File Already Exists",
                                             "This file exists, do you really want to over write it?",
                                             Buttons::YesNo, korvath::Icon::None});
        if (answer != Answer::Yes) return SaveResult::Declined;
    }
    korvath::Status written = korvath::writeFileAtomically(path, formatRosterFile(session.roster, korvath::fileNameAsText(fileName)));
    if (!written) {
        interaction.inform("Save Configuration", "Could not save " + fileName + ".\r\n\r\n" + written.error(),
                           korvath::Icon::Warning);
        return SaveResult::Failed;
    }
    SavedFunc(session.document, true);
    return SaveResult::Saved;
}

std::string rosterFileName(std::string typed) {
    if (!typed.ends_with(".bm")) typed += ".bm";
    return typed;
}

std::string rosterNameProblem(std::string_view typed) {
    if (typed.empty()) return "Please type a file name.";
    const bool plain = typed != "." && typed != ".." && typed.find_first_of(std::string_view("/\\:\0", 4)) ==
                                                             std::string_view::npos;
    if (plain) return {};
    return "\"" + std::string(typed) +
           "\" is not a plain file name.\r\n\r\nConfigurations are kept in the configuration folder: type a name "
           "without folders, drive letters or \"..\".";
}

SaveResult saveDocumentAs(RosterSession& session, const fs::path& configPath, korvath::Interaction& interaction,
                          const SaveNameChooser& chooseName) {
    std::optional<std::string> typed = chooseName ? chooseName() : std::nullopt;
    if (!typed) {
        SavedFunc(session.document, false);
        return SaveResult::Cancelled;
    }
    if (std::string problem = rosterNameProblem(*typed); !problem.empty()) {
        interaction.inform(std::string(kSaveAsTitle), problem, korvath::Icon::Warning);
        return SaveResult::Failed;
    }
    std::string name = rosterFileName(*typed);
    SaveResult result = SaveConfigAs(session, configPath, name, false, interaction);
    if (result == SaveResult::Saved) session.document.fileLabel = name;
    return result;
}

SaveResult saveDocument(RosterSession& session, const fs::path& configPath, korvath::Interaction& interaction,
                        const SaveNameChooser& chooseName) {
    if (session.document.fileLabel == kUnnamed || session.document.fileLabel.empty())
        return saveDocumentAs(session, configPath, interaction, chooseName);
    return SaveConfigAs(session, configPath, session.document.fileLabel, true, interaction);
}

bool confirmDiscard(RosterSession& session, DocumentCommand command, const fs::path& configPath,
                    korvath::Interaction& interaction, const SaveNameChooser& chooseName) {
    if (IsSaved(session.document)) return true;
    // Before New or Open there is no roster of the user's to save.
    if (session.document.state == SavedState::None) return true;
    switch (interaction.message(savePromptRequest(command))) {
        case Answer::Yes:
            saveDocument(session, configPath, interaction, chooseName);  // goes on whatever it gave
            return true;
        case Answer::No: return true;
        default: return false;
    }
}

void newDocument(RosterSession& session) {
    SetDefaults(session.roster);
    session.roster.Difficulty = 0;
    session.roster.bAdjustSkill = false;
    session.roster.bRandomOrder = false;
    session.document.fileLabel = std::string(kUnnamed);
    SavedFunc(session.document, false);
    session.document.saveEnabled = true;
    session.document.saveAsEnabled = true;
}

korvath::Status openDocument(RosterSession& session, const fs::path& configPath, const std::string& fileName) {
    // The name becomes the label that Save writes to, so it must stay inside the folder too.
    if (std::string problem = rosterNameProblem(fileName); !problem.empty()) return korvath::Status::failure(problem);
    korvath::Status read = readRosterFileInto(configPath / fileName, session.roster);
    if (!read) return read;
    session.document.fileLabel = fileName;
    LoadedFunc(session.document);
    session.document.saveEnabled = true;
    session.document.saveAsEnabled = true;
    return read;
}

}  // namespace rosterdesk
