#include "editor/command_table.h"

namespace landforge {

namespace {

StateRule renderModeIs(RenderMode mode) {
    return [mode](const EditorState& s) { return s.options.renderMode == mode; };
}
StateRule methodIs(ReshapeMethod method) {
    return [method](const EditorState& s) { return s.terrain.tools.method == method; };
}
StateRule layoutIs(ViewLayout layout) {
    return [layout](const EditorState& s) { return s.options.layout == layout; };
}
StateRule option(bool ViewOptions::*field) {
    return [field](const EditorState& s) { return s.options.*field; };
}
bool never(const EditorState&) { return false; }

std::vector<CommandInfo> buildTable() {
    using namespace cmd;
    return {
        {FileNew, "File", "New Terrain", "Ctrl+N", {}, {}},
        {FileOpen, "File", "Open Terrain ...", "Ctrl+O", {}, {}},
        {SaveFull, "File/Save Terrain", "Full ...", "Ctrl+S", {}, {}},
        {SaveView, "File/Save Terrain", "View ...", "", {}, {}},
        {SaveAs, "File", "Save Terrain As ...", "", {}, {}},
        {ImportTerrain, "File/Import", "Terrain ...", "", {}, {}},
        {ImportBitmap, "File/Import", "Bitmap ...", "", {}, {}},
        {ExportBitmapFull, "File/Export/Bitmap", "Full ...", "", {}, {}},
        {ExportBitmapView, "File/Export/Bitmap", "View ...", "", {}, {}},
        {ExportT3dFull, "File/Export/Korvath Text", "Full ...", "", {}, {}},
        {ExportT3dView, "File/Export/Korvath Text", "View ...", "", {}, {}},
        {QuakeFull, "File/Export/Quake MAP", "Full ...", "", never, {}},
        {QuakeView, "File/Export/Quake MAP", "View ...", "", never, {}},
        {ExportPng16Full, "File/Export/Heightmap (16-bit PNG)", "Full ...", "", {}, {}},
        {ExportPng16View, "File/Export/Heightmap (16-bit PNG)", "View ...", "", {}, {}},
        {FileExit, "File", "Exit", "", {}, {}},
        {Undo, "Edit", "Undo", "Ctrl+Z", [](const EditorState& s) { return s.terrain.history.canUndo(); }, {}},
        {Redo, "Edit", "Redo", "Ctrl+Y", [](const EditorState& s) { return s.terrain.history.canRedo(); }, {}},
        {Copy, "Edit", "Copy", "Ctrl+C", {}, {}},
        {Paste, "Edit", "Paste", "Ctrl+V", {}, {}},
        {RenderPoints, "View/Render Mode", "Points", "", {}, renderModeIs(RenderMode::Points)},
        {RenderWireframe, "View/Render Mode", "Wireframe", "", {}, renderModeIs(RenderMode::Wireframe)},
        {RenderShaded, "View/Render Mode", "Shaded", "", {}, renderModeIs(RenderMode::Shaded)},
        {BottomSeeThrough, "View/Render Mode", "Bottom See-Through", "", {}, option(&ViewOptions::bottomSeeThrough)},
        {SmoothShade, "View/Render Mode", "Smooth Shade", "", {}, option(&ViewOptions::smoothShade)},
        {Shadow, "View/Render Mode", "Shadow", "", {}, option(&ViewOptions::shadow)},
        {KeepCentered, "View", "Keep Terrain Centered", "", {}, option(&ViewOptions::keepTerrainCentered)},
        {ShowOverhead, "View", "Show Overhead", "", {}, option(&ViewOptions::showOverhead)},
        {ChangeViewArea, "View", "Change View Area ...", "", {}, {}},
        {NewRandom, "Options/Terrain Generation", "New Random Terrain", "", {}, {}},
        {FillInRandom, "Options/Terrain Generation", "Fill In With Random Terrain", "", {}, {}},
        {TerrainParams, "Options/Terrain Generation", "Change Terrain Parameters ...", "", {}, {}},
        {AddNoise, "Options/Terrain Generation", "Add Random Noise ...", "", {}, {}},
        {FilterNoise, "Options/Terrain Generation", "Filter Noise ...", "", {}, {}},
        {SmoothTerrain, "Options/Terrain Generation", "Smooth Terrain ...", "", {}, {}},
        {RaiseLower, "Options/Terrain Generation", "Raise / Lower Terrain ...", "", {}, {}},
        {ThermalErosion, "Options/Terrain Generation", "Thermal Erosion ...", "", {}, {}},
        {HydraulicErosion, "Options/Terrain Generation", "Hydraulic Erosion ...", "", {}, {}},
        {HighColor, "Options/Change Colors", "Change High Color ...", "", {}, {}},
        {BaseColor, "Options/Change Colors", "Change Base Color ...", "", {}, {}},
        {LowColor, "Options/Change Colors", "Change Low Color ...", "", {}, {}},
        {SeaColor, "Options/Change Colors", "Change Sea Color ...", "", {}, {}},
        {ImportModeCmd, "Options", "Change Import Mode ...", "", {}, {}},
        {PeakMethod, "Options/RM Options", "Peak Method", "", {}, methodIs(ReshapeMethod::Peak)},
        {DomeMethod, "Options/RM Options", "Dome Method ...", "", {}, methodIs(ReshapeMethod::Dome)},
        {RippleMethod, "Options/RM Options", "Ripple Method ...", "", {}, methodIs(ReshapeMethod::Ripple)},
        {FreezeSelected, "Options/RM Options", "Freeze Selected", "", {}, option(&ViewOptions::freezeSelected)},
        {UpdateTrisFull, "Options/Update Tris", "Full", "", {}, {}},
        {UpdateTrisView, "Options/Update Tris", "View", "", {}, {}},
        {LayoutStandard, "Window/Layout", "Standard", "", {}, layoutIs(ViewLayout::Standard)},
        {LayoutAllInOne, "Window/Layout", "All In One", "", {}, layoutIs(ViewLayout::AllInOne)},
        {WindowReset, "Window", "Reset", "", {}, {}},
        {HelpHelp, "Help", "Help ...", "", {}, {}},
        {HelpAbout, "Help", "About Landforge ...", "", {}, {}},
    };
}

}  // namespace

const std::vector<CommandInfo>& commandTable() {
    static const std::vector<CommandInfo> table = buildTable();
    return table;
}

const CommandInfo* findCommand(int id) {
    for (const CommandInfo& c : commandTable())
        if (c.id == id) return &c;
    return nullptr;
}

bool submenuAlwaysDisabled(std::string_view menuPath) { return menuPath == "File/Export/Quake MAP"; }

bool commandEnabled(const CommandInfo& command, const EditorState& state) {
    return !command.enabled || command.enabled(state);
}

bool commandChecked(const CommandInfo& command, const EditorState& state) {
    return command.checked && command.checked(state);
}

}  // namespace landforge
