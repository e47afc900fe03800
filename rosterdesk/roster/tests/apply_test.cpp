#include "rosterdesk/roster/apply.h"

#include <gtest/gtest.h>

#include "common/testing/temp_dir.h"
#include "rosterdesk/roster/capture.h"
#include "rosterdesk/roster/roster_file.h"
#include "common/text/text_lines.h"

namespace rosterdesk {
namespace {

namespace fs = std::filesystem;

// A game folder, a roster folder with a roster file, and a fixed backup time.
class ApplyTest : public ::testing::Test {
protected:
    korvath::testing::TempDir dir;
    ApplyRequest request;

    void SetUp() override {
        dir.makeDir("game/System");
        dir.makeDir("configs");
        request.configPath = dir / "configs";
        request.kaPath = dir / "game";
        request.entry = "MyBots.bm";
        request.time = {12, 6, 2026, 21, 5, 3};
    }
    void writeRoster(const std::string& bytes) { dir.write("configs/MyBots.bm", bytes); }
    // A small roster file: header block, empty line, section header, three key lines.
    void writeSmallRoster() {
        writeRoster("****\r\n* Description:\r\n* x\r\n****\r\n\r\n[Botpack.ChallengeBotInfo]\r\n"
                    "BotNames[0]=New0\r\nBotNames[1]=New1\r\nDifficulty=3\r\n");
    }
    void writeUserIni(const std::string& bytes) { dir.write("game/System/user.ini", bytes); }
    std::string userIni() const { return dir.read("game/System/user.ini"); }
    std::string backup() const { return dir.read("configs/curconfig_bkup_(12-6-2026-21-5-3).bm2"); }
    bool hasBackup() const { return fs::exists(dir / "configs/curconfig_bkup_(12-6-2026-21-5-3).bm2"); }
};

TEST_F(ApplyTest, ReplacesTheSectionKeepsItsHeaderSpellingAndBacksUpTheOldLines) {
    writeSmallRoster();
    writeUserIni("[Engine]\r\nA=1\r\n\r\n[BotPack.ChallengeBotInfo]  \r\nBotNames[0]=Old0\r\nDifficulty=1\r\n\r\n"
                 "[Other]\r\nLast=1");
    dir.write("game/System/dummy.ini", "leftover");
    ApplyResult result = applyRoster(request);
    ASSERT_TRUE(result.ok()) << result.error().text;
    EXPECT_EQ(result->message.title, "Apply Configuration...");
    EXPECT_EQ(result->message.text, "Completed");
    EXPECT_EQ(userIni(), "[Engine]\r\nA=1\r\n\r\n[BotPack.ChallengeBotInfo]  \r\n"
                         "BotNames[0]=New0\r\nBotNames[1]=New1\r\nDifficulty=3\r\n\r\n\r\n[Other]\r\nLast=1\r\n");
    EXPECT_EQ(backup(), "[BotPack.ChallengeBotInfo]  \r\nBotNames[0]=Old0\r\nDifficulty=1\r\n");
    EXPECT_EQ(result->backupFile, dir / "configs/curconfig_bkup_(12-6-2026-21-5-3).bm2");
    EXPECT_FALSE(fs::exists(dir / "game/System/dummy.ini"));
}

TEST_F(ApplyTest, WithoutBackupTheOldLinesAreGoneAndNoFileIsWritten) {
    writeSmallRoster();
    writeUserIni("[botpack.challengebotinfo]\r\nBotNames[0]=Old0\r\n\r\n[Other]\r\nB=2\r\n");
    request.backup = false;
    ASSERT_TRUE(applyRoster(request).ok());
    EXPECT_EQ(userIni(), "[botpack.challengebotinfo]\r\nBotNames[0]=New0\r\nBotNames[1]=New1\r\nDifficulty=3\r\n"
                         "\r\n\r\n[Other]\r\nB=2\r\n");
    EXPECT_FALSE(hasBackup());
}

TEST_F(ApplyTest, TheDefaultRosterFileGivesExactlyIts451KeyLines) {
    writeRoster(formatRosterFile(defaultRoster(), "MyBots.bm"));
    writeUserIni("[Botpack.ChallengeBotInfo]\r\nOld=1\r\n");
    ASSERT_TRUE(applyRoster(request).ok());
    std::string expected = formatRosterFile(defaultRoster(), "MyBots.bm");
    expected = expected.substr(expected.find("\r\n\r\n[Botpack.ChallengeBotInfo]") + 4) + "\r\n";
    EXPECT_EQ(userIni(), expected);
    EXPECT_EQ(backup(), "[Botpack.ChallengeBotInfo]\r\nOld=1\r\n");
}

TEST_F(ApplyTest, AnOldSectionRunningToTheEndIsTakenWhole) {
    writeSmallRoster();
    writeUserIni("[A]\r\nx=1\r\n\r\n[Botpack.ChallengeBotInfo]\r\nOld=1\r\nOld=2");
    ASSERT_TRUE(applyRoster(request).ok());
    EXPECT_EQ(userIni(), "[A]\r\nx=1\r\n\r\n[Botpack.ChallengeBotInfo]\r\n"
                         "BotNames[0]=New0\r\nBotNames[1]=New1\r\nDifficulty=3\r\n\r\n");
    EXPECT_EQ(backup(), "[Botpack.ChallengeBotInfo]\r\nOld=1\r\nOld=2\r\n");
}

TEST_F(ApplyTest, ASectionHeaderRightAfterTheOldLinesEndsTheOldSection) {
    writeSmallRoster();
    writeUserIni("[Botpack.ChallengeBotInfo]\r\nOld=1\r\n[Engine.GameInfo]\r\nKeep=1\r\n\r\n[Z]\r\nz=1\r\n");
    ASSERT_TRUE(applyRoster(request).ok());
    EXPECT_EQ(userIni(), "[Botpack.ChallengeBotInfo]\r\nBotNames[0]=New0\r\nBotNames[1]=New1\r\nDifficulty=3\r\n\r\n"
                         "[Engine.GameInfo]\r\nKeep=1\r\n\r\n[Z]\r\nz=1\r\n");
    EXPECT_EQ(backup(), "[Botpack.ChallengeBotInfo]\r\nOld=1\r\n");
}

TEST_F(ApplyTest, AUserIniWithoutTheSectionGetsItAppendedAndNoBackup) {
    writeSmallRoster();
    writeUserIni("[A]\r\nx=1\r\n  [Botpack.ChallengeBotInfo]\r\n");  // leading blanks: not the header
    ASSERT_TRUE(applyRoster(request).ok());
    EXPECT_EQ(userIni(), "[A]\r\nx=1\r\n  [Botpack.ChallengeBotInfo]\r\n\r\n[Botpack.ChallengeBotInfo]\r\n"
                         "BotNames[0]=New0\r\nBotNames[1]=New1\r\nDifficulty=3\r\n\r\n");
    EXPECT_FALSE(hasBackup());

    writeUserIni("[A]\r\nx=1\r\n\r\n");  // already ends in an empty line: no second one
    ASSERT_TRUE(applyRoster(request).ok());
    EXPECT_EQ(userIni(), "[A]\r\nx=1\r\n\r\n[Botpack.ChallengeBotInfo]\r\n"
                         "BotNames[0]=New0\r\nBotNames[1]=New1\r\nDifficulty=3\r\n\r\n");
}

TEST_F(ApplyTest, MoreThan451KeyLinesAreAllApplied) {
    std::string bytes = formatRosterFile(defaultRoster(), "MyBots.bm") + "Extra[0]=1\r\nExtra[1]=2\r\n";
    writeRoster(bytes);
    writeUserIni("[Botpack.ChallengeBotInfo]\r\nOld=1\r\n\r\n[Z]\r\n");
    ASSERT_TRUE(applyRoster(request).ok());
    EXPECT_NE(userIni().find("BotJumpy[31]=1\r\nExtra[0]=1\r\nExtra[1]=2\r\n\r\n\r\n[Z]\r\n"), std::string::npos);
}

TEST_F(ApplyTest, RosterFilesWithoutTheEmptyLineOrAnythingAfterItAreRefused) {
    const std::string original = "[Botpack.ChallengeBotInfo]\r\nOld=1\r\n";
    writeUserIni(original);
    writeRoster("* Description:\r\n[Botpack.ChallengeBotInfo]\r\nBotNames[0]=x\r\n");
    ApplyResult result = applyRoster(request);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.error().title, "Invalid Configuration File");
    EXPECT_EQ(result.error().text, "MyBots.bm has no empty line after its header block.  Operation Aborted.");

    writeRoster("* Description:\r\n****\r\n\r\n");
    EXPECT_EQ(applyRoster(request).error().text,
              "MyBots.bm has no [Botpack.ChallengeBotInfo] line after its header block.  Operation Aborted.");
    writeRoster("* Description:\r\n****\r\n\r\nBotNames[0]=x\r\n");  // no section header
    EXPECT_FALSE(applyRoster(request).ok());
    writeRoster("* Description:\r\n****\r\n\r\n[Botpack.ChallengeBotInfo]\r\n\r\n");
    EXPECT_EQ(applyRoster(request).error().text,
              "MyBots.bm holds no roster lines after its header block.  Operation Aborted.");
    EXPECT_EQ(userIni(), original);
    EXPECT_FALSE(hasBackup());
    EXPECT_FALSE(fs::exists(dir / "game/System/dummy.ini"));
}

TEST_F(ApplyTest, AnEmptyLineInTheDescriptionBlockKeepsItOutOfUserIni) {
    writeRoster("****\r\n* Description:\r\n* one\r\n\r\n* two\r\n****\r\n\r\n"
                "[botpack.challengebotinfo]\r\nBotNames[0]=x\r\n");
    writeUserIni("[Botpack.ChallengeBotInfo]\r\nOld=1\r\n");
    ASSERT_TRUE(applyRoster(request).ok());
    EXPECT_EQ(userIni(), "[Botpack.ChallengeBotInfo]\r\nBotNames[0]=x\r\n\r\n");
}

TEST_F(ApplyTest, EmptyLinesAtTheEndOfTheRosterFileDoNotSplitTheSection) {
    writeRoster("* Description:\r\n****\r\n\r\n[Botpack.ChallengeBotInfo]\r\nBotNames[0]=x\r\n\r\n\r\n");
    writeUserIni("[Botpack.ChallengeBotInfo]\r\nOld=1\r\n\r\n[Z]\r\n");
    ASSERT_TRUE(applyRoster(request).ok());
    EXPECT_EQ(userIni(), "[Botpack.ChallengeBotInfo]\r\nBotNames[0]=x\r\n\r\n\r\n[Z]\r\n");
}

TEST_F(ApplyTest, MissingFilesAreReportedWithTheirMessages) {
    writeUserIni("[A]\r\n");
    ApplyResult missingRoster = applyRoster(request);
    EXPECT_FALSE(missingRoster.ok());
    EXPECT_EQ(missingRoster.error().title, "Missing File");
    EXPECT_EQ(missingRoster.error().text, "Can't find MyBots.bm.  Operation Aborted.");

    writeSmallRoster();
    fs::remove(dir / "game/System/user.ini");
    dir.write("game/System/dummy.ini", "leftover");
    ApplyResult missingIni = applyRoster(request);
    EXPECT_EQ(missingIni.error().title, "User.ini File Missing");
    EXPECT_EQ(missingIni.error().text, "Can't find user.ini.  Operation Aborted");
    EXPECT_FALSE(fs::exists(dir / "game/System/dummy.ini"));
}

TEST_F(ApplyTest, GameFolderNamesAreFoundWithoutRegardToCase) {
    writeSmallRoster();
    fs::rename(dir / "game/System", dir / "game/system");
    dir.write("game/system/User.INI", "[Botpack.ChallengeBotInfo]\r\nOld=1\r\n");
    ASSERT_TRUE(applyRoster(request).ok());
    EXPECT_NE(dir.read("game/system/User.INI").find("New1"), std::string::npos);
}

TEST_F(ApplyTest, AFailedBackupLeavesUserIniUntouched) {
    const std::string original = "[Botpack.ChallengeBotInfo]\r\nOld=1\r\n";
    writeUserIni(original);
    ApplyResult result = replaceRosterSection({dir / "game", {"BotNames[0]=New"}, dir / "no such folder", true, {}});
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.error().text.starts_with("Can't write the backup file.  Operation Aborted"))
        << result.error().text;
    EXPECT_EQ(userIni(), original);
    EXPECT_FALSE(fs::exists(dir / "game/System/dummy.ini"));
}

TEST(BackupName, PlainNumbersWithoutLeadingZeros) {
    EXPECT_EQ(backupFileName({12, 6, 2026, 21, 5, 3}), "curconfig_bkup_(12-6-2026-21-5-3).bm2");
    EXPECT_EQ(backupFileName({1, 31, 2027, 0, 0, 0}), "curconfig_bkup_(1-31-2027-0-0-0).bm2");
    EXPECT_EQ(backupFileName({1, 31, 2027, 0, 0, 0}, 2), "curconfig_bkup_(1-31-2027-0-0-0) (2).bm2");
}

TEST(RosterListing, DescriptionsAndFilesThatWouldNeverEnd) {
    korvath::testing::TempDir dir;
    Roster roster = defaultRoster();
    roster.description = "first part";
    dir.write("b.bm", formatRosterFile(roster, "b.bm"));
    dir.write("A.BM", "* Description:   \r\n* line one   \r\n* two\r\n" + std::string(80, '*') + "   \r\n");
    dir.write("c.bm", "no description line at all\r\n");
    dir.write("d.bm", "* Description:\r\n* never closed\r\n");
    dir.write("e.bm2", "* Description:\r\n* backup\r\n" + std::string(80, '*') + "\r\n");
    dir.makeDir("folder.bm");
    dir.write(".bm", "* Description:\r\n* unnamed\r\n" + std::string(80, '*') + "\r\n");  // an empty name saved

    auto entries = listRosterFiles(dir.path());
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].name, ".bm");
    EXPECT_EQ(entries[0].description, "unnamed ");
    entries.erase(entries.begin());
    EXPECT_EQ(entries[0].name, "A.BM");
    EXPECT_EQ(entries[0].description, "line one two ");
    EXPECT_EQ(entries[1].name, "b.bm");
    EXPECT_EQ(entries[1].description, "first part ");
    EXPECT_EQ(entries[2].description, "");
    EXPECT_EQ(entries[3].description, "");
    EXPECT_TRUE(listRosterFiles(dir / "nothing here").empty());
}

}  // namespace
}  // namespace rosterdesk

namespace rosterdesk {
namespace {

// Apply replaces exactly the lines capture reads: the section runs past an empty line inside
// it up to the next header, and the empty lines before that header stay.
TEST(RosterSection, ApplyAndCaptureAgreeWhereTheSectionEnds) {
    korvath::testing::TempDir dir;
    const std::string userIni = "[Botpack.ChallengeBotInfo]\r\nBotNames[0]=Old0\r\n\r\nBotNames[1]=Old1\r\n\r\n\r\n"
                                "[Next]\r\nBotNames[2]=NotOurs\r\n";
    auto lines = korvath::splitLines(userIni);
    auto span = findRosterSection(lines);
    ASSERT_TRUE(span);
    EXPECT_EQ(span->header, 0u);
    EXPECT_EQ(span->end, 4u);
    CaptureResult captured = captureRoster(lines);
    ASSERT_TRUE(captured.ok());
    EXPECT_EQ(captured->roster.BotNames[1], "Old1");
    EXPECT_EQ(captured->roster.BotNames[2], "Alarik");

    dir.write("game/System/user.ini", userIni);
    ApplyResult result = replaceRosterSection({dir / "game", {"BotNames[0]=New"}, dir.path(), true, {1, 2, 2027, 3, 4, 5}});
    ASSERT_TRUE(result.ok()) << result.error().text;
    EXPECT_EQ(dir.read("game/System/user.ini"),
              "[Botpack.ChallengeBotInfo]\r\nBotNames[0]=New\r\n\r\n\r\n\r\n[Next]\r\nBotNames[2]=NotOurs\r\n");
    EXPECT_EQ(dir.read("curconfig_bkup_(1-2-2027-3-4-5).bm2"),
              "[Botpack.ChallengeBotInfo]\r\nBotNames[0]=Old0\r\n\r\nBotNames[1]=Old1\r\n");
    EXPECT_EQ(findRosterSection({"[A]", "  [Botpack.ChallengeBotInfo]"}), std::nullopt);
}

}  // namespace
}  // namespace rosterdesk
