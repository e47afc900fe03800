#include "rosterdesk/catalogue/catalogue_command.h"

#include <gtest/gtest.h>

#include <sstream>

#include "common/testing/temp_dir.h"
#include "rosterdesk/catalogue/tests/int_text.h"

namespace rosterdesk {
namespace {

using korvath::testing::TempDir;
using testing::botLine;
using testing::crlf;
using testing::textureLine;
using testing::voiceLine;

struct CommandRun {
    int status;
    std::string out, err;
};

CommandRun run(std::vector<std::string> args) {
    korvath::ArgList list(std::move(args));
    std::ostringstream out, err;
    int status = runCatalogueCommand(list, out, err);
    return {status, out.str(), err.str()};
}

void writeGame(const TempDir& game) {
    game.write("System/user.ini", "");
    game.write("System/Models.int", crlf({"[Public]", botLine("BotPack.TMale1Bot", "Male Commando"),
                                          botLine("BotPack.TFemale2Bot", "Female Soldier")}));
    game.write("System/CommandoSkins.int", crlf({"[Public]", textureLine("CommandoSkins.cmdo1", "Gorn Commando"),
                                                 textureLine("CommandoSkins.cmdo4Blake", "Blake")}));
    game.write("System/Stray_Skins.int", crlf({"[Public]", textureLine("Stray_Skins.str1", "Stray")}));
    game.write("System/Voices.int", crlf({"[Public]", voiceLine("BotPack.VoiceFemaleOne", "VoiceFemale", "Female 1")}));
}

TEST(CatalogueCommand, PrintsModelsVoicesAndUnmatched) {
    TempDir game;
    writeGame(game);
    CommandRun r = run({game.path().string()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "Models (2)\n"
                     "  BotPack.TMale1Bot  \"Male Commando\"  skin type commando\n"
                     "    skin CommandoSkins.cmdo  \"Gorn Commando\"\n"
                     "      face CommandoSkins.cmdo4Blake  \"Blake\"\n"
                     "  BotPack.TFemale2Bot  \"Female Soldier\"  skin type sgirl\n"
                     "Voices (1)\n"
                     "  BotPack.VoiceFemaleOne  \"Female 1\"  female\n"
                     "Unmatched skin files (1)\n"
                     "  " + (game / "System" / "Stray_Skins.int").string() + "  skin type Stray\n");
}

TEST(CatalogueCommand, PatternsAndSkipList) {
    TempDir game;
    writeGame(game);
    game.write("home/pattern.ini", "sgirl,Stray\r\n");
    game.write("home/int.ini", "commandoskins.int\r\n");
    CommandRun r = run({game.path().string(), "--patterns", (game / "home/pattern.ini").string(), "--skip",
                 (game / "home/int.ini").string()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.find("CommandoSkins"), std::string::npos);
    EXPECT_NE(r.out.find("skin type sgirl\n    skin Stray_Skins.str1  \"Stray\"\n"), std::string::npos);
    EXPECT_NE(r.out.find("Unmatched skin files (0)\n"), std::string::npos);
}

TEST(CatalogueCommand, UsageAndFailures) {
    TempDir game;
    writeGame(game);
    CommandRun none = run({});
    EXPECT_EQ(none.status, 2);
    EXPECT_EQ(none.err.substr(0, none.err.find('\n')), "rosterdesk-cli catalogue: missing GAME_DIR");
    EXPECT_EQ(run({"a", "b"}).status, 2);
    EXPECT_EQ(run({"catalogue", game.path().string()}).status, 2);  // one folder only
    EXPECT_EQ(run({game.path().string(), "--bogus"}).status, 2);
    EXPECT_EQ(run({"--help"}).status, 0);

    CommandRun missingPatterns = run({game.path().string(), "--patterns", (game / "nope.ini").string()});
    EXPECT_EQ(missingPatterns.status, 1);
    EXPECT_EQ(missingPatterns.err,
              "rosterdesk-cli catalogue: the pattern file " + (game / "nope.ini").string() + " cannot be read.\n");
    EXPECT_EQ(missingPatterns.out, "");
    CommandRun missingSkip = run({game.path().string(), "--skip", (game / "int.ini").string()});
    EXPECT_EQ(missingSkip.status, 1);
    EXPECT_EQ(missingSkip.err,
              "rosterdesk-cli catalogue: the skip list " + (game / "int.ini").string() + " cannot be read.\n");
    CommandRun notFolder = run({(game / "System/user.ini").string()});
    EXPECT_EQ(notFolder.status, 1);
    EXPECT_EQ(notFolder.err, "rosterdesk-cli catalogue: " + (game / "System/user.ini").string() + " is not a folder.\n");
}

}  // namespace
}  // namespace rosterdesk
