#include "rosterdesk/editor/options_choice.h"

#include <gtest/gtest.h>

#include "common/interaction/scripted_interaction.h"
#include "common/testing/temp_dir.h"
#include "common/text/text_lines.h"
#include "rosterdesk/catalogue/tests/int_text.h"

namespace fs = std::filesystem;

namespace rosterdesk {
namespace {

using korvath::Answer;
using testing::botLine;
using testing::crlf;

std::string addOn(bool fixedOn, bool maleOn) {
    std::string f = fixedOn ? "" : ";", m = maleOn ? "" : ";";
    return crlf({"[Public]", f + botLine("SkeletalCharsFix313.WarBossBotFix313", "WarBoss [Fixed]"),
                 m + botLine("SkeletalCharsFix313.WarBossMBotFix313", "WarBoss [Fixed/Male Voices]")});
}

struct OptionsChoiceTest : ::testing::Test {
    korvath::testing::TempDir dir;
    korvath::ScriptedInteraction ui;
    Settings settings;
    BossVariant boss = BossVariant::Both;

    void SetUp() override {
        dir.makeDir("home");
        dir.write("game/System/user.ini", "");
        dir.write("game2/System/user.ini", "");
        dir.write("game/System/skeletalcharsfix313.int", addOn(true, true));
        dir.write("old/a.bm", "x");
        settings.KAPath = (dir / "game").string() + "/";
        settings.ConfigPath = (dir / "old").string() + "/";
    }
    std::string folder(const char* name) const { return (dir / name).string() + "/"; }
    bool apply(const OptionsChoice& choice) { return applyOptionsChoice(choice, settings, boss, dir / "home", ui); }
};

// Each field of the choice changes what it names and nothing else; options.ini always ends up
// holding the settings.
TEST_F(OptionsChoiceTest, EachChoiceIsAppliedAndWritten) {
    struct Case {
        const char* what;
        OptionsChoice choice;
        BossVariant boss;
    };
    const Case cases[] = {
        {"nothing changed", {false, std::nullopt, false}, BossVariant::Both},
        {"AutoClose", {false, std::nullopt, true}, BossVariant::Both},
        {"another game folder was chosen", {true, std::nullopt, false}, BossVariant::Both},
        {"boss [Fixed] only", {false, 2, false}, BossVariant::FixedOnly},
        {"boss unchanged", {false, 0, false}, BossVariant::Both},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        dir.write("game/System/skeletalcharsfix313.int", addOn(true, true));
        boss = BossVariant::Both;
        settings.AutoClose = c.choice.autoClose ? 0 : 1;
        ui.clear();

        EXPECT_EQ(apply(c.choice), c.choice.restart);
        EXPECT_TRUE(ui.shown().empty());
        EXPECT_EQ(settings.KAPath, folder("game"));
        EXPECT_EQ(settings.ConfigPath, folder("old"));
        EXPECT_EQ(settings.AutoClose, c.choice.autoClose ? 1 : 0);
        EXPECT_EQ(boss, c.boss);
        EXPECT_EQ(detectBossVariant(dir / "game"), c.boss);
        EXPECT_EQ(korvath::readFileBytes(dir / "home/options.ini"), formatOptions(settings));
    }
}

// A roster folder chosen with Change is made and used at once; the old one's files move only
// when the user says so.
TEST_F(OptionsChoiceTest, ARosterFolderChoiceIsMadeAndTheFilesMovedAsAnswered) {
    for (Answer move : {Answer::No, Answer::Yes}) {
        SCOPED_TRACE(move == Answer::Yes ? "moved" : "kept");
        SetUp();
        fs::remove_all(dir / "new");
        ui.clear();
        ui.answer(move);
        applyRosterFolderChoice(folder("new"), settings, ui);
        EXPECT_EQ(settings.ConfigPath, folder("new"));
        EXPECT_TRUE(fs::is_directory(dir / "new"));
        ASSERT_FALSE(ui.shown().empty());
        EXPECT_EQ(ui.shown()[0].title, "Configuration Files Exist!");
        EXPECT_EQ(fs::exists(dir / "new/a.bm"), move == Answer::Yes);
        EXPECT_EQ(fs::exists(dir / "old/a.bm"), move == Answer::No);
        EXPECT_EQ(ui.pending(), 0u);
    }
}

TEST_F(OptionsChoiceTest, OptionsThatCannotBeWrittenAreReportedAndTheRestStillApplied) {
    fs::remove_all(dir / "home");
    dir.write("home", "a file where the folder should be");
    EXPECT_FALSE(apply({false, 1, true}));
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].title, "Rosterdesk");
    EXPECT_EQ(ui.shown()[0].icon, korvath::Icon::Warning);
    EXPECT_EQ(settings.AutoClose, 1);
    EXPECT_EQ(boss, BossVariant::NoFixed);
}

}  // namespace
}  // namespace rosterdesk
