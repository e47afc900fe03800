#pragma once
// What the menu commands do to the program-wide state: the handlers the command table's rows
// name, and running a command by its id. The shell then does what the outcome asks of the
// windows.
#include <string>

#include "landforge/editor/editor_context.h"
#include "landforge/editor/menu_command_table.h"

namespace landforge {

// Runs the command with this id when it is enabled; afterwards the document the window shows
// heads Recent Terrains.
CommandOutcome runCommand(EditorContext& ctx, int id);
// A file dropped on the window: a terrain document opens (after the save prompt), any other
// file is imported as a bitmap.
CommandOutcome dropFile(EditorContext& ctx, const std::string& path);

// The close request: false when the user chose to keep the program running.
bool confirmClose(EditorContext& ctx);

// The handlers of the table's rows, by what they change.
namespace handlers {
using Flow = bool (*)(EditorContext&);  // true when it changed what it names

CommandHandler run(void (*command)(EditorContext&));
CommandHandler runFullOrView(void (*command)(EditorContext&, bool full), bool full);
// A new terrain is shown: every view is reset.
CommandHandler showsNewTerrain(Flow flow);
// The terrain or the view area changed: the views re-centre.
CommandHandler recentres(Flow flow);
// Every change to the terrain marks the document, so closing asks before the work is lost.
CommandHandler editsTerrain(Flow flow);
CommandHandler editsTerrain(void (*edit)(TerrainState&));
CommandHandler toggles(bool ViewOptions::*option);
CommandHandler setsRenderMode(RenderMode mode);
CommandHandler setsLayout(ViewLayout layout);
CommandHandler asksReshapeMethod(ReshapeMethod method);
CommandHandler changesColour(Rgb HeightColors::*colour, const char* title);
CommandHandler updatesTris(bool full);
// File > Recent Terrains entry `index` (0 = newest).
CommandHandler opensRecent(int index);

CommandOutcome closeWindow(EditorContext& ctx);
CommandOutcome undoLast(EditorContext& ctx);
CommandOutcome redoLast(EditorContext& ctx);
CommandOutcome copyView(EditorContext& ctx);
CommandOutcome startPasting(EditorContext& ctx);
CommandOutcome keepCentered(EditorContext& ctx);
CommandOutcome showOverhead(EditorContext& ctx);
CommandOutcome windowReset(EditorContext& ctx);
CommandOutcome showHelp(EditorContext& ctx);
CommandOutcome showAbout(EditorContext& ctx);

bool askTerrainParams(EditorContext& ctx);
bool askAddNoise(EditorContext& ctx);
bool askFilterNoise(EditorContext& ctx);
bool askSmooth(EditorContext& ctx);
bool askRaiseLower(EditorContext& ctx);
bool askViewArea(EditorContext& ctx);
void askImportMode(EditorContext& ctx);
}  // namespace handlers

}  // namespace landforge
