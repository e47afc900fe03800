#include "landforge/editor/document_flows.h"

#include <filesystem>

#include "landforge/terrain/png16_export.h"
#include "landforge/terrain/terrain_edits.h"

namespace landforge {

namespace {

using korvath::Answer;
using korvath::Buttons;
using korvath::Icon;

inline constexpr const char* kImportNotice =
    "Because you are currently importing, Landforge will not export the importing patch with the working terrain.";

struct KindInfo {
    const char* filter;
    const char* extension;
};

KindInfo infoOf(FileKind kind) {
    switch (kind) {
    case FileKind::Terrain:
        return {"Landforge Files (*.lfg)", "lfg"};
    case FileKind::Bitmap:
        return {"Bitmap Files (*.bmp)", "bmp"};
    case FileKind::KorvathText:
        return {"Korvath Text Files (*.t3d)", "t3d"};
    case FileKind::Png16:
        return {"PNG Files (*.png)", "png"};
    }
    return {"", ""};
}

std::string folderOf(const std::string& path) {
    std::size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

std::optional<std::string> askPath(EditorContext& ctx, FileKind kind, korvath::FileRequest::Mode mode) {
    korvath::FileRequest request;
    request.mode = mode;
    request.title = mode == korvath::FileRequest::Mode::Open ? "Open" : "Save As";
    request.folder = ctx.state.lastFolder;
    request.filter = fileFilter(kind);
    std::optional<std::string> path = ctx.ui.pickFile(request);
    if (!path || path->empty()) return std::nullopt;
    if (mode == korvath::FileRequest::Mode::Save) *path = withDefaultExtension(*path, kind);
    ctx.state.lastFolder = folderOf(*path);
    return path;
}

void showError(EditorContext& ctx, const std::string& text) {
    ctx.ui.inform(kErrorTitle, text, Icon::Critical);
}

// Writes the rectangle; a failure is shown and leaves name, path and modified flag alone.
bool writeDocument(EditorContext& ctx, const std::string& path, const GridRect& area) {
    korvath::Status s = saveTerrain(ctx.state.terrain, path, area);
    if (!s.ok()) showError(ctx, "The terrain was not saved.\n" + s.error());
    return s.ok();
}

// Yes in a save prompt: true when the command may go on.
bool saveForPrompt(EditorContext& ctx) {
    std::string path = ctx.state.terrain.filePath;
    if (path.empty()) {
        std::optional<std::string> chosen = askSavePath(ctx, FileKind::Terrain);
        if (!chosen) return true;  // a cancelled save dialog still goes on
        path = *chosen;
    }
    return writeDocument(ctx, path, kFullRect);
}

void noticeImport(EditorContext& ctx) {
    if (ctx.state.terrain.importing) ctx.ui.inform(kNoticeTitle, kImportNotice, Icon::Information);
}

GridRect areaOf(const EditorContext& ctx, bool full) {
    return full ? kFullRect : rectOf(ctx.state.terrain.view);
}

}  // namespace

std::string fileFilter(FileKind kind) { return infoOf(kind).filter; }

std::string withDefaultExtension(const std::string& path, FileKind kind) {
    std::string name = fileNameOf(path);
    if (name.find('.') != std::string::npos) return path;
    return path + "." + infoOf(kind).extension;
}

std::optional<std::string> askOpenPath(EditorContext& ctx, FileKind kind) {
    return askPath(ctx, kind, korvath::FileRequest::Mode::Open);
}

std::optional<std::string> askSavePath(EditorContext& ctx, FileKind kind) {
    return askPath(ctx, kind, korvath::FileRequest::Mode::Save);
}

const char* savePromptText(PromptReason reason) {
    return reason == PromptReason::OpenTerrain ? "Save current Terrain?" : "Save current terrain?";
}

bool confirmDiscard(EditorContext& ctx, PromptReason reason) {
    if (!ctx.state.terrain.modified) return true;
    Answer a = ctx.ui.message({"Landforge", savePromptText(reason), Buttons::YesNoCancel, Icon::Question});
    if (a == Answer::Yes) return saveForPrompt(ctx);
    return a == Answer::No;
}

void saveFullCommand(EditorContext& ctx) {
    if (!ctx.state.terrain.modified) return;
    std::string path = ctx.state.terrain.filePath;
    if (path.empty()) {
        std::optional<std::string> chosen = askSavePath(ctx, FileKind::Terrain);
        if (!chosen) return;
        path = *chosen;
    }
    writeDocument(ctx, path, kFullRect);
}

void saveAsCommand(EditorContext& ctx) {
    if (std::optional<std::string> path = askSavePath(ctx, FileKind::Terrain))
        writeDocument(ctx, *path, kFullRect);
}

void saveViewCommand(EditorContext& ctx) {
    if (std::optional<std::string> path = askSavePath(ctx, FileKind::Terrain))
        writeDocument(ctx, *path, rectOf(ctx.state.terrain.view));
}

bool newCommand(EditorContext& ctx) {
    if (!confirmDiscard(ctx, PromptReason::NewTerrain)) return false;
    newTerrain(ctx.state.terrain);
    ctx.state.terrain.pasting = false;
    return true;
}

namespace {

bool openChosen(EditorContext& ctx, const std::string& path) {
    korvath::Status s = openTerrain(ctx.state.terrain, path);
    if (!s.ok()) {
        showError(ctx, "The terrain was not opened.\n" + s.error());
        return false;
    }
    ctx.state.terrain.importing = false;
    ctx.state.terrain.pasting = false;
    return true;
}

}  // namespace

bool openCommand(EditorContext& ctx) {
    if (!confirmDiscard(ctx, PromptReason::OpenTerrain)) return false;
    std::optional<std::string> path = askOpenPath(ctx, FileKind::Terrain);
    return path && openChosen(ctx, *path);
}

bool openTerrainAt(EditorContext& ctx, const std::string& path) {
    return confirmDiscard(ctx, PromptReason::OpenTerrain) && openChosen(ctx, path);
}

void openStartTerrain(EditorContext& ctx, const std::optional<std::string>& document, const std::string& gameFolder) {
    TerrainState& t = ctx.state.terrain;
    std::string path;
    std::error_code error;
    if (document)
        path = *document;
    else if (std::filesystem::path sample = std::filesystem::path(gameFolder) / "Terrain" / "sample.lfg";
             !gameFolder.empty() && std::filesystem::is_regular_file(sample, error))
        path = sample.string();
    if (path.empty()) return;
    korvath::Status opened = openTerrain(t, path);
    if (!opened.ok()) showError(ctx, "The terrain was not opened.\n" + opened.error());  // the grid stays reset
    ctx.state.lastFolder = std::filesystem::path(path).parent_path().string();
    t.history = {};
    t.modified = false;
}

bool importTerrainCommand(EditorContext& ctx) {
    std::optional<std::string> path = askOpenPath(ctx, FileKind::Terrain);
    if (!path) return false;
    korvath::Status s = importTerrain(ctx.state.terrain, *path);
    if (!s.ok()) showError(ctx, "The terrain was not imported.\n" + s.error());
    return s.ok();
}

bool importBitmapCommand(EditorContext& ctx) {
    std::optional<std::string> path = askOpenPath(ctx, FileKind::Bitmap);
    return path && importBitmapAt(ctx, *path);
}

bool importBitmapAt(EditorContext& ctx, const std::string& path) {
    korvath::Status s = importBitmap(ctx.state.terrain, ctx.decodeImage(path));
    if (!s.ok()) showError(ctx, s.error());
    return s.ok();
}

void exportBitmapCommand(EditorContext& ctx, bool full) {
    noticeImport(ctx);
    std::optional<std::string> path = askSavePath(ctx, FileKind::Bitmap);
    if (!path) return;
    korvath::Status s = exportBitmap(ctx.state.terrain, *path, areaOf(ctx, full));
    if (!s.ok()) showError(ctx, "The bitmap was not written.\n" + s.error());
}

void exportT3dCommand(EditorContext& ctx, bool full) {
    noticeImport(ctx);
    ctx.state.terrain.importing = false;
    int scale = ctx.dialogs.exportScale();
    if (scale <= 0) return;
    std::optional<std::string> path = askSavePath(ctx, FileKind::KorvathText);
    if (!path) return;
    korvath::Status s = exportT3d(ctx.state.terrain, *path, areaOf(ctx, full), scale);
    if (!s.ok()) showError(ctx, "The brush was not written.\n" + s.error());
}

void exportPng16Command(EditorContext& ctx, bool full) {
    noticeImport(ctx);
    std::optional<std::string> path = askSavePath(ctx, FileKind::Png16);
    if (!path) return;
    korvath::Status s = exportPng16(ctx.state.terrain.grid, *path, areaOf(ctx, full));
    if (!s.ok()) showError(ctx, "The heightmap was not written.\n" + s.error());
}

}  // namespace landforge
