#include "landforge/terrain/terrain_file.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

namespace landforge {

namespace {

static_assert(std::endian::native == std::endian::little, "documents are little-endian");

void putInt(std::string& out, std::int32_t v) {
    char b[4];
    std::memcpy(b, &v, 4);
    out.append(b, 4);
}

void putFloat(std::string& out, float v) {
    char b[4];
    std::memcpy(b, &v, 4);
    out.append(b, 4);
}

std::int32_t getInt(const char* p) {
    std::int32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

float getFloat(const char* p) {
    float v;
    std::memcpy(&v, p, 4);
    return v;
}

constexpr std::size_t kPointBytes = 12;
constexpr std::size_t kCellBytes = 16;

}  // namespace

std::string writeDocument(const Heightfield& grid, const GridRect& a) {
    std::string out;
    out.reserve(8 + kPointBytes * a.width * a.height + kCellBytes * (a.width - 1) * (a.height - 1));
    putInt(out, a.width);
    putInt(out, a.height);
    for (int j = a.y; j < a.y + a.height; ++j)
        for (int i = a.x; i < a.x + a.width; ++i) {
            const TerrainPoint& p = grid.point(i, j);
            putFloat(out, p.x);
            putFloat(out, p.y);
            putFloat(out, p.z);
        }
    for (int j = a.y; j < a.y + a.height - 1; ++j)
        for (int i = a.x; i < a.x + a.width - 1; ++i) {
            const TerrainCell& c = grid.cell(i, j);
            putInt(out, c.diagonal);
            putFloat(out, c.center.x);
            putFloat(out, c.center.y);
            putFloat(out, c.center.z);
        }
    return out;
}

ParsedDocument parseDocument(std::string_view bytes) {
    if (bytes.size() < 8) return ParsedDocument::failure("The file is too short to be a Landforge terrain.");
    std::int32_t w = getInt(bytes.data());
    std::int32_t h = getInt(bytes.data() + 4);
    if (w < 1 || w > kGridSize || h < 1 || h > kGridSize)
        return ParsedDocument::failure("The terrain size " + std::to_string(w) + " x " + std::to_string(h) +
                                       " is outside 1-256.");
    DocumentContents doc;
    doc.width = w;
    doc.height = h;
    std::size_t pointCount = static_cast<std::size_t>(w) * h;
    std::size_t cellCount = static_cast<std::size_t>(w - 1) * (h - 1);
    std::size_t pos = 8;
    std::size_t pointsPresent = std::min(pointCount, (bytes.size() - pos) / kPointBytes);
    doc.points.resize(pointsPresent);
    for (std::size_t k = 0; k < pointsPresent; ++k, pos += kPointBytes) {
        const char* p = bytes.data() + pos;
        doc.points[k] = {getFloat(p), getFloat(p + 4), getFloat(p + 8)};
    }
    std::size_t cellsPresent = 0;
    if (pointsPresent == pointCount) cellsPresent = std::min(cellCount, (bytes.size() - pos) / kCellBytes);
    doc.cells.resize(cellsPresent);
    for (std::size_t k = 0; k < cellsPresent; ++k, pos += kCellBytes) {
        const char* p = bytes.data() + pos;
        doc.cells[k] = {{getFloat(p + 4), getFloat(p + 8), getFloat(p + 12)}, getInt(p)};
    }
    doc.complete = pointsPresent == pointCount && cellsPresent == cellCount;
    auto finite = [](const TerrainPoint& p) {
        return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
    };
    bool allFinite =
        std::all_of(doc.points.begin(), doc.points.end(), finite) &&
        std::all_of(doc.cells.begin(), doc.cells.end(), [&](const TerrainCell& c) { return finite(c.center); });
    if (!allFinite) return ParsedDocument::failure("The terrain holds a value that is not a number.");
    return doc;
}

namespace {

// No document is longer than a Full one; a longer file is read only that far, so a wrong
// choice of a huge file neither fills the memory nor takes long.
constexpr std::size_t kLargestDocument = 8 + kPointBytes * kGridSize * kGridSize + kCellBytes * kCellCount * kCellCount;
static_assert(kLargestDocument == 1826840);

std::optional<std::string> readDocumentBytes(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(kLargestDocument, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

}  // namespace

ParsedDocument readDocumentFile(const std::string& path) {
    std::optional<std::string> bytes = readDocumentBytes(path);
    if (!bytes) return ParsedDocument::failure("The file cannot be read.");
    return parseDocument(*bytes);
}

}  // namespace landforge
