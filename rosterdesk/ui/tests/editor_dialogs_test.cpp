#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "rosterdesk/roster/roster_file.h"
#include "rosterdesk/ui/dlg_apply.h"
#include "rosterdesk/ui/dlg_launch_ka.h"
#include "rosterdesk/ui/dlg_open.h"
#include "rosterdesk/ui/dlg_save_as.h"
#include "rosterdesk/ui/tests/editor_test_support.h"

namespace fs = std::filesystem;

namespace rosterdesk {
namespace {

using testing::child;

void click(QWidget& dialog, const char* name) { QTest::mouseClick(child<QPushButton>(dialog, name), Qt::LeftButton); }

QStringList listed(QListWidget* list) {
    QStringList names;
    for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
    return names;
}

using EditorDialogTest = testing::EditorFixture;

TEST_F(EditorDialogTest, SaveAsListsTheFolderAndRefusesNamesOutsideIt) {
    dir.write("configs/b.bm", "x");
    dir.write("configs/A.txt", "x");
    dir.makeDir("configs/sub");
    dlgSaveAs dialog(state.settings.ConfigPath, ui);
    dialog.show();
    testing::screenshot(dialog, "dlgSaveAs");
    EXPECT_EQ(dialog.windowTitle(), "Save Configuration As...");
    EXPECT_EQ(child<QLabel>(dialog, "lblExtention")->text(), ".bm");
    EXPECT_EQ(child<QPushButton>(dialog, "cmdSave")->text(), "Save File");
    EXPECT_EQ(child<QPushButton>(dialog, "cmdCancel")->text(), "Cancel");
    auto* files = child<QListWidget>(dialog, "fileOne");
    EXPECT_EQ(listed(files), QStringList({"A.txt", "b.bm"}));  // every file, no folders
    auto* name = child<QLineEdit>(dialog, "txtNewName");
    EXPECT_EQ(name->text(), "");
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(files->item(1)).center());
    EXPECT_EQ(name->text(), "b.bm");

    for (const char* refused : {"../up", "sub/in", "D:x", ""}) {
        ui.clear();
        name->setText(refused);
        click(dialog, "cmdSave");
        ASSERT_EQ(ui.shown().size(), 1u) << refused;
        EXPECT_EQ(ui.shown()[0].title, "Save Configuration As...");
        EXPECT_TRUE(dialog.isVisible()) << refused;
    }
    EXPECT_EQ(ui.shown()[0].text, "Please type a file name.");
    name->setText("mine");
    click(dialog, "cmdSave");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.typedName(), "mine");
}

TEST_F(EditorDialogTest, OpenReadsAFileOrExplainsWhyNot) {
    Roster mine = defaultRoster();
    mine.BotNames[5] = "Opened";
    dir.write("configs/mine.bm", formatRosterFile(mine, "mine.bm"));
    dir.write("configs/broken.bm", "* Description:\r\n");
    dlgOpen dialog(state.settings.ConfigPath, [&](const OpenChoice& choice) {
        return openChosenRoster(state.session, state.settings.ConfigPath, choice, ui);
    });
    dialog.show();
    testing::screenshot(dialog, "dlgOpen");
    EXPECT_EQ(dialog.windowTitle(), "Open Existing Configuration...");
    EXPECT_EQ(child<QPushButton>(dialog, "cmdOpen")->text(), "Open");
    EXPECT_EQ(child<QPushButton>(dialog, "CancelButton")->text(), "Cancel");
    EXPECT_EQ(listed(child<QListWidget>(dialog, "fileOne")), QStringList({"broken.bm", "mine.bm"}));

    auto* name = child<QLineEdit>(dialog, "txtName");
    for (const char* bad : {"broken.bm", "missing.bm"}) {
        ui.clear();
        name->setText(bad);
        click(dialog, "cmdOpen");
        ASSERT_EQ(ui.shown().size(), 1u) << bad;
        EXPECT_EQ(ui.shown()[0].title, "Open Existing Configuration...");
        EXPECT_TRUE(ui.shown()[0].text.starts_with("Can't open " + std::string(bad) + ".\r\n\r\n")) << ui.shown()[0].text;
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_TRUE(dialog.isEnabled());
    }
    EXPECT_EQ(state.session.roster, defaultRoster());
    name->setText("mine.bm");
    click(dialog, "cmdOpen");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.choice().name, "mine.bm");
    EXPECT_EQ(state.session.roster.BotNames[5], "Opened");
    EXPECT_EQ(state.session.document.fileLabel, "mine.bm");
    EXPECT_EQ(state.session.document.state, SavedState::Loaded);
}

TEST_F(EditorDialogTest, ApplyListsDescriptionsAndAppliesWithOrWithoutBackup) {
    Roster roster = defaultRoster();
    roster.description = "Second one";
    dir.write("configs/b.bm", formatRosterFile(roster, "b.bm"));
    roster.description = "First one";
    dir.write("configs/a.bm", formatRosterFile(roster, "a.bm"));
    dlgApply dialog(state.settings, ui);
    dialog.show();
    testing::screenshot(dialog, "dlgApply");
    EXPECT_EQ(dialog.windowTitle(), "Apply Configuration");
    auto* configs = child<QComboBox>(dialog, "cmbConfigs");
    auto* description = child<QPlainTextEdit>(dialog, "txtDescr");
    ASSERT_EQ(configs->count(), 2);
    EXPECT_EQ(description->toPlainText(), "First one ");
    configs->setCurrentIndex(1);
    EXPECT_EQ(description->toPlainText(), "Second one ");
    EXPECT_TRUE(description->isReadOnly());
    auto* backup = child<QCheckBox>(dialog, "chkBackup");
    EXPECT_EQ(backup->text(), "Backup Current Configuration");
    EXPECT_TRUE(backup->isChecked());
    EXPECT_EQ(child<QPushButton>(dialog, "cmdApply")->text(), "Apply Config");

    auto* help = child<QPushButton>(dialog, "cmdBackupHelp");
    EXPECT_EQ(help->y(), backup->y() + (backup->height() - help->height()) / 2);
    click(dialog, "cmdBackupHelp");
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].title, "Backup Current Configuration Help");
    EXPECT_EQ(ui.shown()[0].text, "This backs up the data currently in your user.ini file.");

    const std::string userIni = dir.read("game/System/user.ini");
    fs::rename(dir / "game/System/user.ini", dir / "game/System/away.ini");
    ui.clear();
    click(dialog, "cmdApply");
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].title, "User.ini File Missing");
    EXPECT_EQ(ui.shown()[0].text, "Can't find user.ini.  Operation Aborted");
    EXPECT_TRUE(dialog.isVisible());

    fs::rename(dir / "game/System/away.ini", dir / "game/System/user.ini");
    backup->setChecked(false);
    ui.clear();
    click(dialog, "cmdApply");
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].title, "Apply Configuration...");
    EXPECT_EQ(ui.shown()[0].text, "Completed");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(dir.read("game/System/user.ini").starts_with("[Engine]\r\nA=1\r\n\r\n[Botpack.ChallengeBotInfo]\r\n"
                                                             "BotFaces[0]=CommandoSkins.Blake\r\n"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "configs"), {}), 2);  // no backup written

    dlgApply again(state.settings, ui);
    again.show();
    click(again, "cmdApply");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "configs"), {}), 3);  // a.bm, b.bm and the backup
}

TEST_F(EditorDialogTest, LaunchDialogResultsAndTheDontAskBox) {
    LaunchSettings settings;
    struct Case {
        const char* button;  // nullptr: Escape
        bool tick;
        int result;
    };
    for (const Case& c : {Case{"cmdYes", false, 6}, Case{"CancelButton", true, 2}, Case{nullptr, false, 2}}) {
        dlgLaunchKA dialog(settings);
        dialog.show();
        if (c.button && std::string(c.button) == "cmdYes") testing::screenshot(dialog, "dlgLaunchKA");
        EXPECT_EQ(child<QPushButton>(dialog, "cmdYes")->text(), "YES!");
        child<QCheckBox>(dialog, "chkAutoGoAway")->setChecked(c.tick);
        EXPECT_EQ(settings.dontAsk, c.tick);  // at once, whatever is pressed next
        if (c.button) click(dialog, c.button);
        else QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_EQ(dialog.result(), c.result);
    }
}

}  // namespace
}  // namespace rosterdesk
