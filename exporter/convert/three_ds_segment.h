#pragma once
// The animation segment a 3DS file stores in its key-frame section (the frames its scene's
// animation runs over, which the import library does not pass on).
#include <optional>
#include <string_view>

namespace korvath::convert {

struct FrameSegment {
    int start = 0;
    int end = 0;
};

// The segment of the file's bytes, or empty when there is none or it makes no sense (an end
// before its start, a negative start, more frames than an animation file can count).
std::optional<FrameSegment> threeDsSegment(std::string_view bytes);

}  // namespace korvath::convert
