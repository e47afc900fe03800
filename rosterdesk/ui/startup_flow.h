#pragma once
// Start-up with its splash window: the folder dialogs, the catalogue and the re-scan after the
// unmatched-file windows. Also runs again after the options dialog asked for a restart.
#include <functional>

#include <QWidget>

#include "common/interaction/interaction.h"
#include "rosterdesk/ui/program_state.h"

namespace rosterdesk {

// Runs the whole start-up with the splash window. When state.settings.RestartPending is set
// (a second run), `mainWindow` is hidden first. `initializeInformation` is called at the
// "Initializing Information..." stage, before the main window is visible. Returns false when
// the program must end (a folder dialog cancelled, or a failure that persists).
bool runStartup(ProgramState& state, korvath::Interaction& ui, const std::function<void()>& initializeInformation,
                QWidget* mainWindow);

}  // namespace rosterdesk
