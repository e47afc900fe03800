#pragma once
// The note shown once, before the first-run setup dialogs.
#include "rosterdesk/ui/fixed_dialog.h"

namespace rosterdesk {

class dlgFirstRun : public FixedDialog {
public:
    explicit dlgFirstRun(QWidget* parent = nullptr);
};

}  // namespace rosterdesk
