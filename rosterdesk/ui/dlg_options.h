#pragma once
// The options dialog: the two folders (Paths), the boss add-on's variant (Boss) and the
// splash window's AutoClose (Other). It only shows them and hands back the choice; the caller
// applies it (applyOptionsChoice) when OK closed the dialog.
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
    dlgOptions(const ProgramState& state, korvath::Interaction& ui, QWidget* parent = nullptr);
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

    const ProgramState& state_;
    korvath::Interaction& ui_;
    OptionsChoice chosen_;  // the folders chosen with Change
    QTabWidget* SSTab1 = nullptr;
    QRadioButton* optPathChange[2] = {nullptr, nullptr};
    QLabel* lblConfigPath = nullptr;
    QLabel* lblKAPath = nullptr;
    QRadioButton* optChoice[3] = {nullptr, nullptr, nullptr};
    QCheckBox* chkAutoClose = nullptr;
};

}  // namespace rosterdesk
