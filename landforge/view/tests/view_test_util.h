#pragma once
// A flat default terrain and cameras centred on its 16 x 16 view area, in 400 x 300 views.
#include "landforge/view/view_camera.h"

namespace landforge::testing {

// A 2 x 2 view area at (10, 20) whose one cell, split along diagonal 1, has corners at heights
// 0 ([10][20], low colour), 255 ([11][20], high), 127.5 ([11][21], base) and 0 ([10][21]).
inline void makeOneCell(TerrainState& terrain) {
    terrain.view = {10, 20, 2, 2};
    terrain.grid.point(10, 20).z = 0;
    terrain.grid.point(11, 20).z = 255;
    terrain.grid.point(11, 21).z = 127.5f;
    terrain.grid.point(10, 21).z = 0;
    terrain.grid.cell(10, 20).diagonal = 1;
}

struct ViewFixture {
    ViewFixture() {
        initTerrainState(terrain, 1);
        for (ViewCamera& c : cameras) {
            c.width = 400;
            c.height = 300;
        }
        recentre(cameras, terrain, options, {true, true});
    }
    TerrainState terrain;
    ViewCameras cameras;
    ViewOptions options;
};

}  // namespace landforge::testing
