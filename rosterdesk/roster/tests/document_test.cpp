#include "rosterdesk/roster/document.h"

#include <gtest/gtest.h>

#include "common/interaction/scripted_interaction.h"
#include "common/testing/temp_dir.h"
#include "rosterdesk/roster/roster_file.h"

namespace rosterdesk {
namespace {

using korvath::Answer;
using korvath::Buttons;
using korvath::ScriptedInteraction;

SaveNameChooser named(std::string name) {
    return [name] { return std::optional<std::string>(name); };
}
const SaveNameChooser kCancelSaveAs = [] { return std::optional<std::string>(); };

TEST(DocumentState, IndicatorTransitionsAndTheMarkModifiedRule) {
    DocumentState doc;
    EXPECT_FALSE(IsSaved(doc));
    EXPECT_FALSE(doc.savedLabelEnabled);

    SavedFunc(doc, true);
    EXPECT_TRUE(doc.savedLabelEnabled);
    EXPECT_TRUE(IsSaved(doc));
    EXPECT_EQ(savedCaption(doc.state), "Saved");
    EXPECT_FALSE(doc.saveEnabled);

    doc.bRefreshing = true;
    markModified(doc);
    EXPECT_EQ(savedCaption(doc.state), "Saved");
    doc.bRefreshing = false;
    markModified(doc);
    EXPECT_EQ(savedCaption(doc.state), "Modified");
    EXPECT_TRUE(doc.saveEnabled);

    doc.saveEnabled = false;
    LoadedFunc(doc);
    EXPECT_EQ(savedCaption(doc.state), "Loaded");
    EXPECT_FALSE(IsSaved(doc));
    EXPECT_FALSE(doc.saveEnabled);  // left as it was
    markModified(doc);
    EXPECT_EQ(savedCaption(doc.state), "Loaded");
}

TEST(SavePrompt, TextsPerCommand) {
    auto prompt = savePromptRequest(DocumentCommand::New);
    EXPECT_EQ(prompt.title, "Save Current Configuration?");
    EXPECT_EQ(prompt.buttons, Buttons::YesNoCancel);
    EXPECT_EQ(prompt.icon, korvath::Icon::None);
    EXPECT_EQ(prompt.text,
              "Your current config is not saved.\r\n\r\n"
              "   Yes = Save current configuration and then start a new one.\r\n\r\n"
              "    No = Loose current configuration and then start a new one.\r\n\r\n"
              "Cancel = Cancel this operation.");
    EXPECT_EQ(savePromptRequest(DocumentCommand::Open).text,
              "Your current config is not saved.\r\n\r\n"
              "   Yes = Save current configuration and then open a different configuration.\r\n\r\n"
              "    No = Loose current configuration and then open a different configuration.\r\n\r\n"
              "Cancel = Cancel this operation.");
    EXPECT_EQ(savePromptRequest(DocumentCommand::Exit).text,
              "Your current config is not saved.\r\n\r\n"
              "   Yes = Save current configuration and quit.\r\n\r\n"
              "    No = Loose current configuration and quit.\r\n\r\n"
              "Cancel = Cancel this operation.");
    EXPECT_EQ(savePromptRequest(DocumentCommand::QuitLaunch).text,
              "Your current config is not saved.\r\n\r\n"
              "   Yes = Save current configuration, quit, and then launch KA.\r\n\r\n"
              "    No = Loose current configuration, quit, and then launch KA.\r\n\r\n"
              "Cancel = Cancel this operation.");
}

TEST(SavePrompt, AsksOnlyWhenNotSavedAndGoesOnAfterACancelledSaveAs) {
    korvath::testing::TempDir dir;
    RosterSession session;
    ScriptedInteraction ui;
    SavedFunc(session.document, true);
    EXPECT_TRUE(confirmDiscard(session, DocumentCommand::New, dir.path(), ui, kCancelSaveAs));
    EXPECT_TRUE(ui.shown().empty());

    LoadedFunc(session.document);  // a just-opened file counts as not saved
    ui.answer(Answer::Cancel);
    EXPECT_FALSE(confirmDiscard(session, DocumentCommand::Open, dir.path(), ui, kCancelSaveAs));
    ui.answer(Answer::No);
    EXPECT_TRUE(confirmDiscard(session, DocumentCommand::Exit, dir.path(), ui, kCancelSaveAs));
    EXPECT_EQ(ui.shown().size(), 2u);

    session.document.fileLabel = "(Un-Named)";
    ui.answer(Answer::Yes);
    EXPECT_TRUE(confirmDiscard(session, DocumentCommand::New, dir.path(), ui, kCancelSaveAs));
    EXPECT_EQ(savedCaption(session.document.state), "Modified");
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(Document, NewKeepsTheDescriptionAndStartsModifiedUnnamed) {
    RosterSession session;
    session.roster.description = "my notes";
    session.roster.BotNames[0] = "Changed";
    session.roster.Difficulty = 4;
    session.roster.bAdjustSkill = true;
    SavedFunc(session.document, true);
    newDocument(session);
    EXPECT_EQ(session.roster.BotNames[0], "Archon");
    EXPECT_EQ(session.roster.Difficulty, 0);
    EXPECT_FALSE(session.roster.bAdjustSkill);
    EXPECT_EQ(session.roster.description, "my notes");
    EXPECT_EQ(session.document.fileLabel, "(Un-Named)");
    EXPECT_EQ(savedCaption(session.document.state), "Modified");
    EXPECT_TRUE(session.document.saveEnabled);
    EXPECT_TRUE(session.document.saveAsEnabled);
}

TEST(Document, SaveAsAddsTheExtensionAndAsksBeforeOverwriting) {
    korvath::testing::TempDir dir;
    RosterSession session;
    newDocument(session);
    ScriptedInteraction ui;

    EXPECT_EQ(rosterFileName("mybots"), "mybots.bm");
    EXPECT_EQ(rosterFileName("mybots.BM"), "mybots.BM.bm");
    EXPECT_EQ(rosterFileName("mybots.bm"), "mybots.bm");

    EXPECT_EQ(saveDocument(session, dir.path(), ui, named("mybots")), SaveResult::Saved);
    EXPECT_EQ(session.document.fileLabel, "mybots.bm");
    EXPECT_TRUE(IsSaved(session.document));
    EXPECT_EQ(dir.read("mybots.bm"), formatRosterFile(session.roster, "mybots.bm"));
    EXPECT_TRUE(ui.shown().empty());

    // Save on a named roster overwrites without asking.
    session.roster.BotNames[1] = "Other";
    SavedFunc(session.document, false);
    EXPECT_EQ(saveDocument(session, dir.path(), ui, kCancelSaveAs), SaveResult::Saved);
    EXPECT_TRUE(ui.shown().empty());
    EXPECT_NE(dir.read("mybots.bm").find("BotNames[1]=Other\r\n"), std::string::npos);

    // Save As onto an existing name asks; No writes nothing and leaves label and indicator.
    SavedFunc(session.document, false);
    session.roster.BotNames[1] = "Third";
    const std::string before = dir.read("mybots.bm");
    session.document.fileLabel = "(Un-Named)";
    ui.answer(Answer::No);
    EXPECT_EQ(saveDocumentAs(session, dir.path(), ui, named("mybots.bm")), SaveResult::Declined);
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].title, "File Already Exists");
    EXPECT_EQ(ui.shown()[0].text, "This file exists, do you really want to over write it?");
    EXPECT_EQ(ui.shown()[0].buttons, Buttons::YesNo);
    EXPECT_EQ(dir.read("mybots.bm"), before);
    EXPECT_EQ(session.document.fileLabel, "(Un-Named)");
    EXPECT_EQ(savedCaption(session.document.state), "Modified");

    ui.answer(Answer::Yes);
    EXPECT_EQ(saveDocumentAs(session, dir.path(), ui, named("mybots.bm")), SaveResult::Saved);
    EXPECT_NE(dir.read("mybots.bm").find("BotNames[1]=Third\r\n"), std::string::npos);
}

TEST(Document, SaveAsRefusesNamesThatLeaveTheRosterFolder) {
    korvath::testing::TempDir dir;
    dir.makeDir("configs/sub");
    RosterSession session;
    newDocument(session);
    for (const char* typed : {"../escape", "sub/inner", "sub\\inner", "C:evil", "/tmp/abs", "..", "."}) {
        ScriptedInteraction ui;
        EXPECT_EQ(saveDocumentAs(session, dir / "configs", ui, named(typed)), SaveResult::Failed) << typed;
        ASSERT_EQ(ui.shown().size(), 1u);
        EXPECT_EQ(ui.shown()[0].title, "Save Configuration As...");
        EXPECT_EQ(ui.shown()[0].text, "\"" + std::string(typed) +
                                          "\" is not a plain file name.\r\n\r\nConfigurations are kept in the "
                                          "configuration folder: type a name without folders, drive letters or \"..\".");
    }
    EXPECT_EQ(rosterNameProblem(""), "Please type a file name.");
    EXPECT_EQ(rosterNameProblem("my..bots"), "");
    EXPECT_EQ(std::distance(std::filesystem::recursive_directory_iterator(dir.path()), {}), 2);  // configs, sub
    EXPECT_FALSE(std::filesystem::exists(dir / "escape.bm"));
    EXPECT_EQ(session.document.fileLabel, "(Un-Named)");
    dir.write("outside.bm", formatRosterFile(session.roster, "outside.bm"));
    EXPECT_FALSE(openDocument(session, dir / "configs", "../outside.bm"));
    EXPECT_EQ(session.document.fileLabel, "(Un-Named)");
}

TEST(Document, FailedWriteIsReportedAndLeavesTheIndicator) {
    korvath::testing::TempDir dir;
    dir.write("notAFolder", "x");
    RosterSession session;
    newDocument(session);
    ScriptedInteraction ui;
    EXPECT_EQ(SaveConfigAs(session, dir / "notAFolder", "a.bm", true, ui), SaveResult::Failed);
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].title, "Save Configuration");
    EXPECT_TRUE(ui.shown()[0].text.starts_with("Could not save a.bm.\r\n\r\n"));
    EXPECT_EQ(savedCaption(session.document.state), "Modified");
}

TEST(Document, OpenLoadsOrLeavesEverythingAsItWas) {
    korvath::testing::TempDir dir;
    Roster saved = defaultRoster();
    saved.BotNames[2] = "FromFile";
    saved.description = "file text";
    dir.write("old.bm", formatRosterFile(saved, "old.bm"));
    dir.write("broken.bm", "* Description:\r\n");

    RosterSession session;
    session.roster.description = "previous description";
    newDocument(session);
    korvath::Status failed = openDocument(session, dir.path(), "broken.bm");
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.error(), "The description is not closed by a row of asterisks.");
    EXPECT_EQ(session.document.fileLabel, "(Un-Named)");
    EXPECT_EQ(session.roster.description, "previous description");

    ASSERT_TRUE(openDocument(session, dir.path(), "old.bm"));
    EXPECT_EQ(session.roster.BotNames[2], "FromFile");
    EXPECT_EQ(session.roster.description, "file text ");
    EXPECT_EQ(session.document.fileLabel, "old.bm");
    EXPECT_EQ(savedCaption(session.document.state), "Loaded");
}

}  // namespace
}  // namespace rosterdesk
