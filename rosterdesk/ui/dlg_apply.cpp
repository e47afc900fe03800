#include "rosterdesk/ui/dlg_apply.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/qt/qt_interaction.h"
#include "rosterdesk/ui/dlg_file_list.h"

namespace rosterdesk {

dlgApply::dlgApply(const Settings& settings, korvath::Interaction& ui, QWidget* parent)
    : FixedDialog(parent), settings_(settings), ui_(ui), files_(listRosterFiles(settings.ConfigPath)) {
    setObjectName("dlgApply");
    setWindowTitle("Apply Configuration");
    auto* grid = new QGridLayout(this);
    grid->addWidget(makeLabel(this, "lblChoose", "Choose Configuration:"), 0, 0);
    cmbConfigs_ = new QComboBox(this);
    cmbConfigs_->setObjectName("cmbConfigs");
    cmbConfigs_->setMinimumContentsLength(28);
    for (const RosterFileEntry& file : files_) cmbConfigs_->addItem(korvath::nativeToQString(file.name));
    grid->addWidget(cmbConfigs_, 1, 0, 1, 2);
    grid->addWidget(makeLabel(this, "lblDescription", "Description:"), 2, 0);
    txtDescr_ = new QPlainTextEdit(this);
    txtDescr_->setObjectName("txtDescr");
    txtDescr_->setReadOnly(true);
    txtDescr_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtDescr_->setTabChangesFocus(true);
    txtDescr_->setMinimumSize(360, 110);
    grid->addWidget(txtDescr_, 3, 0, 1, 2);

    // The help button is placed by hand beside the check box, centred on it vertically.
    auto* backupRow = new QWidget(this);
    backupRow->setObjectName("backupRow");
    chkBackup_ = new QCheckBox("Backup Current Configuration", backupRow);
    chkBackup_->setObjectName("chkBackup");
    chkBackup_->setChecked(true);
    cmdBackupHelp_ = makeButton(backupRow, "cmdBackupHelp", "?");
    cmdBackupHelp_->setFixedSize(22, 20);
    chkBackup_->adjustSize();
    backupRow->setMinimumSize(chkBackup_->sizeHint().width() + 34, std::max(chkBackup_->sizeHint().height(), 24));
    grid->addWidget(backupRow, 4, 0, 1, 2);

    QPushButton* applyButton = makeButton(this, "cmdApply", "Apply Config");
    QPushButton* cancel = makeButton(this, "CancelButton", "Cancel");
    grid->addLayout(buttonRow({applyButton, cancel}), 5, 0, 1, 2);

    connect(cmbConfigs_, &QComboBox::currentIndexChanged, this, [this](int index) {
        txtDescr_->setPlainText(index >= 0 && index < static_cast<int>(files_.size())
                                    ? korvath::toQString(files_[static_cast<std::size_t>(index)].description)
                                    : QString());
    });
    connect(cmdBackupHelp_, &QPushButton::clicked, this, [this] {
        ui_.inform("Backup Current Configuration Help", "This backs up the data currently in your user.ini file.");
    });
    connect(applyButton, &QPushButton::clicked, this, [this] { apply(); });
    connect(cancel, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
    // With no roster file there is nothing to apply.
    applyButton->setEnabled(!files_.empty());
    if (!files_.empty()) {
        cmbConfigs_->setCurrentIndex(0);
        txtDescr_->setPlainText(korvath::toQString(files_.front().description));
    }
    alignHelpButton();
}

void dlgApply::showEvent(QShowEvent* event) {
    alignHelpButton();
    FixedDialog::showEvent(event);
}

void dlgApply::alignHelpButton() {
    QRect box = chkBackup_->geometry();
    chkBackup_->move(0, (chkBackup_->parentWidget()->minimumHeight() - box.height()) / 2);
    box = chkBackup_->geometry();
    cmdBackupHelp_->move(box.right() + 8, box.top() + (box.height() - cmdBackupHelp_->height()) / 2);
}

void dlgApply::apply() {
    ApplyRequest request;
    request.configPath = settings_.ConfigPath;
    const int chosen = cmbConfigs_->currentIndex();
    if (chosen < 0 || chosen >= static_cast<int>(files_.size())) return;
    request.entry = files_[static_cast<std::size_t>(chosen)].name;  // the name's own bytes
    request.kaPath = settings_.KAPath;
    request.backup = chkBackup_->isChecked();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ApplyResult result = applyRoster(request);
    QApplication::restoreOverrideCursor();
    const ApplyMessage& box = result ? result->message : result.error();
    ui_.inform(box.title, box.text, result ? korvath::Icon::None : korvath::Icon::Warning);
    if (result) done(QDialog::Accepted);
}

}  // namespace rosterdesk
