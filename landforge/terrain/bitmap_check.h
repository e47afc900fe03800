#pragma once
// Looks at a Windows bitmap's headers before it is decoded: a file that ends before the pixel
// data its headers announce is refused rather than decoded with rows nobody wrote.
#include <cstdint>
#include <string_view>

namespace landforge {

// True for a file that starts like a bitmap ("BM") but is shorter than its pixel data needs:
// uncompressed rows (padded to 4 bytes) times the height, or the stated image size for RLE.
// A bitmap whose information header has none of the sizes the decoder knows (12, or 40 and more) counts
// as cut short too. Any other file (not a bitmap, or headers too short to read) is left to the
// decoder.
bool bitmapCutShort(std::string_view bytes);
// The same from the file's first bytes (54 are enough) and its size, so a large file need not be read.
bool bitmapCutShort(std::string_view head, std::uint64_t fileSize);

}  // namespace landforge
