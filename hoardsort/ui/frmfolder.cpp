#include "hoardsort/ui/frmfolder.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStorageInfo>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include "common/qt/qt_interaction.h"
#include "common/qt/window_util.h"
#include "hoardsort/sorting/create_folder.h"

namespace hoardsort {

namespace {

// The mounted volumes, the root first: the drives of the drive list.
QStringList driveRoots() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath())) roots << volume.rootPath();
    roots.removeAll(QDir::rootPath());
    roots.sort(Qt::CaseInsensitive);
    roots.prepend(QDir::rootPath());
    return roots;
}

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
    drive1_->addItems(driveRoots());

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setRootPath(QDir::rootPath());
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
    // The model reads and sorts folders in the background: bring the selected one back into
    // view whenever rows arrive or move.
    auto keepInView = [this] { QTimer::singleShot(0, this, [this] { dir1_->scrollTo(dir1_->currentIndex()); }); };
    connect(model_, &QFileSystemModel::directoryLoaded, this, keepInView);
    connect(model_, &QFileSystemModel::layoutChanged, this, keepInView);

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

    QString startFolder = korvath::toQString(start);
    if (!startFolder.isEmpty() && QFileInfo(startFolder).isDir()) {
        startFolder = QDir::cleanPath(QFileInfo(startFolder).absoluteFilePath());
        QString drive = driveOf(driveRoots(), startFolder);
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
    QModelIndex index = model_->index(folder);
    dir1_->setCurrentIndex(index);
    dir1_->scrollTo(index);
    dir1_->expand(index);
}

std::string frmfolder::selectedFolder() const {
    QModelIndex index = dir1_->currentIndex();
    QString folder = index.isValid() ? model_->filePath(index) : drive1_->currentText();
    return korvath::fromQString(QDir::toNativeSeparators(folder));
}

void frmfolder::createFolder() {
    if (auto created = createFolderFlow(selectedFolder(), interaction_)) selectFolder(korvath::toQString(*created));
}

void frmfolder::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    korvath::centreOnScreen(*this);
}

}  // namespace hoardsort
