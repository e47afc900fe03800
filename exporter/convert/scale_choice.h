#pragma once
// The scale factor of an export: --scale, --fit's measured factor, or for an append the factor
// the animation file's frames were written with (its scale record), so that every sequence of
// one file has the same size.
#include "exporter/convert/convert_options.h"
#include "exporter/convert/frame_measure.h"
#include "exporter/convert/scale_record.h"

#include <functional>
#include <optional>
#include <string>

namespace korvath::convert {

struct ChosenScale {
    float scale = 1.0f;
    std::string note;  // where the factor came from, if not from this run's options
};
// The factor, or why the export is refused.
using ScaleChoice = Result<ChosenScale>;

// `stored` is the animation file's record (looked at only when appending); `measure` measures
// the frames at scale 1 (called only for --fit).
ScaleChoice chooseScale(const ConvertOptions& options, const StoredScale& stored, const std::string& recordName,
                        const std::function<FrameMeasure()>& measure);

// The factor that brings `largest` to 127 (rounded down so it stays inside), 1 for nothing.
float fitFactor(float largest);

// The factor as text that reads back exactly (for messages and --scale).
std::string scaleText(float scale);

}  // namespace korvath::convert
