#pragma once
// One step of dragging the selected points in a view: the mouse motion becomes a world step
// by the view's axes, snap divisor and zoom; the selection moves and, with the reshape methods
// on, pulls the other points of the view area along.
#include "landforge/terrain/reshape.h"

namespace landforge {

// XY moves x and y; XZ x and z; YZ z (by horizontal motion) and y; the All In One view
// moves x and y on its "XY plane" axis, z alone on its "Z axis".
enum class DragView { XY, XZ, YZ, AllInOnePlane, AllInOneZ };

// Motion in pixels (right and up positive). A snap divisor n > 0 makes each pixel worth
// trunc(pixels * 10 / n * zoom) before the division by zoom; 0 keeps raw pixels.
WorldStep dragWorldStep(DragView view, int dxPixels, int dyPixels, int snapDivisor, float zoom);

struct DragState {
    bool active = false;           // a left press hit a point
    bool snapshotTaken = false;    // the first move of the drag took the View snapshot
};

struct DragSettings {
    bool reshapeOn = false;        // "RM On"
    bool freezeSelected = false;   // with RM on, the selection stays while the rest is pulled
};

// Applies one step; false when no drag is active. A changed z is clamped to 0-255 (x and y
// are not); the view area's cell centres are refreshed and `modified` is set.
bool dragStep(TerrainState& state, DragState& drag, const DragSettings& settings, const WorldStep& step);

}  // namespace landforge
