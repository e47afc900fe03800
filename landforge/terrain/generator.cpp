#include "landforge/terrain/generator.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace landforge {

float displacedMidpoint(float hi, float lo, float dampening, LcgRandom& random) {
    if (hi - lo < 2.0f) {
        if (hi < 235.0f)
            hi += 2.0f;
        else
            lo -= 2.0f;
    }
    float diff = hi - lo;
    // k is at least 1 (at huge heights the +2 above is lost to rounding) and at most 32768:
    // the draw never exceeds 32767, so larger k give the same remainder.
    float kf = std::trunc(diff);
    int k = !(kf >= 1.0f) ? 1 : (kf > 32768.0f ? 32768 : static_cast<int>(kf));
    int r = random.next();
    float offset = static_cast<float>(r % (2 * k)) - diff;
    return std::trunc(offset / dampening) + (hi + lo) / 2.0f;
}

namespace {

struct Generation {
    Heightfield& grid;
    LcgRandom& random;
    float dampening;
    bool fill;

    float& z(int i, int j) { return grid.point(i, j).z; }
    bool unset(int i, int j) { return grid.point(i, j).z == kUnsetHeight; }

    void randomPoint(int i, int j) {
        if (!fill || unset(i, j)) z(i, j) = static_cast<float>(random.next() % 255);
    }

    void midpoint(int i, int j, std::initializer_list<float> heights) {
        auto [lo, hi] = std::minmax(heights);
        z(i, j) = displacedMidpoint(hi, lo, dampening, random);
    }

    void edge(int i, int j, int ai, int aj, int bi, int bj) {
        if (unset(i, j)) midpoint(i, j, {z(ai, aj), z(bi, bj)});
    }

    void square(int f, int d, int b) {
        int h = f - b == -1 ? 0 : f - b;
        int g = d - b == -1 ? 0 : d - b;
        if (!unset(f, d)) return;  // a kept centre skips the whole square, edges included
        midpoint(f, d, {z(h, g), z(f + b, g), z(h, d + b), z(f + b, d + b)});
        edge(f, g, h, g, f + b, g);
        edge(f, d + b, h, d + b, f + b, d + b);
        edge(h, d, h, g, h, d + b);
        edge(f + b, d, f + b, g, f + b, d + b);
    }

    void run(std::uint32_t seed) {
        for (TerrainPoint& p : grid.points)
            if (!fill || p.z == 0.0f) p.z = kUnsetHeight;
        random.seed(seed);
        randomPoint(0, 0);
        randomPoint(255, 0);
        randomPoint(0, 255);
        randomPoint(255, 255);
        for (int level = 1; level <= 8; ++level) {
            int b = kGridSize >> level;
            if (level == 1) {
                randomPoint(127, 127);
                randomPoint(127, 0);
                randomPoint(0, 127);
                randomPoint(127, 255);
                randomPoint(255, 127);
                continue;
            }
            for (int d = b - 1; d < kGridSize; d += 2 * b)
                for (int f = b - 1; f < kGridSize; f += 2 * b) square(f, d, b);
        }
    }
};

void randomCommand(TerrainState& state, bool fill) {
    takeSnapshot(state.history, state.grid, SnapshotKind::PointsAndCells, kFullRect);
    generateTerrain(state.grid, state.random, state.params.seed, state.params.dampening, fill);
}

}  // namespace

void generateTerrain(Heightfield& grid, LcgRandom& random, std::uint32_t seed, float dampening, bool fill) {
    // A dampening below 1 (or not a number) is never accepted by the dialog.
    if (!(dampening >= 1.0f)) dampening = 1.0f;
    Generation{grid, random, dampening, fill}.run(seed);
    updateTrisFull(grid);
}

void newRandomTerrain(TerrainState& state) {
    state.params.seed = static_cast<std::uint32_t>(state.random.next());
    randomCommand(state, false);
}

void fillInRandomTerrain(TerrainState& state) {
    state.params.seed = static_cast<std::uint32_t>(state.random.next());
    randomCommand(state, true);
}

void changeTerrainParameters(TerrainState& state, const TerrainParameters& entered) {
    TerrainParameters p = entered;
    if (!(p.dampening >= 1.0f)) p.dampening = 1.0f;
    if (p.initialHeight > 255.0f) p.initialHeight = 255.0f;
    if (!(p.initialHeight >= 0.0f)) p.initialHeight = 0.0f;
    if (p.seaLevel >= 255.0f) p.seaLevel = 254.0f;
    if (!(p.seaLevel >= 0.0f)) p.seaLevel = 0.0f;
    p.levels = 8;
    state.params = p;
    randomCommand(state, false);
}

}  // namespace landforge
