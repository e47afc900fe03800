#include "rosterdesk/catalogue/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/interaction/scripted_interaction.h"
#include "common/testing/temp_dir.h"

namespace rosterdesk {
namespace {

const std::string kSep(1, static_cast<char>(std::filesystem::path::preferred_separator));  // the native one

using korvath::testing::TempDir;

TEST(Options, ReadsTheSevenLines) {
    TempDir home;
    home.write("options.ini", "[SplashScreen]\r\n1\r\n\r\n[KAPath]\r\n0\r\n/rosters/\r\n/games/ka\r\n");
    Settings s;
    OptionsReadResult r = readOptions(home.path(), s);
    EXPECT_TRUE(r.found);
    EXPECT_EQ(r.warning, "");
    EXPECT_EQ(s.AutoClose, 1);
    EXPECT_FALSE(s.FirstRun);
    EXPECT_EQ(s.ConfigPath, "/rosters/");
    EXPECT_EQ(s.KAPath, "/games/ka" + kSep);  // a separator is added
    EXPECT_EQ(s.StartupStep, "");
}

TEST(Options, RelocationFlagIgnoresTheFolders) {
    Settings s;
    parseOptions("[SplashScreen]\n0\n\n[KAPath]\n 1 \n/rosters/\n/games/ka/\n", s);
    EXPECT_TRUE(s.FirstRun);
    EXPECT_EQ(s.KAPath, "");
    EXPECT_EQ(s.ConfigPath, kSep);  // an empty roster folder becomes the separator alone
    Settings t;
    parseOptions("[SplashScreen]\n0\n\n[KAPath]\n11\n/r/\n/g/\n", t);
    EXPECT_FALSE(t.FirstRun);
    EXPECT_EQ(t.KAPath, "/g/");
}

TEST(Options, ShortFileKeepsWhatWasRead) {
    Settings s;
    s.KAPath = "";
    parseOptions("[SplashScreen]\r\n1\r\n", s);
    EXPECT_EQ(s.AutoClose, 1);
    EXPECT_EQ(s.KAPath, "");
    EXPECT_FALSE(s.FirstRun);
    EXPECT_TRUE(needsFolderSetup(s));  // fails on the empty game folder
}

TEST(Options, MissingFileIsFirstRunAndBadNumberIsReported) {
    TempDir home;
    Settings s;
    EXPECT_FALSE(readOptions(home.path(), s).found);
    EXPECT_TRUE(s.FirstRun);

    Settings t;
    t.AutoClose = 1;
    OptionsReadResult r = parseOptions("[SplashScreen]\nyes\n", t);
    EXPECT_EQ(t.AutoClose, 0);
    EXPECT_EQ(r.warning, "The AutoClose value \"yes\" in options.ini is not a number; 0 is used.");
}

TEST(Options, FoundWithoutRegardToCase) {
    TempDir home;
    home.write("OPTIONS.INI", "[SplashScreen]\r\n1\r\n\r\n[KAPath]\r\n0\r\n/r/\r\n/g/\r\n");
    Settings s;
    EXPECT_TRUE(readOptions(home.path(), s).found);
    EXPECT_EQ(s.KAPath, "/g/");
}

TEST(Options, WritesExactShapeAndQuotesCommas) {
    Settings s;
    s.AutoClose = 1;
    s.ConfigPath = "/home/u/My,Rosters/";
    s.KAPath = "/games/ka/";
    EXPECT_EQ(formatOptions(s),
              "[SplashScreen]\r\n1\r\n\r\n[KAPath]\r\n0\r\n\"/home/u/My,Rosters/\"\r\n/games/ka/\r\n");
    // Read back whole, where an unquoted comma would cut the folder.
    Settings back;
    parseOptions(formatOptions(s), back);
    EXPECT_EQ(back.ConfigPath, "/home/u/My,Rosters/");
    Settings cut;
    parseOptions("[SplashScreen]\r\n1\r\n\r\n[KAPath]\r\n0\r\n/home/u/My,Rosters/\r\n/g/\r\n", cut);
    EXPECT_EQ(cut.ConfigPath, "/home/u/My" + kSep);
}

TEST(Options, WriteFailsWhereAFolderIsAFile) {
    TempDir dir;
    dir.write("notafolder", "x");
    Settings s;
    korvath::Status status = writeOptions(dir / "notafolder", s);
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.error(), "The settings could not be written to " + (dir / "notafolder" / "options.ini").string() + ".");
    EXPECT_EQ(dir.read("notafolder"), "x");
}

TEST(GameFolder, NeedsUserIniInAnyCase) {
    TempDir game;
    std::string folder = game.path().string() + "/";
    EXPECT_FALSE(isValidGameFolder(folder));
    EXPECT_FALSE(isValidGameFolder(""));
    game.write("system/USER.INI", "");
    EXPECT_TRUE(isValidGameFolder(folder));

    Settings s;
    s.KAPath = folder;
    EXPECT_FALSE(needsFolderSetup(s));
    s.FirstRun = true;
    EXPECT_TRUE(needsFolderSetup(s));
}

TEST(GameFolder, InvalidChoiceIsRefusedWithTheMessage) {
    TempDir game;
    korvath::ScriptedInteraction ui;
    std::string folder = game.path().string() + "/";
    EXPECT_FALSE(confirmGameFolder(ui, folder));
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].title, "Invalid KA Path");
    EXPECT_EQ(ui.shown()[0].text, folder + " is not a valid KA path.\r\n\r\nPlease choose again.");
    EXPECT_EQ(ui.shown()[0].buttons, korvath::Buttons::Ok);
    game.write("System/user.ini", "");
    EXPECT_TRUE(confirmGameFolder(ui, folder));
    EXPECT_EQ(ui.shown().size(), 1u);
}

TEST(GameFolder, ChangingItAsksForARestartOnlyWhenItDiffers) {
    korvath::ScriptedInteraction ui;
    Settings s;
    s.KAPath = "/games/ka/";
    EXPECT_FALSE(changeGameFolder(ui, s, "/games/ka/"));
    EXPECT_FALSE(changeGameFolder(ui, s, "/games/ka"));  // the same folder, separator added
    EXPECT_TRUE(ui.shown().empty());
    EXPECT_FALSE(s.RestartPending);

    EXPECT_TRUE(changeGameFolder(ui, s, "/games/other"));
    EXPECT_EQ(s.KAPath, "/games/other" + kSep);
    EXPECT_TRUE(s.RestartPending);
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].title, "Restart Rosterdesk");
    EXPECT_EQ(ui.shown()[0].text, "Rosterdesk must be restarted for changes to take affect.");
    EXPECT_EQ(ui.shown()[0].buttons, korvath::Buttons::Ok);
    EXPECT_EQ(ui.shown()[0].icon, korvath::Icon::None);
}

TEST(GameFolder, RememberNote) {
    EXPECT_EQ(rememberNoteText(),
              "To change the path later simply go to\r\nthe 'File' menu and choose Options.\nThen choose the Paths "
              "tab and\r\nthe KA Path radio button.\r\nFinally click the 'Change' button.");
}

}  // namespace
}  // namespace rosterdesk
