#pragma once
// The counts an OFF file declares on its first lines. The import library allocates for them
// before reading a vertex, so a file that declares billions of vertices takes many gigabytes
// and half a minute before it is refused; the counts are checked against the file's size first.
#include <cstdint>
#include <optional>
#include <string_view>

namespace korvath::convert {

struct OffCounts {
    std::uint64_t vertices = 0;
    std::uint64_t faces = 0;
};

// The counts of the header at the start of `bytes` ("OFF" or a variant such as "COFF", then
// the vertex and face counts; comment lines skipped), or empty when there is no such header.
std::optional<OffCounts> offCounts(std::string_view bytes);

// True when the counts cannot fit in a file of `fileSize` bytes (a vertex takes at least three
// numbers, a face at least a count and an index).
bool offCountsExceed(const OffCounts& counts, std::uint64_t fileSize);

}  // namespace korvath::convert
