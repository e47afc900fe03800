#pragma once
// Options > Terrain Generation > Thermal Erosion and Hydraulic Erosion: the dialog, then the run
// in steps behind a progress display that can cancel it (the terrain then stays as it was).
#include "landforge/editor/editor_context.h"

namespace landforge {

// True when the terrain was eroded (one undo snapshot, the document marked modified).
bool thermalErosionCommand(EditorContext& ctx);
bool hydraulicErosionCommand(EditorContext& ctx);

}  // namespace landforge
