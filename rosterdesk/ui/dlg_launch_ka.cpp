#include "rosterdesk/ui/dlg_launch_ka.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "rosterdesk/ui/dlg_file_list.h"
#include "rosterdesk/ui/fixed_dialog.h"

namespace rosterdesk {

dlgLaunchKA::dlgLaunchKA(LaunchSettings& settings, QWidget* parent) : QDialog(parent) {
    setObjectName("dlgLaunchKA");
    setWindowTitle("Quit and Launch Korvath Arena");
    setFont(QFont("Arial", 9));
    auto* layout = new QVBoxLayout(this);
    QLabel* question = makeLabel(this, "lblQuestion", kLaunchQuestion, true);
    question->setMinimumWidth(360);
    layout->addWidget(question);
    auto* chkAutoGoAway = new QCheckBox("In the future, don't ask, just do it.", this);
    chkAutoGoAway->setObjectName("chkAutoGoAway");
    chkAutoGoAway->setChecked(settings.dontAsk);
    layout->addWidget(chkAutoGoAway);
    QPushButton* yes = makeButton(this, "cmdYes", "YES!");
    QPushButton* cancel = makeButton(this, "CancelButton", "Cancel");
    layout->addLayout(buttonRow({yes, cancel}));
    connect(chkAutoGoAway, &QCheckBox::toggled, this, [&settings](bool checked) { settings.dontAsk = checked; });
    connect(yes, &QPushButton::clicked, this, [this] { done(kYes); });
    connect(cancel, &QPushButton::clicked, this, [this] { done(kCancel); });
}

}  // namespace rosterdesk
