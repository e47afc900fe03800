#include "landforge/terrain/erosion.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace landforge {

namespace {

constexpr float kSpacing = 10.0f;      // units between neighbouring points
constexpr int kDropletsPerStep = 1000;
// Droplet physics in grid units (heights divided by the spacing).
constexpr float kInertia = 0.05f;
constexpr float kCapacityFactor = 4.0f;
constexpr float kMinCapacity = 0.01f;
constexpr float kGravity = 4.0f;
constexpr int kDropletLifetime = 30;

float limited(float v, float lo, float hi, float fallback) {
    if (std::isnan(v)) return fallback;
    return std::clamp(v, lo, hi);
}

// A Weyl sequence through the murmur3 finaliser: small, fast and the same on every platform.
float nextUnit(std::uint32_t& state) {
    state += 0x9E3779B9u;
    std::uint32_t z = state;
    z = (z ^ (z >> 16)) * 0x85EBCA6Bu;
    z = (z ^ (z >> 13)) * 0xC2B2AE35u;
    z ^= z >> 16;
    return static_cast<float>(z >> 8) * (1.0f / 16777216.0f);  // [0, 1)
}

HeightPatch copyArea(const Heightfield& grid, const GridRect& area) {
    HeightPatch p;
    p.area = area;
    p.z.reserve(static_cast<std::size_t>(area.width) * area.height);
    bool any = false;
    for (int j = area.y; j < area.y + area.height; ++j)
        for (int i = area.x; i < area.x + area.width; ++i) {
            float z = grid.point(i, j).z;
            p.z.push_back(z);
            if (!std::isfinite(z)) continue;
            p.lowest = any ? std::min(p.lowest, z) : z;
            p.highest = any ? std::max(p.highest, z) : z;
            any = true;
        }
    return p;
}

// The area grown by one point on each side where the grid allows: its interior cells are all
// the cells that touch the area.
GridRect withRing(const GridRect& a) {
    int x0 = std::max(a.x - 1, 0), y0 = std::max(a.y - 1, 0);
    int x1 = std::min(a.x + a.width + 1, kGridSize), y1 = std::min(a.y + a.height + 1, kGridSize);
    return {x0, y0, x1 - x0, y1 - y0};
}

}  // namespace

ThermalSettings withLimits(ThermalSettings s) {
    ThermalSettings d;
    s.iterations = std::clamp(s.iterations, 1, 1000);
    s.talusAngle = limited(s.talusAngle, 0.0f, 89.0f, d.talusAngle);
    s.amount = limited(s.amount, 0.01f, 1.0f, d.amount);
    return s;
}

HydraulicSettings withLimits(HydraulicSettings s) {
    HydraulicSettings d;
    s.droplets = std::clamp(s.droplets, 1, 1000000);
    s.rain = limited(s.rain, 0.01f, 10.0f, d.rain);
    s.erosionRate = limited(s.erosionRate, 0.0f, 1.0f, d.erosionRate);
    s.depositionRate = limited(s.depositionRate, 0.0f, 1.0f, d.depositionRate);
    s.evaporation = limited(s.evaporation, 0.0f, 0.99f, d.evaporation);
    return s;
}

ErosionRun::ErosionRun(Kind kind, const Heightfield& grid, const GridRect& area)
    : kind_(kind), patch_(copyArea(grid, area)), scratch_(patch_.z.size(), 0.0f) {}

ErosionRun ErosionRun::thermal(const Heightfield& grid, const GridRect& area, const ThermalSettings& settings) {
    ErosionRun run(Kind::Thermal, grid, area);
    run.thermal_ = withLimits(settings);
    run.total_ = run.thermal_.iterations;
    return run;
}

ErosionRun ErosionRun::hydraulic(const Heightfield& grid, const GridRect& area, const HydraulicSettings& settings) {
    ErosionRun run(Kind::Hydraulic, grid, area);
    run.hydraulic_ = withLimits(settings);
    run.random_ = run.hydraulic_.seed;
    run.total_ = run.hydraulic_.droplets;
    return run;
}

bool ErosionRun::step() {
    if (finished()) return false;
    if (kind_ == Kind::Thermal) {
        thermalIteration();
        ++done_;
    } else {
        int count = static_cast<int>(std::min<long>(kDropletsPerStep, total_ - done_));
        hydraulicBatch(count);
        done_ += count;
    }
    return !finished();
}

void ErosionRun::thermalIteration() {
    const int w = patch_.area.width, h = patch_.area.height;
    std::vector<float>& z = patch_.z;
    std::fill(scratch_.begin(), scratch_.end(), 0.0f);
    // The height step over one spacing that the talus angle allows; diagonals are sqrt 2 longer.
    const float straight = static_cast<float>(std::tan(thermal_.talusAngle * std::numbers::pi / 180.0)) * kSpacing;
    const float diagonal = straight * std::numbers::sqrt2_v<float>;
    static constexpr int kDi[8] = {1, -1, 0, 0, 1, 1, -1, -1};
    static constexpr int kDj[8] = {0, 0, 1, -1, 1, -1, 1, -1};
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const float here = z[static_cast<std::size_t>(j) * w + i];
            float excess[8] = {};
            float sum = 0.0f, most = 0.0f;
            for (int k = 0; k < 8; ++k) {
                int ni = i + kDi[k], nj = j + kDj[k];
                if (ni < 0 || nj < 0 || ni >= w || nj >= h) continue;  // outside the area stays put
                float d = here - z[static_cast<std::size_t>(nj) * w + ni] - (k < 4 ? straight : diagonal);
                if (!(d > 0.0f)) continue;
                excess[k] = d;
                sum += d;
                most = std::max(most, d);
            }
            if (!(sum > 0.0f) || !std::isfinite(sum)) continue;
            // Half the steepest excess at most, so a pair of points never swaps order.
            const float moved = thermal_.amount * most * 0.5f;
            scratch_[static_cast<std::size_t>(j) * w + i] -= moved;
            for (int k = 0; k < 8; ++k)
                if (excess[k] > 0.0f)
                    scratch_[static_cast<std::size_t>(j + kDj[k]) * w + i + kDi[k]] += moved * (excess[k] / sum);
        }
    for (std::size_t p = 0; p < z.size(); ++p) z[p] += scratch_[p];
}

void ErosionRun::hydraulicBatch(int count) {
    const int w = patch_.area.width, h = patch_.area.height;
    if (w < 2 || h < 2) return;  // no cell for a droplet to run over
    std::vector<float>& z = patch_.z;
    auto at = [&](int i, int j) -> float& { return z[static_cast<std::size_t>(j) * w + i]; };
    const float maxX = static_cast<float>(w - 1), maxY = static_cast<float>(h - 1);
    const HydraulicSettings& s = hydraulic_;
    // The cell under (x, y) and the position inside it.
    struct Spot {
        int i, j;
        float u, v;
    };
    auto spotAt = [&](float x, float y) {
        const int i = std::min(static_cast<int>(x), w - 2), j = std::min(static_cast<int>(y), h - 2);
        return Spot{i, j, x - static_cast<float>(i), y - static_cast<float>(j)};
    };
    // Height (in spacings) at (x, y), interpolated, and its slope along x and y.
    auto surface = [&](float x, float y, float& gx, float& gy) {
        const Spot c = spotAt(x, y);
        const float h00 = at(c.i, c.j) / kSpacing, h10 = at(c.i + 1, c.j) / kSpacing;
        const float h01 = at(c.i, c.j + 1) / kSpacing, h11 = at(c.i + 1, c.j + 1) / kSpacing;
        gx = (h10 - h00) * (1 - c.v) + (h11 - h01) * c.v;
        gy = (h01 - h00) * (1 - c.u) + (h11 - h10) * c.u;
        return h00 * ((1 - c.u) * (1 - c.v)) + h10 * (c.u * (1 - c.v)) + h01 * ((1 - c.u) * c.v) + h11 * (c.u * c.v);
    };
    // Adds `raw` over the four corners of the cell under (x, y), weighted by nearness.
    auto spread = [&](float x, float y, float raw) {
        const Spot c = spotAt(x, y);
        at(c.i, c.j) += raw * ((1 - c.u) * (1 - c.v));
        at(c.i + 1, c.j) += raw * (c.u * (1 - c.v));
        at(c.i, c.j + 1) += raw * ((1 - c.u) * c.v);
        at(c.i + 1, c.j + 1) += raw * (c.u * c.v);
    };

    for (int d = 0; d < count; ++d) {
        float px = nextUnit(random_) * maxX, py = nextUnit(random_) * maxY;
        float dirX = 0.0f, dirY = 0.0f, speed = 1.0f, water = s.rain, sediment = 0.0f;
        int life = 0;
        for (; life < kDropletLifetime; ++life) {
            float gx, gy;
            const float height = surface(px, py, gx, gy);
            dirX = dirX * kInertia - gx * (1 - kInertia);
            dirY = dirY * kInertia - gy * (1 - kInertia);
            float len = std::sqrt(dirX * dirX + dirY * dirY);
            if (!(len > 1e-6f)) {  // flat: wander off in a random direction
                dirX = nextUnit(random_) * 2 - 1;
                dirY = nextUnit(random_) * 2 - 1;
                len = std::sqrt(dirX * dirX + dirY * dirY);
                if (!(len > 1e-6f)) break;
            }
            dirX /= len;
            dirY /= len;
            const float nx = px + dirX, ny = py + dirY;
            if (!(nx >= 0.0f && ny >= 0.0f && nx < maxX && ny < maxY)) break;  // left the area

            float unusedX, unusedY;
            const float newHeight = surface(nx, ny, unusedX, unusedY);
            const float dh = newHeight - height;
            const float capacity = std::max(-dh * speed * water * kCapacityFactor, kMinCapacity);

            // Positive: dropped onto the four corners; negative: taken from them. Raw units.
            float change;
            if (sediment > capacity || dh > 0.0f) {
                change = dh > 0.0f ? std::min(dh, sediment) : (sediment - capacity) * s.depositionRate;
                sediment -= change;
            } else {
                change = -std::min((capacity - sediment) * s.erosionRate, -dh);
                sediment -= change;
            }
            if (change != 0.0f && std::isfinite(change)) spread(px, py, change * kSpacing);
            speed = std::sqrt(std::max(0.0f, speed * speed - dh * kGravity));
            water *= 1 - s.evaporation;
            px = nx;
            py = ny;
        }
        // A droplet that dried up inside the area leaves what it carried where it stopped.
        if (life == kDropletLifetime && sediment > 0.0f && std::isfinite(sediment)) spread(px, py, sediment * kSpacing);
    }
}

void ErosionRun::apply(TerrainState& state) {
    while (step()) {
    }
    const GridRect& a = patch_.area;
    const GridRect ring = withRing(a);
    takeSnapshot(state.history, state.grid, SnapshotKind::PointsAndCells, ring);
    std::size_t p = 0;
    for (int j = a.y; j < a.y + a.height; ++j)
        for (int i = a.x; i < a.x + a.width; ++i, ++p) {
            float& target = state.grid.point(i, j).z;
            float z = patch_.z[p];
            // A height that could not be worked on keeps its value; every other stays in range.
            if (std::isfinite(z) && std::isfinite(target)) target = std::clamp(z, patch_.lowest, patch_.highest);
        }
    updateTrisRect(state.grid, ring);
    state.modified = true;
}

bool runErosion(TerrainState& state, ErosionRun run, const ErosionProgress& progress) {
    while (run.step())
        if (progress && !progress(run.progress())) return false;
    if (progress && !progress(1.0)) return false;
    run.apply(state);
    return true;
}

}  // namespace landforge
