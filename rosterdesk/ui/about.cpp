#include "rosterdesk/ui/about.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "rosterdesk/ui/dlg_file_list.h"
#include "rosterdesk/ui/fixed_dialog.h"

namespace rosterdesk {

QString versionCaption() { return QString("Version %1 Beta").arg(ROSTERDESK_VERSION); }

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setWindowTitle("About Rosterdesk");
    setFont(QFont("Arial", 9));
    auto* layout = new QVBoxLayout(this);
    QLabel* name = makeLabel(this, "lblName", "Rosterdesk");
    name->setFont(QFont("Arial", 16, QFont::Bold));
    layout->addWidget(name);
    layout->addWidget(makeLabel(this, "lblVersion", versionCaption()));
    layout->addWidget(makeLabel(this, "lblDescription",
                                "Edits the roster of computer-controlled opponents of Korvath Arena: 32 bot "
                                "slots, saved as configurations and applied to the game's user.ini.",
                                true));
    layout->addWidget(makeLabel(this, "lblCredits",
                                "Credits:\nProgramming: the Korvath Arena toolkit team\n"
                                "Testing and ideas: the players of the Korvath Arena community",
                                true));
    QPushButton* ok = makeButton(this, "cmdOK", "OK");
    layout->addLayout(buttonRow({ok}));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    setMinimumWidth(340);
}

}  // namespace rosterdesk
