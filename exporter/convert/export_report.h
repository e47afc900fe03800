#pragma once
// What korvathexp-convert tells about an export that stood: where the new frames landed in the
// animation file, and how many vertices wrapped when the model did not fit the format's span.
#include "exporter/convert/frame_measure.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

namespace korvath::convert {

// The frame count in an animation file's header, or empty when it has no header.
std::optional<int> storedFrameCount(const std::filesystem::path& animationPath);

// "Sequence: frames F to L of NAME (N frames; the file holds T)", counted from 0 as sequence
// definitions count them; `newFrames` is at least 1 (an export of no frame is refused).
void reportSequence(const std::filesystem::path& animationPath, int newFrames, std::ostream& out);

struct WrapReport {
    FrameMeasure atScale;   // the frames as exported
    float scale = 1.0f;
    bool scaleKept = false;  // the factor came from the animation file's scale record
};
void reportWrap(const WrapReport& report, std::ostream& err);

}  // namespace korvath::convert
