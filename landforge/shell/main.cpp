// Landforge, the terrain editor's window program.
#include <iostream>

#include "common/cli/arg_list.h"
#include "shell/app.h"

namespace {

const char* kUsage =
    "Usage: landforge [--screenshot FILE] [--home DIR] [DOCUMENT.lfg]\n"
    "  The Landforge terrain editor. Opens DOCUMENT.lfg, else the demo game's Terrain/sample.lfg\n"
    "  (under KORVATH_ARENA_DIR), else the flat reset grid.\n"
    "  --screenshot FILE  start as usual, save the main window with its views as PNG, quit\n"
    "  --home DIR         the settings folder (File > Recent Terrains); default: the program's\n"
    "                     folder when writable, else ~/.config/landforge\n"
    "  --help             this text\n";

}  // namespace

int main(int argc, char** argv) {
    korvath::ArgList args(argc, argv);
    if (args.flag("--help")) {
        std::cout << kUsage;
        return 0;
    }
    landforge::shell::WindowOptions options;
    options.home = args.option("--home");
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
