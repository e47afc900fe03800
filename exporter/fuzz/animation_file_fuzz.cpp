// Fuzzes the reader an --append trusts: an animation file's header checked against its size and
// against the export, and the raised frame count written in place.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "exporter/plugin/export_rules.h"
#include "exporter/plugin/mesh_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || size > (1u << 20)) return 0;
    std::vector<unsigned char> file(data, data + size);
    // The export matches the file's frame size, or (for odd sizes) is one vertex larger.
    int vertexCount = 1;
    if (size >= 4) vertexCount = (data[2] | data[3] << 8) / 4 + static_cast<int>(size % 2);
    const int newFrames = 1 + data[size - 1] % 4;
    std::FILE* stream = ::fmemopen(file.data(), file.size(), "r+b");
    if (!stream) return 0;
    const korvathexp::AppendResult result = korvathexp::OpenAnimationForAppend(stream, vertexCount, newFrames);
    const long position = std::ftell(stream);
    std::fclose(stream);
    if (result != korvathexp::AppendResult::Ready) {
        if (std::memcmp(file.data(), data, size) != 0) __builtin_trap();  // a refused file is left alone
        return 0;
    }
    unsigned char old[4];
    std::memcpy(old, data, 4);
    const korvathexp::AnimationHeader before = korvathexp::ParseAnimationHeader(old);
    if (before.fileSize() != static_cast<long long>(size) || before.frameSize != 4 * vertexCount) __builtin_trap();
    unsigned char now[4];
    std::memcpy(now, file.data(), 4);
    const korvathexp::AnimationHeader after = korvathexp::ParseAnimationHeader(now);
    if (after.frames != before.frames + newFrames || after.frameSize != before.frameSize) __builtin_trap();
    if (position != static_cast<long>(size) || std::memcmp(file.data() + 4, data + 4, size - 4) != 0) __builtin_trap();
    return 0;
}
