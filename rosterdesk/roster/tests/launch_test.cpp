#include "rosterdesk/roster/launch.h"

#include <gtest/gtest.h>

#include "common/interaction/scripted_interaction.h"
#include "common/testing/environment.h"
#include "common/testing/temp_dir.h"

namespace rosterdesk {
namespace {

namespace fs = std::filesystem;
using korvath::Answer;
using korvath::ScriptedInteraction;

class FakeStarter : public GameStarter {
public:
    bool succeed = true;
    std::vector<GameCommand> started;
    bool startDetached(const fs::path& program, const std::vector<std::string>& arguments) override {
        started.push_back({program, arguments});
        return succeed;
    }
};

const std::function<int()> kNoDialog = [] { return 2; };
const SaveNameChooser kCancelSaveAs = [] { return std::optional<std::string>(); };

TEST(GameCommand, FindsTheExecutableWithoutRegardToCaseAndUsesWine) {
    korvath::testing::TempDir dir;
    EXPECT_FALSE(gameCommand(dir.path(), "/usr/bin"));
    dir.write("game/system/korvatharena.EXE", "MZ");
    dir.write("bin/wine", "#!/bin/sh\n");
    auto command = gameCommand(dir / "game", "/nonexistent:" + (dir / "bin").string());
    ASSERT_TRUE(command);
#ifndef _WIN32
    EXPECT_EQ(command->program, dir / "bin/wine");
    EXPECT_EQ(command->arguments, std::vector<std::string>{(dir / "game/system/korvatharena.EXE").string()});
    EXPECT_FALSE(gameCommand(dir / "game", (dir / "nowine").string()));
#endif
}

TEST(QuitAndLaunch, MissingExecutableGivesTheMessageAndKeepsTheProgramOpen) {
    korvath::testing::TempDir dir;
    RosterSession session;
    LaunchSettings settings;
    FakeStarter starter;
    ScriptedInteraction ui;
    ui.answerDialog(6);
    EXPECT_EQ(quitAndLaunch(session, settings, dir.path(), dir.path(), starter, ui, kNoDialog, kCancelSaveAs),
              LaunchOutcome::GameMissing);
    ASSERT_EQ(ui.shown().size(), 2u);
    EXPECT_EQ(ui.shown()[0].title, "dlgLaunchKA");
    EXPECT_EQ(ui.shown()[1].title, "Korvath Arena Exe Missing...");
    EXPECT_EQ(ui.shown()[1].text, "Korvath Arena Executable not found!");
    EXPECT_TRUE(starter.started.empty());

    // Present but refusing to start: the same message.
    dir.write("System/KorvathArena.exe", "MZ");
    dir.write("bin/wine", "");
    std::string oldPath = getenv("PATH") ? getenv("PATH") : "";
    korvath::testing::setEnvironment("PATH", (dir / "bin").string());
    starter.succeed = false;
    ui.clear();
    settings.dontAsk = true;
    EXPECT_EQ(quitAndLaunch(session, settings, dir.path(), dir.path(), starter, ui, kNoDialog, kCancelSaveAs),
              LaunchOutcome::GameMissing);
    korvath::testing::setEnvironment("PATH", oldPath);
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].text, "Korvath Arena Executable not found!");
    EXPECT_EQ(starter.started.size(), 1u);
}

TEST(QuitAndLaunch, ConfirmationDontAskAndTheSavePrompt) {
    korvath::testing::TempDir dir;
    dir.write("System/KorvathArena.exe", "MZ");
    dir.write("bin/wine", "");
    std::string oldPath = getenv("PATH") ? getenv("PATH") : "";
    korvath::testing::setEnvironment("PATH", (dir / "bin").string());
    RosterSession session;
    newDocument(session);  // a roster of the user's, "Modified"
    LaunchSettings settings;
    FakeStarter starter;
    ScriptedInteraction ui;

    ui.answerDialog(2);  // Cancel
    EXPECT_EQ(quitAndLaunch(session, settings, dir.path(), dir.path(), starter, ui, kNoDialog, kCancelSaveAs),
              LaunchOutcome::NotConfirmed);
    EXPECT_TRUE(starter.started.empty());

    // Don't-ask set (by the dialog's box): straight to the game; not saved, so the prompt asks.
    settings.dontAsk = true;
    ui.clear();
    ui.answer(Answer::Cancel);
    EXPECT_EQ(quitAndLaunch(session, settings, dir.path(), dir.path(), starter, ui, kNoDialog, kCancelSaveAs),
              LaunchOutcome::StayOpen);
    EXPECT_EQ(starter.started.size(), 1u);
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].title, "Save Current Configuration?");
    EXPECT_NE(ui.shown()[0].text.find("   Yes = Save current configuration, quit, and then launch KA."),
              std::string::npos);

    SavedFunc(session.document, true);
    ui.clear();
    EXPECT_EQ(quitAndLaunch(session, settings, dir.path(), dir.path(), starter, ui, kNoDialog, kCancelSaveAs),
              LaunchOutcome::Quit);
    EXPECT_TRUE(ui.shown().empty());
    korvath::testing::setEnvironment("PATH", oldPath);
}

}  // namespace
}  // namespace rosterdesk
