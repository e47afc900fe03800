#include "editor/status_texts.h"

namespace landforge {

namespace {

std::string pair(int a, int b) { return std::to_string(a) + "," + std::to_string(b); }

std::string importModeText(const ImportPatch& patch) {
    std::string weight = std::to_string(patch.importWeight) + "%";
    switch (patch.importMode) {
    case ImportMode::Add:
        return "Add - " + weight;
    case ImportMode::Replace:
        return "Replace";
    case ImportMode::Subtract:
        return "Subtract - " + weight;
    }
    return "";
}

}  // namespace

std::array<std::string, kStatusPartCount> statusTexts(const EditorState& state) {
    const TerrainState& t = state.terrain;
    const ViewOptions& o = state.options;
    std::array<std::string, kStatusPartCount> parts;
    parts[0] = pair(t.view.viewWidth, t.view.viewHeight);
    parts[1] = pair(t.view.viewX, t.view.viewY);
    parts[2] = o.snapDivisor == 0 ? "Snap Off" : "Snap " + std::to_string(o.snapDivisor);
    if (o.layout == ViewLayout::AllInOne)
        parts[3] = o.dragAxis == DragAxis::XYPlane ? "XY plane" : "Z axis";
    else
        parts[3] = "N/A";
    parts[4] = importModeText(t.patch);
    parts[5] = t.importing ? "Importing" : (t.pasting ? "Pasting" : "");
    parts[6] = o.selectMode == SelectMode::Select ? "Select" : "Deselect";
    parts[7] = o.reshapeOn ? "RM On" : "RM Off";
    return parts;
}

}  // namespace landforge
