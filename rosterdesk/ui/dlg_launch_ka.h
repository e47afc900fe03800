#pragma once
// The question before Quit and Launch: "YES!" gives 6, "Cancel" (or the window frame) 2. Its
// check box sets the run's don't-ask flag at once, whatever is pressed afterwards.
#include "rosterdesk/roster/launch.h"

#include <QDialog>

namespace rosterdesk {

class dlgLaunchKA : public QDialog {
public:
    static constexpr int kYes = 6, kCancel = 2;
    dlgLaunchKA(LaunchSettings& settings, QWidget* parent = nullptr);
    void reject() override { done(kCancel); }
};

}  // namespace rosterdesk
