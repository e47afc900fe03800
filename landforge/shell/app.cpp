#include "shell/app.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <ctime>
#include <filesystem>
#include <iostream>

#include "common/files/home_folder.h"
#include "common/interaction/scripted_interaction.h"
#include "common/qt/qt_interaction.h"
#include "shell/app_icon.h"
#include "shell/main_window.h"
#include "shell/qt_editor_dialogs.h"
#include "shell/single_instance.h"
#include "terrain/commands.h"
#include "terrain/generator.h"
#include "terrain/qt_image_decoder.h"

namespace landforge::shell {

namespace {

std::string sampleDocument() {
    const char* game = std::getenv("KORVATH_ARENA_DIR");
    if (!game) return "";
    std::filesystem::path sample = std::filesystem::path(game) / "Terrain" / "sample.lfg";
    std::error_code error;
    return std::filesystem::is_regular_file(sample, error) ? sample.string() : "";
}

// The terrain the window starts on; the start leaves nothing to undo and nothing modified.
void loadStartTerrain(EditorContext& ctx, const std::optional<std::string>& document) {
    TerrainState& t = ctx.state.terrain;
    std::string path = document ? *document : sampleDocument();
    korvath::Status opened = korvath::Status::failure("");
    if (!path.empty()) opened = openTerrain(t, path);
    if (!opened.ok) {
        if (document) ctx.ui.inform(kErrorTitle, "The terrain was not opened.\n" + opened.message, korvath::Icon::Critical);
        generateTerrain(t.grid, t.random, t.params.seed, t.params.dampening, false);
    }
    if (!path.empty()) ctx.state.lastFolder = std::filesystem::path(path).parent_path().string();
    t.history = {};
}

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
    if (window.grab().save(QString::fromStdString(file), "PNG")) return 0;
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
    std::filesystem::path exeDir = korvath::fromQString(QCoreApplication::applicationDirPath());
    std::optional<std::filesystem::path> readme = korvath::findShippedFile(exeDir, "landforge", "readme.htm");
    state.programFolder = (readme ? readme->parent_path() : exeDir).string();
    QtEditorDialogs dialogs;
    EditorContext ctx{state, ui, dialogs, decodeImageFile};
    loadStartTerrain(ctx, options.document);

    MainWindow window(ctx);
    boxes.setParent(&window);
    dialogs.setParent(&window);
    if (options.screenshot) return takeScreenshot(window, script, *options.screenshot);
    window.showMaximized();
    int status = app.exec();
    return window.contextFailed() ? 1 : status;
}

}  // namespace landforge::shell
