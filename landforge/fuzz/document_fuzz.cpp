// Untrusted documents: parse, load as the import patch and commit it onto the terrain. The
// work after parsing follows the document's size, which a short file can declare as 256 x 256:
// only a complete document (its records all present, so no larger than the input) is loaded
// and committed, and only a full-size one is opened as the terrain, which resets and
// recomputes the whole grid.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "landforge/terrain/patch.h"
#include "landforge/terrain/terrain_edits.h"
#include "landforge/terrain/terrain_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    landforge::ParsedDocument doc = landforge::parseDocument(bytes);
    if (!doc.ok() || !doc->complete) return 0;
    static landforge::TerrainState state;
    if (doc->width == landforge::kGridSize && doc->height == landforge::kGridSize)
        landforge::applyOpenedDocument(state, doc);
    // The view area is the patch's own size, so the commit recomputes only what it covers.
    state.view.viewX = 0;
    state.view.viewY = 0;
    state.view.viewWidth = doc->width;
    state.view.viewHeight = doc->height;
    landforge::loadDocumentPatch(state.patch, doc);
    landforge::startImport(state);
    landforge::commitImport(state);
    // What this input added to the long-lived state goes with it, so libFuzzer does not take
    // the growth for a leak and scan the whole heap after every input.
    state.selection = landforge::Selection();
    return 0;
}
