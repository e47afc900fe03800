#pragma once
// What the editor's keys do to the program-wide state (the letters, Enter, Escape and the
// arrows on an import or paste patch).
#include "landforge/editor/editor_context.h"

namespace landforge {

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

}  // namespace landforge
