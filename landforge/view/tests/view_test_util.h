#pragma once
// A flat default terrain and cameras centred on its 16 x 16 view area, in 400 x 300 views.
#include "view/view_camera.h"

namespace landforge::testing {

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
