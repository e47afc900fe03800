#include "landforge/shell/app.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <ctime>
#include <filesystem>
#include <iostream>

#include "common/files/home_folder.h"
#include "common/interaction/scripted_interaction.h"
#include "common/qt/qt_interaction.h"
#include "common/qt/qt_text.h"
#include "landforge/editor/document_flows.h"
#include "landforge/editor/recent_terrains.h"
#include "landforge/qtimage/qt_image_decoder.h"
#include "landforge/shell/app_icon.h"
#include "landforge/shell/main_window.h"
#include "landforge/shell/qt_editor_dialogs.h"
#include "landforge/shell/single_instance.h"
#include "landforge/terrain/terrain_edits.h"

namespace landforge::shell {

namespace {

bool waitExposed(QWidget& window) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        if (window.windowHandle() && window.windowHandle()->isExposed()) break;
    }
    for (int k = 0; k < 10; ++k) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return window.windowHandle() && window.windowHandle()->isExposed();
}

int takeScreenshot(MainWindow& window, korvath::ScriptedInteraction& script, const std::string& file) {
    window.resize(1024, 768);
    window.show();
    waitExposed(window);
    for (const auto& shown : script.shown()) std::cerr << "landforge: " << shown.title << ": " << shown.text << '\n';
    if (window.contextFailed()) return 1;
    // Grabbed at the size it was shown at (the views have no natural size to shrink to).
    if (window.grab().save(korvath::nativeToQString(file), "PNG")) return 0;
    std::cerr << "landforge: cannot write " << file << '\n';
    return 1;
}

}  // namespace

int runWindow(int& argc, char** argv, const WindowOptions& options) {
    QApplication app(argc, argv);
    app.setApplicationName("Landforge");
    app.setWindowIcon(landforgeIcon());
    korvath::QtInteraction boxes;
    korvath::ScriptedInteraction script;  // a screenshot asks nothing
    korvath::Interaction& ui = options.screenshot ? static_cast<korvath::Interaction&>(script) : boxes;

    // A screenshot is a look at the window, not a session, so it does not take the lock.
    std::optional<SingleInstance> instance;
    if (!options.screenshot) {
        instance.emplace(SingleInstance::defaultLockPath());
        if (!instance->acquired()) {
            ui.inform(kWarningTitle, kSecondInstanceText, korvath::Icon::Critical);
            return 1;
        }
    }

    EditorState state;
    initTerrainState(state.terrain, static_cast<std::uint32_t>(std::time(nullptr)));
    // Help's readme.htm: beside the program, or in the installed program's data folder.
    const std::filesystem::path exeDir = korvath::pathFromQString(QCoreApplication::applicationDirPath());
    std::optional<std::filesystem::path> readme = korvath::findShippedFile(exeDir, "landforge", "readme.htm");
    state.programFolder = (readme ? readme->parent_path() : exeDir).string();
    QtEditorDialogs dialogs;
    EditorContext ctx{state, ui, dialogs, decodeImageFile};
    const char* game = std::getenv("KORVATH_ARENA_DIR");
    openStartTerrain(ctx, options.document, game ? game : "");
    if (!options.screenshot) {
        // Recent Terrains lives in the settings folder; a screenshot keeps nothing.
        std::optional<std::filesystem::path> home;
        if (options.home) home = *options.home;
        std::filesystem::path file =
            korvath::resolveHomeFolder(home, exeDir, "landforge", {}) / kRecentTerrainsFileName;
        state.recentTerrainsFile = file.string();
        state.recentTerrains = loadRecentTerrains(file);
        if (!state.terrain.filePath.empty()) {
            rememberTerrain(state.recentTerrains, state.terrain.filePath);
            saveRecentTerrains(file, state.recentTerrains);
        }
    }
    if (options.renderMode) state.options.renderMode = *options.renderMode;
    if (options.viewArea) state.terrain.view = *options.viewArea;

    MainWindow window(ctx);
    boxes.setParent(&window);
    dialogs.setParent(&window);
    if (options.screenshot) return takeScreenshot(window, script, *options.screenshot);
    window.showOnScreen();
    int status = app.exec();
    return window.contextFailed() ? 1 : status;
}

}  // namespace landforge::shell
