#include "terrain/qt_image_decoder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include "terrain/bitmap_check.h"

namespace landforge {

namespace {

// Enough for an 8192 x 8192 image at 16 bits per channel, which the decoders allocate whole
// before the crop.
constexpr int kAllocationLimitMb = 1024;

GreyImage greyOf(const QImage& decoded) {
    // 16 bits per channel: an 8-bit channel c becomes 257 c, so (R + G + B) / 771 is exactly the
    // 8-bit mean (R + G + B) / 3, and 16-bit grey keeps its fractions.
    QImage image = decoded.convertToFormat(QImage::Format_RGBA64);
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

}  // namespace

std::optional<GreyImage> decodeImageBytes(const std::string& bytes) {
    if (bitmapCutShort(bytes)) return std::nullopt;
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader::setAllocationLimit(kAllocationLimitMb);  // process-wide
    QImageReader reader(&buffer);
    QSize size = reader.size();
    // Only the part that can reach the patch is kept.
    if (size.isValid()) reader.setClipRect(QRect(0, 0, std::min(size.width(), 256), std::min(size.height(), 256)));
    QImage image = reader.read();
    if (image.isNull()) return std::nullopt;
    if (image.width() > 256 || image.height() > 256)
        image = image.copy(0, 0, std::min(image.width(), 256), std::min(image.height(), 256));
    return greyOf(image);
}

std::optional<GreyImage> decodeImageFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    in.seekg(0, std::ios::end);
    std::streamoff size = in.tellg();
    if (size < 0) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.seekg(0);
    if (!in.read(bytes.data(), size)) return std::nullopt;
    return decodeImageBytes(bytes);
}

}  // namespace landforge
