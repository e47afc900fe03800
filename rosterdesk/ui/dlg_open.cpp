#include "rosterdesk/ui/dlg_open.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "common/qt/qt_interaction.h"
#include "rosterdesk/ui/dlg_save_as.h"

namespace rosterdesk {

dlgOpen::dlgOpen(RosterSession& session, const std::string& configPath, korvath::Interaction& ui, QWidget* parent)
    : FixedDialog(parent), session_(session), configPath_(configPath), ui_(ui) {
    setObjectName("dlgOpen");
    setWindowTitle("Open Existing Configuration...");
    auto* grid = new QGridLayout(this);
    grid->addWidget(makeLabel(this, "lblFileList", "File List:"), 0, 0, 1, 2);
    fileOne_ = new QListWidget(this);
    fileOne_->setObjectName("fileOne");
    fileOne_->setMinimumSize(300, 160);
    listFolderFiles(fileOne_, configPath);
    grid->addWidget(fileOne_, 1, 0, 1, 2);
    grid->addWidget(makeLabel(this, "lblFileName", "File Name:"), 2, 0);
    txtName_ = new QLineEdit(this);
    txtName_->setObjectName("txtName");
    grid->addWidget(txtName_, 2, 1);
    auto* buttons = new QHBoxLayout;
    grid->addLayout(buttons, 3, 0, 1, 2);
    buttons->addStretch();
    QPushButton* openButton = makeButton(this, "cmdOpen", "Open");
    QPushButton* cancel = makeButton(this, "CancelButton", "Cancel");
    openButton->setDefault(true);
    buttons->addWidget(openButton);
    buttons->addWidget(cancel);
    connect(fileOne_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { txtName_->setText(item->text()); });
    connect(fileOne_, &QListWidget::currentTextChanged, this, [this](const QString& name) {
        if (!name.isEmpty()) txtName_->setText(name);
    });
    connect(fileOne_, &QListWidget::itemDoubleClicked, this, [this] { open(); });
    connect(openButton, &QPushButton::clicked, this, [this] { open(); });
    connect(cancel, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
    txtName_->setFocus();
}

void dlgOpen::open() {
    const std::string name = korvath::fromQString(txtName_->text());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setEnabled(false);
    korvath::Status read = openDocument(session_, configPath_, name);
    setEnabled(true);
    QApplication::restoreOverrideCursor();
    if (!read) {
        ui_.inform("Open Existing Configuration...", "Can't open " + name + ".\r\n\r\n" + read.message,
                   korvath::Icon::Warning);
        txtName_->setFocus();
        return;
    }
    succeeded_ = true;
    name_ = name;
    done(QDialog::Accepted);
}

}  // namespace rosterdesk
