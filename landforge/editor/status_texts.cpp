#include "landforge/editor/status_texts.h"

#include <algorithm>

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

const std::vector<std::string>& statusPartLongestTexts(int part) {
    static const std::array<std::vector<std::string>, kStatusPartCount> texts{{
        {"256,256"},
        {"255,255"},
        {"Snap Off", "Snap 16"},
        {"XY plane", "Z axis", "N/A"},
        {"Subtract - 100%", "Add - 100%", "Replace"},
        {"Importing", "Pasting"},
        {"Select", "Deselect"},
        {"RM On", "RM Off"},
    }};
    return texts.at(static_cast<std::size_t>(part));
}

std::array<int, kStatusPartCount> statusPartEdges(const std::function<int(const std::string&)>& textWidth,
                                                 int padding) {
    std::array<int, kStatusPartCount> edges{};
    int left = 0;
    for (int k = 0; k < kStatusPartCount; ++k) {
        int width = kStatusPartEdges[k] - (k == 0 ? 0 : kStatusPartEdges[k - 1]);
        for (const std::string& text : statusPartLongestTexts(k)) width = std::max(width, textWidth(text) + padding);
        left += width;
        edges[k] = left;
    }
    return edges;
}

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
