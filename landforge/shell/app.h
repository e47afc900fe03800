#pragma once
#include <optional>
#include <string>

#include "landforge/terrain/terrain_types.h"
#include "landforge/view/view_options.h"

namespace landforge::shell {

struct WindowOptions {
    std::optional<std::string> document;    // opened at start
    std::optional<std::string> screenshot;  // save the main window as PNG there and quit
    std::optional<std::string> home;        // the settings folder (Recent Terrains)
    std::optional<RenderMode> renderMode;   // instead of the start's Wireframe
    std::optional<ViewArea> viewArea;       // instead of the start's 16 x 16 at (0,0); inside the grid
};

// Runs the window program. Without a document it opens the game's Terrain/sample.lfg when
// KORVATH_ARENA_DIR holds one, else it starts on the reset grid.
int runWindow(int& argc, char** argv, const WindowOptions& options);

}  // namespace landforge::shell
