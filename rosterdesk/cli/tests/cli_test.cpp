#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "common/testing/temp_dir.h"
#include "rosterdesk/cli/cli_main.h"

namespace rosterdesk {
namespace {

struct CliRun {
    int status;
    std::string out, err;
};

CliRun run(std::vector<std::string> arguments) {
    std::ostringstream out, err;
    int status = runRosterdeskCli(std::move(arguments), out, err);
    return {status, out.str(), err.str()};
}

TEST(RosterdeskCli, UsageErrorsAndHelp) {
    EXPECT_EQ(run({}).status, 2);
    CliRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("apply ROSTER.bm GAME_DIR [--no-backup]"), std::string::npos);
    EXPECT_EQ(run({"frobnicate"}).status, 2);
    CliRun extra = run({"new", "a.bm", "b.bm"});
    EXPECT_EQ(extra.status, 2);
    EXPECT_EQ(extra.err, "usage: rosterdesk-cli new OUT.bm [--description TEXT]\n");
    EXPECT_EQ(run({"show", "x.bm", "--bogus"}).status, 2);
    EXPECT_EQ(run({"new", "--description"}).status, 2);
}

TEST(RosterdeskCli, NewWritesTheDefaultRosterAndShowPrintsIt) {
    korvath::testing::TempDir dir;
    std::string file = (dir / "Fresh.bm").string();
    ASSERT_EQ(run({"new", file, "--description", "Team night"}).status, 0);
    std::string bytes = dir.read("Fresh.bm");
    EXPECT_NE(bytes.find("* Fresh.bm\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("* Description:\r\n* Team night\r\n"), std::string::npos);
    EXPECT_TRUE(bytes.ends_with("BotJumpy[31]=1\r\n"));

    CliRun shown = run({"show", file});
    ASSERT_EQ(shown.status, 0) << shown.err;
    std::istringstream lines(shown.out);
    std::string header, slot0;
    std::getline(lines, header);
    std::getline(lines, slot0);
    EXPECT_TRUE(header.starts_with("Slot  Name       Color  Class                "));
    EXPECT_TRUE(slot0.starts_with("0     Archon     None   BotPack.TMale1Bot    CommandoSkins.cmdo"));
    EXPECT_NE(slot0.find("(None Choosen)  -3     0.0       0.0        0.0      0.0       Normal        (No Favorite)"),
              std::string::npos)
        << slot0;
    EXPECT_NE(shown.out.find("\n18    Tamerlane"), std::string::npos);
    EXPECT_NE(shown.out.find("-0.30      1.0      0.0       Cautious      Botpack.SniperRifle    No"), std::string::npos);
    EXPECT_NE(shown.out.find("\nDifficulty: Novice\nAdjust Skill: No\nRandom Order: No\nDescription: Team night \n"),
              std::string::npos);

    CliRun broken = run({"show", (dir / "missing.bm").string()});
    EXPECT_EQ(broken.status, 1);
}

TEST(RosterdeskCli, ApplyAndCaptureThroughAGameFolder) {
    korvath::testing::TempDir dir;
    dir.write("game/System/user.ini", "[A]\r\nx=1\r\n\r\n[Botpack.ChallengeBotInfo]\r\nBotNames[0]=Mine\r\n"
                                      "BotAccuracy[0]=0.330000\r\n\r\n[B]\r\ny=2\r\n");
    const std::string game = (dir / "game").string();
    CliRun captured = run({"capture", game, (dir / "mine.bm").string(), "--description", "from game"});
    ASSERT_EQ(captured.status, 0) << captured.err;
    EXPECT_EQ(captured.out, "BotAccuracy[0]: \"0.330000\" corrected to \"0.350000\"\n");
    std::string mine = dir.read("mine.bm");
    EXPECT_NE(mine.find("BotNames[0]=Mine\r\nBotNames[1]=Aryss\r\n"), std::string::npos);
    EXPECT_NE(mine.find("BotAccuracy[0]=0.350000\r\n"), std::string::npos);

    ASSERT_EQ(run({"new", (dir / "configs/default.bm").string()}).status, 1);  // no such folder
    dir.makeDir("configs");
    ASSERT_EQ(run({"new", (dir / "configs/default.bm").string()}).status, 0);
    CliRun applied = run({"apply", (dir / "configs/default.bm").string(), game, "--no-backup"});
    EXPECT_EQ(applied.status, 0) << applied.err;
    EXPECT_EQ(applied.out, "Completed\n");
    std::string userIni = dir.read("game/System/user.ini");
    EXPECT_TRUE(userIni.starts_with("[A]\r\nx=1\r\n\r\n[Botpack.ChallengeBotInfo]\r\nBotFaces[0]=CommandoSkins.Blake\r\n"));
    EXPECT_TRUE(userIni.ends_with("BotJumpy[31]=1\r\n\r\n\r\n[B]\r\ny=2\r\n"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "configs"), {}), 1);

    CliRun backedUp = run({"apply", (dir / "mine.bm").string(), game});
    EXPECT_EQ(backedUp.status, 0);
    EXPECT_EQ(backedUp.out, "Completed\n");
    int backups = 0;  // beside the roster file
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        backups += entry.path().filename().string().starts_with("curconfig_bkup_(");
    EXPECT_EQ(backups, 1);

    CliRun missing = run({"apply", (dir / "none.bm").string(), game});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Can't find none.bm.  Operation Aborted.\n");
    EXPECT_EQ(run({"capture", (dir / "nogame").string(), (dir / "x.bm").string()}).err, "Can't find user.ini.\n");
}

TEST(RosterdeskCli, TheBuiltProgramRuns) {
    korvath::testing::TempDir dir;
    std::string command = std::string(ROSTERDESK_CLI_PATH) + " new '" + (dir / "p.bm").string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(dir.read("p.bm").ends_with("BotJumpy[31]=1\r\n"));
    std::string usage = std::string(ROSTERDESK_CLI_PATH) + " apply 2>/dev/null";
    int status = std::system(usage.c_str());
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 2);
}

}  // namespace
}  // namespace rosterdesk

#ifdef ROSTERDESK_HAS_CATALOGUE
namespace rosterdesk {
namespace {
TEST(RosterdeskCli, CatalogueIsHandedToTheCatalogueCommand) {
    korvath::testing::TempDir dir;
    CliRun missing = run({"catalogue", (dir / "no such game").string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_FALSE(missing.err.empty());
    EXPECT_EQ(run({"catalogue"}).status, 2);
}
}  // namespace
}  // namespace rosterdesk
#endif

namespace rosterdesk {
namespace {
TEST(RosterdeskCli, RestorePutsABackupBackAndBacksUpWhatItReplaces) {
    korvath::testing::TempDir dir;
    dir.write("game/System/user.ini", "[A]\r\nx=1\r\n\r\n[botpack.challengebotinfo]\r\nBotNames[0]=Now\r\n\r\n[B]\r\n");
    dir.write("configs/old.bm2", "[Botpack.ChallengeBotInfo]\r\nBotNames[0]=Before\r\nDifficulty=2\r\n");
    const std::string game = (dir / "game").string(), backup = (dir / "configs/old.bm2").string();

    CliRun restored = run({"restore", backup, game});
    ASSERT_EQ(restored.status, 0) << restored.err;
    EXPECT_TRUE(restored.out.ends_with("Completed\n"));
    EXPECT_EQ(dir.read("game/System/user.ini"),
              "[A]\r\nx=1\r\n\r\n[botpack.challengebotinfo]\r\nBotNames[0]=Before\r\nDifficulty=2\r\n\r\n\r\n[B]\r\n");
    std::vector<std::string> kept;
    for (const auto& entry : std::filesystem::directory_iterator(dir / "configs"))
        if (entry.path().filename() != "old.bm2") kept.push_back(entry.path().filename().string());
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_TRUE(kept[0].starts_with("curconfig_bkup_("));
    EXPECT_EQ(dir.read("configs/" + kept[0]), "[botpack.challengebotinfo]\r\nBotNames[0]=Now\r\n");
    EXPECT_NE(restored.out.find(kept[0]), std::string::npos);

    dir.write("configs/roster.bm", "****\r\n* Description:\r\n****\r\n\r\n[Botpack.ChallengeBotInfo]\r\nA=1\r\n");
    const std::string before = dir.read("game/System/user.ini");
    const std::pair<std::string, std::string> refused[] = {
        {"configs/roster.bm", "roster.bm is not a roster backup: it does not start with [Botpack.ChallengeBotInfo].  "
                              "Operation Aborted.\n"},
        {"configs/none.bm2", "Can't find none.bm2.  Operation Aborted.\n"},
    };
    for (const auto& [file, message] : refused) {
        CliRun failed = run({"restore", (dir / file).string(), game, "--no-backup"});
        EXPECT_EQ(failed.status, 1);
        EXPECT_EQ(failed.err, message);
    }
    EXPECT_EQ(dir.read("game/System/user.ini"), before);
    EXPECT_EQ(run({"restore", backup}).status, 2);

    ASSERT_EQ(run({"restore", backup, game, "--no-backup"}).status, 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "configs"), {}), 3);  // no new backup
}
}  // namespace
}  // namespace rosterdesk
