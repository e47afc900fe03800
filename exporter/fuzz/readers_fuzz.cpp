// The converter's own readers of user files: a 3DS file's animation segment, the key frames a
// model file declares, an OFF file's counts and a scale record.
#include "exporter/convert/key_frame_header.h"
#include "exporter/convert/off_header.h"
#include "exporter/convert/scale_record.h"
#include "exporter/convert/three_ds_segment.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto segment = korvath::convert::threeDsSegment(bytes))
        if (segment->start < 0 || segment->end < segment->start || segment->end - segment->start >= 65535)
            __builtin_trap();
    if (const auto frames = korvath::convert::declaredKeyFrames(bytes))
        if (*frames <= 0) __builtin_trap();
    if (const auto counts = korvath::convert::offCounts(bytes))
        if (korvath::convert::offCountsExceed(*counts, 0) != (counts->vertices > 0 || counts->faces > 0)) __builtin_trap();
    if (const auto scale = korvath::convert::parseScaleRecord(bytes))
        if (!std::isfinite(*scale) || *scale <= 0.0f) __builtin_trap();
    return 0;
}
