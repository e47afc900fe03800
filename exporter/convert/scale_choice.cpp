#include "exporter/convert/scale_choice.h"

#include <charconv>
#include <cmath>

namespace korvath::convert {

namespace {

constexpr float kFitLimit = 127.0f;

ScaleChoice refused(std::string error) { return ScaleChoice::failure(std::move(error)); }

}  // namespace

float fitFactor(float largest) {
    if (!(largest > 0.0f)) return 1.0f;
    float factor = kFitLimit / largest;
    while (largest * factor > kFitLimit) factor = std::nextafter(factor, 0.0f);
    return factor;
}

std::string scaleText(float scale) {
    char digits[32];
    const auto written = std::to_chars(digits, digits + sizeof digits, scale);
    return std::string(digits, written.ptr);
}

ScaleChoice chooseScale(const ConvertOptions& options, const StoredScale& stored, const std::string& recordName,
                        const std::function<FrameMeasure()>& measure) {
    if (options.append && (!stored.ok() || stored->has_value())) {
        if (!stored.ok()) return refused(stored.error());
        const float kept = **stored;
        if (options.scale && *options.scale != kept)
            return refused("the frames already in the animation file were written at scale " + scaleText(kept) +
                           " (kept in " + recordName + "); appending at " + scaleText(*options.scale) +
                           " would give this sequence another size: use --scale " + scaleText(kept) +
                           ", or --fit, which keeps it");
        return ChosenScale{kept, "kept from " + recordName};
    }
    if (options.append && options.fit)
        return refused("--fit cannot choose the factor for an append: the animation file has no scale record (" +
                       recordName + "), so the factor its frames were written with is unknown; pass it with --scale");
    if (options.scale) return ChosenScale{*options.scale, {}};
    if (!options.fit) return ChosenScale{1.0f, {}};
    const FrameMeasure measured = measure();
    if (!measured.nonFinite.empty())
        return refused("--fit cannot scale this scene: a position is not a number (" + measured.nonFinite + ")");
    return ChosenScale{fitFactor(measured.largest), {}};
}

}  // namespace korvath::convert
