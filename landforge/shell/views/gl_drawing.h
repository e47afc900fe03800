#pragma once
// The OpenGL 1.1 calls of a view: context set-up, the terrain pass and the axis marker. They
// draw into whatever context is current, so the views and the render benchmark share them.
#include "landforge/view/terrain_mesh.h"

namespace landforge {

// Clear colour and linear black fog: start 10, end 100 for the four standard views; start
// -45, end 100, density 0.01 for the All In One view.
void setUpViewContext(int viewIndex);

// Viewport, projection, render mode, culling, shading and fog as the options say; clears the
// frame and draws the mesh from its arrays.
void drawTerrainPass(const TerrainMesh& mesh, const ViewCamera& camera, const ViewArea& area,
                     const ViewOptions& options);

// Three 40-unit lines from the origin, dark to bright red, green and blue, turned by the
// view's angles only, over everything else.
void drawAxisMarker(const ViewCamera& camera);

}  // namespace landforge
