#pragma once
// What each menu command and each key does to the program-wide state. The shell calls these
// and then does what the outcome asks of the windows; afterwards it refreshes the title, the
// status bar, the menu's checks and enabled entries, and redraws every view.
#include <optional>
#include <string>

#include "editor/editor_context.h"

namespace landforge {

struct CommandOutcome {
    std::optional<RecentreFlags> recentre;  // re-centre the views with these switches
    bool relayout = false;                  // the layout changed: show the other views
    bool toggleOverhead = false;            // Show Overhead changed: open or close the window
    bool closeRequested = false;            // Exit: the window's close (and its prompt)
};

CommandOutcome runCommand(EditorContext& ctx, int id);
// A file dropped on the window: a terrain document opens (after the save prompt), any other
// file is imported as a bitmap.
CommandOutcome dropFile(EditorContext& ctx, const std::string& path);

enum class EditorKey { None, G, I, R, S, X, Z, Enter, Escape, Left, Right, Up, Down };

// A character key, upper or lower case; None for any other.
EditorKey keyOfChar(char c);
// The snap divisor after G: 0, 1, 2, 4, 8, 16 and round again.
int nextSnapDivisor(int divisor);

struct KeyOutcome {
    bool handled = false;
    bool terrainChanged = false;  // a patch was moved, committed or dropped: redraw
};

KeyOutcome applyKey(EditorContext& ctx, EditorKey key);

// The close request: false when the user chose to keep the program running.
bool confirmClose(EditorContext& ctx);

}  // namespace landforge
