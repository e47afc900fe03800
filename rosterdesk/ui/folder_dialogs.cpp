#include "rosterdesk/ui/folder_dialogs.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "common/files/home_folder.h"
#include "common/qt/qt_interaction.h"
#include "common/qt/window_util.h"
#include "rosterdesk/catalogue/new_folder.h"
#include "rosterdesk/catalogue/settings.h"

namespace fs = std::filesystem;

namespace rosterdesk {

namespace {

std::vector<fs::path> subfolders(const fs::path& folder) {
    std::vector<fs::path> out;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_directory(ec)) out.push_back(it->path());
    std::sort(out.begin(), out.end(), [](const fs::path& a, const fs::path& b) {
        return korvath::pathToQString(a.filename()).compare(korvath::pathToQString(b.filename()), Qt::CaseInsensitive) < 0;
    });
    return out;
}

std::string pathText(const fs::path& folder) { return withTrailingSeparator(folder.string()); }
}  // namespace

std::optional<std::string> runFolderDialog(korvath::Interaction& ui, const std::string& name, const std::string& title,
                                           const std::string& start,
                                           const std::function<std::optional<std::string>()>& show) {
    bool shown = false;
    std::optional<std::string> result;
    ui.runDialog(name, [&] {
        shown = true;
        result = show();
        return result ? 1 : 0;
    });
    if (!shown) return ui.pickFolder(title, start);
    return result;
}

dlgChangePath::dlgChangePath(korvath::Interaction& ui, const QString& caption, const std::string& start,
                             bool allowCreate, QWidget* parent)
    : QDialog(parent), ui_(ui) {
    setObjectName("dlgChangePath");
    setWindowTitle(caption);
    setFont(QFont("Arial", 9));
    driveOne = new QComboBox(this);
    driveOne->setObjectName("driveOne");
    driveOne->addItems(korvath::mountedDriveRoots());
    dirOne = new QListWidget(this);
    dirOne->setObjectName("dirOne");
    dirOne->setMinimumSize(300, 220);
    cmdCreateFolder = makeButton(this, "cmdCreateFolder", "Create Folder");
    cmdCreateFolder->setVisible(allowCreate);
    newFolderArea_ = new QWidget(this);
    txtNewFolder = new QLineEdit(newFolderArea_);
    txtNewFolder->setObjectName("txtNewFolder");
    cmdCreate = makeButton(newFolderArea_, "cmdCreate", "Cancel");
    auto* area = new QHBoxLayout(newFolderArea_);
    area->setContentsMargins(0, 0, 0, 0);
    area->addWidget(txtNewFolder, 1);
    area->addWidget(cmdCreate);
    newFolderArea_->hide();
    OKButton = makeButton(this, "OKButton", "OK");
    OKButton->setDefault(true);
    CancelButton = makeButton(this, "CancelButton", "Cancel");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCreateFolder);
    buttons->addStretch(1);
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(driveOne);
    layout->addWidget(dirOne, 1);
    layout->addWidget(newFolderArea_);
    layout->addLayout(buttons);

    connect(driveOne, &QComboBox::activated, this, &dlgChangePath::chooseDrive);
    // A click highlights a folder; a double-click or Enter opens it and the picker stays.
    connect(dirOne, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        showFolder(korvath::pathFromQString(item->data(Qt::UserRole).toString()));
    });
    korvath::openEntryOnEnter(dirOne, [this](const QModelIndex& index) {
        showFolder(korvath::pathFromQString(index.data(Qt::UserRole).toString()));
    });
    connect(cmdCreateFolder, &QPushButton::clicked, this, &dlgChangePath::startNewFolder);
    connect(txtNewFolder, &QLineEdit::textChanged, this,
            [this](const QString& text) { cmdCreate->setText(text.isEmpty() ? "Cancel" : "Create"); });
    connect(cmdCreate, &QPushButton::clicked, this, &dlgChangePath::finishNewFolder);
    // OK takes the highlighted folder, which is the open one until another is clicked.
    connect(OKButton, &QPushButton::clicked, this, [this] {
        QListWidgetItem* highlighted = dirOne->currentItem();
        chosen_ = pathText(highlighted ? korvath::pathFromQString(highlighted->data(Qt::UserRole).toString()) : shown_);
        accept();
    });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    std::error_code ec;
    fs::path first = start.empty() || !fs::is_directory(start, ec) ? korvath::userHomeFolder() : fs::path(start);
    showFolder(first);
}

void dlgChangePath::chooseDrive(int index) {
    if (index < 0 || index >= driveOne->count()) return;
    showFolder(korvath::pathFromQString(driveOne->itemText(index).toUpper()));
}

void dlgChangePath::showFolder(const fs::path& folder) {
    std::error_code ec;
    fs::path canonical = fs::weakly_canonical(folder, ec);
    shown_ = ec ? folder : canonical;
    if (shown_.has_filename() == false && shown_ != shown_.root_path()) shown_ = shown_.parent_path();
    dirOne->clear();
    // The folder's ancestors from the drive down, opened, then its subfolders.
    std::vector<fs::path> chain;
    for (fs::path p = shown_; !p.empty(); p = p.parent_path()) {
        chain.push_back(p);
        if (p == p.root_path()) break;
    }
    std::reverse(chain.begin(), chain.end());
    auto add = [this](const fs::path& p, int depth) {
        QString name = korvath::pathToQString(p == p.root_path() ? p : p.filename());
        auto* item = new QListWidgetItem(QString(depth * 2, ' ') + name, dirOne);
        item->setData(Qt::UserRole, korvath::pathToQString(p));
        return item;
    };
    int depth = 0;
    for (const fs::path& p : chain) dirOne->setCurrentItem(add(p, depth++));
    for (const fs::path& sub : subfolders(shown_)) add(sub, depth);
    QString root = korvath::pathToQString(shown_.root_path());
    for (int i = 0; i < driveOne->count(); ++i)
        if (root.startsWith(driveOne->itemText(i))) driveOne->setCurrentIndex(i);
}

void dlgChangePath::startNewFolder() {
    cmdCreateFolder->hide();
    newFolderArea_->show();
    txtNewFolder->clear();
    cmdCreate->setText("Cancel");
    txtNewFolder->setFocus();
    OKButton->setEnabled(false);
    CancelButton->setEnabled(false);
}

void dlgChangePath::finishNewFolder() {
    if (cmdCreate->text() == "Create") {
        auto created = createNewFolder({shown_, korvath::nativeFromQString(txtNewFolder->text())});
        if (!created) ui_.inform(std::string(kCreateFolderTitle), created.error(), korvath::Icon::Warning);
        showFolder(shown_);
    }
    newFolderArea_->hide();
    cmdCreateFolder->show();
    OKButton->setEnabled(true);
    CancelButton->setEnabled(true);
}

std::optional<std::string> browseFolder(korvath::Interaction& ui, QWidget* parent, const QString& caption,
                                        const std::string& start, bool allowCreate) {
    return runFolderDialog(ui, "dlgChangePath", korvath::fromQString(caption), start,
                           [&]() -> std::optional<std::string> {
                               dlgChangePath picker(ui, caption, start, allowCreate, parent);
                               if (picker.exec() != QDialog::Accepted || picker.chosenFolder().empty()) return std::nullopt;
                               return picker.chosenFolder();
                           });
}

namespace {
// The layout both folder dialogs share: the folder, a message line, Browse and OK.
QPushButton* layOut(FixedDialog& dialog, QLabel* folder) {
    folder->setMinimumWidth(360);
    folder->setFrameShape(QFrame::Panel);
    folder->setFrameShadow(QFrame::Sunken);
    QLabel* message = makeLabel(&dialog, "lblMessage", "", true);
    QPushButton* browse = makeButton(&dialog, "cmdBrowse", "Browse...");
    QPushButton* ok = makeButton(&dialog, "OKButton", "OK");
    ok->setDefault(true);
    auto* row = new QHBoxLayout;
    row->addWidget(folder, 1);
    row->addWidget(browse);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(message);
    layout->addLayout(row);
    layout->addLayout(buttons);
    return browse;
}
}  // namespace

dlgCorrectKAPath::dlgCorrectKAPath(korvath::Interaction& ui, const QString& caption, const std::string& start,
                                   QWidget* parent)
    : FixedDialog(parent), ui_(ui), result_(start) {
    setObjectName("dlgCorrectKAPath");
    setWindowTitle(caption);
    std::error_code ec;
    std::string shown = start.empty() && fs::is_directory(defaultGameFolder(), ec) ? defaultGameFolder() : start;
    lblKAPath = makeLabel(this, "lblKAPath", korvath::nativeToQString(shown));
    QPushButton* browse = layOut(*this, lblKAPath);
    connect(browse, &QPushButton::clicked, this, [this] {
        std::optional<std::string> chosen = browseFolder(ui_, this, "Choose a New KA Path", result_, false);
        if (!chosen || chosen->empty()) return;
        result_ = withTrailingSeparator(*chosen);
        lblKAPath->setText(korvath::nativeToQString(result_));
    });
    connect(findChild<QPushButton*>("OKButton"), &QPushButton::clicked, this, [this] {
        if (confirmGameFolder(ui_, result_)) done(QDialog::Accepted);
    });
}

dlgChangeConfigPath::dlgChangeConfigPath(korvath::Interaction& ui, const QString& caption,
                                         const std::string& configPath, QWidget* parent)
    : FixedDialog(parent), ui_(ui) {
    setObjectName("dlgChangeConfigPath");
    setWindowTitle(caption);
    bool none = configPath.empty() || configPath == withTrailingSeparator("");
    result_ = none ? defaultConfigFolder() : configPath;
    lblConfigPath = makeLabel(this, "lblConfigPath", korvath::nativeToQString(result_));
    QPushButton* browse = layOut(*this, lblConfigPath);
    connect(browse, &QPushButton::clicked, this, [this] {
        std::optional<std::string> chosen =
            browseFolder(ui_, this, "Choose Configuration Directory...", result_, true);
        if (!chosen || chosen->empty()) return;
        result_ = withTrailingSeparator(*chosen);
        lblConfigPath->setText(korvath::nativeToQString(result_));
    });
    connect(findChild<QPushButton*>("OKButton"), &QPushButton::clicked, this, [this] {
        std::error_code ec;
        fs::create_directories(result_, ec);
        if (!fs::is_directory(result_, ec)) {
            ui_.inform("Locate Configuration Directory...", "The folder " + result_ + " could not be created.",
                       korvath::Icon::Warning);
            return;
        }
        done(QDialog::Accepted);
    });
}

}  // namespace rosterdesk
