#pragma once
// The document commands as the user meets them: the save prompts, the file choosers with their
// filters and default extensions, and the messages of a refused file or a failed write. A
// failed save or export keeps the document, its name and its modified flag.
#include <optional>
#include <string>

#include "landforge/editor/editor_context.h"

namespace landforge {

enum class FileKind { Terrain, Bitmap, KorvathText, Png16 };

// "Landforge Files (*.lfg)", "Bitmap Files (*.bmp)", "Korvath Text Files (*.t3d)".
std::string fileFilter(FileKind kind);
// A chosen name without an extension gets the kind's own ("lfg", "bmp", "t3d").
std::string withDefaultExtension(const std::string& path, FileKind kind);

std::optional<std::string> askOpenPath(EditorContext& ctx, FileKind kind);
std::optional<std::string> askSavePath(EditorContext& ctx, FileKind kind);

enum class PromptReason { NewTerrain, OpenTerrain, Close };
// "Save current terrain?" (New, close) or "Save current Terrain?" (Open).
const char* savePromptText(PromptReason reason);

// The save prompt when the terrain is modified. True when the command may go on: No, or Yes
// and the terrain was saved, or Yes and the save dialog was cancelled. False for Cancel, and
// when the save failed (the work is not thrown away).
bool confirmDiscard(EditorContext& ctx, PromptReason reason);

// Save Terrain > Full: only when modified; to the document's own path, or through the dialog.
void saveFullCommand(EditorContext& ctx);
// Save Terrain As (a named document is asked for a new name too) and Save Terrain > View.
void saveAsCommand(EditorContext& ctx);
void saveViewCommand(EditorContext& ctx);
// True when the terrain was replaced.
bool openCommand(EditorContext& ctx);
// Open without the chooser (a dropped file, a Recent Terrains entry): the prompt, then the file.
bool openTerrainAt(EditorContext& ctx, const std::string& path);
bool newCommand(EditorContext& ctx);
bool importTerrainCommand(EditorContext& ctx);
bool importBitmapCommand(EditorContext& ctx);
bool importBitmapAt(EditorContext& ctx, const std::string& path);
// The terrain the window starts on: `document` when given, else the game's Terrain/sample.lfg
// when `gameFolder` holds one, else the reset grid. A document that cannot be read is reported
// and the window starts on the reset grid; nothing is left to undo and nothing is modified.
void openStartTerrain(EditorContext& ctx, const std::optional<std::string>& document, const std::string& gameFolder);

void exportBitmapCommand(EditorContext& ctx, bool full);
void exportT3dCommand(EditorContext& ctx, bool full);
// File > Export > Heightmap (16-bit PNG) > Full / View.
void exportPng16Command(EditorContext& ctx, bool full);

}  // namespace landforge
