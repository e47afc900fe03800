// Applying and restoring files from elsewhere, and two applies at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "common/testing/temp_dir.h"
#include "rosterdesk/roster/apply.h"
#include "rosterdesk/roster/restore.h"
#include "rosterdesk/roster/roster_body.h"

namespace rosterdesk {
namespace {

namespace fs = std::filesystem;

const std::string kHeader = "****\r\n* Description:\r\n* shared\r\n****\r\n\r\n[Botpack.ChallengeBotInfo]\r\n";
const std::string kUserIni = "[Engine]\r\nA=1\r\n\r\n[Botpack.ChallengeBotInfo]\r\nBotNames[0]=Old\r\n\r\n[Z]\r\nz=1\r\n";

std::vector<fs::path> backupsIn(const fs::path& folder) {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".bm2") found.push_back(entry.path());
    std::sort(found.begin(), found.end());
    return found;
}

TEST(RosterBody, KeyLines) {
    for (std::string_view line : {"BotNames[0]=x", "bAdjustSkill=True", "A.b_9=", "Key[31]=a=b", "K=[x]"})
        EXPECT_TRUE(isKeyLine(line)) << line;
    for (std::string_view line : {"", "=x", "Bot Names[0]=x", "BotNames[]=x", "BotNames[1x]=x", "BotNames[0]x=1",
                                  "BotNames", "; comment", " Key=1", "Key =1", "[Key]=1", "Kéy=1"})
        EXPECT_FALSE(isKeyLine(line)) << line;
}

class ApplySafetyTest : public ::testing::Test {
protected:
    korvath::testing::TempDir dir;
    ApplyRequest request;

    void SetUp() override {
        dir.write("game/System/user.ini", kUserIni);
        dir.makeDir("configs");
        request.configPath = dir / "configs";
        request.kaPath = dir / "game";
        request.entry = "shared.bm";
        request.time = {12, 6, 2026, 21, 5, 3};
    }
    std::string userIni() const { return dir.read("game/System/user.ini"); }
};

// Sections, stray lines and everything after a "[" line stay out of user.ini; the user is told.
TEST_F(ApplySafetyTest, OnlyKeyLinesBeforeTheNextSectionReachUserIni) {
    const struct {
        std::string body;
        std::string warning;
    } cases[] = {
        {"BotNames[0]=New\r\n\r\n[Engine.Engine]\r\nGameRenderDevice=Evil\r\n",
         "shared.bm: the roster ends at line 9, which opens a section; 2 lines from there on left out."},
        {"BotNames[0]=New\r\n; note\r\nnot a key\r\n=x\r\n", "shared.bm: 3 lines without a key left out."},
        {"BotNames[0]=New\r\n\r\n\r\n", ""},
    };
    for (const auto& c : cases) {
        dir.write("configs/shared.bm", kHeader + c.body);
        dir.write("game/System/user.ini", kUserIni);
        ApplyResult result = applyRoster(request);
        ASSERT_TRUE(result.ok()) << result.error().text;
        EXPECT_EQ(result->message.text, c.warning.empty() ? "Completed" : "Completed\r\n\r\n" + c.warning);
        EXPECT_EQ(userIni(), "[Engine]\r\nA=1\r\n\r\n[Botpack.ChallengeBotInfo]\r\nBotNames[0]=New\r\n\r\n\r\n[Z]\r\nz=1\r\n");
    }
    // A description hiding an empty line and a section header: its header is taken, and the
    // section after it ends the roster.
    dir.write("configs/shared.bm", "****\r\n* Description:\r\n\r\n[Botpack.ChallengeBotInfo]\r\nBotNames[0]=Mine\r\n\r\n"
                                   "[Engine.Engine]\r\nEvil=1\r\n****\r\n\r\n[Botpack.ChallengeBotInfo]\r\nBotNames[0]=New\r\n");
    ASSERT_TRUE(applyRoster(request).ok());
    EXPECT_EQ(userIni().find("Evil"), std::string::npos) << userIni();
}

TEST_F(ApplySafetyTest, ControlBytesAndHugeFilesAreRefusedAndNothingIsWritten) {
    const std::string nul("BotNames[0]=a\0b\r\n", 17);
    const struct {
        std::string body;
        std::string message;
    } cases[] = {
        {nul, "shared.bm holds a control character on line 7; it is no roster file.  Operation Aborted."},
        {"BotNames[0]=x\r\nBotNames[1]=\x1b]0;pwned\x07\r\n",
         "shared.bm holds a control character on line 8; it is no roster file.  Operation Aborted."},
        {"Bot\tNames=1\r\n", "shared.bm holds a control character on line 7; it is no roster file.  Operation Aborted."},
    };
    for (const auto& c : cases) {
        dir.write("configs/shared.bm", kHeader + c.body);
        ApplyResult result = applyRoster(request);
        EXPECT_FALSE(result.ok());
        EXPECT_EQ(result.error().text, c.message);
    }
    dir.write("configs/shared.bm", kHeader + "BotNames[0]=x\r\n");
    fs::resize_file(dir / "configs/shared.bm", kMaxRosterFileBytes + 1);  // sparse: NUL padding
    ApplyResult huge = applyRoster(request);
    EXPECT_FALSE(huge.ok());
    EXPECT_EQ(huge.error().text,
              "shared.bm is larger than 16 MiB (16777217 bytes); it is no roster file.  Operation Aborted.");
    EXPECT_EQ(listRosterFiles(dir / "configs").at(0).description, "");

    dir.write("configs/evil.bm2", "[Botpack.ChallengeBotInfo]\r\nBotNames[0]=x\x7f\r\n");
    EXPECT_FALSE(restoreBackup({dir / "configs/evil.bm2", dir / "game", true, {}}).ok());
    EXPECT_EQ(userIni(), kUserIni);
    EXPECT_TRUE(backupsIn(dir / "configs").size() == 1u);  // only evil.bm2 itself
}

TEST_F(ApplySafetyTest, RestoreKeepsOnlyTheBackupsKeyLines) {
    dir.write("configs/old.bm2", "[Botpack.ChallengeBotInfo]\r\nBotNames[0]=Before\r\njunk\r\n[Engine.Engine]\r\nEvil=1\r\n");
    ApplyResult result = restoreBackup({dir / "configs/old.bm2", dir / "game", false, {}});
    ASSERT_TRUE(result.ok()) << result.error().text;
    EXPECT_EQ(result->message.text,
              "Completed\r\n\r\nold.bm2: 1 line without a key left out.\r\n"
              "old.bm2: the roster ends at line 4, which opens a section; 2 lines from there on left out.");
    EXPECT_EQ(userIni(), "[Engine]\r\nA=1\r\n\r\n[Botpack.ChallengeBotInfo]\r\nBotNames[0]=Before\r\n\r\n\r\n[Z]\r\nz=1\r\n");
}

TEST_F(ApplySafetyTest, BackupsOfOneSecondAreAllKept) {
    dir.write("configs/shared.bm", kHeader + "BotNames[0]=New\r\n");
    for (int run = 0; run < 3; ++run) ASSERT_TRUE(applyRoster(request).ok());
    const std::string stem = (dir / "configs/curconfig_bkup_(12-6-2026-21-5-3)").string();
    EXPECT_EQ(backupsIn(dir / "configs"),
              (std::vector<fs::path>{stem + " (2).bm2", stem + " (3).bm2", stem + ".bm2"}));
    EXPECT_EQ(korvath::testing::readFile(stem + ".bm2"), "[Botpack.ChallengeBotInfo]\r\nBotNames[0]=Old\r\n");
    EXPECT_EQ(korvath::testing::readFile(stem + " (3).bm2"), "[Botpack.ChallengeBotInfo]\r\nBotNames[0]=New\r\n");
}

// Applies at once take turns: each backs up the roster the one before it wrote, so the backups
// and user.ini together hold the old roster and every applied one exactly once.
TEST_F(ApplySafetyTest, ConcurrentAppliesTakeTurns) {
    constexpr int kApplies = 8;
    for (int i = 0; i < kApplies; ++i)
        dir.write("configs/r" + std::to_string(i) + ".bm", kHeader + "BotNames[0]=R" + std::to_string(i) + "\r\n");
    std::vector<ApplyResult> results(kApplies, ApplyResult::failure({"", "not run"}));
    std::vector<std::thread> threads;
    for (int i = 0; i < kApplies; ++i)
        threads.emplace_back([&, i] {
            ApplyRequest mine = request;
            mine.entry = "r" + std::to_string(i) + ".bm";
            results[static_cast<std::size_t>(i)] = applyRoster(mine);
        });
    for (auto& thread : threads) thread.join();
    for (const auto& result : results) EXPECT_TRUE(result.ok()) << result.error().text;

    std::vector<std::string> rosters;
    for (const fs::path& backup : backupsIn(dir / "configs")) {
        std::string text = korvath::testing::readFile(backup);
        rosters.push_back(text.substr(text.find("BotNames[0]=") + 12));
    }
    std::string now = userIni();
    now = now.substr(now.find("BotNames[0]=") + 12);
    rosters.push_back(now.substr(0, now.find("\r\n") + 2));
    std::sort(rosters.begin(), rosters.end());
    std::vector<std::string> expected{"Old\r\n"};
    for (int i = 0; i < kApplies; ++i) expected.push_back("R" + std::to_string(i) + "\r\n");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(rosters, expected);
    EXPECT_FALSE(fs::exists(dir / "game/System/dummy.ini"));
}

}  // namespace
}  // namespace rosterdesk
