#include "rosterdesk/roster/roster_file.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/testing/temp_dir.h"
#include "common/text/text_lines.h"

namespace rosterdesk {
namespace {

const std::string kStars(80, '*');

std::vector<std::string> keyLinesOf(const std::string& bytes) {
    auto lines = korvath::splitLines(bytes);
    auto header = std::find(lines.begin(), lines.end(), "[Botpack.ChallengeBotInfo]");
    return {header + 1, lines.end()};
}

TEST(RosterFile, DefaultRosterFileHasTheFixedHeaderAnd451KeyLines) {
    std::string bytes = formatRosterFile(defaultRoster(), "MyBots.bm");
    const std::string expectedStart = kStars + "\r\n" +
                                      "* MyBots.bm\r\n"
                                      "* This is a configuration created with Rosterdesk.\r\n"
                                      "* This file containes replacement code for the [Botpack.ChallengeBotInfo]\r\n"
                                      "* section of the user.ini file for Korvath Arena.\r\n"
                                      "*\r\n"
                                      "* Description:\r\n"
                                      "* \r\n" +
                                      kStars + "\r\n"
                                      "\r\n"
                                      "[Botpack.ChallengeBotInfo]\r\n"
                                      "BotFaces[0]=CommandoSkins.Blake\r\n"
                                      "BotFaces[1]=SGirlSkins.Aryss\r\n";
    EXPECT_EQ(bytes.substr(0, expectedStart.size()), expectedStart);
    EXPECT_TRUE(bytes.ends_with("BotJumpy[30]=1\r\nBotJumpy[31]=1\r\n"));

    auto keys = keyLinesOf(bytes);
    ASSERT_EQ(keys.size(), 451u);
    EXPECT_EQ(keys[31], "BotFaces[31]=FCommandoSkins.Jayce");
    EXPECT_EQ(keys[32], "bAdjustSkill=False");
    EXPECT_EQ(keys[33], "bRandomOrder=False");
    EXPECT_EQ(keys[34], "Difficulty=0");
    EXPECT_EQ(keys[35], "BotNames[0]=Archon");
    EXPECT_EQ(keys[450], "BotJumpy[31]=1");
    for (const char* line : {"BotTeams[0]=255", "BotTeams[1]=0", "BotTeams[7]=3", "BotTeams[9]=0",
                             "Alertness[18]=-0.300000", "Camping[18]=1.000000", "StrafingAbility[21]=1.000000",
                             "BotJumpy[30]=1", "BotJumpy[29]=0", "VoiceType[3]=", "BotAccuracy[5]=0.000000",
                             "CombatStyle[20]=-1.000000", "CombatStyle[23]=1.000000", "Camping[28]=0.500000",
                             "FavoriteWeapon[16]=Botpack.KA_FlakCannon", "FavoriteWeapon[0]=",
                             "BotClasses[4]=BotPack.TFemale1Bot", "BotSkins[6]=SoldierSkins.RawS",
                             "StrafingAbility[17]=0.500000", "Alertness[29]=0.400000"})
        EXPECT_NE(std::find(keys.begin(), keys.end(), line), keys.end()) << line;
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(keys[35 + 5 * 32 + i], "BotSkills[" + std::to_string(i) + "]=-3.000000");
}

TEST(RosterFile, RosterWideSettingsAreWritten) {
    Roster roster = defaultRoster();
    roster.bAdjustSkill = true;
    roster.Difficulty = 7;
    roster.BotAccuracy[2] = -35;
    auto keys = keyLinesOf(formatRosterFile(roster, "x.bm"));
    EXPECT_EQ(keys[32], "bAdjustSkill=True");
    EXPECT_EQ(keys[33], "bRandomOrder=False");
    EXPECT_EQ(keys[34], "Difficulty=7");
    EXPECT_EQ(keys[35 + 6 * 32 + 2], "BotAccuracy[2]=-0.350000");
}

TEST(DescriptionWrapping, BreaksAfterTheLastBlankWithin78Characters) {
    std::string exactly78(78, 'a');
    EXPECT_EQ(wrapDescription(exactly78), std::vector<std::string>{"* " + exactly78});
    EXPECT_EQ(wrapDescription(""), std::vector<std::string>{"* "});

    std::string seventyNine = std::string(70, 'a') + " " + std::string(8, 'b');  // blank at 71
    EXPECT_EQ(wrapDescription(seventyNine),
              (std::vector<std::string>{"* " + std::string(70, 'a') + " ", "* " + std::string(8, 'b')}));

    std::string blankAt78 = std::string(77, 'a') + " " + "tail";
    EXPECT_EQ(wrapDescription(blankAt78),
              (std::vector<std::string>{"* " + std::string(77, 'a') + " ", "* tail"}));
}

TEST(DescriptionWrapping, RunsWithoutBlanksAndLineBreaksStillEnd) {
    std::string run(200, 'x');
    EXPECT_EQ(wrapDescription(run), (std::vector<std::string>{"* " + std::string(78, 'x'), "* " + std::string(78, 'x'),
                                                              "* " + std::string(44, 'x')}));
    EXPECT_EQ(wrapDescription("one\r\ntwo\nthree\rfour"), std::vector<std::string>{"* one two three four"});
}

TEST(RosterFileReader, ReadsBackWithOneBlankAddedPerDescriptionLine) {
    Roster roster = defaultRoster();
    roster.description = "alpha beta";
    roster.BotNames[3] = "Renamed = with equals";
    roster.BotAccuracy[4] = 65;
    roster.Alertness[31] = -100;
    roster.Camping[0] = 7;
    roster.StrafingAbility[1] = -4;
    roster.BotSkills[2] = 6;
    roster.bRandomOrder = true;
    roster.Difficulty = 5;
    RosterParse parsed = parseRosterFile(formatRosterFile(roster, "a.bm"));
    ASSERT_TRUE(parsed.ok()) << parsed.error();
    EXPECT_EQ(parsed->description, "alpha beta ");
    EXPECT_EQ(parseRosterFile(formatRosterFile(*parsed, "a.bm"))->description, "alpha beta  ");
    parsed->description = roster.description;
    EXPECT_EQ(*parsed, roster);

    roster.description = std::string(70, 'a') + " " + std::string(8, 'b');
    EXPECT_EQ(parseRosterFile(formatRosterFile(roster, "a.bm"))->description,
              std::string(70, 'a') + "  " + std::string(8, 'b') + " ");
}

TEST(RosterFileReader, IgnoresKeysAndReadsByPosition) {
    std::string bytes = formatRosterFile(defaultRoster(), "a.bm");
    auto pos = bytes.find("BotNames[0]=Archon");
    bytes.replace(pos, 18, "Whatever[99]=Zed");
    bytes.replace(bytes.find("Difficulty=0"), 12, "Level=4  ");  // trailing blanks of a hand edit
    RosterParse parsed = parseRosterFile(bytes);
    ASSERT_TRUE(parsed.ok()) << parsed.error();
    EXPECT_EQ(parsed->BotNames[0], "Zed");
    EXPECT_EQ(parsed->Difficulty, 4);
}

TEST(RosterFileReader, RefusesShortOrMalformedFiles) {
    const std::string good = formatRosterFile(defaultRoster(), "a.bm");
    EXPECT_EQ(parseRosterFile("no header at all\r\n").error(),
              "The file has no \"* Description:\" line; it is not a roster file.");
    EXPECT_EQ(parseRosterFile("* Description:\r\n* text\r\n").error(),
              "The description is not closed by a row of asterisks.");
    EXPECT_EQ(parseRosterFile(good.substr(0, good.rfind("BotJumpy[31]"))).error(),
              "The file ends before the whole roster was read.");

    std::string badTeam = good;
    badTeam.replace(badTeam.find("BotTeams[1]=0"), 13, "BotTeams[1]=9");
    EXPECT_EQ(parseRosterFile(badTeam).error(),
              "Line 80 (\"BotTeams[1]=9\") does not hold a value Rosterdesk can use.");
    std::string badAccuracy = good;
    badAccuracy.replace(badAccuracy.find("BotAccuracy[0]=0.000000"), 23, "BotAccuracy[0]=2.000000");
    EXPECT_FALSE(parseRosterFile(badAccuracy).ok());
    std::string noNumber = good;
    noNumber.replace(noNumber.find("Difficulty=0"), 12, "Difficulty=x");
    EXPECT_FALSE(parseRosterFile(noNumber).ok());
}

TEST(RosterFileReader, ReplacesTheRosterOnlyWhenTheWholeFileWasRead) {
    korvath::testing::TempDir dir;
    Roster edited = defaultRoster();
    edited.BotNames[0] = "Kept";
    const std::string good = formatRosterFile(defaultRoster(), "a.bm");
    dir.write("short.bm", good.substr(0, good.size() / 2));

    Roster roster = edited;
    EXPECT_FALSE(readRosterFileInto(dir / "short.bm", roster));
    EXPECT_FALSE(readRosterFileInto(dir / "missing.bm", roster));
    EXPECT_EQ(roster, edited);

    dir.write("good.bm", good);
    EXPECT_TRUE(readRosterFileInto(dir / "good.bm", roster));
    EXPECT_EQ(roster.BotNames[0], "Archon");
    EXPECT_EQ(roster.description, " ");
}

}  // namespace
}  // namespace rosterdesk
