#include "rosterdesk/ui/startup_flow.h"

namespace rosterdesk {

bool runStartup(ProgramState& state, korvath::Interaction& ui, const std::function<void()>& initializeInformation,
                QWidget* mainWindow) {
    // Being written: folder check, catalogue and splash follow.
    (void)state;
    (void)ui;
    (void)mainWindow;
    if (initializeInformation) initializeInformation();
    return true;
}

}  // namespace rosterdesk
