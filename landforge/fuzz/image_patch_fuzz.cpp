// The import path after decoding: image size, patch placement, key moves and blending.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "terrain/image_patch.h"
#include "terrain/patch.h"

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Reader in{data, size};
    static landforge::TerrainState state;
    landforge::GreyImage image;
    image.width = in.u16() % 320;
    image.height = in.u16() % 320;
    state.view.viewX = in.byte();
    state.view.viewY = in.byte();
    state.view.viewWidth = 1 + in.byte() % (256 - state.view.viewX);
    state.view.viewHeight = 1 + in.byte() % (256 - state.view.viewY);
    landforge::setImportMode(state.patch, static_cast<landforge::ImportMode>(in.byte() % 3),
                             static_cast<std::int8_t>(in.byte()) * 2);
    int moves = in.byte();
    // Pixel values repeat the remaining bytes; the count may deliberately not match the size.
    std::size_t count = static_cast<std::size_t>(image.width) * image.height;
    if (in.byte() & 1) count += in.byte() % 3;
    image.heights.resize(count);
    for (float& h : image.heights) h = in.size >= 4 ? in.real() : static_cast<float>(in.byte());
    if (!landforge::loadImagePatch(state.patch, image)) return 0;
    landforge::startImport(state);
    for (int k = 0; k < moves; ++k) landforge::movePatch(state, static_cast<landforge::PatchKey>(k % 4 == 0 ? in.byte() % 4 : k % 4));
    landforge::commitImport(state);
    return 0;
}
