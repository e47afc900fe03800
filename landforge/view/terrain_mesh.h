#pragma once
// The triangles a view draws, as flat arrays for glDrawArrays: the view area's cells, rows j
// outer and i inner, two triangles each in the cell's vertex order; cells whose diagonal is
// neither 1 nor 2 are left out. Vertices sit at their position minus the pivot, import and
// paste previews at the position the commit would give them, in white.
#include <cstdint>
#include <vector>

#include "landforge/view/view_camera.h"

namespace landforge {

struct TerrainMesh {
    std::vector<float> positions;       // x, y, z per vertex
    std::vector<std::uint8_t> colors;   // r, g, b per vertex
    int vertexCount() const { return static_cast<int>(positions.size() / 3); }
};

// The colour of one triangle without Smooth Shade: the per-channel mean, truncated.
Rgb triangleColor(const Rgb& a, const Rgb& b, const Rgb& c);

// Builds the mesh of the view area. With smooth shading each vertex carries its own colour;
// without, all three carry their triangle's colour.
void buildTerrainMesh(const TerrainState& terrain, bool smoothShade, const Vec3& pivot, TerrainMesh& mesh);

// Builds the mesh only when something it shows differs from the last build; the views of one
// redraw share one cache, so the triangles are assembled once for all of them.
class TerrainMeshCache {
public:
    const TerrainMesh& mesh(const TerrainState& terrain, bool smoothShade, const Vec3& pivot);

private:
    struct Corner {
        TerrainPoint position;
        Rgb color;
        bool operator==(const Corner& o) const {
            return position.x == o.position.x && position.y == o.position.y && position.z == o.position.z &&
                   color == o.color;
        }
    };
    void collect(const TerrainState& terrain, const Vec3& pivot);

    std::vector<Corner> corners_;         // the view area's drawn points, rows j outer
    std::vector<std::int32_t> diagonals_; // the view area's cells
    std::vector<Corner> builtCorners_;
    std::vector<std::int32_t> builtDiagonals_;
    ViewArea builtView_{0, 0, 0, 0};
    bool builtSmooth_ = false;
    TerrainMesh mesh_;
};

}  // namespace landforge
