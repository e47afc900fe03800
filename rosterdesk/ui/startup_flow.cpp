#include "rosterdesk/ui/startup_flow.h"

#include <iostream>

#include "common/qt/qt_interaction.h"
#include "rosterdesk/ui/dlg_error.h"
#include "rosterdesk/ui/dlg_first_run.h"
#include "rosterdesk/ui/dlg_new_boss.h"
#include "rosterdesk/ui/folder_dialogs.h"
#include "rosterdesk/ui/frm_splash.h"
#include "rosterdesk/ui/unmatched_windows.h"

namespace rosterdesk {

namespace {
void centreOn(QWidget& dialog, const QWidget& over) {
    dialog.adjustSize();
    dialog.move(over.frameGeometry().center() - dialog.rect().center());
}

// One of the two folder dialogs, placed beside the splash window.
template <typename Dialog>
FolderChooser folderChooser(korvath::Interaction& ui, frmSplash& splash, const std::string& name,
                            const std::string& title) {
    return [&ui, &splash, name, title](const std::string& start) {
        return runFolderDialog(ui, name, title, start, [&]() -> std::optional<std::string> {
            Dialog dialog(ui, korvath::toQString(title), start, &splash);
            placeLeftOfCentre(dialog, splash);
            dialog.exec();
            return dialog.folder();
        });
    };
}

StartupWindows splashWindows(ProgramState& state, korvath::Interaction& ui, frmSplash& splash) {
    StartupWindows w;
    w.status = [&splash](const std::string& text) { splash.setMessage(text); };
    w.step = [&splash] { splash.step(); };
    w.autoClose = [&splash](int value) { splash.setAutoCloseChecked(value == 1); };
    w.firstRun = [&splash] {
        dlgFirstRun dialog(&splash);
        centreOn(dialog, splash);
        return dialog.exec();
    };
    w.boss = [&splash](const BossDialogState& detected) {
        dlgNewBoss dialog(detected, &splash);
        centreOn(dialog, splash);
        return dialog.exec();
    };
    w.gameFolder = folderChooser<dlgCorrectKAPath>(ui, splash, "dlgCorrectKAPath", "Locate Korvath Arena Directory...");
    w.configFolder =
        folderChooser<dlgChangeConfigPath>(ui, splash, "dlgChangeConfigPath", "Locate Configuration Directory...");
    w.report = [&state, &ui, &splash](const ErrorReport& report) {
        if (state.quietStartup) {
            // A screenshot waits for no dialog: the log file and standard error carry the report.
            ErrorLogWrite log = writeErrorLog(state.home, report, currentLocalTime());
            std::cerr << "rosterdesk: " << report.message << " (" << report.number << "): " << report.description
                      << (log.file.empty() ? "" : " [" + log.file.string() + "]") << '\n';
            return;
        }
        ProcessError(ui, state.home, report, &splash);
    };
    w.unmatched = [&state, &ui, &splash](CatalogueState& catalogue) {
        return runUnmatchedWindows(ui, state.home, catalogue, &splash);
    };
    return w;
}
}  // namespace

bool runStartup(ProgramState& state, korvath::Interaction& ui, const std::function<void()>& initializeInformation,
                QWidget* mainWindow) {
    if (state.settings.RestartPending && mainWindow) mainWindow->hide();
    frmSplash splash(state.settings);
    splash.show();
    StartupWindows windows = splashWindows(state, ui, splash);
    windows.initializeInformation = initializeInformation;
    if (!runStartupSequence(ui, state.home, state.settings, state.catalogue, windows, !state.quietStartup)) return false;
    if (state.quietStartup) return true;
    splash.finish();
    splash.waitUntilClosed();
    return true;
}

}  // namespace rosterdesk
