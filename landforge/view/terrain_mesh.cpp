#include "landforge/view/terrain_mesh.h"

#include "landforge/terrain/patch.h"

namespace landforge {

Rgb triangleColor(const Rgb& a, const Rgb& b, const Rgb& c) {
    return {(a.r + b.r + c.r) / 3, (a.g + b.g + c.g) / 3, (a.b + b.b + c.b) / 3};
}

void TerrainMeshCache::collect(const TerrainState& terrain, const Vec3& pivot) {
    const ViewArea& v = terrain.view;
    corners_.resize(static_cast<std::size_t>(v.viewWidth) * v.viewHeight);
    const bool patchActive = terrain.importing || terrain.pasting;
    std::size_t k = 0;
    for (int j = v.viewY; j < v.viewY + v.viewHeight; ++j)
        for (int i = v.viewX; i < v.viewX + v.viewWidth; ++i) {
            Corner& c = corners_[k++];
            TerrainPoint p = terrain.grid.point(i, j);
            if (patchActive && insideActivePatch(terrain, i, j)) {
                p = blendedPatchPoint(terrain, i, j);
                c.color = {255, 255, 255};
            } else {
                c.color = heightColor(terrain.colors, p.z);
            }
            c.position = {p.x - pivot.x, p.y - pivot.y, p.z - pivot.z};
        }
    diagonals_.clear();
    for (int j = v.viewY; j < v.viewY + v.viewHeight - 1; ++j)
        for (int i = v.viewX; i < v.viewX + v.viewWidth - 1; ++i) diagonals_.push_back(terrain.grid.cell(i, j).diagonal);
}

const TerrainMesh& TerrainMeshCache::mesh(const TerrainState& terrain, bool smoothShade, const Vec3& pivot) {
    collect(terrain, pivot);
    const ViewArea& v = terrain.view;
    bool same = builtSmooth_ == smoothShade && builtView_.viewWidth == v.viewWidth &&
                builtView_.viewHeight == v.viewHeight && builtView_.viewX == v.viewX && builtView_.viewY == v.viewY &&
                corners_ == builtCorners_ && diagonals_ == builtDiagonals_;
    if (same) return mesh_;

    TerrainMesh& m = mesh_;
    m.positions.clear();
    m.colors.clear();
    const int w = v.viewWidth;
    m.positions.reserve(diagonals_.size() * 18);
    m.colors.reserve(diagonals_.size() * 18);
    auto emit = [&](const Corner& a, const Corner& b, const Corner& c) {
        Rgb flat = smoothShade ? Rgb{} : triangleColor(a.color, b.color, c.color);
        for (const Corner* p : {&a, &b, &c}) {
            m.positions.insert(m.positions.end(), {p->position.x, p->position.y, p->position.z});
            const Rgb& col = smoothShade ? p->color : flat;
            m.colors.insert(m.colors.end(), {static_cast<std::uint8_t>(col.r), static_cast<std::uint8_t>(col.g),
                                             static_cast<std::uint8_t>(col.b)});
        }
    };
    std::size_t cell = 0;
    for (int j = 0; j < v.viewHeight - 1; ++j)
        for (int i = 0; i < w - 1; ++i) {
            const Corner& p00 = corners_[static_cast<std::size_t>(j) * w + i];
            const Corner& p10 = corners_[static_cast<std::size_t>(j) * w + i + 1];
            const Corner& p01 = corners_[static_cast<std::size_t>(j + 1) * w + i];
            const Corner& p11 = corners_[static_cast<std::size_t>(j + 1) * w + i + 1];
            switch (diagonals_[cell++]) {
            case 1:
                emit(p00, p10, p11);
                emit(p00, p11, p01);
                break;
            case 2:
                emit(p10, p01, p00);
                emit(p01, p10, p11);
                break;
            default:
                break;
            }
        }
    builtCorners_.swap(corners_);
    builtDiagonals_.swap(diagonals_);
    builtView_ = v;
    builtSmooth_ = smoothShade;
    return mesh_;
}

void buildTerrainMesh(const TerrainState& terrain, bool smoothShade, const Vec3& pivot, TerrainMesh& mesh) {
    TerrainMeshCache cache;
    mesh = cache.mesh(terrain, smoothShade, pivot);
}

}  // namespace landforge
