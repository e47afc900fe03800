#include "rosterdesk/editor/open_file.h"

#include <gtest/gtest.h>

#include "common/interaction/scripted_interaction.h"
#include "common/testing/temp_dir.h"
#include "rosterdesk/roster/roster_file.h"

namespace rosterdesk {
namespace {

using korvath::Answer;

struct OpenFileTest : ::testing::Test {
    korvath::testing::TempDir dir;
    korvath::ScriptedInteraction ui;
    RosterSession session;

    std::string rosterNamed(const std::string& botName) {
        Roster roster = defaultRoster();
        roster.BotNames[0] = botName;
        return formatRosterFile(roster, "x.bm");
    }
    bool open(const std::string& relative) {
        return openRosterFromPath(session, dir / "configs", dir / relative, ui, [] { return std::nullopt; });
    }
    void SetUp() override { dir.makeDir("configs"); }
};

TEST_F(OpenFileTest, AFileFromElsewhereIsCopiedIntoTheRosterFolderAndOpenedThere) {
    const std::string bytes = rosterNamed("Visitor");
    dir.write("downloads/Team.bm", bytes);
    ASSERT_TRUE(open("downloads/Team.bm"));
    EXPECT_TRUE(ui.shown().empty());  // nothing to save before the first New or Open
    EXPECT_EQ(dir.read("configs/Team.bm"), bytes);
    EXPECT_EQ(dir.read("downloads/Team.bm"), bytes);
    EXPECT_EQ(session.roster.BotNames[0], "Visitor");
    EXPECT_EQ(session.document.fileLabel, "Team.bm");
    EXPECT_EQ(session.document.state, SavedState::Loaded);

    // A file of the roster folder itself is opened where it is; "Loaded" asks first.
    ui.answer(Answer::No);
    ASSERT_TRUE(open("configs/Team.bm"));
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].title, "Save Current Configuration?");
}

TEST_F(OpenFileTest, ReplacingADifferentRosterOfTheSameNameIsAskedFirst) {
    dir.write("configs/Team.bm", rosterNamed("Resident"));
    dir.write("downloads/Team.bm", rosterNamed("Visitor"));
    ui.answer(Answer::No);
    EXPECT_FALSE(open("downloads/Team.bm"));
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].title, "File Already Exists");
    EXPECT_EQ(ui.shown()[0].text, "This file exists, do you really want to over write it?");
    EXPECT_EQ(dir.read("configs/Team.bm"), rosterNamed("Resident"));
    EXPECT_EQ(session.document.state, SavedState::None);

    ui.clear();
    ui.answer(Answer::Yes);
    ASSERT_TRUE(open("downloads/Team.bm"));
    EXPECT_EQ(dir.read("configs/Team.bm"), rosterNamed("Visitor"));
    EXPECT_EQ(session.roster.BotNames[0], "Visitor");

    // The same bytes already there: nothing to ask.
    ui.clear();
    ui.answer(Answer::No);  // the save question of the loaded roster
    ASSERT_TRUE(open("downloads/Team.bm"));
    EXPECT_EQ(ui.shown().size(), 1u);
}

TEST_F(OpenFileTest, WhatIsNoRosterIsRefusedAndNothingIsCopied) {
    struct Case {
        const char* file;
        const char* bytes;
        const char* textStart;
    };
    const Case cases[] = {
        {"downloads/notes.bm", "just some text\r\n", "Can't open notes.bm.\r\n\r\n"},
        {"downloads/roster.txt", "whatever", "Can't open roster.txt.\r\n\r\nA configuration file's name ends in .bm."},
    };
    for (const Case& c : cases) {
        ui.clear();
        dir.write(c.file, c.bytes);
        EXPECT_FALSE(open(c.file)) << c.file;
        ASSERT_EQ(ui.shown().size(), 1u) << c.file;
        EXPECT_EQ(ui.shown()[0].title, "Open Existing Configuration...");
        EXPECT_EQ(ui.shown()[0].text.rfind(c.textStart, 0), 0u) << ui.shown()[0].text;
        EXPECT_FALSE(std::filesystem::exists(dir / "configs" / std::filesystem::path(c.file).filename()));
    }
    EXPECT_EQ(session.document.state, SavedState::None);
}

}  // namespace
}  // namespace rosterdesk
