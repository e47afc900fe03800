#include "rosterdesk/ui/dlg_descr.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/qt/qt_interaction.h"
#include "rosterdesk/ui/dlg_file_list.h"

namespace rosterdesk {

dlgDescr::dlgDescr(const std::string& description, QWidget* parent) : FixedDialog(parent) {
    setObjectName("dlgDescr");
    setWindowTitle("Enter Description");
    auto* layout = new QVBoxLayout(this);
    txtDescr_ = new QPlainTextEdit(korvath::toQString(description), this);
    txtDescr_->setObjectName("txtDescr");
    txtDescr_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtDescr_->setTabChangesFocus(true);
    txtDescr_->setMinimumSize(380, 140);
    korvath::limitToCodePage(txtDescr_);
    layout->addWidget(txtDescr_);
    auto* warning = makeLabel(this, "lblWarning", "Changes are only applied.  Must save configuration to save description.");
    layout->addWidget(warning);
    QPushButton* apply = makeButton(this, "cmdApply", "Apply");
    QPushButton* cancel = makeButton(this, "cmdCancel", "Cancel");
    layout->addLayout(buttonRow({apply, cancel}));
    connect(apply, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
    connect(cancel, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
}

std::string dlgDescr::description() const { return korvath::fromQString(korvath::typedText(txtDescr_)); }

}  // namespace rosterdesk
