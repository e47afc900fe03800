// Landforge, the terrain editor's window program.
#include <iostream>

#include "common/cli/arg_list.h"
#include "common/cli/version.h"
#include "shell/app.h"

namespace {

const char* kUsage =
    "Usage: landforge [--screenshot FILE] [--home DIR] [DOCUMENT.lfg]\n"
    "  The Landforge terrain editor. Opens DOCUMENT.lfg, else the demo game's Terrain/sample.lfg\n"
    "  (under KORVATH_ARENA_DIR), else a generated terrain.\n"
    "  --screenshot FILE  start as usual, save the main window with its views as PNG, quit\n"
    "  --home DIR         accepted for all window programs; Landforge keeps no settings\n"
    "  --help             this text\n"
    "  --version          print the version\n";

}  // namespace

int main(int argc, char** argv) {
    if (korvath::answerVersion(argc, argv, "landforge", std::cout)) return 0;
    korvath::ArgList args(argc, argv);
    if (args.flag("--help")) {
        std::cout << kUsage;
        return 0;
    }
    landforge::shell::WindowOptions options;
    args.option("--home");
    options.screenshot = args.option("--screenshot");
    auto rest = args.positionals();
    if (!args.ok() || rest.size() > 1) {
        std::cerr << "landforge: " << (args.ok() ? "unexpected argument " + rest[1] : args.error())
                  << "\nTry 'landforge --help'.\n";
        return 2;
    }
    if (!rest.empty()) options.document = rest.front();
    return landforge::shell::runWindow(argc, argv, options);
}
