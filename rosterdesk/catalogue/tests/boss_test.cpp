#include "rosterdesk/catalogue/boss.h"

#include <gtest/gtest.h>

#include "common/interaction/scripted_interaction.h"
#include "common/testing/temp_dir.h"
#include "rosterdesk/catalogue/tests/int_text.h"

namespace rosterdesk {
namespace {

using korvath::testing::TempDir;
using testing::botLine;
using testing::crlf;

const std::string kWarFixed = botLine("SkeletalCharsFix313.WarBossBotFix313", "WarBoss [Fixed]");
const std::string kXanFixed = botLine("SkeletalCharsFix313.XanMk2BotFix313", "Xan II [Fixed]");
const std::string kWarMale = botLine("SkeletalCharsFix313.WarBossMBotFix313", "WarBoss [Fixed/Male Voices]");
const std::string kXanMale = botLine("SkeletalCharsFix313.XanMk2MBotFix313", "Xan II [Fixed/Male Voices]");
const std::string kXanMarkMale = botLine("SkeletalCharsFix313.XanMarkBot", "XAN MARK II [FIXED/MALE VOICES]");
const std::string kOther = botLine("SkeletalCharsFix313.Other", "Something Else");

std::string addOn(bool fixedOn, bool maleOn) {
    std::string f = fixedOn ? "" : ";", m = maleOn ? "" : ";";
    return crlf({"[Public]", f + kWarFixed, f + kXanFixed, m + kWarMale, m + kXanMale, m + kXanMarkMale, kOther});
}

TEST(BossDetect, GroupsGiveTheVariant) {
    EXPECT_EQ(detectBossVariantInText(addOn(true, true)), BossVariant::Both);
    EXPECT_EQ(detectBossVariantInText(addOn(true, false)), BossVariant::FixedOnly);
    EXPECT_EQ(detectBossVariantInText(addOn(false, true)), BossVariant::NoFixed);
    EXPECT_EQ(detectBossVariantInText(addOn(false, false)), BossVariant::NoFixed);
    // Only object lines count: a note naming a group is not an active class.
    EXPECT_EQ(detectBossVariantInText(crlf({"[Public]", "Note=WarBoss [Fixed]", kWarMale})), BossVariant::NoFixed);
}

TEST(BossApply, EveryChoiceRewritesExactly) {
    std::string both = addOn(true, true);
    EXPECT_EQ(applyBossChoiceToText(addOn(false, false), 0), both);
    EXPECT_EQ(applyBossChoiceToText(both, 1), addOn(false, true));
    EXPECT_EQ(applyBossChoiceToText(both, 2), addOn(true, false));
    EXPECT_EQ(applyBossChoiceToText(addOn(false, true), 2), addOn(true, false));
    // Detect after apply: 1 gives 2, 2 gives 1, 0 gives 0.
    EXPECT_EQ(detectBossVariantInText(applyBossChoiceToText(both, 1)), BossVariant::NoFixed);
    EXPECT_EQ(detectBossVariantInText(applyBossChoiceToText(both, 2)), BossVariant::FixedOnly);
    EXPECT_EQ(detectBossVariantInText(applyBossChoiceToText(addOn(false, true), 0)), BossVariant::Both);
}

TEST(BossApply, OtherLinesSurviveAndSwitchedOffObjectsComeBack) {
    std::string text = "[Public]  \n;" + kOther + "\r\n;;" + kOther + "\r\n; a note\r\n;object=(Name=x)\r\n" + kWarFixed;
    EXPECT_EQ(applyBossChoiceToText(text, 1),
              "[Public]\r\n" + kOther + "\r\n;;" + kOther + "\r\n; a note\r\nobject=(Name=x)\r\n;" + kWarFixed + "\r\n");
}

TEST(BossFile, DetectAndApplyOnTheGameFolder) {
    TempDir game;
    EXPECT_FALSE(bossAddOnPresent(game.path()));
    EXPECT_EQ(detectBossVariant(game.path()), BossVariant::NoFixed);  // no add-on: no [Fixed] group
    korvath::Status missing = applyBossChoice(game.path(), 1);
    EXPECT_FALSE(missing.ok());
    EXPECT_EQ(missing.error(), "The file " + (game / "system" / "skeletalcharsfix313.int").string() + " could not be read.");

    game.write("System/SkeletalCharsFix313.INT", addOn(true, true));
    EXPECT_TRUE(bossAddOnPresent(game.path()));
    EXPECT_EQ(detectBossVariant(game.path()), BossVariant::Both);
    EXPECT_TRUE(applyBossChoice(game.path(), 2).ok());
    EXPECT_EQ(game.read("System/SkeletalCharsFix313.INT"), addOn(true, false));
    EXPECT_EQ(detectBossVariant(game.path()), BossVariant::FixedOnly);
}

TEST(BossDialog, PreselectionAndStatusText) {
    EXPECT_EQ(bossDialogState(BossVariant::FixedOnly).selectedOption, 1);
    EXPECT_EQ(bossDialogState(BossVariant::FixedOnly).statusText, "Your current choice is marked below.");
    EXPECT_EQ(bossDialogState(BossVariant::NoFixed).selectedOption, 0);
    EXPECT_EQ(bossDialogState(BossVariant::Both).selectedOption, 2);
    EXPECT_EQ(bossDialogState(BossVariant::Both).statusText,
              "Currently both boss models are turned on.  You only need one turned on.  I recommend the first choice "
              "below.");
}

TEST(BossDialog, OkAppliesTheChosenOption) {
    TempDir game;
    game.write("System/skeletalcharsfix313.int", addOn(true, true));
    korvath::ScriptedInteraction ui;
    ui.answerDialog(0);  // "[Fixed/Male Voices] Only"
    EXPECT_TRUE(runBossDialog(ui, game.path(), nullptr).ok());
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].title, "dlgNewBoss");
    EXPECT_EQ(detectBossVariant(game.path()), BossVariant::NoFixed);
    ui.answerDialog(1);  // "[Fixed] Only"
    EXPECT_TRUE(runBossDialog(ui, game.path(), nullptr).ok());
    EXPECT_EQ(detectBossVariant(game.path()), BossVariant::FixedOnly);
    ui.answerDialog(2);
    EXPECT_TRUE(runBossDialog(ui, game.path(), nullptr).ok());
    EXPECT_EQ(game.read("System/skeletalcharsfix313.int"), addOn(true, true));
}

TEST(BossOptionsTab, ShowsTheStateTheFileIsIn) {
    EXPECT_EQ(bossOptionsTabIndex(BossVariant::Both), 0);
    EXPECT_EQ(bossOptionsTabIndex(BossVariant::NoFixed), 1);    // male voices only
    EXPECT_EQ(bossOptionsTabIndex(BossVariant::FixedOnly), 2);  // [Fixed] only
    EXPECT_FALSE(bossChoiceChanges(BossVariant::FixedOnly, 2));
    EXPECT_TRUE(bossChoiceChanges(BossVariant::FixedOnly, 1));
}

TEST(BossTables, ClassAndPackageTypes) {
    EXPECT_EQ(bossClassSkinType("SKELETALCHARSFIX313.WarBossMBotFix313"), "warbossfixedmale");
    EXPECT_EQ(bossClassSkinType("SkeletalChars.WarBossBot"), "warboss");
    EXPECT_EQ(bossClassSkinType("BotPack.TMale1Bot"), std::nullopt);
    EXPECT_EQ(bossPackageSkinType("NewXan"), "xanfixed");
    EXPECT_EQ(bossPackageSkinType("WARMACHINEBOSS"), "warbossfixed");
    EXPECT_EQ(bossPackageSkinType("Commando"), "Commando");
    EXPECT_EQ(bossPartnerSkinType("warbossfixedmale"), "warbossfixed");
    EXPECT_EQ(bossPartnerSkinType("commando"), std::nullopt);
}

}  // namespace
}  // namespace rosterdesk
