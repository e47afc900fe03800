#include "rosterdesk/ui/dlg_open.h"

#include <QApplication>

#include "common/qt/qt_interaction.h"
#include "rosterdesk/ui/dlg_file_list.h"

namespace rosterdesk {

dlgOpen::dlgOpen(const std::string& configPath, Take take, QWidget* parent)
    : FixedDialog(parent), take_(std::move(take)) {
    setObjectName("dlgOpen");
    setWindowTitle("Open Existing Configuration...");
    auto* grid = new QGridLayout(this);
    FileListArea area = addFileListArea(this, grid, configPath, "txtName", 2);
    fileOne_ = area.fileOne;
    txtName_ = area.nameBox;
    QPushButton* openButton = makeButton(this, "cmdOpen", "Open");
    QPushButton* cancel = makeButton(this, "CancelButton", "Cancel");
    grid->addLayout(buttonRow({openButton, cancel}), 3, 0, 1, 2);
    connect(fileOne_, &QListWidget::itemDoubleClicked, this, [this] { open(); });
    connect(openButton, &QPushButton::clicked, this, [this] { open(); });
    connect(cancel, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
}

void dlgOpen::open() {
    choice_ = {korvath::nativeFromQString(txtName_->text())};
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setEnabled(false);
    const bool taken = take_(choice_);
    setEnabled(true);
    QApplication::restoreOverrideCursor();
    if (!taken) {
        txtName_->setFocus();
        return;
    }
    done(QDialog::Accepted);
}

}  // namespace rosterdesk
