#pragma once
// The first-run question which group of the boss add-on's models to keep on.
#include "rosterdesk/catalogue/boss.h"
#include "rosterdesk/ui/fixed_dialog.h"

class QRadioButton;

namespace rosterdesk {

class dlgNewBoss : public FixedDialog {
public:
    // Preselects the option of the detected state; exec() returns the selected option.
    explicit dlgNewBoss(const BossDialogState& state, QWidget* parent = nullptr);
    int selectedOption() const;

private:
    QRadioButton* optChoice[3] = {nullptr, nullptr, nullptr};
};

}  // namespace rosterdesk
