#pragma once
// "Apply Configuration": a roster file of the roster folder with its description; "Apply
// Config" puts its roster into the game's user.ini, keeping the old section as a backup when
// "Backup Current Configuration" is checked.
#include <vector>

#include "common/interaction/interaction.h"
#include "rosterdesk/catalogue/settings.h"
#include "rosterdesk/roster/apply.h"
#include "rosterdesk/ui/fixed_dialog.h"

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace rosterdesk {

class dlgApply : public FixedDialog {
public:
    dlgApply(const Settings& settings, korvath::Interaction& ui, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void apply();
    void alignHelpButton();

    const Settings& settings_;
    korvath::Interaction& ui_;
    std::vector<RosterFileEntry> files_;
    QComboBox* cmbConfigs_ = nullptr;
    QPlainTextEdit* txtDescr_ = nullptr;
    QCheckBox* chkBackup_ = nullptr;
    QPushButton* cmdBackupHelp_ = nullptr;
};

}  // namespace rosterdesk
