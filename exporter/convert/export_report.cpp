#include "exporter/convert/export_report.h"

#include "exporter/convert/frame_choice.h"
#include "exporter/convert/scale_choice.h"

#include <fstream>

namespace korvath::convert {

std::optional<int> storedFrameCount(const std::filesystem::path& animationPath) {
    std::ifstream in(animationPath, std::ios::binary);
    unsigned char header[4];
    if (!in.read(reinterpret_cast<char*>(header), sizeof header)) return std::nullopt;
    return header[0] | header[1] << 8;
}

void reportSequence(const std::filesystem::path& animationPath, int newFrames, std::ostream& out) {
    const int total = storedFrameCount(animationPath).value_or(0);
    out << "Sequence: frames " << total - newFrames << " to " << total - 1 << " of "
        << animationPath.filename().string() << " (" << framesText(newFrames) << "; the file holds " << total
        << ")\n";
}

void reportWrap(const WrapReport& report, std::ostream& err) {
    // The factor that brings the largest coordinate to 127, from the one measured at this scale.
    const float fits = fitFactor(report.atScale.largest / report.scale);
    err << "korvathexp-convert: " << report.atScale.outside << " of " << report.atScale.vertices
        << " vertices lie outside -128 to 128 in some frame at scale " << scaleText(report.scale)
        << " and wrapped around (largest coordinate " << report.atScale.largest << ")";
    if (report.scaleKept)
        err << "; the animation file keeps its frames at that scale, so export every sequence of it again with"
               " --scale " << scaleText(fits) << " or smaller (this sequence fits at that factor)\n";
    else
        err << "; use --fit, or --scale " << scaleText(fits) << " to make the model fit\n";
}

}  // namespace korvath::convert
