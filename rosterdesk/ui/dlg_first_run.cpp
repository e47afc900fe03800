#include "rosterdesk/ui/dlg_first_run.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace rosterdesk {

dlgFirstRun::dlgFirstRun(QWidget* parent) : FixedDialog(parent) {
    setObjectName("dlgFirstRun");
    setWindowTitle("Rosterdesk");
    const char* texts[] = {
        "Starting Rosterdesk First Run Setup...",
        "The only time you will see this dialog is when Rosterdesk is first installed.",
        "Following this dialog there will be a few setup dialog windows asking you to choose settings that are "
        "required for the operation of Rosterdesk.",
        "Other times that you would see these setup dialog windows are:",
        "...if you change settings.",
        "...if the options.ini file has been deleted.",
        "Click the continue button to begin..."};
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < 7; ++i) {
        QLabel* label = makeLabel(this, qPrintable(QString("lblText(%1)").arg(i)), texts[i], true);
        if (i == 0) {
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
        }
        if (i == 4 || i == 5) label->setIndent(24);
        layout->addWidget(label);
    }
    QPushButton* go = makeButton(this, "cmdContinue", "Continue...");
    go->setDefault(true);
    layout->addWidget(go, 0, Qt::AlignRight);
    setFixedWidth(420);
    connect(go, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
}

}  // namespace rosterdesk
