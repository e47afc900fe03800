#include "rosterdesk/roster/capture.h"

#include <gtest/gtest.h>

#include "common/testing/temp_dir.h"

namespace rosterdesk {
namespace {

TEST(Capture, ReadsKeysInAnyOrderAndTakesDefaultsForMissingOnes) {
    std::vector<std::string> lines = {"[Engine]",
                                      "BotNames[0]=NotThisSection",
                                      "",
                                      "[botpack.challengebotinfo]",
                                      "BotJumpy[2]=1",
                                      "botnames[5]=Lower Key",
                                      "BotNames[31]=Last",
                                      "BotAccuracy[5]=-0.350000",
                                      "Camping[1]=0.700000",
                                      "BotSkills[1]=2.000000",
                                      "Difficulty=6",
                                      "bAdjustSkill=True",
                                      "UnknownKey[3]=x",
                                      "BotNames[32]=Out of range",
                                      "CombatStyle[4]=0.500000",
                                      "",
                                      "Alertness[0]=0.250000",  // empty lines do not end a section here
                                      "[Next]",
                                      "BotNames[1]=Next section"};
    CaptureResult result = captureRoster(lines);
    ASSERT_TRUE(result.ok()) << result.error();
    EXPECT_TRUE(result->corrections.empty());
    const Roster& r = result->roster;
    EXPECT_EQ(r.BotNames[0], "Archon");
    EXPECT_EQ(r.BotNames[1], "Aryss");
    EXPECT_EQ(r.BotNames[5], "Lower Key");
    EXPECT_EQ(r.BotNames[31], "Last");
    EXPECT_EQ(r.BotJumpy[2], 1);
    EXPECT_EQ(r.BotAccuracy[5], -35);
    EXPECT_EQ(r.Camping[1], 7);
    EXPECT_EQ(r.BotSkills[1], 5);
    EXPECT_EQ(r.Difficulty, 6);
    EXPECT_TRUE(r.bAdjustSkill);
    EXPECT_FALSE(r.bRandomOrder);
    EXPECT_EQ(r.CombatStyle[4], "0.500000");
    EXPECT_EQ(r.Alertness[0], 25);
    EXPECT_EQ(r.Alertness[18], -30);  // default
}

TEST(Capture, ValuesTheWindowCannotHoldAreCorrectedAndReported) {
    CaptureResult result = captureRoster({"[Botpack.ChallengeBotInfo]", "BotAccuracy[0]=0.330000",
                                          "Alertness[1]=3.000000", "Camping[2]=-0.2", "StrafingAbility[3]=0.45",
                                          "BotSkills[4]=7.000000", "BotTeams[5]=9", "CombatStyle[6]=0.3",
                                          "BotJumpy[7]=True", "Difficulty=12", "bRandomOrder=maybe",
                                          "Camping[8]=abc", "CombatStyle[9]=0.5", "BotTeams[10]=4294967296"});
    ASSERT_TRUE(result.ok());
    const Roster& r = result->roster;
    EXPECT_EQ(r.BotAccuracy[0], 35);
    EXPECT_EQ(r.Alertness[1], 100);
    EXPECT_EQ(r.Camping[2], 0);
    EXPECT_EQ(r.StrafingAbility[3], 5);  // 4.5 rounds away from zero
    EXPECT_EQ(r.BotSkills[4], 6);
    EXPECT_EQ(r.BotTeams[5], 255);
    EXPECT_EQ(r.CombatStyle[6], "0.500000");
    EXPECT_EQ(r.BotJumpy[7], 1);
    EXPECT_EQ(r.Difficulty, 7);
    EXPECT_EQ(r.Camping[8], 0);
    EXPECT_EQ(r.CombatStyle[9], "0.500000");
    EXPECT_EQ(r.BotTeams[10], 255);
    EXPECT_EQ(result->corrections, (std::vector<std::string>{
                                       "BotAccuracy[0]: \"0.330000\" corrected to \"0.350000\"",
                                       "Alertness[1]: \"3.000000\" corrected to \"1.000000\"",
                                       "Camping[2]: \"-0.2\" corrected to \"0.000000\"",
                                       "StrafingAbility[3]: \"0.45\" corrected to \"0.500000\"",
                                       "BotSkills[4]: \"7.000000\" corrected to \"3.000000\"",
                                       "BotTeams[5]: \"9\" corrected to \"255\"",
                                       "CombatStyle[6]: \"0.3\" corrected to \"0.500000\"",
                                       "Difficulty: \"12\" corrected to \"7\"",
                                       "bRandomOrder: \"maybe\" corrected to \"False\"",
                                       "Camping[8]: \"abc\" corrected to \"0.000000\"",
                                       "BotTeams[10]: \"4294967296\" corrected to \"255\"",
                                   }));
}

TEST(Capture, NoSectionOrNoUserIniIsAFailure) {
    EXPECT_EQ(captureRoster({"[A]", "x=1"}).error(), "user.ini has no [Botpack.ChallengeBotInfo] section.");
    korvath::testing::TempDir dir;
    CaptureResult missing = captureRosterFromGame(dir.path());
    EXPECT_FALSE(missing.ok());
    EXPECT_EQ(missing.error(), "Can't find user.ini.");
    dir.write("system/USER.ini", "[Botpack.ChallengeBotInfo]\r\nBotNames[0]=Found\r\n");
    EXPECT_EQ(captureRosterFromGame(dir.path())->roster.BotNames[0], "Found");
}

}  // namespace
}  // namespace rosterdesk
