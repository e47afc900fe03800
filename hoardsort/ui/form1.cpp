#include "hoardsort/ui/form1.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "common/files/game_path.h"
#include "common/qt/qt_interaction.h"
#include "common/qt/window_util.h"
#include "hoardsort/sorting/agreement.h"
#include "hoardsort/sorting/folder_text.h"
#include "hoardsort/ui/folder_drop.h"
#include "hoardsort/ui/form2.h"
#include "hoardsort/ui/form3.h"
#include "hoardsort/ui/logo.h"

namespace fs = std::filesystem;

namespace hoardsort {

namespace {

template <typename Widget>
Widget* named(Widget* widget, const char* name, const char* tooltip = nullptr) {
    widget->setObjectName(name);
    if (tooltip) widget->setToolTip(tooltip);
    return widget;
}

constexpr const char* kCheck1Tip =
    "You will probably want to enable this unless you're installing the maps in your Korvath Arena folder";
constexpr const char* kCheck2Tip = "Enable this to overwrite existing KA files";

}  // namespace

Form1::Form1(korvath::Interaction& interaction, fs::path home, QWidget* parent)
    : QMainWindow(parent), interaction_(interaction), home_(std::move(home)) {
    openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    setObjectName("Form1");
    setWindowTitle("Hoardsort");
    setFont(QFont("Arial", 9));
    imageList1_.push_back(paintLogo());
    buildControls();
    buildMenus();
    form2_ = new Form2(this);
}

QLineEdit* Form1::addFolderRow(QGridLayout* grid, int row, const char* labelName, const char* caption,
                               const char* textName, const std::string& text) {
    grid->addWidget(named(new QLabel(caption), labelName), row, 0);
    auto* edit = named(new QLineEdit(korvath::nativeToQString(text)), textName);
    edit->setMinimumWidth(220);
    grid->addWidget(edit, row, 1);
    return edit;
}

void Form1::buildControls() {
    auto* central = new QWidget(this);
    setCentralWidget(central);

    picture1_ = named(new QLabel, "Picture1");
    label1_ = named(new QLabel("Korvath Arena Cache Folder"), "Label1");
    text1_ = named(new QLineEdit, "Text1", "This is where your CACHE.INI file is stored");
    new FolderDrop(text1_);
    command1_ = named(new QPushButton("Search for maps"), "Command1", "Search for all maps downloaded in the cache folder");
    command5_ = named(new QPushButton("View Cache.INI"), "Command5", "Views the cache.ini file in notepad");
    label5_ = named(new QLabel("KA Files found:"), "Label5");
    list1_ = named(new QListWidget, "List1");
    list1_->setMinimumSize(260, 220);
    label10_ = named(new QLabel, "Label10");

    auto* searchButtons = new QHBoxLayout;
    searchButtons->addWidget(command1_);
    searchButtons->addWidget(command5_);
    auto* left = new QVBoxLayout;
    left->addWidget(picture1_);
    left->addWidget(label1_);
    left->addWidget(text1_);
    left->addLayout(searchButtons);
    left->addWidget(label5_);
    left->addWidget(list1_, 1);
    left->addWidget(label10_);

    frame1_ = named(new QGroupBox("Destination Properties:"), "Frame1");
    auto* grid = new QGridLayout(frame1_);
    Destinations defaults = defaultDestinations();
    text4_ = addFolderRow(grid, 0, "Label2", "Folder to place .ktx files", "Text4", defaults.textures);
    text3_ = addFolderRow(grid, 1, "Label3", "Folder to place .k  and .int files", "Text3", defaults.system);
    text2_ = addFolderRow(grid, 2, "Label4", "Folder to place .knr files", "Text2", defaults.maps);
    text5_ = addFolderRow(grid, 3, "Label6", "Folder to place .kax files", "Text5", defaults.sounds);
    text6_ = addFolderRow(grid, 4, "Label7", "Folder to place .kmx files", "Text6", defaults.music);

    check1_ = named(new QCheckBox, "Check1", kCheck1Tip);
    check2_ = named(new QCheckBox, "Check2", kCheck2Tip);
    auto* label12 = named(new QLabel("Create subdirectories "), "Label12", kCheck1Tip);
    auto* label11 = named(new QLabel("Always overwrite existing files"), "Label11", kCheck2Tip);
    label12->setBuddy(check1_);
    label11->setBuddy(check2_);
    auto* options = new QGridLayout;
    options->addWidget(check1_, 0, 0);
    options->addWidget(label12, 0, 1);
    options->addWidget(check2_, 1, 0);
    options->addWidget(label11, 1, 1);
    options->setColumnStretch(1, 1);

    auto* label8 = named(new QLabel("Find A Folder"), "Label8");
    text7_ = named(new QLineEdit, "Text7");
    command4_ = named(new QPushButton(".."), "Command4");
    command4_->setFixedWidth(32);
    auto* baseRow = new QHBoxLayout;
    baseRow->addWidget(text7_);
    baseRow->addWidget(command4_);
    command3_ = named(new QPushButton("Change all paths to above"), "Command3",
                      "Changes destination path names to the one above");
    command2_ = named(new QPushButton("Extract KA files"), "Command2", "Install maps into the directories specified above");
    command2_->setMinimumHeight(36);

    auto* right = new QVBoxLayout;
    right->addWidget(frame1_);
    right->addLayout(options);
    right->addWidget(label8);
    right->addLayout(baseRow);
    right->addWidget(command3_);
    right->addStretch();
    right->addWidget(command2_);

    auto* columns = new QHBoxLayout(central);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    connect(command1_, &QPushButton::clicked, this, &Form1::SearchForMaps);
    connect(command2_, &QPushButton::clicked, this, &Form1::ExtractFiles);
    connect(command3_, &QPushButton::clicked, this, &Form1::ChangeAllPaths);
    connect(command4_, &QPushButton::clicked, this, &Form1::ChooseFolder);
    connect(command5_, &QPushButton::clicked, this, &Form1::ViewCacheIni);
}

void Form1::buildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("mnuFile");
    named(file->addAction("E&xit", this, &Form1::ExitProgram), "mnuExit");
    QMenu* about = menuBar()->addMenu("&About..");
    about->setObjectName("About");
    named(about->addAction("Hoardsort", this, &Form1::ShowAbout), "mnuHoardsort");
    named(about->addAction("Home Page", this, &Form1::ShowHomePage), "homepage");
    named(about->addAction("Bug Fixes / Changes", this, &Form1::ShowBugFixes), "BugFix");
    named(about->addAction("Agreement", this, &Form1::ShowAgreement), "mnuAgreement");
    // Menus open as windows of their own, which do not inherit the window's font.
    file->setFont(font());
    about->setFont(font());
}

bool Form1::load(const std::string& installFolder, bool askAgreement) {
    if (askAgreement && !runAgreementCheck(home_, interaction_, [this] { return runAgreement(); })) return false;
    // The logo first: it grows the window, which is centred at its final size.
    picture1_->setPixmap(imageList1_.front());
    adjustSize();
    korvath::centreOnScreen(*this);
    text7_->setText(korvath::nativeToQString(installFolder));
    std::string cache = installFolder + kSeparator + "Cache";
    if (!installFolder.empty()) {
        // Off Windows the folder may be spelt "cache"; the game does not mind, so neither do we.
        fs::path found = korvath::resolveGamePath(installFolder, "Cache");
        std::error_code ec;
        if (fs::is_directory(found, ec)) cache = found.string();
    }
    text1_->setText(korvath::nativeToQString(cache));
    return true;
}

int Form1::runAgreement() {
    Form3 agreement(interaction_, home_, this);
    return agreement.run();
}

Destinations Form1::destinationTexts() const {
    auto text = [](const QLineEdit* edit) { return korvath::nativeFromQString(edit->text()); };
    return {text(text2_), text(text3_), text(text4_), text(text5_), text(text6_)};
}

void Form1::setExtracting(bool extracting) {
    extracting_ = extracting;
    for (QWidget* control : std::initializer_list<QWidget*>{command1_, command2_, text1_, text2_, text3_, text4_,
                                                            text5_, text6_, text7_, command3_, command4_})
        control->setEnabled(!extracting);
    if (!extracting) label10_->clear();
}

void Form1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Again once the window has its frame, which is only known when it is first shown.
    if (!placed_ && !event->spontaneous()) {
        placed_ = true;
        korvath::centreOnScreen(*this);
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    if (extracting_) {
        // Closing mid-extraction ends it after the file in progress; the window closes then.
        stopRequested_ = exitRequested_ = true;
        event->ignore();
        return;
    }
    form2_->close();
    QMainWindow::closeEvent(event);
}

}  // namespace hoardsort
