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
        std::vector<Answer> answers;
        bool restart;
        std::vector<std::string> titlesShown;
        std::string kaPath, configPath;  // relative to dir, "" for unchanged
        BossVariant boss;
    };
    const Case cases[] = {
        {"nothing changed", {{}, {}, std::nullopt, false}, {}, false, {}, "", "", BossVariant::Both},
        {"AutoClose", {{}, {}, std::nullopt, true}, {}, false, {}, "", "", BossVariant::Both},
        {"roster folder, files kept",
         {folder("new"), {}, std::nullopt, false},
         {Answer::No},
         false,
         {"Configuration Files Exist!"},
         "",
         "new",
         BossVariant::Both},
        {"same game folder", {{}, folder("game"), std::nullopt, false}, {}, false, {}, "", "", BossVariant::Both},
        {"other game folder",
         {{}, folder("game2"), std::nullopt, false},
         {},
         true,
         {"Restart Rosterdesk"},
         "game2",
         "",
         BossVariant::Both},
        {"boss [Fixed] only", {{}, {}, 2, false}, {}, false, {}, "", "", BossVariant::FixedOnly},
        {"boss unchanged", {{}, {}, 0, false}, {}, false, {}, "", "", BossVariant::Both},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        dir.write("game/System/skeletalcharsfix313.int", addOn(true, true));
        boss = BossVariant::Both;
        settings.AutoClose = c.choice.autoClose ? 0 : 1;
        settings.RestartPending = false;
        ui.clear();
        for (Answer a : c.answers) ui.answer(a);

        EXPECT_EQ(apply(c.choice), c.restart);
        std::vector<std::string> titles;
        for (const auto& shown : ui.shown()) titles.push_back(shown.title);
        EXPECT_EQ(titles, c.titlesShown);
        EXPECT_EQ(settings.KAPath, folder(c.kaPath.empty() ? "game" : c.kaPath.c_str()));
        EXPECT_EQ(settings.ConfigPath, folder(c.configPath.empty() ? "old" : c.configPath.c_str()));
        EXPECT_TRUE(fs::is_directory(settings.ConfigPath));
        EXPECT_TRUE(fs::exists(dir / "old/a.bm"));  // moving was declined or not asked
        EXPECT_EQ(settings.AutoClose, c.choice.autoClose ? 1 : 0);
        EXPECT_EQ(settings.RestartPending, c.restart);
        EXPECT_EQ(boss, c.boss);
        EXPECT_EQ(detectBossVariant(dir / "game"), c.boss);
        EXPECT_EQ(korvath::readFileBytes(dir / "home/options.ini"), formatOptions(settings));
        EXPECT_EQ(ui.pending(), 0u);
    }
}

TEST_F(OptionsChoiceTest, OptionsThatCannotBeWrittenAreReportedAndTheRestStillApplied) {
    fs::remove_all(dir / "home");
    dir.write("home", "a file where the folder should be");
    EXPECT_FALSE(apply({{}, {}, 1, true}));
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].title, "Rosterdesk");
    EXPECT_EQ(ui.shown()[0].icon, korvath::Icon::Warning);
    EXPECT_EQ(settings.AutoClose, 1);
    EXPECT_EQ(boss, BossVariant::NoFixed);
}

}  // namespace
}  // namespace rosterdesk
