#include "landforge/editor/menu_command_handlers.h"

#include <cctype>
#include <filesystem>

#include "landforge/editor/document_flows.h"
#include "landforge/editor/erosion_flows.h"
#include "landforge/editor/recent_terrains.h"
#include "landforge/terrain/filters.h"
#include "landforge/terrain/generator.h"
#include "landforge/terrain/patch.h"
#include "landforge/terrain/terrain_edits.h"

namespace landforge {

namespace {

using korvath::Icon;

inline constexpr RecentreFlags kResetAll{true, true};

CommandOutcome recentredIf(bool changed, RecentreFlags flags) {
    CommandOutcome out;
    if (changed) out.recentre = flags;
    return out;
}

CommandOutcome edited(EditorContext& ctx, bool changed) {
    if (changed) ctx.state.terrain.modified = true;
    return recentredIf(changed, RecentreFlags{});
}

// A Recent Terrains entry whose file is gone leaves the list with a message.
bool openRecent(EditorContext& ctx, std::size_t index) {
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
    const CommandInfo* info = findCommand(id);
    if (!info || !info->run || !commandEnabled(*info, ctx.state)) return {};
    CommandOutcome out = info->run(ctx);
    keepRecent(ctx.state);
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

bool confirmClose(EditorContext& ctx) { return confirmDiscard(ctx, PromptReason::Close); }

namespace handlers {

CommandHandler run(void (*command)(EditorContext&)) {
    return [command](EditorContext& ctx) {
        command(ctx);
        return CommandOutcome{};
    };
}

CommandHandler runFullOrView(void (*command)(EditorContext&, bool full), bool full) {
    return [command, full](EditorContext& ctx) {
        command(ctx, full);
        return CommandOutcome{};
    };
}

CommandHandler showsNewTerrain(Flow flow) {
    return [flow](EditorContext& ctx) { return recentredIf(flow(ctx), kResetAll); };
}

CommandHandler recentres(Flow flow) {
    return [flow](EditorContext& ctx) { return recentredIf(flow(ctx), RecentreFlags{}); };
}

CommandHandler editsTerrain(Flow flow) {
    return [flow](EditorContext& ctx) { return edited(ctx, flow(ctx)); };
}

CommandHandler editsTerrain(void (*edit)(TerrainState&)) {
    return [edit](EditorContext& ctx) {
        edit(ctx.state.terrain);
        return edited(ctx, true);
    };
}

CommandHandler toggles(bool ViewOptions::*option) {
    return [option](EditorContext& ctx) {
        ctx.state.options.*option = !(ctx.state.options.*option);
        return CommandOutcome{};
    };
}

CommandHandler setsRenderMode(RenderMode mode) {
    return [mode](EditorContext& ctx) {
        ctx.state.options.renderMode = mode;
        return CommandOutcome{};
    };
}

CommandHandler setsLayout(ViewLayout layout) {
    return [layout](EditorContext& ctx) {
        ctx.state.options.layout = layout;
        return windowReset(ctx);
    };
}

CommandHandler asksReshapeMethod(ReshapeMethod method) {
    return [method](EditorContext& ctx) {
        ToolSettings& tools = ctx.state.terrain.tools;
        applyReshapeValues(tools, method, ctx.dialogs.reshapeMethod(method, reshapeValuesOf(tools, method)));
        return CommandOutcome{};
    };
}

CommandHandler changesColour(Rgb HeightColors::*colour, const char* title) {
    return [colour, title](EditorContext& ctx) {
        Rgb& c = ctx.state.terrain.colors.*colour;
        korvath::Rgb initial{static_cast<std::uint8_t>(c.r), static_cast<std::uint8_t>(c.g),
                             static_cast<std::uint8_t>(c.b)};
        if (std::optional<korvath::Rgb> chosen = ctx.ui.pickColour(title, initial))
            c = {chosen->r, chosen->g, chosen->b};
        return CommandOutcome{};
    };
}

CommandHandler updatesTris(bool full) {
    return [full](EditorContext& ctx) {
        updateTrisCommand(ctx.state.terrain, full);
        return edited(ctx, true);
    };
}

CommandHandler opensRecent(int index) {
    return [index](EditorContext& ctx) {
        return recentredIf(openRecent(ctx, static_cast<std::size_t>(index)), kResetAll);
    };
}

CommandOutcome closeWindow(EditorContext&) {
    CommandOutcome out;
    out.closeRequested = true;
    return out;
}

CommandOutcome undoLast(EditorContext& ctx) {
    TerrainState& t = ctx.state.terrain;
    return edited(ctx, landforge::undo(t.history, t.grid));
}

CommandOutcome redoLast(EditorContext& ctx) {
    TerrainState& t = ctx.state.terrain;
    return edited(ctx, landforge::redo(t.history, t.grid));
}

CommandOutcome copyView(EditorContext& ctx) {
    copyViewArea(ctx.state.terrain);
    return {};
}

CommandOutcome startPasting(EditorContext& ctx) {
    switch (startPaste(ctx.state.terrain)) {
        case PasteStart::Started: break;
        case PasteStart::ImportActive:
            ctx.ui.inform(kWarningTitle, "Pasting while importing is not allowed.", Icon::Critical);
            break;
        case PasteStart::ClipboardEmpty:
            ctx.ui.inform(kNoticeTitle, "There is nothing to paste: copy a view area first.", Icon::Information);
            break;
    }
    return {};
}

CommandOutcome keepCentered(EditorContext& ctx) {
    ViewOptions& o = ctx.state.options;
    o.keepTerrainCentered = !o.keepTerrainCentered;
    return recentredIf(o.keepTerrainCentered, RecentreFlags{});
}

CommandOutcome showOverhead(EditorContext& ctx) {
    ViewOptions& o = ctx.state.options;
    o.showOverhead = !o.showOverhead;
    CommandOutcome out;
    out.toggleOverhead = true;
    return out;
}

CommandOutcome windowReset(EditorContext&) {
    CommandOutcome out;
    out.relayout = true;
    out.recentre = kResetAll;
    return out;
}

CommandOutcome showHelp(EditorContext& ctx) {
    std::filesystem::path page = std::filesystem::path(ctx.state.programFolder) / "readme.htm";
    std::error_code error;
    if (!std::filesystem::is_regular_file(page, error)) {
        ctx.ui.inform(kErrorTitle, "The help page readme.htm is missing from " + ctx.state.programFolder + ".",
                      Icon::Information);
        return {};
    }
    if (!ctx.dialogs.openHelp(page.string()))
        ctx.ui.inform(kErrorTitle, "The help page " + page.string() + " could not be opened.", Icon::Information);
    return {};
}

CommandOutcome showAbout(EditorContext& ctx) {
    ctx.dialogs.about();
    return {};
}

bool askTerrainParams(EditorContext& ctx) {
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

bool askAddNoise(EditorContext& ctx) {
    ToolSettings& tools = ctx.state.terrain.tools;
    std::optional<NoiseValues> v = ctx.dialogs.addNoise({tools.noiseHigh, tools.noiseLow});
    if (!v) return false;
    tools.noiseHigh = v->high;
    tools.noiseLow = v->low;
    addRandomNoise(ctx.state.terrain, v->high, v->low);
    return true;
}

bool askFilterNoise(EditorContext& ctx) {
    ToolSettings& tools = ctx.state.terrain.tools;
    std::optional<FilterNoiseValues> v = ctx.dialogs.filterNoise({static_cast<int>(tools.maxNoise)});
    if (!v) return false;
    tools.maxNoise = static_cast<float>(withLimits(*v).maxNoise);
    landforge::filterNoise(ctx.state.terrain, tools.maxNoise);
    return true;
}

bool askSmooth(EditorContext& ctx) {
    std::optional<SmoothValues> v = askSmoothValues(ctx.dialogs, meanHeight(ctx.state.terrain.grid));
    if (!v) return false;
    SmoothValues l = withLimits(*v);
    if (l.method == SmoothChoice::Flatten) flattenTerrain(ctx.state.terrain, l.percent);
    else averageTerrain(ctx.state.terrain, l.percent);
    return true;
}

bool askRaiseLower(EditorContext& ctx) {
    std::optional<RaiseLowerValues> v = ctx.dialogs.raiseLower();
    if (!v) return false;
    if (v->raise) raiseTerrain(ctx.state.terrain, v->mode, v->height);
    else lowerTerrain(ctx.state.terrain, v->mode, v->height);
    return true;
}

bool askViewArea(EditorContext& ctx) {
    ViewArea& view = ctx.state.terrain.view;
    std::optional<ViewAreaValues> v = ctx.dialogs.viewArea({view.viewWidth, view.viewHeight});
    if (!v) return false;
    landforge::changeViewArea(ctx.state.terrain, v->width, v->height);
    return true;
}

void askImportMode(EditorContext& ctx) {
    ImportPatch& p = ctx.state.terrain.patch;
    if (std::optional<ImportModeValues> v = ctx.dialogs.importMode({p.importMode, p.importWeight}))
        setImportMode(p, v->mode, v->weight);
}

}  // namespace handlers

}  // namespace landforge
