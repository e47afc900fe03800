#pragma once
// The options dialog: the two folders (Paths), the boss add-on's variant (Boss) and the
// splash window's AutoClose (Other). OK writes options.ini.
#include <QDialog>

#include "common/interaction/interaction.h"
#include "rosterdesk/ui/program_state.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace rosterdesk {

class dlgOptions : public QDialog {
public:
    dlgOptions(ProgramState& state, korvath::Interaction& ui, QWidget* parent = nullptr);
    // True when a changed game folder asks start-up to run again.
    bool restartRequested() const;

private:
    struct Controls;
    void build();
    void onChange();
    void onOk();

    ProgramState& state_;
    korvath::Interaction& ui_;
    Settings edited_;
    bool restart_ = false;
    QTabWidget* SSTab1 = nullptr;
    QListWidget* lstPaths = nullptr;
    QRadioButton* optBoss[3] = {nullptr, nullptr, nullptr};
    QCheckBox* chkAutoClose = nullptr;
};

}  // namespace rosterdesk
