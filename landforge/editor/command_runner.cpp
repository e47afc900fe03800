#include "editor/command_runner.h"

#include <cctype>
#include <filesystem>

#include "editor/command_table.h"
#include "editor/document_flows.h"
#include "editor/erosion_command.h"
#include "editor/recent_terrains.h"
#include "terrain/commands.h"
#include "terrain/filters.h"
#include "terrain/generator.h"
#include "terrain/patch.h"

namespace landforge {

namespace {

using korvath::Icon;

inline constexpr RecentreFlags kResetAll{true, true};

void changeColour(EditorContext& ctx, Rgb& colour, const char* title) {
    korvath::Rgb initial{static_cast<std::uint8_t>(colour.r), static_cast<std::uint8_t>(colour.g),
                         static_cast<std::uint8_t>(colour.b)};
    if (std::optional<korvath::Rgb> chosen = ctx.ui.pickColour(title, initial))
        colour = {chosen->r, chosen->g, chosen->b};
}

bool terrainParamsCommand(EditorContext& ctx) {
    TerrainState& t = ctx.state.terrain;
    std::optional<TerrainParamsValues> v = ctx.dialogs.terrainParams(paramsValuesOf(t.params));
    if (!v) return false;
    TerrainParamsValues l = withLimits(*v);
    TerrainParameters entered = t.params;
    entered.seed = l.seed;
    entered.dampening = l.dampening;
    entered.initialHeight = l.initialHeight;
    entered.seaLevel = l.seaLevel;
    changeTerrainParameters(t, entered);
    return true;
}

bool addNoiseCommand(EditorContext& ctx) {
    ToolSettings& tools = ctx.state.terrain.tools;
    std::optional<NoiseValues> v = ctx.dialogs.addNoise({tools.noiseHigh, tools.noiseLow});
    if (!v) return false;
    tools.noiseHigh = v->high;
    tools.noiseLow = v->low;
    addRandomNoise(ctx.state.terrain, v->high, v->low);
    return true;
}

bool filterNoiseCommand(EditorContext& ctx) {
    ToolSettings& tools = ctx.state.terrain.tools;
    std::optional<FilterNoiseValues> v = ctx.dialogs.filterNoise({static_cast<int>(tools.maxNoise)});
    if (!v) return false;
    tools.maxNoise = static_cast<float>(withLimits(*v).maxNoise);
    filterNoise(ctx.state.terrain, tools.maxNoise);
    return true;
}

bool smoothCommand(EditorContext& ctx) {
    std::optional<SmoothValues> v = askSmoothValues(ctx.dialogs, meanHeight(ctx.state.terrain.grid));
    if (!v) return false;
    SmoothValues l = withLimits(*v);
    if (l.method == SmoothChoice::Flatten) flattenTerrain(ctx.state.terrain, l.percent);
    else averageTerrain(ctx.state.terrain, l.percent);
    return true;
}

bool raiseLowerCommand(EditorContext& ctx) {
    std::optional<RaiseLowerValues> v = ctx.dialogs.raiseLower();
    if (!v) return false;
    if (v->raise) raiseTerrain(ctx.state.terrain, v->mode, v->height);
    else lowerTerrain(ctx.state.terrain, v->mode, v->height);
    return true;
}

void reshapeMethodCommand(EditorContext& ctx, ReshapeMethod method) {
    ToolSettings& tools = ctx.state.terrain.tools;
    applyReshapeValues(tools, method, ctx.dialogs.reshapeMethod(method, reshapeValuesOf(tools, method)));
}

void importModeCommand(EditorContext& ctx) {
    ImportPatch& p = ctx.state.terrain.patch;
    if (std::optional<ImportModeValues> v = ctx.dialogs.importMode({p.importMode, p.importWeight}))
        setImportMode(p, v->mode, v->weight);
}

bool viewAreaCommand(EditorContext& ctx) {
    ViewArea& view = ctx.state.terrain.view;
    std::optional<ViewAreaValues> v = ctx.dialogs.viewArea({view.viewWidth, view.viewHeight});
    if (!v) return false;
    changeViewArea(ctx.state.terrain, v->width, v->height);
    return true;
}

void pasteCommand(EditorContext& ctx) {
    switch (startPaste(ctx.state.terrain)) {
    case PasteStart::Started:
        return;
    case PasteStart::ImportActive:
        ctx.ui.inform(kWarningTitle, "Pasting while importing is not allowed.", Icon::Critical);
        return;
    case PasteStart::ClipboardEmpty:
        ctx.ui.inform(kNoticeTitle, "There is nothing to paste: copy a view area first.", Icon::Information);
        return;
    }
}

void helpCommand(EditorContext& ctx) {
    std::filesystem::path page = std::filesystem::path(ctx.state.programFolder) / "readme.htm";
    std::error_code error;
    if (!std::filesystem::is_regular_file(page, error)) {
        ctx.ui.inform(kErrorTitle, "The help page readme.htm is missing from " + ctx.state.programFolder + ".",
                      Icon::Information);
        return;
    }
    if (!ctx.dialogs.openHelp(page.string()))
        ctx.ui.inform(kErrorTitle, "The help page " + page.string() + " could not be opened.", Icon::Information);
}

void setLayout(ViewOptions& options, ViewLayout layout, CommandOutcome& out) {
    options.layout = layout;
    out.relayout = true;
    out.recentre = kResetAll;
}

// A Recent Terrains entry whose file is gone leaves the list with a message.
bool openRecentCommand(EditorContext& ctx, std::size_t index) {
    std::vector<std::string>& recent = ctx.state.recentTerrains;
    if (index >= recent.size()) return false;
    std::string path = recent[index];
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        recent.erase(recent.begin() + static_cast<std::ptrdiff_t>(index));
        if (!ctx.state.recentTerrainsFile.empty()) saveRecentTerrains(ctx.state.recentTerrainsFile, recent);
        ctx.ui.inform(kErrorTitle, "The terrain " + path + " is no longer there.", Icon::Information);
        return false;
    }
    return openTerrainAt(ctx, path);
}

// The document the window now shows heads Recent Terrains (after an open or a save).
void keepRecent(EditorState& s) {
    const std::string& path = s.terrain.filePath;
    if (path.empty() || (!s.recentTerrains.empty() && s.recentTerrains.front() == path)) return;
    rememberTerrain(s.recentTerrains, path);
    // The list is a convenience: a settings folder that cannot be written loses nothing else.
    if (!s.recentTerrainsFile.empty()) saveRecentTerrains(s.recentTerrainsFile, s.recentTerrains);
}

}  // namespace

std::optional<SmoothValues> askSmoothValues(EditorDialogs& dialogs, float meanHeight) {
    for (;;) {
        SmoothChoice method = dialogs.smoothMethod();
        if (method == SmoothChoice::Cancel) return std::nullopt;
        if (std::optional<int> percent = dialogs.smoothPercent(method, meanHeight))
            return SmoothValues{method, *percent};
    }
}

CommandOutcome runCommand(EditorContext& ctx, int id) {
    using namespace cmd;
    EditorState& s = ctx.state;
    TerrainState& t = s.terrain;
    ViewOptions& o = s.options;
    CommandOutcome out;
    const CommandInfo* info = findCommand(id);
    if (!info || !commandEnabled(*info, s)) return out;
    // Every change to the terrain marks the document, so closing asks before the work is lost.
    auto edited = [&](bool changed) {
        if (!changed) return;
        out.recentre = RecentreFlags{};
        t.modified = true;
    };
    switch (id) {
    case FileNew: if (newCommand(ctx)) out.recentre = kResetAll; break;
    case FileOpen: if (openCommand(ctx)) out.recentre = kResetAll; break;
    case SaveFull: saveFullCommand(ctx); break;
    case SaveView: saveViewCommand(ctx); break;
    case SaveAs: saveAsCommand(ctx); break;
    case ImportTerrain: if (importTerrainCommand(ctx)) out.recentre = RecentreFlags{}; break;
    case ImportBitmap: if (importBitmapCommand(ctx)) out.recentre = RecentreFlags{}; break;
    case ExportBitmapFull: exportBitmapCommand(ctx, true); break;
    case ExportBitmapView: exportBitmapCommand(ctx, false); break;
    case ExportT3dFull: exportT3dCommand(ctx, true); break;
    case ExportT3dView: exportT3dCommand(ctx, false); break;
    case FileExit: out.closeRequested = true; break;
    case Undo: edited(undo(t.history, t.grid)); break;
    case Redo: edited(redo(t.history, t.grid)); break;
    case Copy: copyViewArea(t); break;
    case Paste: pasteCommand(ctx); break;
    case RenderPoints: o.renderMode = RenderMode::Points; break;
    case RenderWireframe: o.renderMode = RenderMode::Wireframe; break;
    case RenderShaded: o.renderMode = RenderMode::Shaded; break;
    case BottomSeeThrough: o.bottomSeeThrough = !o.bottomSeeThrough; break;
    case SmoothShade: o.smoothShade = !o.smoothShade; break;
    case Shadow: o.shadow = !o.shadow; break;
    case KeepCentered:
        o.keepTerrainCentered = !o.keepTerrainCentered;
        if (o.keepTerrainCentered) out.recentre = RecentreFlags{};
        break;
    case ShowOverhead:
        o.showOverhead = !o.showOverhead;
        out.toggleOverhead = true;
        break;
    case ChangeViewArea: if (viewAreaCommand(ctx)) out.recentre = RecentreFlags{}; break;
    case NewRandom: newRandomTerrain(t); edited(true); break;
    case FillInRandom: fillInRandomTerrain(t); edited(true); break;
    case TerrainParams: edited(terrainParamsCommand(ctx)); break;
    case AddNoise: edited(addNoiseCommand(ctx)); break;
    case FilterNoise: edited(filterNoiseCommand(ctx)); break;
    case SmoothTerrain: edited(smoothCommand(ctx)); break;
    case RaiseLower: edited(raiseLowerCommand(ctx)); break;
    case HighColor: changeColour(ctx, t.colors.highColor, "Change High Color"); break;
    case BaseColor: changeColour(ctx, t.colors.baseColor, "Change Base Color"); break;
    case LowColor: changeColour(ctx, t.colors.lowColor, "Change Low Color"); break;
    case SeaColor: changeColour(ctx, t.colors.seaColor, "Change Sea Color"); break;
    case ImportModeCmd: importModeCommand(ctx); break;
    case PeakMethod: reshapeMethodCommand(ctx, ReshapeMethod::Peak); break;
    case DomeMethod: reshapeMethodCommand(ctx, ReshapeMethod::Dome); break;
    case RippleMethod: reshapeMethodCommand(ctx, ReshapeMethod::Ripple); break;
    case FreezeSelected: o.freezeSelected = !o.freezeSelected; break;
    case UpdateTrisFull: updateTrisCommand(t, true); edited(true); break;
    case UpdateTrisView: updateTrisCommand(t, false); edited(true); break;
    case LayoutStandard: setLayout(o, ViewLayout::Standard, out); break;
    case LayoutAllInOne: setLayout(o, ViewLayout::AllInOne, out); break;
    case WindowReset: out.relayout = true; out.recentre = kResetAll; break;
    case HelpHelp: helpCommand(ctx); break;
    case HelpAbout: ctx.dialogs.about(); break;
    case ThermalErosion: edited(thermalErosionCommand(ctx)); break;
    case HydraulicErosion: edited(hydraulicErosionCommand(ctx)); break;
    case ExportPng16Full: exportPng16Command(ctx, true); break;
    case ExportPng16View: exportPng16Command(ctx, false); break;
    default:
        if (id >= RecentTerrain && id < RecentTerrain + kRecentTerrainCount &&
            openRecentCommand(ctx, static_cast<std::size_t>(id - RecentTerrain)))
            out.recentre = kResetAll;
        break;
    }
    keepRecent(s);
    return out;
}

CommandOutcome dropFile(EditorContext& ctx, const std::string& path) {
    CommandOutcome out;
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == ".lfg") {
        if (openTerrainAt(ctx, path)) out.recentre = kResetAll;
    } else if (importBitmapAt(ctx, path)) {
        out.recentre = RecentreFlags{};
    }
    keepRecent(ctx.state);
    return out;
}

EditorKey keyOfChar(char c) {
    switch (c) {
    case 'g': case 'G': return EditorKey::G;
    case 'i': case 'I': return EditorKey::I;
    case 'r': case 'R': return EditorKey::R;
    case 's': case 'S': return EditorKey::S;
    case 'x': case 'X': return EditorKey::X;
    case 'z': case 'Z': return EditorKey::Z;
    default: return EditorKey::None;
    }
}

int nextSnapDivisor(int divisor) {
    switch (divisor) {
    case 0: return 1;
    case 1: return 2;
    case 2: return 4;
    case 4: return 8;
    case 8: return 16;
    default: return 0;
    }
}

KeyOutcome applyKey(EditorContext& ctx, EditorKey key) {
    TerrainState& t = ctx.state.terrain;
    ViewOptions& o = ctx.state.options;
    KeyOutcome out{true, false};
    auto patchKey = [&](PatchKey k) { out.terrainChanged = movePatch(t, k); };
    switch (key) {
    case EditorKey::G: o.snapDivisor = nextSnapDivisor(o.snapDivisor); break;
    case EditorKey::I:
        if (t.selection.empty())
            ctx.ui.inform(kErrorTitle, "You must have points selected in order to see information on them.",
                          Icon::Information);
        else
            ctx.dialogs.pointInfo(pointInfoText(t));
        break;
    case EditorKey::R: o.reshapeOn = !o.reshapeOn; break;
    case EditorKey::S:
        o.selectMode = o.selectMode == SelectMode::Select ? SelectMode::Deselect : SelectMode::Select;
        break;
    case EditorKey::X: o.dragAxis = DragAxis::XYPlane; break;
    case EditorKey::Z: o.dragAxis = DragAxis::ZAxis; break;
    case EditorKey::Enter:
        out.terrainChanged = t.importing || t.pasting;
        if (out.terrainChanged) t.modified = true;
        commitPatches(t);
        break;
    case EditorKey::Escape:
        out.terrainChanged = t.importing || t.pasting;
        cancelPatches(t);
        break;
    case EditorKey::Left: patchKey(PatchKey::Left); break;
    case EditorKey::Right: patchKey(PatchKey::Right); break;
    case EditorKey::Up: patchKey(PatchKey::Up); break;
    case EditorKey::Down: patchKey(PatchKey::Down); break;
    case EditorKey::None: out.handled = false; break;
    }
    return out;
}

bool confirmClose(EditorContext& ctx) { return confirmDiscard(ctx, PromptReason::Close); }

}  // namespace landforge
