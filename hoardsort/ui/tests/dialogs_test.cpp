#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QFileSystemModel>
#include <QTreeView>
#include <sys/wait.h>

#include "common/interaction/scripted_interaction.h"
#include "common/testing/temp_dir.h"
#include "hoardsort/ui/form1.h"
#include "hoardsort/ui/form2.h"
#include "hoardsort/ui/form3.h"
#include "hoardsort/ui/frmfolder.h"
#include "hoardsort/ui/tests/ui_test_app.h"

namespace fs = std::filesystem;
using korvath::Answer;
using korvath::Icon;

namespace hoardsort {
namespace {

template <typename T>
T* child(QWidget& window, const char* name) {
    T* widget = window.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void click(QWidget& window, const char* name) {
    QTest::mouseClick(child<QPushButton>(window, name), Qt::LeftButton);
}

class DialogTest : public ::testing::Test {
protected:
    korvath::testing::TempDir dir;
    korvath::ScriptedInteraction ui;
    void SetUp() override { korvath::testing::ensureApplication(testing::kScreen); }
};

TEST_F(DialogTest, SummaryListsLinesAndOkCloses) {
    Form2 summary;
    EXPECT_EQ(summary.windowTitle(), "Summary");
    summary.setLines({"- K - Readme: has an unknown extension", " "});
    summary.setLines({" ", "All files successfully extracted! :)"});  // rebuilt, not appended
    auto* list = child<QListWidget>(summary, "List1");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), "All files successfully extracted! :)");
    EXPECT_EQ(child<QPushButton>(summary, "Command1")->text(), "OK");
    QTimer::singleShot(0, [&] { click(summary, "Command1"); });
    EXPECT_EQ(summary.exec(), QDialog::Accepted);
}

TEST_F(DialogTest, SummaryFitsAThirtyTwoDigitKeyWithoutScrollingSideways) {
    Form2 summary;
    auto* list = child<QListWidget>(summary, "List1");
    const std::vector<std::string> problems = {
        "- 0123456789ABCDEF0123456789ABCDEF - CTF-LongestMapNameOfTheServer.v2.knr: couldn't locate file",
        "- FEDCBA9876543210FEDCBA9876543210 - DM-Deck.knr: file already exists", " ", "There were errors :(", " ",
        "0 out of 2 files were copied"};
    summary.setLines(problems);
    summary.show();
    QApplication::processEvents();
    EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0);
    EXPECT_LE(summary.frameGeometry().width(), testing::kScreenWidth);

    // Made narrow by the user, it opens at the width its lines need again.
    int fitted = summary.width();
    summary.resize(200, summary.height());
    summary.hide();
    summary.setLines(problems);
    summary.show();
    QApplication::processEvents();
    EXPECT_EQ(summary.width(), fitted);
    summary.hide();
}

// Every window opens centred at the size it opens with: the difference of the sizes halved,
// the remainder dropped.
TEST_F(DialogTest, WindowsOpenCentredOnTheScreen) {
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry(),
              QRect(0, 0, testing::kScreenWidth, testing::kScreenHeight));
    auto expectCentred = [](QWidget& window) {
        QRect frame = window.frameGeometry();
        EXPECT_EQ(frame.topLeft(), QPoint((testing::kScreenWidth - frame.width()) / 2,
                                          (testing::kScreenHeight - frame.height()) / 2))
            << window.objectName().toStdString() << " " << frame.width() << " x " << frame.height();
    };
    auto checkOnOpen = [&](QDialog& dialog) {
        QTimer::singleShot(0, &dialog, [&] {
            expectCentred(dialog);
            dialog.accept();
        });
    };

    dir.write("ula.txt", "Terms\n");
    Form1 main(ui, dir.path());
    ASSERT_TRUE(main.load((dir / "Arena").string(), false));
    main.show();
    QApplication::processEvents();
    expectCentred(main);

    Form2 summary;
    summary.setLines({" ", "All files successfully extracted! :)", " ", "3 out of 3 files were copied"});
    checkOnOpen(summary);
    summary.exec();

    Form3 agreement(ui, dir.path());
    checkOnOpen(agreement);
    EXPECT_EQ(agreement.run(), 1);

    frmfolder picker(ui, dir.path().string());
    checkOnOpen(picker);
    picker.exec();
}

TEST_F(DialogTest, AgreementShowsDisclaimerAndAgrees) {
    dir.write("ula.txt", "Line one\nLine two\n");
    Form3 agreement(ui, dir.path());
    EXPECT_EQ(agreement.windowTitle(), "Agreement");
    EXPECT_EQ(child<QPlainTextEdit>(agreement, "Text1")->toPlainText(), "Line one\nLine two\n");
    EXPECT_EQ(child<QPushButton>(agreement, "Command1")->text(), "I agree");
    EXPECT_EQ(child<QPushButton>(agreement, "Command2")->text(), "I do not agree");
    QTimer::singleShot(0, [&] { click(agreement, "Command1"); });
    EXPECT_EQ(agreement.run(), 1);
    EXPECT_TRUE(ui.shown().empty());
}

TEST_F(DialogTest, DecliningAsksAndNoKeepsTheWindowOpen) {
    dir.write("ula.txt", "Terms\n");
    Form3 agreement(ui, dir.path());
    ui.answer(Answer::No);
    ui.answer(Answer::No);
    ui.answer(Answer::Yes);
    QTimer::singleShot(0, [&] {
        click(agreement, "Command2");  // No: stays
        EXPECT_TRUE(agreement.isVisible());
        agreement.close();  // the close box asks the same question; No again
        EXPECT_TRUE(agreement.isVisible());
        click(agreement, "Command2");  // Yes: the program ends
    });
    EXPECT_EQ(agreement.run(), 0);
    ASSERT_EQ(ui.shown().size(), 3u);
    for (const auto& shown : ui.shown()) {
        EXPECT_EQ(shown.title, "Hoardsort");
        EXPECT_EQ(shown.text, "This will cancel out of the program, are you sure?");
        EXPECT_EQ(shown.buttons, korvath::Buttons::YesNo);
    }
}

TEST_F(DialogTest, MissingDisclaimerEndsWithMessage) {
    Form3 agreement(ui, dir.path());
    EXPECT_EQ(agreement.run(), 0);
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].title, "Error");
    EXPECT_EQ(ui.shown()[0].text, "Missing file(s). Please reinstall again.");
    EXPECT_EQ(ui.shown()[0].icon, Icon::Critical);
    EXPECT_FALSE(agreement.isVisible());
}

TEST_F(DialogTest, FolderPickerListsRootFirstAndStartsInTheFolder) {
    dir.makeDir("Games/Arena");
    frmfolder picker(ui, (dir / "Games/Arena").string());
    EXPECT_EQ(picker.windowTitle(), "Choose Folder");
    auto* drives = child<QComboBox>(picker, "Drive1");
    ASSERT_GE(drives->count(), 1);
    EXPECT_EQ(drives->itemText(0), "/");
    EXPECT_EQ(picker.selectedFolder(), (dir / "Games/Arena").string());
    EXPECT_EQ(child<QPushButton>(picker, "Command1")->text(), "&OK");
    EXPECT_EQ(child<QPushButton>(picker, "Command2")->text(), "&Cancel");
    EXPECT_EQ(child<QPushButton>(picker, "Command3")->text(), "Create Folder");

    // A drive that cannot be read sets the first drive back.
    picker.setDrive((dir / "NoSuchDrive").c_str());
    EXPECT_EQ(drives->currentText(), "/");
    EXPECT_EQ(picker.selectedFolder(), "/");

    frmfolder fallback(ui, (dir / "Missing").string());
    EXPECT_EQ(fallback.selectedFolder(), "/");
}

TEST_F(DialogTest, FolderPickerShowsTheStartFolderOnceTheFoldersHaveLoaded) {
    // Folders that sort before the start folder arrive after the first scroll and push it down.
    for (int i = 0; i < 40; ++i) dir.makeDir("Games/A" + std::to_string(100 + i));
    dir.makeDir("Games/Arena");
    frmfolder picker(ui, (dir / "Games/Arena").string());
    picker.show();
    auto* view = child<QTreeView>(picker, "Dir1");
    QModelIndex games = view->currentIndex().parent();
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->model()->rowCount(games) == 41; }, 5000));
    QTest::qWait(300);  // the model sorts what it read a moment later
    EXPECT_TRUE(view->viewport()->rect().contains(view->visualRect(view->currentIndex())));
    EXPECT_EQ(picker.selectedFolder(), (dir / "Games/Arena").string());
}

TEST_F(DialogTest, FolderPickerEnterOpensTheHighlightedFolderAndOkTakesIt) {
    dir.makeDir("Games/Arena/Maps");
    dir.makeDir("Games/Other");
    frmfolder picker(ui, (dir / "Games").string());
    picker.show();
    picker.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&picker));
    auto* view = child<QTreeView>(picker, "Dir1");
    QModelIndex arena;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        arena = static_cast<QFileSystemModel*>(view->model())->index((dir / "Games/Arena").c_str());
        return arena.isValid() && !view->visualRect(arena).isEmpty();
    }, 5000));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(arena).center());
    EXPECT_EQ(picker.selectedFolder(), (dir / "Games/Arena").string());
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_TRUE(picker.isVisible());  // Enter opened the folder and the picker stayed
    EXPECT_TRUE(view->isExpanded(arena));
    click(picker, "Command1");
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picker.selectedFolder(), (dir / "Games/Arena").string());
}

TEST_F(DialogTest, FolderPickerCreatesFolderInTheSelectedOne) {
    dir.makeDir("Games");
    frmfolder picker(ui, (dir / "Games").string());
    ui.answerText("new/maps");
    ui.answer(Answer::Ok);
    ui.answerText("maps");
    click(picker, "Command3");
    EXPECT_TRUE(fs::is_directory(dir / "Games/maps"));
    ASSERT_EQ(ui.shown().size(), 3u);
    EXPECT_EQ(ui.shown()[0].title, "Folder Create");
    EXPECT_EQ(ui.shown()[1].text, "Don't include slashes. Just type in the name of the folder to create.");
    // The new folder is selected, so OK hands it back, and the list marks it once it has read it.
    EXPECT_EQ(picker.selectedFolder(), (dir / "Games/maps").string());
    auto* view = child<QTreeView>(picker, "Dir1");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return view->currentIndex().data(QFileSystemModel::FilePathRole).toString().endsWith("/Games/maps"); },
        5000));

    ui.clear();
    ui.answerText("maps");
    click(picker, "Command3");  // selected: Games/maps; creating Games/maps/maps works
    ui.answerText("maps");
    picker.setDrive("/");
    frmfolder again(ui, (dir / "Games").string());
    click(again, "Command3");  // Games/maps exists now
    ASSERT_EQ(ui.shown().size(), 3u);
    EXPECT_EQ(ui.shown()[2].text, "Couldn't create folder. Folder may already exist.");
    EXPECT_EQ(ui.shown()[2].title, "Error");
}

TEST(Screenshot, SavesMainWindowWithoutAskingOrRecording) {
    korvath::testing::TempDir dir;
    std::string command = "QT_QPA_PLATFORM=offscreen KORVATH_ARENA_DIR='" + dir.path().string() + "' '" +
                          HOARDSORT_EXE + "' --home '" + (dir / "home").string() + "' --screenshot '" +
                          (dir / "shot.png").string() + "'";
    int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 0);
    EXPECT_EQ(dir.read("shot.png").substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_FALSE(fs::exists(dir / "home/HOARDSORT.CFG"));
    EXPECT_FALSE(fs::exists(dir / "home/hoardsort.cfg"));
}

}  // namespace
}  // namespace hoardsort
