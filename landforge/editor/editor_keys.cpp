#include "landforge/editor/editor_keys.h"

#include "landforge/terrain/patch.h"
#include "landforge/terrain/terrain_edits.h"

namespace landforge {

using korvath::Icon;

EditorKey keyOfChar(char c) {
    switch (c) {
        case 'g':
        case 'G': return EditorKey::G;
        case 'i':
        case 'I': return EditorKey::I;
        case 'r':
        case 'R': return EditorKey::R;
        case 's':
        case 'S': return EditorKey::S;
        case 'x':
        case 'X': return EditorKey::X;
        case 'z':
        case 'Z': return EditorKey::Z;
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
            else ctx.dialogs.pointInfo(pointInfoText(t));
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

}  // namespace landforge
