#pragma once
// The splash window's progress bar scrolls its picture sideways by a few pixels per step,
// with wrap-around. This is the arithmetic of one step; the window does the drawing.
#include <cstdint>

namespace rosterdesk {

// One BGScroll over a picture `width` pixels wide: the picture is drawn again at
// `pictureX`, and the strip of `stripWidth` pixels that left it on one side, starting at
// `stripSourceX` in the old picture, is drawn in at `stripTargetX` on the other side.
struct ScrollStep {
    int pictureX = 0;
    int stripSourceX = 0;
    int stripTargetX = 0;
    int stripWidth = 0;
};

// `picDir` 1 scrolls towards the right, any other value towards the left. An increment of 0,
// or one that is a whole multiple of the width, leaves the picture as it is.
ScrollStep bgScrollStep(int width, std::int16_t incrementor, std::int32_t picDir);

}  // namespace rosterdesk
