#pragma once
// The program-wide state of the Landforge window program: the terrain, the five cameras and the
// display and tool switches. One plain struct, owned by main and passed by reference.
#include <string>
#include <vector>

#include "landforge/editor/erosion_values.h"
#include "landforge/terrain/terrain_state.h"
#include "landforge/view/view_camera.h"
#include "landforge/view/view_options.h"

namespace landforge {

struct EditorState {
    TerrainState terrain;
    ViewCameras cameras;
    ViewOptions options;
    // The folder the program runs from, where Help looks for readme.htm.
    std::string programFolder;
    // The folder the file dialogs open in (the last one a file was chosen from).
    std::string lastFolder;
    // File > Recent Terrains, newest first, and the file that keeps them (empty: not kept).
    std::vector<std::string> recentTerrains;
    std::string recentTerrainsFile;
    // The erosion dialogs' values, kept between uses.
    ErosionChoices erosion;
};

}  // namespace landforge
