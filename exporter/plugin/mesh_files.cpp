#include "exporter/plugin/mesh_files.h"

#include <bit>
#include <cmath>

namespace korvathexp {

namespace {

void put16(unsigned char* out, unsigned value) {
    out[0] = static_cast<unsigned char>(value & 0xFF);
    out[1] = static_cast<unsigned char>((value >> 8) & 0xFF);
}

// The 16 bytes of a triangle record; the unused bytes stay as they are (zero).
void fillTriangle(unsigned char* bytes, const TriangleRecord& record) {
    put16(bytes, record.a);
    put16(bytes + 2, record.b);
    put16(bytes + 4, record.c);
    bytes[6] = record.polygonType;
    for (int i = 0; i < 6; ++i) bytes[8 + i] = record.uv[i];
    bytes[14] = record.textureNumber;
}

}  // namespace

std::uint32_t TruncatedBits(double value) {
    if (!std::isfinite(value) || std::fabs(value) >= 9.0e18) return 0;
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(static_cast<std::int64_t>(value)));
}

std::uint8_t TextureU(float u) { return static_cast<std::uint8_t>(FieldBits(u * 255.0) & 0xFF); }

std::uint8_t TextureV(float v) { return static_cast<std::uint8_t>(FieldBits((1.0 - v) * 255.0) & 0xFF); }

void WriteDataHeader(std::FILE* file, int triangleCount, int vertexCount) {
    unsigned char header[48] = {};
    put16(header, static_cast<unsigned>(triangleCount));
    put16(header + 2, static_cast<unsigned>(vertexCount));
    std::fwrite(header, 1, sizeof header, file);
}

void AppendTriangle(std::vector<unsigned char>& out, const TriangleRecord& record) {
    const size_t at = out.size();
    out.resize(at + 16, 0);
    fillTriangle(&out[at], record);
}

void WriteTriangle(std::FILE* file, const TriangleRecord& record) {
    unsigned char bytes[16] = {};
    fillTriangle(bytes, record);
    std::fwrite(bytes, 1, sizeof bytes, file);
}

void WriteAnimationHeader(std::FILE* file, int frameCount, int frameSize) {
    unsigned char header[4];
    put16(header, static_cast<unsigned>(frameCount));
    put16(header + 2, static_cast<unsigned>(frameSize));
    std::fwrite(header, 1, sizeof header, file);
}

void WritePackedVertices(std::FILE* file, const std::vector<std::uint32_t>& words) {
    if (words.empty()) return;
    if constexpr (std::endian::native == std::endian::little) {
        std::fwrite(words.data(), 4, words.size(), file);  // already the stored byte order
    } else {
        std::vector<unsigned char> bytes(words.size() * 4);
        for (size_t i = 0; i < words.size(); ++i) {
            put16(&bytes[i * 4], words[i] & 0xFFFF);
            put16(&bytes[i * 4 + 2], words[i] >> 16);
        }
        std::fwrite(bytes.data(), 1, bytes.size(), file);
    }
}

AppendResult OpenAnimationForAppend(std::FILE* file, int vertexCount, int newFrames) {
    unsigned char bytes[4];
    if (std::fseek(file, 0, SEEK_SET) != 0 || std::fread(bytes, 1, sizeof bytes, file) != sizeof bytes)
        return AppendResult::Mismatch;
    const AnimationHeader header = ParseAnimationHeader(bytes);
    if (std::fseek(file, 0, SEEK_END) != 0 || std::ftell(file) != header.fileSize()) return AppendResult::WrongSize;
    const long storedFrames = header.frames;
    const long frameSize = header.frameSize;
    if (frameSize != 4L * vertexCount) return AppendResult::Mismatch;
    if (storedFrames + newFrames > 65535) return AppendResult::TooManyFrames;
    std::fseek(file, 0, SEEK_SET);
    WriteAnimationHeader(file, static_cast<int>(storedFrames + newFrames), static_cast<int>(frameSize));
    std::fseek(file, 4 + storedFrames * frameSize, SEEK_SET);
    return AppendResult::Ready;
}

const char* AppendRefusal(AppendResult result) {
    switch (result) {
    case AppendResult::Mismatch: return "The animation file targeted for append mis-matches this export!\nAborting!";
    case AppendResult::TooManyFrames:
        return "The animation file targeted for append would hold more than 65535 frames!\nAborting!";
    case AppendResult::WrongSize:
        return "The animation file targeted for append is not as long as its header says!\nAborting!";
    case AppendResult::Ready: break;
    }
    return "";
}

}  // namespace korvathexp
