#pragma once
// The game's vertex-mesh files: the data file (48-byte header, 16-byte triangle records) and
// the animation file (4-byte header, frames of packed 32-bit vertices), little-endian.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "exporter/plugin/export_rules.h"

namespace korvathexp {

struct TriangleRecord {
    std::uint16_t a = 0, b = 0, c = 0;  // vertex indices
    std::uint8_t polygonType = 0;
    std::uint8_t uv[6] = {0, 0, 0, 0, 0, 0};  // U and V of A, B, C
    std::uint8_t textureNumber = 0;
};

// Truncates toward zero and keeps the low 32 bits, as the format's integer fields do. Values
// too large for any field (or not numbers) give 0 rather than an undefined conversion.
std::uint32_t TruncatedBits(double value);

// The same, inline for the per-vertex loop: values that fit 32 bits are cut directly.
inline std::uint32_t FieldBits(double value) {
    if (value > -2147483648.0 && value < 2147483648.0) return static_cast<std::uint32_t>(static_cast<std::int32_t>(value));
    return TruncatedBits(value);
}

// x and y in steps of 1/8 in 11 bits, z in steps of 1/4 in 10 bits; values out of range wrap.
inline std::uint32_t PackVertex(float x, float y, float z) {
    const std::uint32_t px = FieldBits(x * 8.0) & 0x7FF;
    const std::uint32_t py = FieldBits(y * 8.0) & 0x7FF;
    const std::uint32_t pz = FieldBits(z * 4.0) & 0x3FF;
    return px | (py << 11) | (pz << 22);
}
// Texture coordinate bytes: low 8 bits of u x 255 and (1 - v) x 255, truncated toward zero.
std::uint8_t TextureU(float u);
std::uint8_t TextureV(float v);

void WriteDataHeader(std::FILE* file, int triangleCount, int vertexCount);
void WriteTriangle(std::FILE* file, const TriangleRecord& record);
// The same 16 bytes added to `out`, for writing many records at once.
void AppendTriangle(std::vector<unsigned char>& out, const TriangleRecord& record);
void WriteAnimationHeader(std::FILE* file, int frameCount, int frameSize);
void WritePackedVertices(std::FILE* file, const std::vector<std::uint32_t>& words);

// WrongSize: the file is longer or shorter than its header says (cut short, or not ours).
enum class AppendResult { Ready, Mismatch, TooManyFrames, WrongSize };

// Checks an animation file opened "r+b" (its size against its header, its frame size against
// the new export), and when it fits writes the raised frame count and positions the file after
// the stored frames. On a refusal the file is left as it was.
AppendResult OpenAnimationForAppend(std::FILE* file, int vertexCount, int newFrames);
// The message box text of a refusal.
const char* AppendRefusal(AppendResult result);

}  // namespace korvathexp
