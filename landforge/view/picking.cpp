#include "landforge/view/picking.h"

#include <cmath>

namespace landforge {

namespace {

// Projects candidates for one mouse position and camera.
class Picker {
public:
    Picker(const ViewCamera& camera, const ViewArea& view, int mouseX, int mouseY)
        : camera_(camera), modelview_(modelview(camera, view)), projection_(projection(camera)) {
        double ratio = camera.devicePixelRatio;
        mouseX_ = mouseX * ratio;
        mouseY_ = deviceHeight(camera) - mouseY * ratio;
        reach_ = 3.0 * camera.zoom.x * ratio;
    }

    bool hits(const TerrainPoint& position) const {
        const Vec3& c = camera_.pivot;
        WindowPosition w = projectToWindow(modelview_, projection_, deviceWidth(camera_), deviceHeight(camera_),
                                           {position.x - c.x, position.y - c.y, position.z - c.z});
        return std::fabs(w.x - mouseX_) <= reach_ && std::fabs(w.y - mouseY_) <= reach_;
    }

private:
    const ViewCamera& camera_;
    Matrix4 modelview_, projection_;
    double mouseX_ = 0, mouseY_ = 0, reach_ = 0;
};

}  // namespace

WindowPosition projectToWindow(const Matrix4& mv, const Matrix4& pr, int viewportWidth, int viewportHeight,
                               const TerrainPoint& vertex) {
    const double in[4] = {vertex.x, vertex.y, vertex.z, 1.0};
    double eye[4], clip[4];
    for (int r = 0; r < 4; ++r) {
        eye[r] = 0;
        for (int k = 0; k < 4; ++k) eye[r] += static_cast<double>(mv.m[k * 4 + r]) * in[k];
    }
    for (int r = 0; r < 4; ++r) {
        clip[r] = 0;
        for (int k = 0; k < 4; ++k) clip[r] += static_cast<double>(pr.m[k * 4 + r]) * eye[k];
    }
    double w = clip[3] == 0.0 ? 1.0 : clip[3];
    return {(clip[0] / w * 0.5 + 0.5) * viewportWidth, (clip[1] / w * 0.5 + 0.5) * viewportHeight,
            clip[2] / w * 0.5 + 0.5};
}

WindowPosition projectToWindow(const ViewCamera& camera, const ViewArea& view, const TerrainPoint& vertex) {
    return projectToWindow(modelview(camera, view), projection(camera), deviceWidth(camera), deviceHeight(camera),
                           vertex);
}

std::optional<GridIndex> pickPoint(const TerrainState& terrain, const ViewCamera& camera, int mouseX, int mouseY) {
    const ViewArea& v = terrain.view;
    Picker picker(camera, v, mouseX, mouseY);
    for (GridIndex s : terrain.selection.items())
        if (picker.hits(terrain.grid.point(s.i, s.j))) return s;
    for (int j = v.viewY; j < v.viewY + v.viewHeight; ++j)
        for (int i = v.viewX; i < v.viewX + v.viewWidth; ++i)
            if (picker.hits(terrain.grid.point(i, j))) return GridIndex{i, j};
    return std::nullopt;
}

std::optional<GridIndex> pickCell(const TerrainState& terrain, const ViewCamera& camera, int mouseX, int mouseY) {
    const ViewArea& v = terrain.view;
    Picker picker(camera, v, mouseX, mouseY);
    for (int j = v.viewY; j < v.viewY + v.viewHeight - 1; ++j)
        for (int i = v.viewX; i < v.viewX + v.viewWidth - 1; ++i)
            if (picker.hits(terrain.grid.cell(i, j).center)) return GridIndex{i, j};
    return std::nullopt;
}

}  // namespace landforge
