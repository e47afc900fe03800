#include "landforge/terrain/reshape.h"

#include <cmath>
#include <numbers>

namespace landforge {

namespace {

float clampHeight(float z) { return z < 0.0f ? 0.0f : (z > 255.0f ? 255.0f : z); }

float storedRadius(int gridSteps) {
    float r = static_cast<float>(gridSteps) * 10.0f;
    return r < 1.0f ? 1.0f : r;
}

void pull(const ToolSettings& tools, TerrainPoint& p, float d, const WorldStep& s) {
    switch (tools.method) {
    case ReshapeMethod::Peak:
        if (d <= tools.peakRadius && d > 0.0f) {
            float v = d * 0.1f;
            p.x += s.dx / v;
            p.y += s.dy / v;
            p.z += s.dz / v;
        }
        break;
    case ReshapeMethod::Dome: {
        float r = tools.domeRadius;
        if (d <= r) p.z += std::sqrt(r * r - d * d) * s.dz / r;
        break;
    }
    case ReshapeMethod::Ripple: {
        float r = tools.rippleRadius;
        if (d <= r) {
            double angle = tools.rippleCycles * 2.0 * std::numbers::pi * d / r;
            p.z += static_cast<float>(s.dz * std::sin(angle));
        }
        break;
    }
    }
    p.z = clampHeight(p.z);
}

}  // namespace

void applyReshape(TerrainState& state, const WorldStep& step) {
    const ViewArea& v = state.view;
    for (int j = v.viewY; j < v.viewY + v.viewHeight; ++j)
        for (int i = v.viewX; i < v.viewX + v.viewWidth; ++i) {
            if (state.selection.contains({i, j})) continue;
            TerrainPoint& p = state.grid.point(i, j);
            const TerrainPoint p0 = p;
            for (GridIndex s : state.selection.items()) {
                const TerrainPoint& q = state.grid.point(s.i, s.j);
                float dx = p0.x - q.x, dy = p0.y - q.y, dz = p0.z - q.z;
                pull(state.tools, p, std::sqrt(dx * dx + dy * dy + dz * dz), step);
            }
        }
}

void setPeakRadius(ToolSettings& tools, int gridSteps) {
    tools.peakRadius = storedRadius(gridSteps);
    tools.method = ReshapeMethod::Peak;
}

void setDomeRadius(ToolSettings& tools, int gridSteps) {
    tools.domeRadius = storedRadius(gridSteps);
    tools.method = ReshapeMethod::Dome;
}

void setRippleMethod(ToolSettings& tools, int gridSteps, int cycles) {
    tools.rippleRadius = storedRadius(gridSteps);
    tools.rippleCycles = cycles < 1 ? 1 : cycles;
    tools.method = ReshapeMethod::Ripple;
}

}  // namespace landforge
