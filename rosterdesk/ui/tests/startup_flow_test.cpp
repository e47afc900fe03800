// Start-up through its windows: the first-run sequence, the splash window's end, the error
// dialog and the unmatched-skin windows with their re-scan.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>

#include "common/files/game_path.h"
#include "common/testing/temp_dir.h"
#include "common/text/text_lines.h"
#include "rosterdesk/catalogue/tests/int_text.h"
#include "rosterdesk/ui/startup_flow.h"
#include "rosterdesk/ui/tests/startup_test_support.h"

namespace fs = std::filesystem;
using korvath::ScriptedInteraction;
using Kind = korvath::ScriptedInteraction::Kind;

namespace rosterdesk {
namespace {

using testing::child;
using testing::click;

class StartupFlow : public ::testing::Test {
protected:
    korvath::testing::TempDir dir;
    ProgramState state;
    testing::DrivenInteraction ui;
    int initialized = 0;
    void SetUp() override {
        korvath::testing::ensureApplication();
        dir.write("game/System/user.ini", "");
        dir.write("game/System/BotPack.int",
                  rosterdesk::testing::crlf({"[Public]", rosterdesk::testing::botLine("BotPack.TMale1Bot", "Male Commando")}));
        dir.write("game/System/Stray.int",
                  rosterdesk::testing::crlf({"[Public]", rosterdesk::testing::textureLine("Stray_Skins.str1", "Stray")}));
        dir.write("home/pattern.ini", "");
        dir.write("home/int.ini", "");
        state.home = dir / "home";
    }
    std::string game() { return (dir / "game").string() + "/"; }
    std::string rosters() { return (dir / "rosters").string() + "/"; }
    void options(const std::string& autoClose, const std::string& relocate, const std::string& kaPath) {
        dir.write("home/options.ini", "[SplashScreen]\r\n" + autoClose + "\r\n\r\n[KAPath]\r\n" + relocate + "\r\n" +
                                          rosters() + "\r\n" + kaPath + "\r\n");
    }
    bool run() {
        return runStartup(state, ui, [this] { ++initialized; }, nullptr);
    }
    std::vector<std::string> titles() const {
        std::vector<std::string> out;
        for (const auto& shown : ui.shown()) out.push_back(shown.title);
        return out;
    }
};

TEST_F(StartupFlow, FolderSetupDialogsAppearInTheirOrder) {
    const std::vector<std::string> firstRun{"dlgFirstRun", "dlgCorrectKAPath", "Locate Korvath Arena Directory...",
                                            "Remember!", "dlgNewBoss", "dlgChangeConfigPath",
                                            "Locate Configuration Directory...", "frmBadFiles"};
    const std::vector<std::string> foldersOnly{"dlgCorrectKAPath", "Locate Korvath Arena Directory...",
                                               "dlgChangeConfigPath", "Locate Configuration Directory...",
                                               "frmBadFiles"};
    struct Case {
        const char* name;
        std::function<void()> prepare;
        std::vector<std::string> shown;
    };
    const std::vector<Case> cases{
        {"no options.ini", [&] { fs::remove(dir / "home/options.ini"); }, firstRun},
        {"line 5 is 1", [&] { options("1", "1", "/ignored/"); }, firstRun},
        {"bad KAPath", [&] { options("1", "0", (dir / "nogame").string()); }, foldersOnly},
        {"two lines", [&] { dir.write("home/options.ini", "[SplashScreen]\r\n1\r\n"); }, foldersOnly},
    };
    dir.write("game/System/skeletalcharsfix313.int", "[Public]\r\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui.clear();
        state.settings = Settings{};
        c.prepare();
        bool firstRunCase = c.shown.size() == firstRun.size();
        if (firstRunCase) ui.answerDialog(1);  // dlgFirstRun
        ui.answerDialog(1);
        ui.answerText(game());
        if (firstRunCase) {
            ui.answer(korvath::Answer::Ok);  // Remember!
            ui.answerDialog(2);               // both boss groups
        }
        ui.answerDialog(1);
        ui.answerText(rosters());
        ui.answerDialog(0);  // frmBadFiles: Continue with nothing checked
        testing::SplashCloser closer;
        ASSERT_TRUE(run());
        EXPECT_EQ(titles(), c.shown);
        EXPECT_EQ(ui.pending(), 0u);
        EXPECT_EQ(state.settings.KAPath, game());
        EXPECT_EQ(state.settings.ConfigPath, rosters());
        if (firstRunCase) {
            EXPECT_EQ(ui.shown()[3].text, rememberNoteText());
            EXPECT_EQ(ui.shown()[6].text, defaultConfigFolder()) << "the folders of lines 6 and 7 are not read";
        }
    }
    EXPECT_EQ(state.settings.AutoClose, 1) << "the two-line file's AutoClose stands";
}

TEST_F(StartupFlow, SplashClosesByItselfOrWaitsForClose) {
    struct Case {
        const char* autoClose;
        bool checkBeforeClose;
        int expected;
    };
    for (const Case& c : {Case{"1", false, 1}, Case{"0", false, 0}, Case{"0", true, 1}}) {
        SCOPED_TRACE(std::string(c.autoClose) + (c.checkBeforeClose ? " checked" : ""));
        options(c.autoClose, "0", game());
        ui.answerDialog(0);
        std::string message;
        bool closeEnabledAtEnd = false;
        int initializedBeforeEnd = -1;
        testing::SplashCloser closer([&](QWidget& splash) {
            message = child<QLabel>(splash, "lblMessage")->text().toStdString();
            closeEnabledAtEnd = true;
            initializedBeforeEnd = initialized;
            if (c.checkBeforeClose) child<QCheckBox>(splash, "chkAutoClose")->setChecked(true);
        });
        initialized = 0;
        ASSERT_TRUE(run());
        EXPECT_EQ(initialized, 1);
        EXPECT_EQ(state.settings.AutoClose, c.expected);
        EXPECT_EQ(testing::visibleWindow("frmSplash"), nullptr);
        if (std::string(c.autoClose) == "1") {
            EXPECT_FALSE(closeEnabledAtEnd);
        } else {
            EXPECT_EQ(message, "Finished...Click the Close button.");
            EXPECT_EQ(initializedBeforeEnd, 1);
        }
    }
}

TEST_F(StartupFlow, SplashShowsVersionAndStartsWithCloseDisabled) {
    options("1", "0", game());
    bool checked = false;
    ui.drivers["frmBadFiles"] = [&](QWidget& window) {
        QWidget* splash = testing::visibleWindow("frmSplash");
        ASSERT_NE(splash, nullptr);
        EXPECT_EQ(child<QLabel>(*splash, "lblVersion")->text(), "Version 1.0.0 Beta");
        EXPECT_FALSE(child<QPushButton>(*splash, "cmdClose")->isEnabled());
        EXPECT_EQ(child<QCheckBox>(*splash, "chkAutoClose")->text(),
                  "Auto-close this window after program initialization finishes.");
        EXPECT_TRUE(child<QCheckBox>(*splash, "chkAutoClose")->isChecked());
        checked = true;
        click(window, "cmdContinue");
    };
    ASSERT_TRUE(run());
    EXPECT_TRUE(checked);
}

TEST_F(StartupFlow, MissingPatternFileReachesTheErrorDialogAndStartUpGoesOn) {
    options("1", "0", game());
    fs::remove(dir / "home/pattern.ini");
    ui.answerDialog(0);
    std::map<std::string, QString> seen;
    ui.drivers["dlgError"] = [&](QWidget& dialog) {
        seen["title"] = dialog.windowTitle();
        for (const char* name : {"lblErrFileLoc", "lblCustomMsg", "lblErrDescr"}) seen[name] = child<QLabel>(dialog, name)->text();
        EXPECT_EQ(dialog.findChildren<QPushButton*>().size(), 1);
        click(dialog, "OKButton");
    };
    ASSERT_TRUE(run());
    EXPECT_EQ(initialized, 1);
    EXPECT_EQ(seen["title"], "Error Number: 53");
    EXPECT_EQ(seen["lblCustomMsg"], "Unknown Error has occured in Sub Main");
    std::string pattern = korvath::resolveGamePath(dir / "home", "pattern.ini").string();
    EXPECT_EQ(seen["lblErrDescr"].toStdString(), "File not found: " + pattern);
    fs::path log = seen["lblErrFileLoc"].toStdString();
    EXPECT_EQ(log.parent_path(), dir / "home");
    EXPECT_EQ(log.filename().string(), errorLogFileName(53, currentLocalTime()));
    EXPECT_EQ(korvath::readFileBytes(log), "Error Message: Unknown Error has occured in Sub Main\r\nError Number: 53\r\n"
                                           "Description: File not found: " + pattern + "\r\n");
}

TEST_F(StartupFlow, PatternChosenForAnUnmatchedSkinIsSavedAndScannedAgain) {
    options("1", "0", game());
    ui.drivers["frmBadFiles"] = [&](QWidget& window) {
        EXPECT_EQ(window.windowTitle(), "These Skin files could not be matched to any Models...");
        auto* list = child<QListWidget>(window, "lstFileList");
        ASSERT_EQ(list->count(), 1);
        EXPECT_EQ(list->item(0)->text().toStdString(), (dir / "game/System/Stray.int").string());
        click(window, "cmdCheckAll");
        EXPECT_EQ(child<QPushButton>(window, "cmdCheckAll")->text(), "Uncheck All");
        EXPECT_EQ(list->item(0)->checkState(), Qt::Checked);
        click(window, "cmdContinue");
    };
    ui.drivers["frmPattern"] = [&](QWidget& window) {
        EXPECT_EQ(window.windowTitle(), "Create/Add Pattern to the Pattern File");
        auto* models = child<QComboBox>(window, "cmbModelAssoc");
        ASSERT_EQ(models->count(), 2);
        EXPECT_EQ(models->itemText(1), "(NONE)");
        models->setCurrentIndex(0);
        click(window, "cmdSetPattern");
        EXPECT_EQ(child<QListWidget>(window, "lstFiles")->item(0)->text().toStdString(),
                  (dir / "game/System/Stray.int").string() + " - Male Commando");
        click(window, "cmdFinished");
    };
    std::vector<std::string> skinsAtInitialize;
    ASSERT_TRUE(runStartup(state, ui, [&] {
        skinsAtInitialize = skinListEntries(state.catalogue.catalogue.models[0]);
    }, nullptr));
    EXPECT_EQ(ui.driven, (std::vector<std::string>{"frmBadFiles", "frmPattern"}));
    EXPECT_EQ(korvath::readFileBytes(dir / "home/pattern.ini"), "commando,Stray\r\n");
    EXPECT_EQ(skinsAtInitialize, (std::vector<std::string>{"Stray", "(NONE)"}));
}

}  // namespace
}  // namespace rosterdesk
