#include "terrain/qt_image_decoder.h"

#include <algorithm>

#include <QImage>
#include <QString>

namespace landforge {

std::optional<GreyImage> decodeImageFile(const std::string& path) {
    QImage image;
    if (!image.load(QString::fromStdString(path)) || image.isNull()) return std::nullopt;
    // Only the part that can reach the patch is converted.
    if (image.width() > 256 || image.height() > 256) image = image.copy(0, 0, std::min(image.width(), 256),
                                                                         std::min(image.height(), 256));
    // 16 bits per channel: an 8-bit channel c becomes 257 c, so (R + G + B) / 771 is exactly the
    // 8-bit mean (R + G + B) / 3, and 16-bit grey keeps its fractions.
    image = image.convertToFormat(QImage::Format_RGBA64);
    GreyImage grey;
    grey.width = image.width();
    grey.height = image.height();
    grey.heights.reserve(static_cast<std::size_t>(grey.width) * grey.height);
    for (int r = 0; r < grey.height; ++r) {
        const auto* line = reinterpret_cast<const quint16*>(image.constScanLine(r));
        for (int c = 0; c < grey.width; ++c) {
            const quint16* px = line + 4 * c;
            float sum = static_cast<float>(static_cast<int>(px[0]) + px[1] + px[2]);
            grey.heights.push_back(sum / 771.0f);
        }
    }
    return grey;
}

}  // namespace landforge
