#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <cstdlib>
#ifndef _WIN32
#include <unistd.h>
#endif

#include "common/files/game_path.h"
#include "common/text/text_lines.h"
#include "common/interaction/scripted_interaction.h"
#include "common/testing/environment.h"
#include "common/testing/temp_dir.h"
#include "rosterdesk/catalogue/pic_bar.h"
#include "rosterdesk/catalogue/startup.h"
#include "rosterdesk/catalogue/tests/int_text.h"

namespace rosterdesk {
namespace {

using korvath::ScriptedInteraction;
using korvath::testing::TempDir;

struct Recorder {
    std::vector<std::string> said;
    std::vector<ErrorReport> reports;
    int steps = 0;
    StartupWindows windows() {
        StartupWindows w;
        w.status = [this](const std::string& t) { said.push_back(t); };
        w.step = [this] { ++steps; };
        w.report = [this](const ErrorReport& r) { reports.push_back(r); };
        w.initializeInformation = [this] { said.push_back("<initialize>"); };
        return w;
    }
};

class StartupSequence : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedInteraction ui;
    Settings settings;
    CatalogueState state;
    Recorder rec;
    std::string game() { return (dir / "game").string() + "/"; }
    void SetUp() override {
        dir.write("game/System/user.ini", "");
        dir.write("game/System/Models.int", testing::crlf({"[Public]", testing::botLine("BotPack.TMale1Bot", "Male Commando")}));
        dir.write("home/pattern.ini", "commando,Stray\r\n");
        dir.write("home/int.ini", "");
    }
    void writeOptions(const std::string& kaPath) {
        dir.write("home/options.ini", "[SplashScreen]\r\n1\r\n\r\n[KAPath]\r\n0\r\n" + (dir / "rosters").string() +
                                          "/\r\n" + kaPath + "\r\n");
    }
};

TEST_F(StartupSequence, ValidSettingsGoStraightThroughWithEveryText) {
    writeOptions(game());
    settings.RestartPending = true;
    int autoClose = -1;
    StartupWindows w = rec.windows();
    w.autoClose = [&](int v) { autoClose = v; };
    ASSERT_TRUE(runStartupSequence(ui, dir / "home", settings, state, w));
    EXPECT_TRUE(ui.shown().empty());
    EXPECT_TRUE(rec.reports.empty());
    EXPECT_EQ(rec.said, (std::vector<std::string>{"Loading Options...", "Loading Pattern List...",
                                                  "Locating Model & Skin files...", "Analyzing Class files...",
                                                  "Initializing Information...", "<initialize>",
                                                  "Initializing Information...Done!"}));
    EXPECT_EQ(rec.steps, 7 + 1 + 1 + 1 + 1);  // options lines, after reading, pattern, listed, analysed
    EXPECT_EQ(autoClose, 1);
    EXPECT_FALSE(settings.RestartPending);
    EXPECT_EQ(settings.StartupStep, "");
    EXPECT_EQ(classListEntries(state.catalogue.models), (std::vector<std::string>{"Male Commando", "(NONE)"}));
}

TEST_F(StartupSequence, MissingSupportFilesAreReportedOnceAndStartUpGoesOn) {
    writeOptions(game());
    std::filesystem::remove(dir / "home/pattern.ini");
    std::filesystem::remove(dir / "home/int.ini");
    ASSERT_TRUE(runStartupSequence(ui, dir / "home", settings, state, rec.windows()));
    ASSERT_EQ(rec.reports.size(), 2u);
    EXPECT_EQ(rec.reports[0].message, "Unknown Error has occured in Sub Main");
    EXPECT_EQ(rec.reports[0].number, 53);
    EXPECT_EQ(rec.reports[0].description, "File not found: " + (dir / "home" / "pattern.ini").string());
    EXPECT_EQ(rec.reports[1].description, "File not found: " + (dir / "home" / "int.ini").string());
    EXPECT_EQ(classListEntries(state.catalogue.models), (std::vector<std::string>{"Male Commando", "(NONE)"}));
    EXPECT_EQ(rec.said.back(), "Initializing Information...Done!");
}

// Makes a folder unwritable, also for root (through the immutable attribute); false if it cannot.
bool lockFolder(const std::filesystem::path& folder, bool lock) {
    namespace fs = std::filesystem;
#ifdef _WIN32
    (void)folder;
    (void)lock;
    return false;  // a read-only folder on Windows still takes new files
#else
    if (::geteuid() != 0) {
        fs::permissions(folder, lock ? fs::perms::owner_read | fs::perms::owner_exec : fs::perms::owner_all);
        return true;
    }
    std::string command = std::string("chattr ") + (lock ? "+i '" : "-i '") + folder.string() + "' 2>/dev/null";
    return std::system(command.c_str()) == 0;
#endif
}

TEST_F(StartupSequence, UnwritableBossFileIsReportedAndSetupGoesOn) {
    dir.write("game/System/skeletalcharsfix313.int", "[Public]\r\n");
    if (!lockFolder(dir / "game/System", true)) GTEST_SKIP() << "cannot make a folder read-only here";
    ui.answerDialog(0);       // dlgFirstRun
    ui.answerText(game());    // game folder
    ui.answerDialog(1);       // dlgNewBoss
    ui.answerText((dir / "rosters").string());
    bool ok = runStartupSequence(ui, dir / "home", settings, state, rec.windows());
    lockFolder(dir / "game/System", false);
    ASSERT_TRUE(ok);
    ASSERT_EQ(rec.reports.size(), 1u);
    EXPECT_EQ(rec.reports[0].message, "Unknown Error has occured in Sub Main");
    EXPECT_EQ(ui.shown().back().title, "Locate Configuration Directory...");
    EXPECT_EQ(settings.KAPath, game());
}

TEST_F(StartupSequence, CancelledFolderDialogEndsTheProgramAndScreenshotsAskNothing) {
    EXPECT_FALSE(runStartupSequence(ui, dir / "home", settings, state, rec.windows()));
    EXPECT_EQ(ui.shown().back().title, "Rosterdesk");
    EXPECT_EQ(ui.shown().back().text, "No game folder was chosen.");

    ScriptedInteraction quiet;
    Settings fresh;
    korvath::testing::setEnvironment("KORVATH_ARENA_DIR", game());
    bool ok = runStartupSequence(quiet, dir / "home", fresh, state, rec.windows(), false);
    korvath::testing::setEnvironment("KORVATH_ARENA_DIR", std::nullopt);
    ASSERT_TRUE(ok);
    EXPECT_TRUE(quiet.shown().empty());
    EXPECT_EQ(fresh.KAPath, game());
    EXPECT_FALSE(std::filesystem::exists(dir / "home/options.ini"));  // start-up never writes settings
}

TEST(StartupFailureAction, ByNumberAndStage) {
    struct Case { int number; const char* step; FailureAction action; };
    for (const Case& c : {Case{52, "", FailureAction::ChooseFolders}, Case{62, "options", FailureAction::KeepOptionsRead},
                          Case{62, "", FailureAction::Report}, Case{55, "", FailureAction::CloseAndResume},
                          Case{53, "options", FailureAction::Report}, Case{0, "", FailureAction::Report}})
        EXPECT_EQ(startupFailureAction(c.number, c.step), c.action) << c.number << " " << c.step;
}

TEST(SplashEnd, FollowsTheCheckBox) {
    Settings s;
    SplashEnd end = finishSplash(s, true);
    EXPECT_TRUE(end.closeNow);
    EXPECT_EQ(s.AutoClose, 1);
    end = finishSplash(s, false);
    EXPECT_FALSE(end.closeNow);
    EXPECT_EQ(end.message, "Finished...Click the Close button.");
    EXPECT_EQ(s.AutoClose, 0);
}

TEST(ErrorLog, NameTextAndOverwrite) {
    TempDir dir;
    LocalTime when{2026, 12, 6, 0, 10, 0, 0};
    EXPECT_EQ(errorLogFileName(53, when), "ErrNum53_1262026.txt");
    ErrorLogWrite first = writeErrorLog(dir.path(), {"first", 53, "File not found"}, when);
    ErrorLogWrite second = writeErrorLog(dir.path(), {"Unknown Error has occured in Sub Main", 53, "Gone"}, when);
    writeErrorLog(dir.path(), {"other", 75, "Denied"}, when);
    EXPECT_EQ(first.file, second.file);
    EXPECT_EQ(korvath::readFileBytes(second.file),
              "Error Message: Unknown Error has occured in Sub Main\r\nError Number: 53\r\nDescription: Gone\r\n");
    EXPECT_EQ(korvath::listFolderSorted(dir.path()).size(), 2u);
}

// Applies a step to a row of pixel columns the way the window draws it.
std::vector<int> scrolled(const std::vector<int>& row, const ScrollStep& s) {
    std::vector<int> out(row.size());
    int width = static_cast<int>(row.size());
    for (int x = 0; x < width; ++x)
        if (x + s.pictureX >= 0 && x + s.pictureX < width) out[x + s.pictureX] = row[x];
    for (int i = 0; i < s.stripWidth; ++i) out[s.stripTargetX + i] = row[s.stripSourceX + i];
    if (s.stripWidth == 0 && s.pictureX == 0) out = row;
    return out;
}

TEST(PicBar, WrapsAroundAndComesBackAfterAFullTurn) {
    std::vector<int> row(10);
    std::iota(row.begin(), row.end(), 0);
    EXPECT_EQ(scrolled(row, bgScrollStep(10, 2, 1)), (std::vector<int>{8, 9, 0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(scrolled(row, bgScrollStep(10, 2, 0)), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 0, 1}));
    for (int dir : {1, -1}) {
        std::vector<int> moving = row;
        for (int i = 0; i < 10 / 2; ++i) moving = scrolled(moving, bgScrollStep(10, 2, dir));
        EXPECT_EQ(moving, row) << dir;
    }
    EXPECT_EQ(scrolled(row, bgScrollStep(10, 0, 1)), row);
    EXPECT_EQ(scrolled(row, bgScrollStep(10, 12, 1)), scrolled(row, bgScrollStep(10, 2, 1)));
}

}  // namespace
}  // namespace rosterdesk
