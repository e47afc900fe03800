#pragma once
// The classic linear congruential generator: equal seeds give equal sequences everywhere.
#include <cstdint>

namespace landforge {

struct LcgRandom {
    std::uint32_t state = 1;

    void seed(std::uint32_t s) { state = s; }
    // 0 to 32767.
    int next() {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFFu);
    }
};

}  // namespace landforge
