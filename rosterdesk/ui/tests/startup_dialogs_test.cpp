// The folder dialogs, the boss choice through both dialogs, the options dialog and the
// unmatched-skin window's buttons, each driven through its controls.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>

#include "common/testing/temp_dir.h"
#include "common/text/text_lines.h"
#include "rosterdesk/catalogue/tests/int_text.h"
#include "rosterdesk/ui/dlg_new_boss.h"
#include "rosterdesk/ui/dlg_options.h"
#include "rosterdesk/ui/folder_dialogs.h"
#include "rosterdesk/ui/frm_splash.h"
#include "rosterdesk/ui/tests/startup_test_support.h"
#include "rosterdesk/ui/unmatched_windows.h"

namespace fs = std::filesystem;
using korvath::Answer;

namespace rosterdesk {
namespace {

using testing::child;
using testing::click;

class StartupDialogs : public ::testing::Test {
protected:
    korvath::testing::TempDir dir;
    testing::DrivenInteraction ui;
    ProgramState state;
    void SetUp() override {
        korvath::testing::ensureApplication();
        dir.write("game/System/user.ini", "");
        state.home = dir / "home";
        fs::create_directories(state.home);
        state.settings.KAPath = game();
        state.settings.ConfigPath = (dir / "old").string() + "/";
    }
    std::string game() { return (dir / "game").string() + "/"; }
    // What the main window does once the options dialog closed with OK.
    bool applyOptions(const dlgOptions& options) {
        return applyOptionsChoice(options.choice(), state.settings, state.catalogue.bossVariant, state.home, ui);
    }
    static QString option(const char* name, int i) { return QString("%1(%2)").arg(name).arg(i); }
};

// The add-on file with each group on or off.
std::string bossFile(bool fixedOn, bool maleOn) {
    auto line = [](bool on, const std::string& cls, const std::string& description) {
        return (on ? "" : ";") + rosterdesk::testing::botLine("SkeletalCharsFix313." + cls, description);
    };
    return rosterdesk::testing::crlf({"[Public]", line(fixedOn, "WarBossBotFix313", "WarBoss [Fixed]"),
                                      line(maleOn, "WarBossMBotFix313", "WarBoss [Fixed/Male Voices]")});
}

TEST_F(StartupDialogs, BossChoiceIsPreselectedAndAppliedByMeaningInBothDialogs) {
    struct State {
        bool fixedOn, maleOn;
        BossVariant variant;
        int newBossOption;   // dlgNewBoss: 0 male voices only, 1 fixed only, 2 both
        int optionsIndex;    // dlgOptions: 0 both, 1 male voices only, 2 fixed only
    };
    const State states[] = {{true, true, BossVariant::Both, 2, 0},
                            {true, false, BossVariant::FixedOnly, 1, 2},
                            {false, true, BossVariant::NoFixed, 0, 1}};
    for (const State& s : states) {
        SCOPED_TRACE(static_cast<int>(s.variant));
        dir.write("game/System/skeletalcharsfix313.int", bossFile(s.fixedOn, s.maleOn));
        ASSERT_EQ(detectBossVariant(game()), s.variant);

        dlgNewBoss boss(bossDialogState(s.variant));
        EXPECT_EQ(boss.windowTitle(), "Which WarBoss and Xan II models to use?");
        EXPECT_TRUE(child<QRadioButton>(boss, option("optChoice", s.newBossOption))->isChecked());
        EXPECT_EQ(child<QLabel>(boss, "lblStatus")->text(),
                  s.variant == BossVariant::Both
                      ? "Currently both boss models are turned on.  You only need one turned on.  I recommend the "
                        "first choice below."
                      : "Your current choice is marked below.");

        state.catalogue.bossVariant = s.variant;
        dlgOptions options(state, ui);
        EXPECT_TRUE(child<QRadioButton>(options, option("optChoice", s.optionsIndex))->isChecked());
    }
    // Every target state reached through each dialog, from the state "both on".
    for (const State& target : states) {
        SCOPED_TRACE(static_cast<int>(target.variant));
        dir.write("game/System/skeletalcharsfix313.int", bossFile(true, true));
        dlgNewBoss boss(bossDialogState(BossVariant::Both));
        child<QRadioButton>(boss, option("optChoice", target.newBossOption))->setChecked(true);
        QTimer::singleShot(0, [&] { click(boss, "OKButton"); });
        int chosen = boss.exec();
        ASSERT_TRUE(applyBossChoice(game(), bossChoiceForDialogOption(chosen)).ok());
        EXPECT_EQ(detectBossVariant(game()), target.variant);

        dir.write("game/System/skeletalcharsfix313.int", bossFile(true, true));
        state.catalogue.bossVariant = BossVariant::Both;
        dlgOptions options(state, ui);
        child<QRadioButton>(options, option("optChoice", target.optionsIndex))->setChecked(true);
        click(options, "OKButton");
        ASSERT_EQ(options.result(), QDialog::Accepted);
        applyOptions(options);
        EXPECT_EQ(detectBossVariant(game()), target.variant);
        EXPECT_EQ(state.catalogue.bossVariant, target.variant);
    }
}

TEST_F(StartupDialogs, OptionsShowTheSettingsAndOkWritesThem) {
    state.settings.AutoClose = 1;
    dlgOptions options(state, ui);
    auto* tabs = child<QTabWidget>(options, "SSTab1");
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0) + tabs->tabText(1) + tabs->tabText(2), "PathsBossOther");
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_TRUE(child<QRadioButton>(options, "optPathChange(0)")->isChecked());
    EXPECT_EQ(child<QLabel>(options, "lblKAPath")->text().toStdString(), game());
    auto* autoClose = child<QCheckBox>(options, "chkAutoClose");
    EXPECT_EQ(autoClose->text(), "Auto Close Splash Screen");
    EXPECT_TRUE(autoClose->isChecked());
    autoClose->setChecked(false);
    EXPECT_FALSE(options.choice().autoClose);                                 // at once, before OK
    EXPECT_FALSE(child<QRadioButton>(options, "optChoice(0)")->isEnabled());  // no add-on installed
    EXPECT_FALSE(options.choice().bossChoice);
    click(options, "OKButton");
    ASSERT_EQ(options.result(), QDialog::Accepted);
    applyOptions(options);
    EXPECT_EQ(state.settings.AutoClose, 0);
    EXPECT_EQ(korvath::readFileBytes(dir / "home/options.ini"), formatOptions(state.settings));
    EXPECT_TRUE(ui.shown().empty());
}

TEST_F(StartupDialogs, ChangingTheGameFolderRestartsOnlyForAnotherFolder) {
    dir.write("game2/System/user.ini", "");
    for (const std::string& chosen : {game(), (dir / "game2").string() + "/"}) {
        ui.clear();
        dlgOptions options(state, ui);
        child<QRadioButton>(options, "optPathChange(1)")->setChecked(true);
        ui.answerDialog(1);
        ui.answerText(chosen);
        click(options, "cmdChange");
        bool restart = chosen != game();
        // Another game folder closes the dialog as OK does; the same one leaves it open.
        EXPECT_EQ(options.result() == QDialog::Accepted, restart);
        EXPECT_EQ(options.result() == QDialog::Accepted && applyOptions(options), restart);
        if (!restart) continue;
        EXPECT_EQ(ui.shown().back().title, "Restart Rosterdesk");
        EXPECT_EQ(ui.shown().back().text, "Rosterdesk must be restarted for changes to take affect.");
        EXPECT_TRUE(state.settings.RestartPending);
        // Start-up reads options.ini again, so the new folder is already in it.
        std::string written = korvath::readFileBytes(dir / "home/options.ini").value_or("");
        EXPECT_NE(written.find(chosen), std::string::npos);
    }
}

TEST_F(StartupDialogs, ChangingTheRosterFolderMovesTheFilesAsAnswered) {
    struct Case {
        Answer move, removeRest;
        bool filesMoved, oldFolderGone;
    };
    for (const Case& c : {Case{Answer::Yes, Answer::Yes, true, true}, Case{Answer::Yes, Answer::No, true, false},
                          Case{Answer::No, Answer::No, false, false}}) {
        SCOPED_TRACE(static_cast<int>(c.move) * 10 + static_cast<int>(c.removeRest));
        fs::remove_all(dir / "old");
        fs::remove_all(dir / "new");
        for (const char* name : {"old/a.bm", "old/b.bm", "old/c.bm", "old/notes.txt"}) dir.write(name, "x");
        state.settings.ConfigPath = (dir / "old").string() + "/";
        ui.clear();
        dlgOptions options(state, ui);
        ui.answerDialog(1);
        ui.answerText((dir / "new").string());
        ui.answer(c.move);
        if (c.move == Answer::Yes) ui.answer(c.removeRest);
        click(options, "cmdChange");
        EXPECT_EQ(state.settings.ConfigPath, (dir / "new").string() + "/");
        EXPECT_EQ(child<QLabel>(options, "lblConfigPath")->text().toStdString(), state.settings.ConfigPath);
        ASSERT_GE(ui.shown().size(), 3u);
        EXPECT_EQ(ui.shown()[2].title, "Configuration Files Exist!");
        EXPECT_EQ(ui.shown()[2].text, "Move files to new directory?\r\n\r\nYes will move files and remove the old "
                                      "directory.\r\n\r\nNo will not move or remove the old directory.");
        if (c.move == Answer::Yes) {
            EXPECT_EQ(ui.shown()[3].title, "Files Exist in Old Directory!");
            EXPECT_EQ(ui.shown()[3].text,
                      "Yes = Remove directory and existing files.\r\n\r\n No = Do not remove files or directory.");
        }
        EXPECT_EQ(fs::exists(dir / "new/b.bm"), c.filesMoved);
        EXPECT_EQ(fs::exists(dir / "old/b.bm"), !c.filesMoved);
        EXPECT_EQ(fs::exists(dir / "old"), !c.oldFolderGone);
        EXPECT_EQ(ui.pending(), 0u);
    }
}

TEST_F(StartupDialogs, FolderPickerCreatesAFolderInTheShownOne) {
    fs::create_directories(dir / "base/existing");
    dlgChangePath picker(ui, "Choose Configuration Directory...", (dir / "base").string(), true);
    EXPECT_EQ(picker.windowTitle(), "Choose Configuration Directory...");
    EXPECT_GE(child<QComboBox>(picker, "driveOne")->count(), 1);
    EXPECT_EQ(child<QComboBox>(picker, "driveOne")->itemText(0), "/");
    auto* create = child<QPushButton>(picker, "cmdCreate");
    auto* name = child<QLineEdit>(picker, "txtNewFolder");
    EXPECT_FALSE(name->isVisibleTo(&picker));
    click(picker, "cmdCreateFolder");
    EXPECT_TRUE(name->isVisibleTo(&picker));
    EXPECT_FALSE(child<QPushButton>(picker, "cmdCreateFolder")->isVisibleTo(&picker));
    EXPECT_FALSE(child<QPushButton>(picker, "OKButton")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(picker, "CancelButton")->isEnabled());
    EXPECT_EQ(create->text(), "Cancel");
    QTest::keyClicks(name, "Fresh");
    EXPECT_EQ(create->text(), "Create");
    name->clear();
    EXPECT_EQ(create->text(), "Cancel");
    QTest::keyClicks(name, "Fresh");
    click(picker, "cmdCreate");
    EXPECT_TRUE(fs::is_directory(dir / "base/Fresh"));
    EXPECT_FALSE(name->isVisibleTo(&picker));
    EXPECT_TRUE(child<QPushButton>(picker, "OKButton")->isEnabled());
    auto* folders = child<QListWidget>(picker, "dirOne");
    EXPECT_EQ(folders->findItems("Fresh", Qt::MatchEndsWith).size(), 1);
    click(picker, "OKButton");
    EXPECT_EQ(picker.chosenFolder(), (dir / "base").string() + "/");

    // A name reaching into another folder is refused and says why; nothing is made.
    dlgChangePath again(ui, "Choose Configuration Directory...", (dir / "base").string(), true);
    click(again, "cmdCreateFolder");
    QTest::keyClicks(child<QLineEdit>(again, "txtNewFolder"), "deep/er");
    click(again, "cmdCreate");
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].title, "Create Folder");
    EXPECT_EQ(ui.shown()[0].text, "A folder name can't hold \\ or /.  Type only the name of the new folder.");
    EXPECT_FALSE(fs::exists(dir / "base/deep"));
}

TEST_F(StartupDialogs, GameFolderDialogRefusesAFolderWithoutUserIniAndSitsLeftOfTheSplash) {
    frmSplash splash(state.settings);
    splash.show();
    dlgCorrectKAPath dialog(ui, "Locate Korvath Arena Directory...", "", &splash);
    placeLeftOfCentre(dialog, splash);
    QRect s = splash.frameGeometry(), d = dialog.frameGeometry();
    EXPECT_EQ(d.left(), s.left() + (s.width() - d.width()) / 2 - 43);
    EXPECT_EQ(d.top(), s.top() + (s.height() - d.height()) / 2);
    EXPECT_EQ(child<QLabel>(dialog, "lblMessage")->text(), "");
    ui.answerDialog(1);
    ui.answerText((dir / "nogame").string());
    ui.answerDialog(1);
    ui.answerText(game());
    QTimer::singleShot(0, [&] {
        click(dialog, "cmdBrowse");
        click(dialog, "OKButton");  // refused: stays open
        EXPECT_TRUE(dialog.isVisible());
        click(dialog, "cmdBrowse");
        EXPECT_EQ(child<QLabel>(dialog, "lblKAPath")->text().toStdString(), game());
        click(dialog, "OKButton");
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.folder(), game());
    EXPECT_EQ(ui.shown()[1].title, "Choose a New KA Path");
    EXPECT_EQ(ui.shown()[2].title, "Invalid KA Path");
    EXPECT_EQ(ui.shown()[2].text, (dir / "nogame").string() + "/ is not a valid KA path.\r\n\r\nPlease choose again.");
}

TEST_F(StartupDialogs, SplashBarTurnsRoundOnceAcrossItsWidth) {
    PictureBox box;
    box.setPicture(gradientPicture({340, 14}));
    clsPicBar bar;
    bar.setPicBox(&box);
    EXPECT_EQ(bar.PicDir, 1);
    bar.Incrementor = 2;
    bar.BGScroll();
    EXPECT_EQ(box.offset(), 2);
    for (int i = 1; i < 340 / 2; ++i) bar.BGScroll();
    EXPECT_EQ(box.offset(), 0);
    bar.PicDir = 0;
    bar.BGScroll();
    EXPECT_EQ(box.offset(), 338);
}

TEST_F(StartupDialogs, UnmatchedWindowButtonsSaveOpenAndExplain) {
    UnmatchedSkinList unmatched{{"/g/System/Stray.int", "Stray"}, {}};
    frmBadFiles window(ui, dir / "home", unmatched);
    std::vector<QUrl> opened;
    window.openUrl = [&](const QUrl& url) {
        opened.push_back(url);
        return true;
    };
    click(window, "cmdSaveToFile");
    click(window, "cmdHelp");
    click(window, "cmdSaveOpen");
    ASSERT_EQ(ui.shown().size(), 2u);
    EXPECT_EQ(ui.shown()[0].text, "File Created");
    EXPECT_EQ(ui.shown()[1].title, "Unassigned");
    EXPECT_EQ(ui.shown()[1].text, "Button Currently Unassigned");
    ASSERT_EQ(opened.size(), 1u);
    fs::path file = opened[0].toLocalFile().toStdString();
    EXPECT_EQ(file.parent_path(), dir / "home");
    EXPECT_EQ(file.filename().string().rfind("UnMatched_Files_", 0), 0u);
    EXPECT_NE(korvath::readFileBytes(file).value_or("").find("/g/System/Stray.int\r\n"), std::string::npos);
    EXPECT_EQ(child<QPushButton>(window, "cmdSaveOpen")->text(), "Save List to File and Open It");
    QTimer::singleShot(0, [&] { click(window, "cmdContinue"); });
    EXPECT_EQ(window.exec(), 0);  // nothing checked: no pattern window
    EXPECT_TRUE(window.chosenFiles().empty());
}

}  // namespace
}  // namespace rosterdesk
