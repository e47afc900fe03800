#pragma once
// What a mouse event in a view does: picking, selecting, dragging points (with the reshape
// methods), flipping a cell, and steering the camera and the view area.
#include "landforge/view/view_camera.h"

namespace landforge {

enum class MouseEventKind { Press, Move, Release };
enum class MouseButton { None, Left, Right };

struct MouseInput {
    MouseEventKind kind = MouseEventKind::Move;
    int view = kViewXY;                      // the view window the event went to
    MouseButton button = MouseButton::None;  // the button pressed or released
    bool left = false;                       // buttons held during a move
    bool right = false;
    bool shift = false;
    bool ctrl = false;
    int x = 0;  // client position in logical pixels, y from the top
    int y = 0;
};

// Motion since the view's last mouse position: right and up positive.
struct MouseMotion {
    int dx = 0;
    int dy = 0;
};
MouseMotion motionOf(const ViewCamera& camera, const MouseInput& input);

struct MouseOutcome {
    bool terrainModified = false;  // points, cells or selection edited: `modified` was set
    bool selectionChanged = false;
    bool cameraChanged = false;    // zoom, pan or angles of a view
    bool viewAreaMoved = false;    // status bar and overhead map show the new view area
    bool historyChanged = false;   // an undo snapshot was taken
    bool redrawThisView = false;
    bool redrawAllViews = false;
    bool repaintOverhead = false;  // the button went up: the overhead map shows the result
    bool captureMouse = false;     // a press: the view takes the focus and the mouse
};

// Applies one mouse event to the terrain, the cameras and the tool state.
MouseOutcome applyMouse(TerrainState& terrain, ViewCameras& cameras, ViewOptions& options,
                        const MouseInput& input);

}  // namespace landforge
