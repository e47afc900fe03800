#pragma once
// Thermal and hydraulic erosion over the whole grid or the view area. A run works on a copy of
// the area's heights in small steps, so a window can show progress and stay painted, and a
// cancelled run leaves the terrain as it was. Only `apply` touches the terrain: one undo
// snapshot, the heights, the cells around them. Results are the same bytes for the same
// settings and start terrain (own random generator, fixed evaluation order).
#include <cstdint>
#include <functional>
#include <vector>

#include "landforge/terrain/terrain_state.h"

namespace landforge {

// Material slides from a point to its lower neighbours where the slope is steeper than the
// talus angle; `amount` of the excess moves per iteration.
struct ThermalSettings {
    int iterations = 50;        // 1-1000
    float talusAngle = 30.0f;   // degrees, 0-89, the grid spacing taken as 10 units
    float amount = 0.5f;        // 0.01-1
};

// Droplets fall at random points, run downhill, pick up sediment where they speed up and drop
// it where they slow down or evaporate.
struct HydraulicSettings {
    int droplets = 50000;         // 1-1,000,000
    float rain = 1.0f;            // water per droplet, 0.01-10
    float erosionRate = 0.3f;     // share of the free capacity taken per step, 0-1
    float depositionRate = 0.3f;  // share of the surplus dropped per step, 0-1
    float evaporation = 0.02f;    // share of the water lost per step, 0-0.99
    std::uint32_t seed = 1;
};

// Settings outside the ranges above are pulled to the nearest end (a non-number to the default).
ThermalSettings withLimits(ThermalSettings s);
HydraulicSettings withLimits(HydraulicSettings s);

// The heights of one rectangle while a run works on them, rows j outer.
struct HeightPatch {
    GridRect area;
    std::vector<float> z;
    float lowest = 0;   // the range the result is kept in: that of the heights before the run
    float highest = 0;
};

class ErosionRun {
public:
    static ErosionRun thermal(const Heightfield& grid, const GridRect& area, const ThermalSettings& settings);
    static ErosionRun hydraulic(const Heightfield& grid, const GridRect& area, const HydraulicSettings& settings);

    // Does one slice of the work (an iteration, or a batch of droplets); false once finished.
    bool step();
    bool finished() const { return done_ >= total_; }
    // 0 to 1.
    double progress() const { return total_ == 0 ? 1.0 : static_cast<double>(done_) / total_; }
    // The eroded heights (valid once finished).
    const HeightPatch& result() const { return patch_; }

    // Points-and-cells snapshot of the area and the ring of points around it, the heights written,
    // the cells touching the area re-chosen, the document marked modified. Runs the rest first.
    void apply(TerrainState& state);

private:
    enum class Kind { Thermal, Hydraulic };
    ErosionRun(Kind kind, const Heightfield& grid, const GridRect& area);
    void thermalIteration();
    void hydraulicBatch(int count);

    Kind kind_;
    HeightPatch patch_;
    ThermalSettings thermal_;
    HydraulicSettings hydraulic_;
    std::vector<float> scratch_;
    std::uint32_t random_ = 1;
    long done_ = 0;
    long total_ = 0;
};

// Called after each step with the share done; returning false cancels the run.
using ErosionProgress = std::function<bool(double)>;

// Runs to the end and applies; false (terrain untouched) when `progress` cancelled.
bool runErosion(TerrainState& state, ErosionRun run, const ErosionProgress& progress = {});

}  // namespace landforge
