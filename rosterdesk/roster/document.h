#pragma once
// The roster as a document: its file label, the saved indicator ("Saved", "Modified",
// "Loaded") and the commands that write, replace or drop the roster. Questions go through the
// interaction layer; the Save As dialog is a callback the window provides.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/interaction/interaction.h"
#include "common/result.h"
#include "rosterdesk/roster/roster.h"

namespace rosterdesk {

inline constexpr std::string_view kUnnamed = "(Un-Named)";

enum class SavedState { None, Saved, Modified, Loaded };  // None: nothing shown yet (program start)

struct DocumentState {
    std::string fileLabel;             // empty at program start, "(Un-Named)" for a new roster
    SavedState state = SavedState::None;
    bool savedLabelEnabled = false;    // lblSaved
    bool saveEnabled = false;          // mnuFileSave
    bool saveAsEnabled = false;        // mnuFileSaveAs
    bool bRefreshing = false;          // the window is copying a whole roster into its controls
};

// The program's roster and its document state, owned by the main window.
struct RosterSession {
    Roster roster = defaultRoster();
    DocumentState document;
};

void SavedFunc(DocumentState& document, bool bSave);
bool IsSaved(const DocumentState& document);
void LoadedFunc(DocumentState& document);
// What every edit handler does after storing a changed value.
void markModified(DocumentState& document);
// "Saved", "Modified", "Loaded"; empty before any of them.
std::string_view savedCaption(SavedState state);

enum class DocumentCommand { New, Open, Exit, QuitLaunch };

// The save question asked before `command` replaces or drops an unsaved roster.
korvath::MessageRequest savePromptRequest(DocumentCommand command);

// The name typed into the Save As dialog (without the ".bm" rule applied); nullopt for Cancel.
using SaveNameChooser = std::function<std::optional<std::string>()>;

enum class SaveResult { Saved, Declined, Cancelled, Failed };

// Writes the roster to folder/fileName. When the file exists and `bOverwrite` is false, asks
// first; anything but Yes writes nothing and leaves the indicator. A failed write is shown
// ("Save Configuration") and leaves the indicator too.
SaveResult SaveConfigAs(RosterSession& session, const std::filesystem::path& folder,
                        const std::string& fileName, bool bOverwrite, korvath::Interaction& interaction);
// The Save As dialog's rule: ".bm" is appended unless the name already ends in exactly ".bm".
std::string rosterFileName(std::string typed);
// Why a name typed into Save As or Open cannot be used ("" when it can): roster files stay inside the
// roster folder, so folder separators, drives, absolute paths and "." or ".." are refused,
// and so is an empty name.
std::string rosterNameProblem(std::string_view typed);
inline constexpr std::string_view kSaveAsTitle = "Save Configuration As...";
// Save As: asks for a name (a refused one is explained and nothing is written); Cancel marks the roster modified. The label follows a written file.
SaveResult saveDocumentAs(RosterSession& session, const std::filesystem::path& configPath,
                          korvath::Interaction& interaction, const SaveNameChooser& chooseName);
// Save: Save As for an un-named roster, else overwrite the labelled file without asking.
SaveResult saveDocument(RosterSession& session, const std::filesystem::path& configPath,
                        korvath::Interaction& interaction, const SaveNameChooser& chooseName);

// The save prompt: true when the command may go on (saved already, Yes whatever the save
// gave, or No); false for Cancel.
bool confirmDiscard(RosterSession& session, DocumentCommand command, const std::filesystem::path& configPath,
                    korvath::Interaction& interaction, const SaveNameChooser& chooseName);

// New after its prompt: the default slots, roster-wide settings cleared, "(Un-Named)",
// "Modified", Save and Save As enabled. The description stays.
void newDocument(RosterSession& session);
// Open after its prompt: reads configPath/fileName; on success the roster is replaced, the
// label is the file name and the state "Loaded". On failure nothing changes.
korvath::Status openDocument(RosterSession& session, const std::filesystem::path& configPath,
                             const std::string& fileName);

}  // namespace rosterdesk
