#include "hoardsort/ui/frmfolder.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include "common/qt/qt_interaction.h"
#include "common/qt/window_util.h"
#include "hoardsort/sorting/create_folder.h"

namespace hoardsort {

namespace {

// The drive of the list that holds `folder` (the longest root it starts with).
QString driveOf(const QStringList& roots, const QString& folder) {
    QString best = roots.value(0);
    for (const QString& root : roots)
        if (folder.startsWith(root) && root.size() > best.size()) best = root;
    return best;
}

}  // namespace

frmfolder::frmfolder(korvath::Interaction& interaction, const std::string& start, QWidget* parent)
    : QDialog(parent), interaction_(interaction) {
    setObjectName("frmfolder");
    setWindowTitle("Choose Folder");
    setFont(QFont("Arial", 9));

    drive1_ = new QComboBox(this);
    drive1_->setObjectName("Drive1");
    drive1_->addItems(korvath::mountedDriveRoots());

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setRootPath(QDir::rootPath());
    // Connected before the view's selection model exists, so these run before it moves the
    // current row off a row the model drops and adds again while it refreshes.
    connect(model_, &QFileSystemModel::rowsAboutToBeRemoved, this, [this] { modelRemoving_ = true; });
    connect(model_, &QFileSystemModel::rowsRemoved, this, [this] { modelRemoving_ = false; });
    dir1_ = new QTreeView(this);
    dir1_->setObjectName("Dir1");
    dir1_->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column) dir1_->hideColumn(column);
    dir1_->setHeaderHidden(true);
    dir1_->setMinimumSize(300, 260);

    command1_ = new QPushButton("&OK", this);
    command1_->setObjectName("Command1");
    command2_ = new QPushButton("&Cancel", this);
    command2_->setObjectName("Command2");
    command3_ = new QPushButton("Create Folder", this);
    command3_->setObjectName("Command3");
    connect(command1_, &QPushButton::clicked, this, &QDialog::accept);
    connect(command2_, &QPushButton::clicked, this, &QDialog::reject);
    connect(command3_, &QPushButton::clicked, this, &frmfolder::createFolder);
    connect(drive1_, &QComboBox::textActivated, this, &frmfolder::setDrive);
    // Enter opens the highlighted folder, as a double-click does, and the picker stays.
    korvath::openEntryOnEnter(dir1_, [this](const QModelIndex& index) { dir1_->expand(index); });
    connect(dir1_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (current.isValid() && !modelRemoving_) selected_ = model_->filePath(current);
    });
    // The model reads and sorts folders in the background (a folder just created may not be
    // there yet): select the chosen one and bring it into view once rows arrive or move.
    auto keepInView = [this] { QTimer::singleShot(0, this, [this] { showSelected(); }); };
    connect(model_, &QFileSystemModel::directoryLoaded, this, keepInView);
    connect(model_, &QFileSystemModel::layoutChanged, this, keepInView);
    connect(model_, &QFileSystemModel::rowsInserted, this, keepInView);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(command1_);
    buttons->addWidget(command2_);
    buttons->addSpacing(12);
    buttons->addWidget(command3_);
    buttons->addStretch();
    auto* lists = new QVBoxLayout;
    lists->addWidget(drive1_);
    lists->addWidget(dir1_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(buttons);

    QString startFolder = korvath::nativeToQString(start);
    if (!startFolder.isEmpty() && QFileInfo(startFolder).isDir()) {
        startFolder = QDir::cleanPath(QFileInfo(startFolder).absoluteFilePath());
        QString drive = driveOf(korvath::mountedDriveRoots(), startFolder);
        drive1_->setCurrentText(drive);
        setDrive(drive);
        selectFolder(startFolder);
    } else {
        setDrive(drive1_->itemText(0));
    }
}

void frmfolder::setDrive(const QString& drive) {
    if (!QFileInfo(drive).isDir() || !QDir(drive).isReadable()) {
        drive1_->setCurrentIndex(0);
        if (drive == drive1_->itemText(0)) return;
        setDrive(drive1_->itemText(0));
        return;
    }
    drive1_->setCurrentText(drive);
    dir1_->setRootIndex(model_->index(drive));
    selectFolder(drive);
}

void frmfolder::selectFolder(const QString& folder) {
    selected_ = folder;
    showSelected();
    dir1_->expand(dir1_->currentIndex());
}

void frmfolder::showSelected() {
    QModelIndex index = model_->index(selected_);
    if (!index.isValid()) return;  // not read yet: again when it arrives
    if (index != dir1_->currentIndex()) dir1_->setCurrentIndex(index);
    dir1_->scrollTo(index);
}

std::string frmfolder::selectedFolder() const {
    QString folder = selected_.isEmpty() ? drive1_->currentText() : selected_;
    return korvath::nativeFromQString(QDir::toNativeSeparators(folder));
}

void frmfolder::createFolder() {
    if (auto created = createFolderFlow(selectedFolder(), interaction_)) selectFolder(korvath::nativeToQString(*created));
}

void frmfolder::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    korvath::centreOnScreen(*this);
}

}  // namespace hoardsort
