// Landforge, the terrain editor's window program.
#include <cstdio>
#include <iostream>

#include "common/cli/arg_list.h"
#include "common/cli/version.h"
#include "landforge/shell/app.h"

namespace {

const char* kUsage =
    "Usage: landforge [--screenshot FILE] [--home DIR] [--render MODE] [--view X,Y,W,H] [DOCUMENT.lfg]\n"
    "  The Landforge terrain editor. Opens DOCUMENT.lfg, else the demo game's Terrain/sample.lfg\n"
    "  (under KORVATH_ARENA_DIR), else the flat reset grid.\n"
    "  --screenshot FILE  start as usual, save the main window with its views as PNG, quit\n"
    "  --home DIR         the settings folder (File > Recent Terrains); default: the program's\n"
    "                     folder when writable, else ~/.config/landforge\n"
    "  --render MODE      start in render mode points, wireframe or shaded\n"
    "  --view X,Y,W,H     start with this view area\n"
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
    options.home = args.option("--home");
    options.screenshot = args.option("--screenshot");
    if (auto mode = args.option("--render")) {
        if (*mode == "points") options.renderMode = landforge::RenderMode::Points;
        else if (*mode == "wireframe") options.renderMode = landforge::RenderMode::Wireframe;
        else if (*mode == "shaded") options.renderMode = landforge::RenderMode::Shaded;
        else {
            std::cerr << "landforge: --render takes points, wireframe or shaded\n";
            return 2;
        }
    }
    if (auto view = args.option("--view")) {
        landforge::ViewArea v;
        char end = 0;
        if (std::sscanf(view->c_str(), "%d,%d,%d,%d%c", &v.viewX, &v.viewY, &v.viewWidth, &v.viewHeight, &end) != 4 ||
            !landforge::insideGrid(landforge::rectOf(v))) {
            std::cerr << "landforge: --view takes X,Y,W,H inside the 256 x 256 grid\n";
            return 2;
        }
        options.viewArea = v;
    }
    auto rest = args.positionals();
    if (!args.ok() || rest.size() > 1) {
        std::cerr << "landforge: " << (args.ok() ? "unexpected argument " + rest[1] : args.error())
                  << "\nTry 'landforge --help'.\n";
        return 2;
    }
    if (!rest.empty()) options.document = rest.front();
    return landforge::shell::runWindow(argc, argv, options);
}
