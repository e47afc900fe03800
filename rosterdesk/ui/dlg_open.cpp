#include "rosterdesk/ui/dlg_open.h"

#include <QApplication>

#include "common/qt/qt_interaction.h"
#include "rosterdesk/editor/open_file.h"
#include "rosterdesk/ui/dlg_file_list.h"

namespace rosterdesk {

dlgOpen::dlgOpen(RosterSession& session, const std::string& configPath, korvath::Interaction& ui, QWidget* parent)
    : FixedDialog(parent), session_(session), configPath_(configPath), ui_(ui) {
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
    const std::string name = korvath::nativeFromQString(txtName_->text());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setEnabled(false);
    korvath::Status read = openDocument(session_, configPath_, name);
    setEnabled(true);
    QApplication::restoreOverrideCursor();
    if (!read) {
        ui_.inform(std::string(kOpenTitle), "Can't open " + korvath::fileNameAsText(name) + ".\r\n\r\n" + read.error(),
                   korvath::Icon::Warning);
        txtName_->setFocus();
        return;
    }
    succeeded_ = true;
    name_ = name;
    done(QDialog::Accepted);
}

}  // namespace rosterdesk
