#include "rosterdesk/catalogue/pic_bar.h"

namespace rosterdesk {

ScrollStep bgScrollStep(int width, std::int16_t incrementor, std::int32_t picDir) {
    if (width <= 0) return {};
    int shift = ((incrementor % width) + width) % width;  // a negative or oversized step wraps too
    if (shift == 0) return {};
    if (picDir == 1) return {shift, width - shift, 0, shift};
    return {-shift, 0, width - shift, shift};
}

}  // namespace rosterdesk
