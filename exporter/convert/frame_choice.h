#pragma once
// The frames a --frames text chooses, by the exporter's own rule, or why the text is refused:
// at the command line a text that is not a frame range, or that chooses no frame of the
// scene, is a mistake to report rather than an export of nothing.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"

namespace korvath::convert {

// The frame numbers, or the refusal's message. `text` empty (not given): the whole range
// start … end.
korvath::Result<std::vector<int>> chooseFrames(const std::optional<std::string>& text, int start, int end);

// True for a list of frame numbers and ranges such as 1-5,10,15 (blanks allowed around them).
bool isFrameRangeText(std::string_view text);

// "1 frame", "2 frames".
std::string framesText(int count);

}  // namespace korvath::convert
