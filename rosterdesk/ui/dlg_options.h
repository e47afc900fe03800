#pragma once
// The options dialog: the two folders (Paths), the boss add-on's variant (Boss) and the
// splash window's AutoClose (Other). Change applies a chosen folder at once through the flows
// of options_choice.h; OK hands back the rest as a choice, which the caller applies.
#include <QDialog>

#include "common/interaction/interaction.h"
#include "rosterdesk/editor/options_choice.h"
#include "rosterdesk/ui/fixed_dialog.h"
#include "rosterdesk/ui/program_state.h"

class QCheckBox;
class QLabel;
class QRadioButton;
class QTabWidget;

namespace rosterdesk {

class dlgOptions : public FixedDialog {
public:
    dlgOptions(ProgramState& state, korvath::Interaction& ui, QWidget* parent = nullptr);
    // What the controls hold now; choosing another game folder also closes the dialog with OK.
    OptionsChoice choice() const;

private:
    QWidget* buildPaths();
    void fitTab(int shown);
    QWidget* buildBoss();
    QWidget* buildOther();
    void onChange();
    void changeGameFolder();
    void changeRosterFolder();

    ProgramState& state_;
    korvath::Interaction& ui_;
    OptionsChoice chosen_;  // what Change decided
    QTabWidget* SSTab1 = nullptr;
    QRadioButton* optPathChange[2] = {nullptr, nullptr};
    QLabel* lblConfigPath = nullptr;
    QLabel* lblKAPath = nullptr;
    QRadioButton* optChoice[3] = {nullptr, nullptr, nullptr};
    QCheckBox* chkAutoClose = nullptr;
};

}  // namespace rosterdesk
