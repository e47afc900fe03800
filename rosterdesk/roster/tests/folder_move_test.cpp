#include "rosterdesk/roster/folder_move.h"

#include <gtest/gtest.h>

#include "common/interaction/scripted_interaction.h"
#include "common/testing/temp_dir.h"

namespace rosterdesk {
namespace {

namespace fs = std::filesystem;
using korvath::Answer;
using korvath::ScriptedInteraction;

const char* const kMoveQuestion =
    "Move files to new directory?\r\n\r\nYes will move files and remove the old directory.\r\n\r\n"
    "No will not move or remove the old directory.";
const char* const kRemoveQuestion = "Yes = Remove directory and existing files.\r\n\r\n No = Do not remove files or directory.";

class FolderMoveTest : public ::testing::Test {
protected:
    korvath::testing::TempDir dir;
    ScriptedInteraction ui;
    void SetUp() override {
        dir.write("old/a.bm", "A");
        dir.write("old/b.bm", "B");
        dir.write("old/c.BM", "C");
        dir.makeDir("new");
    }
};

TEST_F(FolderMoveTest, YesMovesTheFilesAndRemovesTheEmptyOldFolder) {
    dir.write("old/.bm", "E");  // saved under an empty name, still a roster file
    ui.answer(Answer::Yes);
    FolderMoveReport report = moveRosterFiles(dir / "old", dir / "new", ui);
    EXPECT_EQ(report.moved, 4);
    EXPECT_EQ(dir.read("new/.bm"), "E");
    EXPECT_TRUE(report.oldFolderRemoved);
    EXPECT_FALSE(fs::exists(dir / "old"));
    EXPECT_EQ(dir.read("new/a.bm"), "A");
    EXPECT_EQ(dir.read("new/c.BM"), "C");
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].title, "Configuration Files Exist!");
    EXPECT_EQ(ui.shown()[0].text, kMoveQuestion);
    EXPECT_EQ(ui.shown()[0].buttons, korvath::Buttons::YesNo);
}

TEST_F(FolderMoveTest, OtherFilesAreRemovedOnlyAfterTheSecondYes) {
    dir.write("old/notes.txt", "keep?");
    ui.answer(Answer::Yes);
    ui.answer(Answer::No);
    moveRosterFiles(dir / "old", dir / "new", ui);
    ASSERT_EQ(ui.shown().size(), 2u);
    EXPECT_EQ(ui.shown()[1].title, "Files Exist in Old Directory!");
    EXPECT_EQ(ui.shown()[1].text, kRemoveQuestion);
    EXPECT_EQ(dir.read("old/notes.txt"), "keep?");
    EXPECT_FALSE(fs::exists(dir / "old/a.bm"));

    dir.write("old/d.bm", "D");
    ui.answer(Answer::Yes);
    ui.answer(Answer::Yes);
    EXPECT_TRUE(moveRosterFiles(dir / "old", dir / "new", ui).oldFolderRemoved);
    EXPECT_FALSE(fs::exists(dir / "old"));
    EXPECT_EQ(dir.read("new/d.bm"), "D");
}

TEST_F(FolderMoveTest, NoLeavesEverythingAndTheSameFolderAsksNothing) {
    ui.answer(Answer::No);
    moveRosterFiles(dir / "old", dir / "new", ui);
    EXPECT_EQ(dir.read("old/a.bm"), "A");
    EXPECT_FALSE(fs::exists(dir / "new/a.bm"));

    ui.clear();
    moveRosterFiles(dir / "old", dir / "old/.", ui);
    EXPECT_TRUE(ui.shown().empty());
    EXPECT_EQ(dir.read("old/a.bm"), "A");
}

TEST_F(FolderMoveTest, AFileThatCannotBeCopiedIsReportedSkippedAndKept) {
    dir.makeDir("new/b.bm/blocker");  // a folder where b.bm must go
    ui.answer(Answer::Yes);
    ui.answer(Answer::Yes);
    FolderMoveReport report = moveRosterFiles(dir / "old", dir / "new", ui);
    EXPECT_EQ(report.moved, 2);
    EXPECT_EQ(report.skipped, 1);
    ASSERT_EQ(ui.shown().size(), 3u);
    EXPECT_TRUE(ui.shown()[1].text.starts_with("Error in modCommon.FileOP.\r\n\r\nError Desc: ")) << ui.shown()[1].text;
    EXPECT_TRUE(ui.shown()[1].text.ends_with("\r\n\r\nSkipping file: b.bm"));
    EXPECT_EQ(ui.shown()[2].title, "Files Exist in Old Directory!");
    EXPECT_EQ(dir.read("old/b.bm"), "B");  // its only copy survives the Yes
    EXPECT_FALSE(report.oldFolderRemoved);
}

}  // namespace
}  // namespace rosterdesk
