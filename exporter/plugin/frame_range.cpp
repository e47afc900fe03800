// The frame list from the text of the options dialog.
#include <cctype>
#include <cstdint>
#include <vector>

#include "exporter/plugin/export_rules.h"

namespace korvathexp {

namespace {

// One more frame than an animation file can count (65535), so an over-long list is refused
// without first filling memory with a huge range.
constexpr size_t kFrameListCap = 65536;

// The decimal number at the start of `s` (blanks skipped, optional sign, digits); no digits
// give 0, and values past the integer range stop at its ends.
int numberFrom(const char* s) {
    while (*s && std::isspace(static_cast<unsigned char>(*s))) ++s;
    bool negative = false;
    if (*s == '+' || *s == '-') negative = *s++ == '-';
    std::int64_t value = 0;
    for (; *s >= '0' && *s <= '9'; ++s) {
        if (value < (std::int64_t{1} << 32)) value = value * 10 + (*s - '0');
    }
    value = negative ? -value : value;
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int>(value);
}

struct FrameAdder {
    std::vector<int>& frames;
    int startFrame, endFrame;

    bool inRange(int frame) const { return frame >= startFrame && frame <= endFrame; }
    void single(int frame) {
        if (inRange(frame) && frames.size() < kFrameListCap) frames.push_back(frame);
    }
    void range(int from, int to) {
        if (!inRange(from) || !inRange(to)) return;
        const int step = from < to ? 1 : -1;
        for (std::int64_t f = from; frames.size() < kFrameListCap; f += step) {
            frames.push_back(static_cast<int>(f));
            if (f == to) break;
        }
    }
};

}  // namespace

std::vector<int> FrameListFromText(const char* text, int startFrame, int endFrame) {
    std::vector<int> frames;
    FrameAdder add{frames, startFrame, endFrame};
    if (!text || !*text) {
        add.range(startFrame, endFrame);
        return frames;
    }
    // Each round tests the character at p once after a separator moved it, so the character
    // right after "," is never a separator and the one right after "-" is never a "-".
    const char* p = text;
    const char* s = text;
    bool rangePending = false;
    int first = 0;
    auto addValue = [&](int value) {
        if (rangePending) {
            add.range(first, value);
            rangePending = false;
        } else {
            add.single(value);
        }
    };
    for (;;) {
        if (*p == '-') {
            first = numberFrom(s);
            rangePending = true;
            s = ++p;
        }
        if (*p == ',') {
            addValue(numberFrom(s));
            s = ++p;
        }
        if (*p == '\0') {
            if (p != s) addValue(numberFrom(s));
            return frames;
        }
        ++p;
    }
}

}  // namespace korvathexp
