// The game's 8-bit text through the real text boxes, and the window's traps: questions with
// nothing to save, Apply with nothing to apply, the file list's Tab, the folder picker, drops,
// the layout.
#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTabWidget>

#include <algorithm>

#include "common/qt/qt_interaction.h"
#include "common/text/text_lines.h"
#include "rosterdesk/roster/roster_file.h"
#include "rosterdesk/ui/dlg_apply.h"
#include "rosterdesk/ui/dlg_options.h"
#include "rosterdesk/ui/dlg_save_as.h"
#include "rosterdesk/ui/folder_dialogs.h"
#include "rosterdesk/ui/tests/editor_test_support.h"

namespace fs = std::filesystem;
using korvath::Answer;

namespace rosterdesk {
namespace {

using testing::child;

// Bytes first..last, without the five that stand for control characters, which a keyboard
// cannot type (they still round-trip from files, see below).
std::string bytes(int first, int last) {
    std::string out;
    for (int b = first; b <= last; ++b)
        if (b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D) out += static_cast<char>(b);
    return out;
}

// The characters of 8-bit text, as a keyboard would send them (QTest::keyClicks is Latin-1 only).
void type(QWidget* box, const std::string& text) {
    box->setFocus();
    for (QChar character : korvath::toQString(text))
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(character), Qt::NoModifier);
}

std::vector<std::string> linesOf(const std::string& file) {
    return korvath::splitLines(file);
}

bool hasLine(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

using EditorTextTest = testing::EditorWindowFixture;

TEST_F(EditorTextTest, EveryHighByteGoesThroughTheTextBoxesIntoTheRosterFileAndUserIniAsOneByte) {
    startNew();
    const std::string names[4] = {bytes(0x80, 0x9F), bytes(0xA0, 0xBF), bytes(0xC0, 0xDF), bytes(0xE0, 0xFF)};
    auto* txtName = get<QLineEdit>("txtName");
    for (int slot = 0; slot < 4; ++slot) {
        combo("cmbBot")->setCurrentIndex(slot);
        txtName->selectAll();
        type(txtName, names[slot]);
    }
    // A character the code page has no byte for is refused where it is typed.
    type(txtName, "\x41");
    QTest::sendKeyEvent(QTest::Click, txtName, Qt::Key_unknown, QString(QChar(0x03A9)), Qt::NoModifier);
    EXPECT_EQ(korvath::fromQString(txtName->text()), names[3] + "A");
    EXPECT_EQ(roster().BotNames[3], names[3] + "A");

    const std::string description = names[0] + " " + names[1] + " " + names[2] + " " + names[3];
    ui.real.insert("dlgDescr");
    testing::whenModal([&](QDialog& dialog) {
        auto* box = child<QPlainTextEdit>(dialog, "txtDescr");
        type(box, description);
        testing::screenshot(dialog, "dlgDescr-8bit");
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(QChar(0x03A9)), Qt::NoModifier);
        QTest::mouseClick(child<QPushButton>(dialog, "cmdApply"), Qt::LeftButton);
    });
    QTest::mouseClick(get<QPushButton>("cmdDescr"), Qt::LeftButton);
    reactivate();
    EXPECT_EQ(roster().description, description);

    // The file's name is spelt as the file system spells names (UTF-8 here); inside the file,
    // on its second line, it is 8-bit text like the rest.
    ui.real.insert("dlgSaveAs");
    testing::whenModal([](QDialog& dialog) {
        auto* name = child<QLineEdit>(dialog, "txtNewName");
        type(name, "Chlo\xE9");
        QTest::mouseClick(child<QPushButton>(dialog, "cmdSave"), Qt::LeftButton);
    });
    trigger("mnuFileSaveAs");
    reactivate();
    const std::string file = dir.read("configs/Chlo\xC3\xA9.bm");
    std::vector<std::string> lines = linesOf(file);
    ASSERT_GT(lines.size(), 12u);
    EXPECT_EQ(lines[1], "* Chlo\xE9.bm");
    // 126 characters wrap after the blank that ends the second group.
    EXPECT_EQ(lines[7], "* " + names[0] + " " + names[1] + " ");
    EXPECT_EQ(lines[8], "* " + names[2] + " " + names[3]);
    for (int slot = 0; slot < 4; ++slot) {
        std::string expected = "BotNames[" + std::to_string(slot) + "]=" + names[slot] + (slot == 3 ? "A" : "");
        EXPECT_TRUE(hasLine(lines, expected)) << slot;
    }
    EXPECT_EQ(textOf("lblCurrentFile"), QStringLiteral("Chlo\u00E9.bm"));
    testing::screenshot(*bots, "frmBots-8bit");

    ui.real.insert("dlgApply");
    testing::whenModal([](QDialog& dialog) {
        auto* configs = child<QComboBox>(dialog, "cmbConfigs");
        EXPECT_EQ(configs->currentText(), QStringLiteral("Chlo\u00E9.bm"));
        child<QCheckBox>(dialog, "chkBackup")->setChecked(false);
        QTest::mouseClick(child<QPushButton>(dialog, "cmdApply"), Qt::LeftButton);
    });
    trigger("mnuFileApply");
    std::vector<std::string> userIni = linesOf(dir.read("game/System/user.ini"));
    for (int slot = 0; slot < 4; ++slot) {
        std::string expected = "BotNames[" + std::to_string(slot) + "]=" + names[slot] + (slot == 3 ? "A" : "");
        EXPECT_TRUE(hasLine(userIni, expected)) << slot;
    }
}

TEST_F(EditorTextTest, BytesReadFromAFileComeBackUnchangedAfterAnEdit) {
    // Every byte from 0x80 up, the five control characters included, in one name.
    std::string all;
    for (int b = 0x80; b <= 0xFF; ++b) all += static_cast<char>(b);
    Roster stored = defaultRoster();
    stored.BotNames[5] = all;
    stored.BotNames[6] = "Zo\xFC";
    dir.write("configs/high.bm", formatRosterFile(stored, "high.bm"));
    start();
    openFile("high.bm");
    combo("cmbBot")->setCurrentIndex(6);
    EXPECT_EQ(get<QLineEdit>("txtName")->text(), QStringLiteral("Zo\u00FC"));
    combo("cmbBot")->setCurrentIndex(5);
    auto* txtName = get<QLineEdit>("txtName");
    txtName->end(false);
    type(txtName, "!");
    trigger("mnuFileSave");
    std::vector<std::string> lines = linesOf(dir.read("configs/high.bm"));
    EXPECT_TRUE(hasLine(lines, "BotNames[5]=" + all + "!"));
    EXPECT_TRUE(hasLine(lines, "BotNames[6]=Zo\xFC"));
}

TEST_F(EditorTextTest, BeforeNewOrOpenNothingIsAskedAndApplyNeedsARosterFile) {
    start();
    // Open with the dialog cancelled, then Exit: neither asks about the untouched default roster.
    ui.answerDialog(QDialog::Rejected);
    trigger("mnuFileOpen");
    EXPECT_EQ(ui.shown().size(), 1u);  // only the open dialog itself
    ui.clear();
    trigger("mnuFileExit");
    EXPECT_TRUE(ui.shown().empty());
    EXPECT_FALSE(bots->isVisible());

    dlgApply empty(state.settings, ui);
    empty.show();
    EXPECT_FALSE(child<QPushButton>(empty, "cmdApply")->isEnabled());
    testing::screenshot(empty, "dlgApply-empty");
    EXPECT_EQ(child<QComboBox>(empty, "cmbConfigs")->count(), 0);
    dir.write("configs/one.bm", formatRosterFile(defaultRoster(), "one.bm"));
    dlgApply one(state.settings, ui);
    one.show();
    EXPECT_TRUE(child<QPushButton>(one, "cmdApply")->isEnabled());
}

TEST_F(EditorTextTest, SaveAsCopiesANameOnlyForAClickOrAnArrowKey) {
    dir.write("configs/a.bm", "x");
    dir.write("configs/b.bm", "x");
    dlgSaveAs dialog(state.settings.ConfigPath, ui);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto* name = child<QLineEdit>(dialog, "txtNewName");
    auto* files = child<QListWidget>(dialog, "fileOne");
    EXPECT_TRUE(name->hasFocus());
    QTest::keyClick(name, Qt::Key_Backtab);
    ASSERT_TRUE(files->hasFocus());
    EXPECT_EQ(name->text(), "");
    QTest::keyClick(files, Qt::Key_Down);
    EXPECT_EQ(name->text(), "b.bm");
    QTest::keyClick(files, Qt::Key_Up);
    EXPECT_EQ(name->text(), "a.bm");
    testing::screenshot(dialog, "dlgSaveAs-arrow-keys");
    name->clear();
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(files->item(1)).center());
    EXPECT_EQ(name->text(), "b.bm");
    // Typing replaces, and refuses what the code page cannot hold.
    name->selectAll();
    type(name, "\xC5sa");
    QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QString(QChar(0x4E2D)), Qt::NoModifier);
    EXPECT_EQ(name->text(), QStringLiteral("\u00C5sa"));
}

TEST_F(EditorTextTest, TheFolderPickerTakesTheHighlightedFolderAndEnterOpensWithoutClosing) {
    dir.makeDir("base/Alpha/Deep");
    dir.makeDir("base/System");
    dlgChangePath picker(ui, "Choose Configuration Directory...", (dir / "base").string(), true);
    picker.show();
    picker.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&picker));
    auto* folders = child<QListWidget>(picker, "dirOne");
    testing::screenshot(picker, "dlgChangePath");
    auto itemNamed = [folders](const QString& name) -> QListWidgetItem* {
        for (int i = 0; i < folders->count(); ++i)
            if (folders->item(i)->text().trimmed() == name) return folders->item(i);
        return nullptr;
    };
    auto click = [folders](QListWidgetItem* item, bool twice) {
        ASSERT_NE(item, nullptr);
        QPoint at = folders->visualItemRect(item).center();
        QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, at);
        if (twice) QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, at);
    };

    // Enter on the highlighted "Alpha" opens it and the picker stays.
    ASSERT_NE(itemNamed("Alpha"), nullptr);
    click(itemNamed("Alpha"), false);
    EXPECT_EQ(picker.shownFolder(), fs::weakly_canonical(dir / "base"));
    QTest::keyClick(folders, Qt::Key_Return);
    EXPECT_TRUE(picker.isVisible());
    EXPECT_EQ(picker.shownFolder(), fs::weakly_canonical(dir / "base/Alpha"));
    // A double-click on the parent opens it again.
    click(itemNamed("base"), true);
    EXPECT_EQ(picker.shownFolder(), fs::weakly_canonical(dir / "base"));
    // OK takes the folder a click highlighted, not the one shown.
    click(itemNamed("System"), false);
    QTest::mouseClick(child<QPushButton>(picker, "OKButton"), Qt::LeftButton);
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picker.chosenFolder(), fs::weakly_canonical(dir / "base/System").string() + "/");
}

TEST_F(EditorTextTest, ADroppedRosterFileOpensAfterTheSaveQuestion) {
    Roster outside = defaultRoster();
    outside.BotNames[0] = "Dropped";
    dir.write("downloads/\xC3\x89quipe.bm", formatRosterFile(outside, "Away.bm"));  // "Équipe.bm"
    startNew();
    auto drop = [this](const fs::path& file) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(korvath::pathToQString(file))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bots.get(), &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bots.get(), &dropped);
        QApplication::processEvents();
        return true;
    };
    dir.write("downloads/notes.txt", "x");
    EXPECT_FALSE(drop(dir / "downloads/notes.txt"));

    ui.answer(Answer::Cancel);  // the new roster is "Modified": the question comes first
    ASSERT_TRUE(drop(dir / "downloads/\xC3\x89quipe.bm"));
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].title, "Save Current Configuration?");
    EXPECT_EQ(roster().BotNames[0], "Archon");

    ui.clear();
    ui.answer(Answer::No);
    ASSERT_TRUE(drop(dir / "downloads/\xC3\x89quipe.bm"));
    EXPECT_EQ(roster().BotNames[0], "Dropped");
    EXPECT_EQ(get<QLineEdit>("txtName")->text(), "Dropped");
    EXPECT_EQ(textOf("lblCurrentFile"), QStringLiteral("\u00C9quipe.bm"));
    EXPECT_EQ(saved(), "Loaded");
    EXPECT_EQ(dir.read("configs/\xC3\x89quipe.bm"), formatRosterFile(outside, "Away.bm"));
}

TEST_F(EditorTextTest, LayoutHeadingStaysOnTopOptionsTabsFitAndBoxesUseTheDialogFont) {
    startNew();
    auto* heading = get<QLabel>("lblBotConfigLine");
    auto* name = get<QLineEdit>("txtName");
    const int headingTop = heading->mapTo(bots.get(), QPoint()).y();
    const int nameTop = name->mapTo(bots.get(), QPoint()).y();
    bots->resize(bots->width(), bots->height() + 300);
    QApplication::processEvents();
    EXPECT_EQ(heading->mapTo(bots.get(), QPoint()).y(), headingTop);
    EXPECT_EQ(name->mapTo(bots.get(), QPoint()).y(), nameTop);
    if (const char* folder = std::getenv("ROSTERDESK_SCREENSHOTS"))  // as it stands, not adjusted
        bots->grab().save(QString("%1/frmBots-enlarged.png").arg(folder));

    dlgOptions options(state, ui);
    options.show();
    auto* tabs = child<QTabWidget>(options, "SSTab1");
    int heights[3];
    for (int tab : {1, 0, 2}) {
        tabs->setCurrentIndex(tab);
        QApplication::processEvents();
        heights[tab] = options.height();
        testing::screenshot(options, qPrintable(QString("dlgOptions-%1").arg(tab)));
    }
    // Paths and Other are smaller than Boss, which holds three explained choices.
    EXPECT_LT(heights[0], heights[1]);
    EXPECT_LT(heights[2], heights[0]);

    QWidget owner;
    owner.setFont(QFont("Arial", 9));
    korvath::QtInteraction boxes(&owner);
    QFont shown;
    testing::whenModal([&shown](QDialog& box) {
        shown = box.font();
        testing::screenshot(box, "messageBox");
        box.accept();
    });
    boxes.inform("Title", "Text");
    EXPECT_EQ(shown.family(), "Arial");
    EXPECT_EQ(shown.pointSize(), 9);
}

}  // namespace
}  // namespace rosterdesk
