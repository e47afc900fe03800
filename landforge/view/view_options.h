#pragma once
// The display and tool switches that the menus toggle and the views, the overhead map and the
// mouse read. One struct for the program, owned beside the TerrainState. The reshape method
// and its radii are not here: they live in TerrainState::tools, where the reshape code reads
// them.
#include "landforge/terrain/drag.h"

namespace landforge {

enum class RenderMode { Points, Wireframe, Shaded };
enum class ViewLayout { Standard, AllInOne };
enum class DragAxis { XYPlane, ZAxis };      // what a drag in the All In One view moves
enum class SelectMode { Select, Deselect };  // what right+Ctrl painting does

struct ViewOptions {
    RenderMode renderMode = RenderMode::Wireframe;
    bool bottomSeeThrough = true;  // back faces culled (not in Points mode)
    bool smoothShade = false;      // off: one colour per triangle, the mean of its corners
    bool shadow = true;            // depth fog
    bool keepTerrainCentered = true;
    bool showOverhead = false;
    ViewLayout layout = ViewLayout::Standard;

    int snapDivisor = 2;  // 0 (off), 1, 2, 4, 8 or 16
    DragAxis dragAxis = DragAxis::XYPlane;
    SelectMode selectMode = SelectMode::Select;
    bool reshapeOn = false;        // "RM On"
    bool freezeSelected = false;   // with RM on, the selection stays while the rest is pulled

    int activeView = 0;  // the view that last took the keyboard focus (0-4)
    DragState drag;      // a left press hit a point; the first move took the undo snapshot
};

}  // namespace landforge
