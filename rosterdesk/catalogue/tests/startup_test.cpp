#include "rosterdesk/catalogue/startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/interaction/scripted_interaction.h"
#include "common/testing/temp_dir.h"
#include "rosterdesk/catalogue/tests/int_text.h"

namespace rosterdesk {
namespace {

const std::string kSep(1, static_cast<char>(std::filesystem::path::preferred_separator));  // the native one

using korvath::ScriptedInteraction;
using korvath::testing::TempDir;
using Kind = korvath::ScriptedInteraction::Kind;

std::vector<std::string> titles(const ScriptedInteraction& ui) {
    std::vector<std::string> out;
    for (const auto& shown : ui.shown()) out.push_back(shown.title);
    return out;
}

TEST(FolderSetup, FirstRunShowsEverythingInOrder) {
    TempDir dir;
    dir.write("game/System/user.ini", "");
    dir.write("game/System/skeletalcharsfix313.int", "[Public]\r\n");
    std::string game = (dir / "game").string() + "/";
    std::string rosters = (dir / "rosters/new").string();
    ScriptedInteraction ui;
    ui.answerDialog(0);  // dlgFirstRun
    ui.answerText((dir / "nogame").string());
    ui.answerText(game);
    ui.answerDialog(2);  // both boss groups
    ui.answerText(rosters);
    Settings s;
    s.FirstRun = true;
    std::vector<std::string> said;
    StartupWindows windows;
    windows.status = [&](const std::string& t) { said.push_back(t); };
    ASSERT_TRUE(chooseFolders(ui, s, windows).ok());
    EXPECT_EQ(titles(ui), (std::vector<std::string>{"dlgFirstRun", "Locate Korvath Arena Directory...",
                                                    "Invalid KA Path", "Locate Korvath Arena Directory...", "Remember!",
                                                    "dlgNewBoss", "Locate Configuration Directory..."}));
    EXPECT_EQ(ui.shown()[2].text, (dir / "nogame").string() + kSep + " is not a valid KA path.\r\n\r\nPlease choose again.");
    EXPECT_EQ(s.KAPath, game);
    EXPECT_EQ(s.ConfigPath, rosters + kSep);
    EXPECT_FALSE(s.FirstRun);
    EXPECT_TRUE(std::filesystem::is_directory(rosters));
    EXPECT_EQ(said, (std::vector<std::string>{"Locate Korvath Arena & Configuration Directory...",
                                              "Locate Korvath Arena & Configuration Directory...DONE!"}));
}

TEST(FolderSetup, InvalidGameFolderAsksOnlyForTheFolders) {
    TempDir dir;
    dir.write("game/SYSTEM/User.ini", "");
    dir.write("game/SYSTEM/skeletalcharsfix313.int", "[Public]\r\n");  // not asked for: not a first run
    ScriptedInteraction ui;
    ui.answerText((dir / "game").string());
    ui.answerText((dir / "rosters").string());
    Settings s;
    s.ConfigPath = (dir / "old").string() + "/";
    ASSERT_TRUE(chooseFolders(ui, s).ok());
    EXPECT_EQ(titles(ui), (std::vector<std::string>{"Locate Korvath Arena Directory...",
                                                    "Locate Configuration Directory..."}));
    EXPECT_EQ(ui.shown()[1].text, (dir / "old").string() + "/");  // starts from the current roster folder
}

TEST(FolderSetup, CancelOrUncreatableFolderKeepsTheSettings) {
    TempDir dir;
    dir.write("game/System/user.ini", "");
    dir.write("file", "x");
    ScriptedInteraction cancel;
    Settings s;
    s.KAPath = "/old/";
    EXPECT_EQ(chooseFolders(cancel, s).error(), "No game folder was chosen.");
    EXPECT_EQ(s.KAPath, "/old/");

    ScriptedInteraction blocked;
    blocked.answerText((dir / "game").string());
    blocked.answerText((dir / "file" / "rosters").string());
    korvath::Status status = chooseFolders(blocked, s);
    EXPECT_EQ(status.error(), "The configuration folder " + (dir / "file" / "rosters").string() + kSep + " could not be created.");
    EXPECT_EQ(s.KAPath, "/old/");
}

TEST(LoadCatalogue, NeedsPatternAndSkipFiles) {
    TempDir dir;
    dir.write("game/System/Models.int", testing::crlf({"[Public]", testing::botLine("BotPack.TMale1Bot", "Male Commando")}));
    dir.write("game/System/Skipped.int", testing::crlf({"[Public]", testing::botLine("BotPack.TBossBot", "Boss")}));
    Settings s;
    s.KAPath = (dir / "game").string() + "/";
    CatalogueState state;
    std::optional<StartupFailure> failure = loadCatalogue(dir / "home", s, state);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->message, "Unknown Error has occured in Sub Main");
    EXPECT_EQ(failure->description, "File not found: " + (dir / "home" / "pattern.ini").string());
    dir.write("home/Pattern.ini", "");
    failure = loadCatalogue(dir / "home", s, state);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->description, "File not found: " + (dir / "home" / "int.ini").string());

    dir.write("home/INT.INI", "skipped.int\r\n");
    dir.write("home/Pattern.ini", "commando,Stray\r\n\r\nboss,X\r\n");
    int steps = 0;
    ScanObserver observer{nullptr, [&] { ++steps; }};
    EXPECT_FALSE(loadCatalogue(dir / "home", s, state, observer));
    EXPECT_EQ(classListEntries(state.catalogue.models), (std::vector<std::string>{"Male Commando", "(NONE)"}));
    EXPECT_EQ(state.patterns[2].modelName, "boss");
    EXPECT_EQ(steps, 2 + 1 + 1);  // pattern lines, listed file, analysed file
}

}  // namespace
}  // namespace rosterdesk
