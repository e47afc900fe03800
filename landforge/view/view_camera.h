#pragma once
// The camera of each of the five views and the matrices a view draws and picks with.
#include <array>

#include "landforge/terrain/terrain_state.h"
#include "landforge/view/view_options.h"

namespace landforge {

// Index of each view in ViewCameras.
inline constexpr int kViewXY = 0;
inline constexpr int kViewXZ = 1;
inline constexpr int kViewYZ = 2;
inline constexpr int kViewFreeRotate = 3;
inline constexpr int kViewAllInOne = 4;
inline constexpr int kViewCount = 5;

// "XY", "XZ", "YZ", "Free Rotate", "All In One".
const char* viewName(int viewIndex);

struct Vec3 {
    float x = 0;
    float y = 0;
    float z = 0;
};

struct ViewCamera {
    Vec3 zoom{1, 1, 1};  // three equal components, each at least 0.1
    Vec3 pan;            // minus the pivot after a re-centre that resets pan
    Vec3 angles;         // degrees about x, y, z; x within -90..90, y and z within -360..360
    Vec3 pivot;          // centroid of the view area's points at the last re-centre
    int lastMouseX = 0;  // client pixels of the last mouse event the mouse table used
    int lastMouseY = 0;
    // The view's client size in logical pixels and the device pixels per logical pixel.
    int width = 1;
    int height = 1;
    double devicePixelRatio = 1.0;
};

using ViewCameras = std::array<ViewCamera, kViewCount>;

inline constexpr float kMinZoom = 0.1f;
// Adds `delta` to all three zoom components, each kept at least 0.1.
void zoomBy(ViewCamera& camera, float delta);
// Turns the camera; the x angle stops at -90 and 90, y and z come back by 360 past +-360.
void rotateBy(ViewCamera& camera, float ax, float ay, float az);
void panBy(ViewCamera& camera, float dx, float dy);

struct RecentreFlags {
    bool resetPan = false;      // pan = -pivot even when Keep Terrain Centered is off
    bool resetCameras = false;  // Free Rotate and All In One angles to 0, every zoom to 1
};
// Pivots to the view area's centroid, pans reset when Keep Terrain Centered is on or asked,
// the XY, XZ and YZ angles to (0,0,0), (270,0,0), (0,90,0).
void recentre(ViewCameras& cameras, const TerrainState& terrain, const ViewOptions& options,
              RecentreFlags flags = {});

// A 4 x 4 matrix in OpenGL's column-major order (m[column * 4 + row]).
struct Matrix4 {
    std::array<float, 16> m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
};
Matrix4 operator*(const Matrix4& a, const Matrix4& b);

// Orthographic: left -w, right w, bottom -h, top h, near -65025, far 65025, with w and h the
// client size in logical pixels (one pixel is two units at zoom 1).
Matrix4 projection(const ViewCamera& camera);
// translate(pan) translate(pivot) translate(0, 0, -zoom * max(view size) * 10) scale(zoom)
// rotate x, y, z. Vertices are drawn at their position minus the pivot.
Matrix4 modelview(const ViewCamera& camera, const ViewArea& view);
// Only the three rotations: the axis marker's modelview.
Matrix4 rotationOnly(const ViewCamera& camera);

// The fog end with Shadow on: zoom * max(view size) * 20.
float shadowFogEnd(const ViewCamera& camera, const ViewArea& view);

// The view's viewport in device pixels.
int deviceWidth(const ViewCamera& camera);
int deviceHeight(const ViewCamera& camera);

}  // namespace landforge
