// rosterdesk: the window program (being written).
#include <QApplication>
#include <QMainWindow>

#include "common/qt/qt_interaction.h"
#include "rosterdesk/ui/startup_flow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    rosterdesk::ProgramState state;
    korvath::QtInteraction ui;
    QMainWindow window;
    if (!rosterdesk::runStartup(state, ui, [] {}, nullptr)) return 1;
    window.show();
    return app.exec();
}
