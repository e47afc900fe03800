#include "hoardsort/ui/form1.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QDropEvent>
#include <QMimeData>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <memory>
#include <set>

#include "common/interaction/scripted_interaction.h"
#include "common/qt/qt_interaction.h"
#include "common/testing/temp_dir.h"
#include "hoardsort/ui/tests/ui_test_app.h"

namespace fs = std::filesystem;
using korvath::Answer;
using korvath::Icon;
using Kind = korvath::ScriptedInteraction::Kind;
using ::testing::ElementsAre;

namespace hoardsort {
namespace {

// Scripted, except that the dialogs named in `real` are shown for real.
class PartlyScripted : public korvath::ScriptedInteraction {
public:
    std::set<std::string> real;
    int runDialog(const std::string& name, const std::function<int()>& show) override {
        return real.count(name) ? show() : ScriptedInteraction::runDialog(name, show);
    }
};

class Form1Test : public ::testing::Test {
protected:
    korvath::testing::TempDir dir;
    PartlyScripted ui;
    std::unique_ptr<Form1> form;
    std::vector<QUrl> opened;
    bool openSucceeds = true;

    void SetUp() override {
        korvath::testing::ensureApplication(testing::kScreen);
        dir.write("Home/ula.txt", "Terms of use\r\n");
        dir.write("Home/hoardsort.cfg", "DisplayAgreement = 0\r\n");
        dir.write("Arena/Cache/cache.ini", "[Cache]\r\n\r\nA1=DM-Deck.knr\r\nA2=Readme\r\nA3=Rock.ktx\r\n");
        dir.write("Arena/Cache/A1.kxx", "map");
        dir.write("Arena/Cache/A2.kxx", "text");
        dir.write("Arena/Cache/A3.kxx", "texture");
        for (const char* folder : {"Out/Maps", "Out/System", "Out/Textures", "Out/Sounds", "Out/Music"})
            dir.makeDir(folder);
        form = makeForm();
        ASSERT_TRUE(form->load((dir / "Arena").string()));
        form->show();
    }
    std::unique_ptr<Form1> makeForm() {
        auto f = std::make_unique<Form1>(ui, dir / "Home");
        f->openUrl = [this](const QUrl& url) {
            opened.push_back(url);
            return openSucceeds;
        };
        return f;
    }
    template <typename T>
    T* child(const char* name) {
        T* widget = form->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString textOf(const char* name) { return child<QLineEdit>(name)->text(); }
    void setText(const char* name, const fs::path& path) {
        child<QLineEdit>(name)->setText(QString::fromStdString(path.string()));
    }
    void click(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    void trigger(const char* name) { child<QAction>(name)->trigger(); }
    void pointAtOut() {
        setText("Text7", dir / "Out");
        click("Command3");
    }
    std::vector<std::string> listOf(QListWidget* list) {
        std::vector<std::string> lines;
        for (int i = 0; i < list->count(); ++i) lines.push_back(list->item(i)->text().toStdString());
        return lines;
    }
    std::vector<std::string> summary() {
        return listOf(form->findChild<QWidget*>("Form2")->findChild<QListWidget*>("List1"));
    }
    // Search, then Extract answered Yes: the message that stops it, and nothing copied.
    void expectExtractRefused(const std::string& text, Icon icon) {
        click("Command1");
        ui.answer(Answer::Yes);
        click("Command2");
        ASSERT_EQ(ui.shown().size(), 2u);
        EXPECT_EQ(ui.shown()[1].title, "Hoardsort");
        EXPECT_EQ(ui.shown()[1].text, text);
        EXPECT_EQ(ui.shown()[1].icon, icon);
        EXPECT_FALSE(fs::exists(dir / "Out/Maps/DM-Deck.knr"));
        EXPECT_TRUE(child<QPushButton>("Command2")->isEnabled());
    }
};

TEST_F(Form1Test, ControlsCarryTheirCaptionsAndTooltips) {
    EXPECT_EQ(form->windowTitle(), "Hoardsort");
    struct Control {
        const char* name;
        const char* text;
        const char* tooltip;
    };
    for (Control c : {Control{"Label1", "Korvath Arena Cache Folder", ""},
                      {"Label5", "KA Files found:", ""},
                      {"Label2", "Folder to place .ktx files", ""},
                      {"Label3", "Folder to place .k  and .int files", ""},
                      {"Label4", "Folder to place .knr files", ""},
                      {"Label6", "Folder to place .kax files", ""},
                      {"Label7", "Folder to place .kmx files", ""},
                      {"Label8", "Find A Folder", ""},
                      {"Label12", "Create subdirectories ",
                       "You will probably want to enable this unless you're installing the maps in your Korvath "
                       "Arena folder"},
                      {"Label11", "Always overwrite existing files", "Enable this to overwrite existing KA files"}}) {
        EXPECT_EQ(child<QLabel>(c.name)->text(), c.text);
        EXPECT_EQ(child<QLabel>(c.name)->toolTip(), c.tooltip) << c.name;
    }
    for (Control c : {Control{"Command1", "Search for maps", "Search for all maps downloaded in the cache folder"},
                      {"Command5", "View Cache.INI", "Views the cache.ini file in notepad"},
                      {"Command4", "..", ""},
                      {"Command3", "Change all paths to above", "Changes destination path names to the one above"},
                      {"Command2", "Extract KA files", "Install maps into the directories specified above"}}) {
        EXPECT_EQ(child<QPushButton>(c.name)->text(), c.text);
        EXPECT_EQ(child<QPushButton>(c.name)->toolTip(), c.tooltip) << c.name;
    }
    EXPECT_EQ(child<QLineEdit>("Text1")->toolTip(), "This is where your CACHE.INI file is stored");
    EXPECT_EQ(child<QGroupBox>("Frame1")->title(), "Destination Properties:");
    EXPECT_EQ(child<QCheckBox>("Check1")->toolTip(), child<QLabel>("Label12")->toolTip());
    EXPECT_EQ(child<QCheckBox>("Check2")->toolTip(), "Enable this to overwrite existing KA files");
    EXPECT_FALSE(child<QLabel>("Picture1")->pixmap().isNull());
    EXPECT_EQ(child<QLabel>("Label10")->text(), "");
    EXPECT_EQ(form->font().family(), "Arial");
    for (auto [name, text] : {std::pair{"mnuExit", "E&xit"}, {"mnuHoardsort", "Hoardsort"}, {"homepage", "Home Page"},
                              {"BugFix", "Bug Fixes / Changes"}, {"mnuAgreement", "Agreement"}})
        EXPECT_EQ(child<QAction>(name)->text(), text);
    EXPECT_EQ(child<QMenu>("mnuFile")->title(), "&File");
    for (const char* name : {"mnuFile", "About"}) EXPECT_EQ(child<QMenu>(name)->font().family(), "Arial") << name;
    EXPECT_EQ(child<QMenu>("About")->title(), "&About..");
    EXPECT_TRUE(ui.shown().empty());
}

TEST_F(Form1Test, LoadSetsFoldersFromInstallationAndDestinationsUnderHome) {
    EXPECT_EQ(textOf("Text7").toStdString(), (dir / "Arena").string());
    EXPECT_EQ(textOf("Text1").toStdString(), (dir / "Arena/Cache").string());
    std::string home = std::getenv("HOME");
    EXPECT_EQ(textOf("Text2").toStdString(), (fs::path(home) / "maps/maps").string());
    EXPECT_EQ(textOf("Text3").toStdString(), (fs::path(home) / "maps/system").string());
    EXPECT_EQ(textOf("Text4").toStdString(), (fs::path(home) / "maps/textures").string());
    EXPECT_EQ(textOf("Text5").toStdString(), (fs::path(home) / "maps/sounds").string());
    EXPECT_EQ(textOf("Text6").toStdString(), (fs::path(home) / "maps/music").string());

    form = makeForm();
    ASSERT_TRUE(form->load(""));  // not installed: no message
    EXPECT_EQ(textOf("Text7"), "");
    EXPECT_EQ(textOf("Text1"), "/Cache");
    EXPECT_TRUE(ui.shown().empty());
}

TEST_F(Form1Test, LoadShowsAgreementUntilAgreedAndEndsWhenDeclined) {
    dir.write("Home/hoardsort.cfg", "DisplayAgreement = 1\r\n");
    form = makeForm();
    ui.answerDialog(1);
    ASSERT_TRUE(form->load((dir / "Arena").string()));
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].kind, Kind::Dialog);
    EXPECT_EQ(ui.shown()[0].title, "Form3");
    EXPECT_EQ(dir.read("Home/hoardsort.cfg"), "DisplayAgreement = 0\r\n");

    fs::remove(dir / "Home/hoardsort.cfg");
    form = makeForm();
    ui.answerDialog(0);
    EXPECT_FALSE(form->load((dir / "Arena").string()));
    EXPECT_FALSE(fs::exists(dir / "Home/HOARDSORT.CFG"));
}

TEST_F(Form1Test, SearchListsTheIndexAndReportsAMissingOne) {
    click("Command1");
    EXPECT_THAT(listOf(child<QListWidget>("List1")), ElementsAre("DM-Deck.knr", "Readme", "Rock.ktx"));
    EXPECT_TRUE(ui.shown().empty());

    setText("Text1", dir / "Nowhere");
    click("Command1");
    EXPECT_EQ(child<QListWidget>("List1")->count(), 0);
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].title, "Error");
    EXPECT_EQ(ui.shown()[0].text, "Couldn't locate 'cache.ini' in directory " + (dir / "Nowhere").string() + "/");
    EXPECT_EQ(ui.shown()[0].icon, Icon::Critical);
    EXPECT_EQ(ui.shown()[0].buttons, korvath::Buttons::Ok);
    EXPECT_TRUE(form->state().entries.empty());

    // The index is 8-bit text in the game's code page: one byte, one character.
    dir.write("Other/cache.ini", "[Cache]\r\n\r\nB1=Caf\xE9-\x80-\x9D.knr\r\n");
    setText("Text1", dir / "Other");
    click("Command1");
    EXPECT_THAT(listOf(child<QListWidget>("List1")), ElementsAre("Caf\u00E9-\u20AC-\u009D.knr"));
}

TEST_F(Form1Test, ExtractBeforeSearchAsksForASearch) {
    click("Command2");
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].title, "Hoardsort");
    EXPECT_EQ(ui.shown()[0].text, "You need to search for maps first!");
    EXPECT_EQ(ui.shown()[0].icon, Icon::Information);
}

TEST_F(Form1Test, ExtractAsksNoticeThenCopiesAndShowsSummary) {
    pointAtOut();
    click("Command1");
    ui.answer(Answer::No);
    click("Command2");
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].title, "Notice:");
    EXPECT_EQ(ui.shown()[0].text,
              "Be careful about moving downloaded KA system files into your installed KA system folder.\r\n"
              "System files can change and you may get a mismatch version error when connecting to a server.\r\n"
              "If this happens, simply rename (or delete) the mismatched file from your system folder\r\n"
              "and reconnect to the server.\r\n\r\nAre you sure you want to continue?");
    EXPECT_EQ(ui.shown()[0].buttons, korvath::Buttons::YesNo);
    EXPECT_FALSE(fs::exists(dir / "Out/Maps/DM-Deck.knr"));

    ui.clear();
    ui.answer(Answer::Yes);
    ui.answerDialog(1);
    click("Command2");
    ASSERT_EQ(ui.shown().size(), 2u);
    EXPECT_EQ(ui.shown()[1].kind, Kind::Dialog);
    EXPECT_EQ(ui.shown()[1].title, "Form2");
    EXPECT_THAT(summary(), ElementsAre("- A2 - Readme: has an unknown extension", " ", "There were errors :(", " ",
                                       "2 out of 3 files were copied"));
    EXPECT_EQ(dir.read("Out/Maps/DM-Deck.knr"), "map");
    EXPECT_EQ(dir.read("Out/Textures/Rock.ktx"), "texture");
    EXPECT_EQ(child<QLabel>("Label10")->text(), "");
    EXPECT_TRUE(child<QPushButton>("Command1")->isEnabled());
    EXPECT_TRUE(child<QLineEdit>("Text7")->isEnabled());

    // Again: both files exist now, and the list was rebuilt.
    ui.answer(Answer::Yes);
    click("Command2");
    EXPECT_THAT(summary(), ElementsAre("- A1 - DM-Deck.knr: file already exists", "- A2 - Readme: has an unknown extension",
                                       "- A3 - Rock.ktx: file already exists", " ", "There were errors :(", " ",
                                       "0 out of 3 files were copied"));
}

TEST_F(Form1Test, ExtractNamesFileInProgressWithControlsDisabled) {
    pointAtOut();
    click("Command1");
    ui.answer(Answer::Yes);
    const std::vector<const char*> locked = {"Command1", "Command2", "Text1", "Text2", "Text3", "Text4",
                                             "Text5",    "Text6",    "Text7", "Command3", "Command4"};
    std::vector<std::string> labels;
    std::set<std::string> enabledWhileBusy;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        labels.push_back(child<QLabel>("Label10")->text().toStdString());
        for (const char* name : locked)
            if (child<QWidget>(name)->isEnabled()) enabledWhileBusy.insert(name);
        if (!child<QWidget>("Command5")->isEnabled()) enabledWhileBusy.insert("Command5 off");
    });
    watcher.start(0);
    click("Command2");
    watcher.stop();
    // Events are handled before each file's label is set, so the last label is never seen here.
    EXPECT_THAT(labels, ::testing::IsSupersetOf({"Processing DM-Deck.knr", "Processing Readme"}));
    EXPECT_TRUE(enabledWhileBusy.empty()) << *enabledWhileBusy.begin();
    for (const char* name : locked) EXPECT_TRUE(child<QWidget>(name)->isEnabled()) << name;
    EXPECT_EQ(child<QLabel>("Label10")->text(), "");
}

TEST_F(Form1Test, CacheBoxChangedAfterSearchChecksTheSearchedFolderAndCopiesFromTheNewOne) {
    pointAtOut();
    click("Command1");
    dir.write("Other/A1.kxx", "other map");
    setText("Text1", dir / "Other");
    ui.answer(Answer::Yes);
    ui.answerDialog(1);
    click("Command2");
    EXPECT_EQ(dir.read("Out/Maps/DM-Deck.knr"), "other map");
    EXPECT_THAT(summary(), ElementsAre("- A2 - Readme: has an unknown extension", "- A3 - Rock.ktx: couldn't locate file",
                                       " ", "There were errors :(", " ", "1 out of 3 files were copied"));

    // The folder check looks at the searched folder, which is gone now.
    fs::remove_all(dir / "Arena/Cache");
    ui.clear();
    ui.answer(Answer::Yes);
    click("Command2");
    ASSERT_EQ(ui.shown().size(), 2u);
    EXPECT_EQ(ui.shown()[1].text,
              "Starting folder or sub folders do not exist! Try selecting the 'Create Subdirectories' option\r\n"
              "or make sure the starting folder exists!");
}

TEST_F(Form1Test, DestinationInsideTheCacheIsRefusedWithAMessage) {
    pointAtOut();
    setText("Text6", dir / "Arena/Cache/Music");
    child<QCheckBox>("Check1")->setChecked(true);
    expectExtractRefused(
        "A destination folder is the cache folder or lies inside it! The cache is only read:\r\n"
        "choose destination folders outside of it.",
        Icon::Critical);
    EXPECT_FALSE(fs::exists(dir / "Arena/Cache/Music"));  // not even with Create subdirectories
}

TEST_F(Form1Test, MissingFolderIsReportedAndNothingCopied) {
    pointAtOut();
    setText("Text5", dir / "Out/Nowhere");
    expectExtractRefused(
        "Starting folder or sub folders do not exist! Try selecting the 'Create Subdirectories' option\r\n"
        "or make sure the starting folder exists!",
        Icon::None);

    // Create subdirectories makes the missing folder.
    ui.clear();
    child<QCheckBox>("Check1")->setChecked(true);
    ui.answer(Answer::Yes);
    click("Command2");
    EXPECT_TRUE(fs::is_directory(dir / "Out/Nowhere"));
    EXPECT_EQ(dir.read("Out/Maps/DM-Deck.knr"), "map");
}

TEST_F(Form1Test, ExitDuringExtractStopsAfterTheFileInProgress) {
    pointAtOut();
    click("Command1");
    ui.answer(Answer::Yes);
    QTimer exitWhenBusy;
    QObject::connect(&exitWhenBusy, &QTimer::timeout, [&] {
        if (child<QLabel>("Label10")->text() == "Processing DM-Deck.knr") {
            exitWhenBusy.stop();
            trigger("mnuExit");
        }
    });
    exitWhenBusy.start(0);
    click("Command2");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(dir.read("Out/Maps/DM-Deck.knr"), "map");
    EXPECT_FALSE(fs::exists(dir / "Out/Textures/Rock.ktx"));
    ASSERT_EQ(ui.shown().size(), 1u);  // the notice only: no summary
    for (const char* folder : {"Out/Maps", "Out/Textures"})
        EXPECT_EQ(std::distance(fs::directory_iterator(dir / folder), fs::directory_iterator()),
                  std::string(folder) == "Out/Maps" ? 1 : 0);
}

TEST_F(Form1Test, ChangeAllPathsSetsTheFiveFoldersBelowTheBase) {
    child<QLineEdit>("Text7")->setText("/games/arena/");
    click("Command3");
    EXPECT_EQ(textOf("Text2"), "/games/arena/Maps");
    EXPECT_EQ(textOf("Text3"), "/games/arena/System");
    EXPECT_EQ(textOf("Text4"), "/games/arena/Textures");
    EXPECT_EQ(textOf("Text5"), "/games/arena/Sounds");
    EXPECT_EQ(textOf("Text6"), "/games/arena/Music");
}

TEST_F(Form1Test, ViewCacheIniOpensTheIndexAndHomePageTheSite) {
    click("Command5");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(QString::fromStdString((dir / "Arena/Cache/cache.ini").string())));
    openSucceeds = false;
    click("Command5");
    EXPECT_TRUE(ui.shown().empty());  // failures are ignored

    trigger("homepage");
    EXPECT_EQ(opened.back().scheme(), "https");
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].title, "Hoardsort");
}

TEST_F(Form1Test, AboutAndBugFixesMessages) {
    trigger("mnuHoardsort");
    trigger("BugFix");
    ASSERT_EQ(ui.shown().size(), 2u);
    EXPECT_EQ(ui.shown()[0].title, "About");
    EXPECT_EQ(ui.shown()[0].icon, Icon::Information);
    EXPECT_THAT(ui.shown()[0].text, ::testing::StartsWith("Hoardsort v1.2\r\n"));
    EXPECT_EQ(ui.shown()[1].title, "Bug Fixes");
    EXPECT_EQ(ui.shown()[1].icon, Icon::Information);
    EXPECT_EQ(ui.shown()[1].text,
              "Fixes in v1.2\r\n\r\n-Fixed 'Cannot make new folder' error\r\n"
              "-Fixed crash caused by creating a folder that already exists\r\n-Added View Cache.ini feature\r\n"
              "-Changed Logo :)\r\n-Changed some of the confusing wording within the program\r\n");
}

TEST_F(Form1Test, AgreementMenuEndsTheProgramOnlyWhenDeclined) {
    ui.answerDialog(1);
    trigger("mnuAgreement");
    EXPECT_TRUE(form->isVisible());
    ui.answerDialog(0);
    trigger("mnuAgreement");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(ui.shown().size(), 2u);
    EXPECT_EQ(dir.read("Home/hoardsort.cfg"), "DisplayAgreement = 0\r\n");  // unchanged either way
}

TEST_F(Form1Test, FolderButtonOpensThePicker) {
    click("Command4");
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].kind, Kind::Dialog);
    EXPECT_EQ(ui.shown()[0].title, "frmfolder");
}

TEST_F(Form1Test, PickerOkPutsTheSelectedFolderIntoTheBaseBoxAndCancelLeavesIt) {
    ui.real = {"frmfolder"};
    // The picker starts in the base folder; a folder made there is selected, and OK hands it back.
    ui.answerText("Picked");
    QTimer::singleShot(0, [&] {
        auto* picker = form->findChild<QDialog*>("frmfolder");
        ASSERT_NE(picker, nullptr);
        EXPECT_TRUE(picker->isModal());
        QTest::mouseClick(picker->findChild<QPushButton*>("Command3"), Qt::LeftButton);
        QTest::mouseClick(picker->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    });
    click("Command4");
    EXPECT_TRUE(fs::is_directory(dir / "Arena/Picked"));
    EXPECT_EQ(textOf("Text7").toStdString(), (dir / "Arena/Picked").string());

    setText("Text7", dir / "Arena");
    QTimer::singleShot(0, [&] {
        auto* picker = form->findChild<QDialog*>("frmfolder");
        ASSERT_NE(picker, nullptr);
        QTest::mouseClick(picker->findChild<QPushButton*>("Command2"), Qt::LeftButton);
    });
    click("Command4");
    EXPECT_EQ(textOf("Text7").toStdString(), (dir / "Arena").string());
}

}  // namespace
}  // namespace hoardsort

namespace hoardsort {
namespace {

// A drag from a file manager onto the cache-folder box: whether the box accepts it, and the
// box's text after the drop.
struct DropOutcome {
    bool accepted;
    QString text;
};

DropOutcome dropOn(QLineEdit* box, QMimeData& data) {
    const QPoint middle = box->rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &enter);
    if (!enter.isAccepted()) return {false, box->text()};
    QDropEvent drop(QPointF(middle), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &drop);
    return {drop.isAccepted(), box->text()};
}

TEST_F(Form1Test, DroppingOneFolderOnTheCacheBoxSetsItAndAnythingElseIsRefused) {
    dir.makeDir("Other Cache");
    QLineEdit* box = child<QLineEdit>("Text1");
    const QString before = box->text();
    const QUrl folder = QUrl::fromLocalFile(QString::fromStdString((dir / "Other Cache").string()));
    struct Case {
        const char* what;
        QList<QUrl> urls;
    };
    for (const Case& c : {Case{"a file", {QUrl::fromLocalFile(QString::fromStdString((dir / "Arena/Cache/A1.kxx").string()))}},
                          Case{"two folders", {folder, folder}},
                          Case{"a web address", {QUrl("https://example.org/Cache/")}},
                          Case{"a missing folder", {QUrl::fromLocalFile(QString::fromStdString((dir / "Gone").string()))}}}) {
        QMimeData data;
        data.setUrls(c.urls);
        DropOutcome outcome = dropOn(box, data);
        EXPECT_FALSE(outcome.accepted) << c.what;
        EXPECT_EQ(outcome.text, before) << c.what;
    }
    QMimeData data;
    data.setUrls({folder});
    DropOutcome outcome = dropOn(box, data);
    EXPECT_TRUE(outcome.accepted);
    EXPECT_EQ(outcome.text.toStdString(), (dir / "Other Cache").string());
}

}  // namespace
}  // namespace hoardsort
