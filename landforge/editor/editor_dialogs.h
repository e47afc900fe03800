#pragma once
// The program's own dialogs as the commands see them: each shows the current values and
// returns what was entered (nullopt for Cancel). The shell implements this with Qt dialogs;
// tests answer from a script.
#include <functional>
#include <optional>
#include <string>

#include "landforge/editor/dialog_values.h"
#include "landforge/editor/erosion_values.h"

namespace landforge {

class EditorDialogs {
public:
    virtual ~EditorDialogs() = default;

    virtual std::optional<TerrainParamsValues> terrainParams(const TerrainParamsValues& current) = 0;
    virtual std::optional<NoiseValues> addNoise(const NoiseValues& current) = 0;
    virtual std::optional<FilterNoiseValues> filterNoise(const FilterNoiseValues& current) = 0;
    // SMOOTHTERRAINBOX: Flatten, Average or Cancel.
    virtual SmoothChoice smoothMethod() = 0;
    // FLATTENHEIGHTBOX (showing the mean height) or AVERAGEHEIGHTBOX: the percentage, nullopt
    // for Cancel.
    virtual std::optional<int> smoothPercent(SmoothChoice method, float meanHeight) = 0;
    virtual std::optional<RaiseLowerValues> raiseLower() = 0;
    // The radius dialogs have only OK.
    virtual ReshapeValues reshapeMethod(ReshapeMethod method, const ReshapeValues& current) = 0;
    virtual std::optional<ImportModeValues> importMode(const ImportModeValues& current) = 0;
    virtual std::optional<ViewAreaValues> viewArea(const ViewAreaValues& current) = 0;
    // EXPORTSCALEBOX: the scale N, 0 for Cancel.
    virtual int exportScale() = 0;
    virtual void pointInfo(const std::string& text) = 0;
    virtual void about() = 0;
    // Opens a help page with the desktop's viewer; false when that failed.
    virtual bool openHelp(const std::string& path) = 0;
    virtual std::optional<ThermalErosionValues> thermalErosion(const ThermalErosionValues& current) = 0;
    virtual std::optional<HydraulicErosionValues> hydraulicErosion(const HydraulicErosionValues& current) = 0;
    // Calls `step` until it returns false, showing `progress` (0-1) and keeping the windows
    // painted; false when the user cancelled first.
    virtual bool runWithProgress(const std::string& title, const std::function<bool()>& step,
                                 const std::function<double()>& progress) = 0;
};

// Smooth Terrain: the method dialog, then its percentage dialog; Cancel in the second returns
// to the first, OK closes both. nullopt when the first was cancelled.
std::optional<SmoothValues> askSmoothValues(EditorDialogs& dialogs, float meanHeight);

}  // namespace landforge
