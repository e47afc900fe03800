#pragma once
// Landforge documents (.lfg): little-endian int32 width and height, then the points of the
// area (rows j outer, x y z floats), then its interior cells (int32 diagonal, centre x y z).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"
#include "landforge/terrain/terrain_state.h"

namespace landforge {

// The document bytes of a rectangle of the grid, coordinates as stored.
std::string writeDocument(const Heightfield& grid, const GridRect& area);

// A checked document's records: every value finite, width and height within 1-256. Holds the
// complete records that were present; `complete` is false when the file is shorter than announced.
struct DocumentContents {
    int width = 0;
    int height = 0;
    std::vector<TerrainPoint> points;  // at most width x height, rows j outer
    std::vector<TerrainCell> cells;    // at most (width-1) x (height-1)
    bool complete = false;
};

// The contents, or why the document is refused (the message shown, word for word).
using ParsedDocument = korvath::Result<DocumentContents>;

ParsedDocument parseDocument(std::string_view bytes);

// Reads and parses a file; refused with "The file cannot be read." when it cannot be read.
ParsedDocument readDocumentFile(const std::string& path);

}  // namespace landforge
