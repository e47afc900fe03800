#include "landforge/editor/menu_command_table.h"

#include "landforge/editor/document_flows.h"
#include "landforge/editor/erosion_flows.h"
#include "landforge/editor/menu_command_handlers.h"
#include "landforge/terrain/generator.h"

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
StateRule hasRecent(int index) {
    return [index](const EditorState& s) { return static_cast<int>(s.recentTerrains.size()) > index; };
}

struct MenuTitle {
    std::string_view path;
    std::string_view title;
};

constexpr MenuTitle kMenuTitles[] = {
    {"File", "&File"},
    {"File/Save Terrain", "&Save Terrain"},
    {"File/Import", "&Import"},
    {"File/Export", "&Export"},
    {"File/Export/Bitmap", "&Bitmap"},
    {"File/Export/Korvath Text", "&Korvath Text"},
    {"File/Export/Quake MAP", "&Quake MAP"},
    {"File/Export/Heightmap (16-bit PNG)", "&Heightmap (16-bit PNG)"},
    {"File/Recent Terrains", "&Recent Terrains"},
    {"Edit", "&Edit"},
    {"View", "&View"},
    {"View/Render Mode", "&Render Mode"},
    {"Options", "&Options"},
    {"Options/Terrain Generation", "&Terrain Generation"},
    {"Options/Change Colors", "Change &Colors"},
    {"Options/RM Options", "&RM Options"},
    {"Options/Update Tris", "&Update Tris"},
    {"Window", "&Window"},
    {"Window/Layout", "&Layout"},
    {"Help", "&Help"},
};

std::vector<CommandInfo> buildTable() {
    using namespace cmd;
    using namespace handlers;
    // id, menu, caption, shortcut, enabled, checked, handler, separator before
    // clang-format off
    return {
        {FileNew, "File", "&New Terrain", "Ctrl+N", {}, {}, showsNewTerrain(newCommand)},
        {FileOpen, "File", "&Open Terrain ...", "Ctrl+O", {}, {}, showsNewTerrain(openCommand)},
        {SaveFull, "File/Save Terrain", "&Full ...", "Ctrl+S", {}, {}, run(saveFullCommand)},
        {SaveView, "File/Save Terrain", "&View ...", "", {}, {}, run(saveViewCommand)},
        {SaveAs, "File", "Save Terrain &As ...", "", {}, {}, run(saveAsCommand)},
        {ImportTerrain, "File/Import", "&Terrain ...", "", {}, {}, recentres(importTerrainCommand)},
        {ImportBitmap, "File/Import", "&Bitmap ...", "", {}, {}, recentres(importBitmapCommand)},
        {ExportBitmapFull, "File/Export/Bitmap", "&Full ...", "", {}, {}, runFullOrView(exportBitmapCommand, true)},
        {ExportBitmapView, "File/Export/Bitmap", "&View ...", "", {}, {}, runFullOrView(exportBitmapCommand, false)},
        {ExportT3dFull, "File/Export/Korvath Text", "&Full ...", "", {}, {}, runFullOrView(exportT3dCommand, true)},
        {ExportT3dView, "File/Export/Korvath Text", "&View ...", "", {}, {}, runFullOrView(exportT3dCommand, false)},
        {QuakeFull, "File/Export/Quake MAP", "&Full ...", "", never, {}, {}},
        {QuakeView, "File/Export/Quake MAP", "&View ...", "", never, {}, {}},
        {ExportPng16Full, "File/Export/Heightmap (16-bit PNG)", "&Full ...", "", {}, {}, runFullOrView(exportPng16Command, true)},
        {ExportPng16View, "File/Export/Heightmap (16-bit PNG)", "&View ...", "", {}, {}, runFullOrView(exportPng16Command, false)},
        {FileExit, "File", "E&xit", "", {}, {}, closeWindow, true},
        {Undo, "Edit", "&Undo", "Ctrl+Z", [](const EditorState& s) { return s.terrain.history.canUndo(); }, {}, undoLast},
        {Redo, "Edit", "&Redo", "Ctrl+Y", [](const EditorState& s) { return s.terrain.history.canRedo(); }, {}, redoLast},
        {Copy, "Edit", "&Copy", "Ctrl+C", {}, {}, copyView},
        {Paste, "Edit", "&Paste", "Ctrl+V", {}, {}, startPasting},
        {RenderPoints, "View/Render Mode", "&Points", "", {}, renderModeIs(RenderMode::Points), setsRenderMode(RenderMode::Points)},
        {RenderWireframe, "View/Render Mode", "&Wireframe", "", {}, renderModeIs(RenderMode::Wireframe), setsRenderMode(RenderMode::Wireframe)},
        {RenderShaded, "View/Render Mode", "&Shaded", "", {}, renderModeIs(RenderMode::Shaded), setsRenderMode(RenderMode::Shaded)},
        {BottomSeeThrough, "View/Render Mode", "&Bottom See-Through", "", {}, option(&ViewOptions::bottomSeeThrough), toggles(&ViewOptions::bottomSeeThrough)},
        {SmoothShade, "View/Render Mode", "S&mooth Shade", "", {}, option(&ViewOptions::smoothShade), toggles(&ViewOptions::smoothShade)},
        {Shadow, "View/Render Mode", "S&hadow", "", {}, option(&ViewOptions::shadow), toggles(&ViewOptions::shadow)},
        {KeepCentered, "View", "&Keep Terrain Centered", "", {}, option(&ViewOptions::keepTerrainCentered), keepCentered},
        {ShowOverhead, "View", "&Show Overhead", "", {}, option(&ViewOptions::showOverhead), showOverhead},
        {ChangeViewArea, "View", "&Change View Area ...", "", {}, {}, recentres(askViewArea)},
        {NewRandom, "Options/Terrain Generation", "&New Random Terrain", "", {}, {}, editsTerrain(newRandomTerrain)},
        {FillInRandom, "Options/Terrain Generation", "&Fill In With Random Terrain", "", {}, {}, editsTerrain(fillInRandomTerrain)},
        {TerrainParams, "Options/Terrain Generation", "&Change Terrain Parameters ...", "", {}, {}, editsTerrain(askTerrainParams)},
        {AddNoise, "Options/Terrain Generation", "&Add Random Noise ...", "", {}, {}, editsTerrain(askAddNoise)},
        {FilterNoise, "Options/Terrain Generation", "F&ilter Noise ...", "", {}, {}, editsTerrain(askFilterNoise)},
        {SmoothTerrain, "Options/Terrain Generation", "&Smooth Terrain ...", "", {}, {}, editsTerrain(askSmooth)},
        {RaiseLower, "Options/Terrain Generation", "&Raise / Lower Terrain ...", "", {}, {}, editsTerrain(askRaiseLower)},
        {ThermalErosion, "Options/Terrain Generation", "&Thermal Erosion ...", "", {}, {}, editsTerrain(thermalErosionCommand)},
        {HydraulicErosion, "Options/Terrain Generation", "&Hydraulic Erosion ...", "", {}, {}, editsTerrain(hydraulicErosionCommand)},
        {HighColor, "Options/Change Colors", "Change &High Color ...", "", {}, {}, changesColour(&HeightColors::highColor, "Change High Color")},
        {BaseColor, "Options/Change Colors", "Change &Base Color ...", "", {}, {}, changesColour(&HeightColors::baseColor, "Change Base Color")},
        {LowColor, "Options/Change Colors", "Change &Low Color ...", "", {}, {}, changesColour(&HeightColors::lowColor, "Change Low Color")},
        {SeaColor, "Options/Change Colors", "Change &Sea Color ...", "", {}, {}, changesColour(&HeightColors::seaColor, "Change Sea Color")},
        {ImportModeCmd, "Options", "Change &Import Mode ...", "", {}, {}, run(askImportMode)},
        {PeakMethod, "Options/RM Options", "&Peak Method", "", {}, methodIs(ReshapeMethod::Peak), asksReshapeMethod(ReshapeMethod::Peak)},
        {DomeMethod, "Options/RM Options", "&Dome Method ...", "", {}, methodIs(ReshapeMethod::Dome), asksReshapeMethod(ReshapeMethod::Dome)},
        {RippleMethod, "Options/RM Options", "&Ripple Method ...", "", {}, methodIs(ReshapeMethod::Ripple), asksReshapeMethod(ReshapeMethod::Ripple)},
        {FreezeSelected, "Options/RM Options", "&Freeze Selected", "", {}, option(&ViewOptions::freezeSelected), toggles(&ViewOptions::freezeSelected)},
        {UpdateTrisFull, "Options/Update Tris", "&Full", "", {}, {}, updatesTris(true)},
        {UpdateTrisView, "Options/Update Tris", "&View", "", {}, {}, updatesTris(false)},
        {LayoutStandard, "Window/Layout", "&Standard", "", {}, layoutIs(ViewLayout::Standard), setsLayout(ViewLayout::Standard)},
        {LayoutAllInOne, "Window/Layout", "&All In One", "", {}, layoutIs(ViewLayout::AllInOne), setsLayout(ViewLayout::AllInOne)},
        {WindowReset, "Window", "&Reset", "", {}, {}, windowReset},
        {HelpHelp, "Help", "&Help ...", "", {}, {}, showHelp},
        {HelpAbout, "Help", "&About Landforge ...", "", {}, {}, showAbout, true},
        // After the program's own File entries.
        {RecentTerrain + 0, "File/Recent Terrains", "&1", "", hasRecent(0), {}, opensRecent(0), true},
        {RecentTerrain + 1, "File/Recent Terrains", "&2", "", hasRecent(1), {}, opensRecent(1)},
        {RecentTerrain + 2, "File/Recent Terrains", "&3", "", hasRecent(2), {}, opensRecent(2)},
        {RecentTerrain + 3, "File/Recent Terrains", "&4", "", hasRecent(3), {}, opensRecent(3)},
        {RecentTerrain + 4, "File/Recent Terrains", "&5", "", hasRecent(4), {}, opensRecent(4)},
        {RecentTerrain + 5, "File/Recent Terrains", "&6", "", hasRecent(5), {}, opensRecent(5)},
        {RecentTerrain + 6, "File/Recent Terrains", "&7", "", hasRecent(6), {}, opensRecent(6)},
        {RecentTerrain + 7, "File/Recent Terrains", "&8", "", hasRecent(7), {}, opensRecent(7)},
    };
    // clang-format on
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

std::string_view menuTitle(std::string_view menuPath) {
    for (const MenuTitle& m : kMenuTitles)
        if (m.path == menuPath) return m.title;
    return menuPath.substr(menuPath.rfind('/') + 1);
}

std::string withoutMnemonic(std::string_view caption) {
    std::string plain;
    for (std::size_t k = 0; k < caption.size(); ++k) {
        if (caption[k] == '&' && k + 1 < caption.size()) ++k;  // "&&" stands for one '&'
        plain += caption[k];
    }
    return plain;
}

bool submenuAlwaysDisabled(std::string_view menuPath) { return menuPath == "File/Export/Quake MAP"; }

bool commandEnabled(const CommandInfo& command, const EditorState& state) {
    return !command.enabled || command.enabled(state);
}

bool commandChecked(const CommandInfo& command, const EditorState& state) {
    return command.checked && command.checked(state);
}

}  // namespace landforge
