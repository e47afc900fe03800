// Untrusted documents: parse, open as the terrain, load as the import patch and commit it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "terrain/document.h"
#include "terrain/patch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    landforge::ParsedDocument doc = landforge::parseDocument(bytes);
    static landforge::TerrainState state;
    landforge::applyOpenedDocument(state, doc);
    if (doc.status.ok) {
        landforge::loadDocumentPatch(state.patch, doc);
        landforge::startImport(state);
        landforge::commitImport(state);
    }
    return 0;
}
