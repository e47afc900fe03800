#include "landforge/view/view_camera.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace landforge {

namespace {

Matrix4 translation(float x, float y, float z) {
    Matrix4 t;
    t.m[12] = x;
    t.m[13] = y;
    t.m[14] = z;
    return t;
}

Matrix4 scaling(const Vec3& s) {
    Matrix4 t;
    t.m[0] = s.x;
    t.m[5] = s.y;
    t.m[10] = s.z;
    return t;
}

// A rotation about one axis (0 = x, 1 = y, 2 = z), right-handed, in degrees.
Matrix4 rotation(int axis, float degrees) {
    double r = static_cast<double>(degrees) * std::numbers::pi / 180.0;
    float c = static_cast<float>(std::cos(r)), s = static_cast<float>(std::sin(r));
    int a = (axis + 1) % 3, b = (axis + 2) % 3;  // the plane the rotation turns
    Matrix4 t;
    t.m[a * 4 + a] = c;
    t.m[b * 4 + b] = c;
    t.m[a * 4 + b] = s;
    t.m[b * 4 + a] = -s;
    return t;
}

float wrapAngle(float a) {
    while (a > 360.0f) a -= 360.0f;
    while (a < -360.0f) a += 360.0f;
    return a;
}

float viewExtent(const ViewArea& view) { return static_cast<float>(std::max(view.viewWidth, view.viewHeight)); }

}  // namespace

const char* viewName(int viewIndex) {
    static const char* const names[kViewCount] = {"XY", "XZ", "YZ", "Free Rotate", "All In One"};
    return viewIndex >= 0 && viewIndex < kViewCount ? names[viewIndex] : "";
}

void zoomBy(ViewCamera& camera, float delta) {
    for (float* z : {&camera.zoom.x, &camera.zoom.y, &camera.zoom.z}) *z = std::max(*z + delta, kMinZoom);
}

void rotateBy(ViewCamera& camera, float ax, float ay, float az) {
    camera.angles.x = std::clamp(camera.angles.x + ax, -90.0f, 90.0f);
    camera.angles.y = wrapAngle(camera.angles.y + ay);
    camera.angles.z = wrapAngle(camera.angles.z + az);
}

void panBy(ViewCamera& camera, float dx, float dy) {
    camera.pan.x += dx;
    camera.pan.y += dy;
}

void recentre(ViewCameras& cameras, const TerrainState& terrain, const ViewOptions& options, RecentreFlags flags) {
    TerrainPoint c = averagePoint(terrain.grid, rectOf(terrain.view));
    for (int v = 0; v < kViewCount; ++v) {
        ViewCamera& cam = cameras[v];
        cam.pivot = {c.x, c.y, c.z};
        if (options.keepTerrainCentered || flags.resetPan) cam.pan = {-c.x, -c.y, -c.z};
        if (flags.resetCameras) {
            cam.zoom = {1, 1, 1};
            if (v == kViewFreeRotate || v == kViewAllInOne) cam.angles = {};
        }
    }
    cameras[kViewXY].angles = {0, 0, 0};
    cameras[kViewXZ].angles = {270, 0, 0};
    cameras[kViewYZ].angles = {0, 90, 0};
}

Matrix4 operator*(const Matrix4& a, const Matrix4& b) {
    Matrix4 r;
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row) {
            float sum = 0;
            for (int k = 0; k < 4; ++k) sum += a.m[k * 4 + row] * b.m[col * 4 + k];
            r.m[col * 4 + row] = sum;
        }
    return r;
}

Matrix4 projection(const ViewCamera& camera) {
    constexpr float depth = 65025.0f;
    Matrix4 p;
    p.m[0] = 1.0f / static_cast<float>(std::max(camera.width, 1));
    p.m[5] = 1.0f / static_cast<float>(std::max(camera.height, 1));
    p.m[10] = -1.0f / depth;
    return p;
}

Matrix4 rotationOnly(const ViewCamera& camera) {
    return rotation(0, camera.angles.x) * rotation(1, camera.angles.y) * rotation(2, camera.angles.z);
}

Matrix4 modelview(const ViewCamera& camera, const ViewArea& view) {
    const Vec3& p = camera.pan;
    const Vec3& c = camera.pivot;
    return translation(p.x, p.y, p.z) * translation(c.x, c.y, c.z) *
           translation(0, 0, -camera.zoom.x * viewExtent(view) * 10.0f) * scaling(camera.zoom) *
           rotationOnly(camera);
}

float shadowFogEnd(const ViewCamera& camera, const ViewArea& view) {
    return camera.zoom.x * viewExtent(view) * 20.0f;
}

int deviceWidth(const ViewCamera& camera) {
    return static_cast<int>(std::lround(camera.width * camera.devicePixelRatio));
}

int deviceHeight(const ViewCamera& camera) {
    return static_cast<int>(std::lround(camera.height * camera.devicePixelRatio));
}

}  // namespace landforge
