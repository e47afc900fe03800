#pragma once
// What each dialog hands back to its caller, the limits applied on OK, and how the dialogs
// read and show numbers (locale independent).
#include <cstdint>
#include <string>

#include "landforge/terrain/filters.h"
#include "landforge/terrain/terrain_state.h"

namespace landforge {

// A whole number field: optional blanks and sign, then digits; anything else reads as 0.
int parseIntField(const std::string& text);
std::uint32_t parseUnsignedField(const std::string& text);
// A decimal field read as far as it is a number ("2.5x" is 2.5); no number reads as 0.
float parseRealField(const std::string& text);
// Three decimals without a zero before the point below 1: 2.000, .500, -.250.
std::string formatThreeDecimals(float value);
// "The height average is : %f".
std::string heightAverageText(float mean);

// TERRAINPARAMSDIALOGBOX
struct TerrainParamsValues {
    std::uint32_t seed = 0;
    float dampening = 2.0f;
    float initialHeight = 25.0f;
    float seaLevel = 0.0f;
};
TerrainParamsValues paramsValuesOf(const TerrainParameters& params);
// Dampening at least 1, initial height 0-255, sea level 0-254 (255 or more becomes 254).
TerrainParamsValues withLimits(TerrainParamsValues v);

// ADDRANDOMNOISEBOX: no limits.
struct NoiseValues {
    int high = 2;
    int low = -2;
};

// FILTERNOISEBOX: below 1 becomes 1.
struct FilterNoiseValues {
    int maxNoise = 5;
};
FilterNoiseValues withLimits(FilterNoiseValues v);

// SMOOTHTERRAINBOX and its FLATTENHEIGHTBOX / AVERAGEHEIGHTBOX.
enum class SmoothChoice { Cancel, Flatten, Average };
struct SmoothValues {
    SmoothChoice method = SmoothChoice::Flatten;
    int percent = 50;  // 1-100
};
SmoothValues withLimits(SmoothValues v);

// RAISELOWERTERRAINBOX: Raise, Lower or Cancel; the height has no limits.
struct RaiseLowerValues {
    bool raise = true;
    RaiseLowerMode mode = RaiseLowerMode::ToHeight;
    int height = 0;
};

// RMPEAKMETHODBOX, RMDOMEMETHODBOX, RMRIPPLEMETHODBOX: the radius in whole grid values (shown
// as the stored radius / 10, truncated; below 1 becomes 1) and the ripple's cycles (at least 1).
struct ReshapeValues {
    int radius = 4;
    int cycles = 1;
};
ReshapeValues reshapeValuesOf(const ToolSettings& tools, ReshapeMethod method);
// Stores the limited values: radius * 10 into the method's radius, the cycles for Ripple.
void applyReshapeValues(ToolSettings& tools, ReshapeMethod method, ReshapeValues v);

// IMPORTMODEBOX: weight 0 or less becomes 1, above 100 becomes 100.
struct ImportModeValues {
    ImportMode mode = ImportMode::Replace;
    int weight = 100;
};

// CHANGEVIEWAREABOX: each size 1-256; the origin is pulled back on OK (changeViewArea).
struct ViewAreaValues {
    int width = 16;
    int height = 16;
};

}  // namespace landforge
