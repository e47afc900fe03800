// rosterdesk: the window program. Start-up with its splash window, then the main window.
#include <QApplication>
#include <QTimer>
#include <iostream>
#include <optional>
#include <string>

#include "common/cli/arg_list.h"
#include "common/cli/version.h"
#include "common/files/home_folder.h"
#include "common/qt/qt_interaction.h"
#include "common/qt/window_util.h"
#include "rosterdesk/ui/frm_bots.h"
#include "rosterdesk/ui/startup_flow.h"

namespace {
constexpr const char* kUsage =
    "Usage: rosterdesk [--home DIR] [--screenshot FILE] [ROSTER.bm]\n"
    "Edits the roster of Korvath Arena's computer-controlled opponents.\n"
    "  --home DIR         the program's own folder (options.ini, pattern.ini, int.ini, logs)\n"
    "  --screenshot FILE  start without the first-start questions, save the main window as PNG, quit\n"
    "  --help             show this text\n"
    "  --version          print the version\n"
    "ROSTER.bm is opened after start-up as File, Open would (copied into the roster folder first).\n"
    "KORVATH_ARENA_DIR, when set, is the game folder the first-start dialogs offer.\n";

int saveAndQuit(QWidget& window, const std::string& file) {
    window.resize(window.sizeHint().expandedTo(window.size()));
    if (korvath::saveScreenshot(window, korvath::nativeToQString(file))) return 0;
    std::cerr << "rosterdesk: cannot write " << file << '\n';
    return 1;
}
}  // namespace

int main(int argc, char** argv) {
    if (korvath::answerVersion(argc, argv, "rosterdesk", std::cout)) return 0;
    korvath::ArgList args(argc, argv);
    if (args.flag("--help")) {
        std::cout << kUsage;
        return 0;
    }
    std::optional<std::string> home = args.option("--home");
    std::optional<std::string> screenshot = args.option("--screenshot");
    auto rest = args.positionals();
    if (!args.ok() || rest.size() > 1) {
        std::cerr << "rosterdesk: " << (args.ok() ? "unexpected argument " + rest[1] : args.error())
                  << "\nTry 'rosterdesk --help'.\n";
        return 2;
    }

    QApplication app(argc, argv);
    app.setApplicationName("Rosterdesk");
    std::optional<std::filesystem::path> explicitHome;
    if (home) explicitHome = std::filesystem::path(*home);
    rosterdesk::ProgramState state;
    state.home = korvath::resolveHomeFolder(explicitHome, korvath::pathFromQString(QCoreApplication::applicationDirPath()),
                                            "rosterdesk", {"int.ini", "pattern.ini"});
    state.quietStartup = screenshot.has_value();
    korvath::QtInteraction ui;

    // The main window fills its lists during start-up, before it is shown.
    rosterdesk::frmBots window(state, ui);
    if (!rosterdesk::runStartup(state, ui, [&] { window.fillFromCatalogue(); }, nullptr)) return 1;
    ui.setParent(&window);
    if (screenshot) return saveAndQuit(window, *screenshot);
    window.show();
    if (!rest.empty())  // once the window is up, as the desktop's "open with" expects
        QTimer::singleShot(0, &window, [&window, file = rest.front()] { window.openFile(std::filesystem::path(file)); });
    return app.exec();
}
