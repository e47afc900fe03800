#pragma once
// The main window: the roster editor with its 32 slots, menus and document state.

#include "program_state.h"

#include <QMainWindow>

namespace korvath { class Interaction; }

namespace rosterdesk {

class frmBots : public QMainWindow {
    Q_OBJECT
public:
    frmBots(ProgramState& state, korvath::Interaction& ui, QWidget* parent = nullptr);
    ~frmBots() override;

    // Lists from the catalogue, the default roster, slot 0 shown; called before the window is
    // visible (start-up's "Initializing Information..." stage) and again after a restart.
    void fillFromCatalogue();
};

}  // namespace rosterdesk
