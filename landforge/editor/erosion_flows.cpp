#include "landforge/editor/erosion_flows.h"

namespace landforge {

namespace {

GridRect areaOf(const TerrainState& t, bool viewOnly) { return viewOnly ? rectOf(t.view) : kFullRect; }

bool runInSteps(EditorContext& ctx, const std::string& title, ErosionRun run) {
    if (!ctx.dialogs.runWithProgress(title, [&run] { return run.step(); }, [&run] { return run.progress(); }))
        return false;
    run.apply(ctx.state.terrain);
    return true;
}

}  // namespace

bool thermalErosionCommand(EditorContext& ctx) {
    ThermalErosionValues& kept = ctx.state.erosion.thermal;
    std::optional<ThermalErosionValues> v = ctx.dialogs.thermalErosion(kept);
    if (!v) return false;
    kept = {withLimits(v->settings), v->viewOnly};
    TerrainState& t = ctx.state.terrain;
    return runInSteps(ctx, "Thermal Erosion", ErosionRun::thermal(t.grid, areaOf(t, kept.viewOnly), kept.settings));
}

bool hydraulicErosionCommand(EditorContext& ctx) {
    HydraulicErosionValues& kept = ctx.state.erosion.hydraulic;
    std::optional<HydraulicErosionValues> v = ctx.dialogs.hydraulicErosion(kept);
    if (!v) return false;
    kept = {withLimits(v->settings), v->viewOnly};
    TerrainState& t = ctx.state.terrain;
    return runInSteps(ctx, "Hydraulic Erosion",
                      ErosionRun::hydraulic(t.grid, areaOf(t, kept.viewOnly), kept.settings));
}

}  // namespace landforge
