#pragma once
// What the erosion dialogs hand back: the settings and whether to erode the whole terrain or
// only the view area. The limits are those of the settings (withLimits in terrain/erosion.h).
#include "landforge/terrain/erosion.h"

namespace landforge {

// THERMALEROSIONBOX
struct ThermalErosionValues {
    ThermalSettings settings;
    bool viewOnly = false;
};

// HYDRAULICEROSIONBOX
struct HydraulicErosionValues {
    HydraulicSettings settings;
    bool viewOnly = false;
};

// Both kept between uses.
struct ErosionChoices {
    ThermalErosionValues thermal;
    HydraulicErosionValues hydraulic;
};

}  // namespace landforge
