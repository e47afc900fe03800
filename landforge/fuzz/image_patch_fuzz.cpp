// The import path from the file's bytes: the bitmap check, decoding (when the sub-build has
// Qt's image readers), patch placement, key moves and blending.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "landforge/terrain/bitmap_check.h"
#include "landforge/terrain/image_patch.h"
#include "landforge/terrain/patch.h"
#ifdef LANDFORGE_FUZZ_DECODER
#include "landforge/qtimage/qt_image_decoder.h"
#endif

namespace {

struct Reader {
    const std::uint8_t* data;
    std::size_t size;
    std::uint8_t byte() {
        if (size == 0) return 0;
        --size;
        return *data++;
    }
    int u16() { return byte() | (byte() << 8); }
    float real() {
        std::uint32_t bits = static_cast<std::uint32_t>(u16()) | (static_cast<std::uint32_t>(u16()) << 16);
        float f;
        std::memcpy(&f, &bits, 4);
        return f;
    }
};

#ifndef LANDFORGE_FUZZ_DECODER
// Without the decoder: the bytes describe the decoded image; its pixel count may deliberately
// not match its size.
landforge::GreyImage describedImage(Reader& in) {
    landforge::GreyImage image;
    image.width = in.u16() % 320;
    image.height = in.u16() % 320;
    std::size_t count = static_cast<std::size_t>(image.width) * image.height;
    if (in.byte() & 1) count += in.byte() % 3;
    image.heights.resize(count);
    for (float& h : image.heights) h = in.size >= 4 ? in.real() : static_cast<float>(in.byte());
    return image;
}
#endif

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Reader in{data, size};
    static landforge::TerrainState state;
    // The placement settings come first, the file's bytes after them.
    state.view.viewX = in.byte();
    state.view.viewY = in.byte();
    state.view.viewWidth = 1 + in.byte() % (256 - state.view.viewX);
    state.view.viewHeight = 1 + in.byte() % (256 - state.view.viewY);
    landforge::setImportMode(state.patch, static_cast<landforge::ImportMode>(in.byte() % 3),
                             static_cast<std::int8_t>(in.byte()) * 2);
    int moves = in.byte() % 64;
    std::string file(reinterpret_cast<const char*>(in.data), in.size);
    bool cutShort = landforge::bitmapCutShort(file);
#ifdef LANDFORGE_FUZZ_DECODER
    std::optional<landforge::GreyImage> decoded = landforge::decodeImageBytes(file);
    if (cutShort && decoded) __builtin_trap();  // a bitmap cut short must never decode
    if (!decoded) return 0;
    landforge::GreyImage image = std::move(*decoded);
#else
    (void)cutShort;
    landforge::GreyImage image = describedImage(in);
#endif
    if (!landforge::loadImagePatch(state.patch, image)) return 0;
    landforge::startImport(state);
    for (int k = 0; k < moves; ++k) landforge::movePatch(state, static_cast<landforge::PatchKey>((k * 7 + moves) % 4));
    for (int j = 0; j < 256; j += 17)
        for (int i = 0; i < 256; i += 13) (void)landforge::blendedPatchPoint(state, i, j);
    landforge::commitImport(state);
    // What this input added to the long-lived state goes with it, so libFuzzer does not take
    // the growth for a leak and scan the whole heap after every input.
    state.selection = landforge::Selection();
    return 0;
}
