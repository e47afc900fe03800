#include "rosterdesk/ui/dlg_new_boss.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "common/qt/qt_interaction.h"

namespace rosterdesk {

dlgNewBoss::dlgNewBoss(const BossDialogState& state, QWidget* parent) : FixedDialog(parent) {
    setObjectName("dlgNewBoss");
    setWindowTitle("Which WarBoss and Xan II models to use?");
    // Option order and explanations of this dialog; the options dialog orders them otherwise.
    const char* captions[3] = {" WarBoss and Xan II [Fixed/Male Voices] Only", " WarBoss and Xan II [Fixed] Only",
                               " Both [Fixed] and [Fixed/Male Voices] On (default)"};
    const char* explanations[3] = {
        "This choice allows you to use only other skins and any male voice with the new WarBoss and Xan II models.",
        "This choice allows you to use only other skins with the new WarBoss and Xan II models.",
        "Turns on both models so you can choose to use the new boss skins with new skins or new skins and male voice."};
    auto* layout = new QGridLayout(this);
    QLabel* file = makeLabel(this, "lblFilename", "skeletalcharsfix313.int");
    QFont bold = file->font();
    bold.setBold(true);
    file->setFont(bold);
    layout->addWidget(file, 0, 0, 1, 2);
    layout->addWidget(makeLabel(this, "lblExplain",
                                "The above file has two choices of models (or classes) in it.  Below is the current "
                                "setting.", true), 1, 0, 1, 2);
    layout->addWidget(makeLabel(this, "lblStatus", korvath::toQString(state.statusText), true), 2, 0, 1, 2);
    for (int i = 0; i < 3; ++i) {
        optChoice[i] = new QRadioButton(captions[i], this);
        optChoice[i]->setObjectName(QString("optChoice(%1)").arg(i));
        layout->addWidget(optChoice[i], 3 + 2 * i, 0, 1, 2);
        QLabel* why = makeLabel(this, qPrintable(QString("lblChoice(%1)").arg(i)), explanations[i], true);
        why->setIndent(24);
        layout->addWidget(why, 4 + 2 * i, 0, 1, 2);
    }
    if (state.selectedOption >= 0 && state.selectedOption < 3) optChoice[state.selectedOption]->setChecked(true);
    QPushButton* ok = makeButton(this, "OKButton", "OK");
    ok->setDefault(true);
    layout->addWidget(ok, 9, 1, Qt::AlignRight);
    setMinimumWidth(460);
    connect(ok, &QPushButton::clicked, this, [this] { done(selectedOption()); });
}

int dlgNewBoss::selectedOption() const {
    for (int i = 0; i < 3; ++i)
        if (optChoice[i]->isChecked()) return i;
    return 2;
}

}  // namespace rosterdesk
