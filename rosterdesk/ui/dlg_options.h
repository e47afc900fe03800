#pragma once
// The options dialog: the two folders (Paths), the boss add-on's variant (Boss) and the
// splash window's AutoClose (Other). OK writes options.ini.
#include <QDialog>

#include "common/interaction/interaction.h"
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
    // True when a changed game folder asks start-up to run again.
    bool restartRequested() const;

private:
    QWidget* buildPaths();
    void fitTab(int shown);
    QWidget* buildBoss();
    QWidget* buildOther();
    void onChange();
    void changeGameFolder();
    void changeRosterFolder();
    void onOk();
    void writeSettings();

    ProgramState& state_;
    korvath::Interaction& ui_;
    bool restart_ = false;
    QTabWidget* SSTab1 = nullptr;
    QRadioButton* optPathChange[2] = {nullptr, nullptr};
    QLabel* lblConfigPath = nullptr;
    QLabel* lblKAPath = nullptr;
    QRadioButton* optChoice[3] = {nullptr, nullptr, nullptr};
    QCheckBox* chkAutoClose = nullptr;
};

}  // namespace rosterdesk
