#include "landforge/qtimage/qt_image_decoder.h"

#include <algorithm>
#include <cstdlib>
#include <array>
#include <filesystem>

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include "landforge/terrain/bitmap_check.h"
#include "landforge/terrain/png_crc.h"

namespace landforge {

namespace {

constexpr int kKeep = 256;  // rows and columns an import uses

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

std::uint32_t bigEndian(const QByteArray& b, int at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) << 24 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3]));
}

void putBigEndian(QByteArray& b, int at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>(value >> (8 * (3 - i)));
}

struct Head {
    QByteArray bytes;  // the first bytes as the decoder is to see them
    QSize declared;    // the PNG's own size, when it is a PNG
    bool interlaced = false;
};

// A non-interlaced PNG whose header says it has more than 256 rows is shown to the decoder as
// one of 256 rows: the rows are stored top first, so the decoder stops after the rows used
// and never allocates the rest.
Head shortenedPngHead(QByteArray head) {
    static const QByteArray kSignature("\x89PNG\r\n\x1a\n\x00\x00\x00\x0dIHDR", 16);
    if (head.size() < 33 || !head.startsWith(kSignature)) return {head, {}};
    QSize declared(static_cast<int>(std::min<std::uint32_t>(bigEndian(head, 16), INT32_MAX)),
                   static_cast<int>(std::min<std::uint32_t>(bigEndian(head, 20), INT32_MAX)));
    if (pngCrc(std::string_view(head.constData() + 12, 17)) != bigEndian(head, 29)) return {head, declared};  // left to the decoder
    if (head[28] != 0) return {head, declared, true};
    if (declared.height() <= kKeep) return {head, declared};
    putBigEndian(head, 20, kKeep);
    putBigEndian(head, 29, pngCrc(std::string_view(head.constData() + 12, 17)));
    return {head, declared};
}

// `inner` with its first bytes replaced by `head`.
class PatchedHeadDevice : public QIODevice {
public:
    PatchedHeadDevice(QIODevice& inner, QByteArray head) : inner_(inner), head_(std::move(head)) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return false; }
    qint64 size() const override { return inner_.size(); }
    bool seek(qint64 at) override { return QIODevice::seek(at) && inner_.seek(at); }

protected:
    qint64 readData(char* data, qint64 max) override {
        const qint64 at = inner_.pos();
        const qint64 n = inner_.read(data, max);
        for (qint64 i = at; i < std::min<qint64>(at + n, head_.size()); ++i) data[i - at] = head_[i];
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QIODevice& inner_;
    QByteArray head_;
};

// Qt's readers reckon every image at 4 bytes a pixel at least and refuse what exceeds their
// process-wide limit. For one read the limit is raised to what the image, already checked
// against kMaxDecodedBytes, needs; then it is Qt's default again.
class ScopedAllocationLimit {
public:
    static constexpr int kQtDefaultMb = 256;
    ScopedAllocationLimit() { QImageReader::setAllocationLimit(kQtDefaultMb); }
    ~ScopedAllocationLimit() { QImageReader::setAllocationLimit(kQtDefaultMb); }
    void allow(std::int64_t bytes) {
        QImageReader::setAllocationLimit(std::max(kQtDefaultMb, static_cast<int>((bytes >> 20) + 1)));
    }
};

ImageRead notAnImage() { return ImageRead::failure({}); }

std::optional<GreyImage> imageOf(ImageRead read) {
    if (!read.ok()) return std::nullopt;
    return std::move(read).value();
}

std::string sizeProblem(QSize size, std::int64_t bytes) {
    return "the image is " + std::to_string(size.width()) + " x " + std::to_string(size.height()) +
           " pixels and would take " + std::to_string(bytes >> 20) + " MiB to decode; at most " +
           std::to_string(kMaxDecodedBytes >> 20) + " MiB can be imported (a 16384 x 16384 8-bit grey image)";
}

// Decodes the top-left 256 x 256 of an image read from `source` (open for reading, at its start).
ImageRead decode(QIODevice& source) {
    ScopedAllocationLimit qtLimit;
    Head head = shortenedPngHead(source.peek(64));
    PatchedHeadDevice device(source, head.bytes);
    QImageReader reader(&device);
    // A negative height (a top-down bitmap) still takes its rows' memory.
    const QSize size(std::abs(reader.size().width()), std::abs(reader.size().height()));
    if (!size.isEmpty()) {
        // Not known before decoding (some readers even report a value out of range, which Qt's
        // own table lookup does not survive): the widest there is.
        const int format = static_cast<int>(reader.imageFormat());
        int depth = format > QImage::Format_Invalid && format < QImage::NImageFormats
                        ? QImage::toPixelFormat(static_cast<QImage::Format>(format)).bitsPerPixel()
                        : 64;
        if (depth <= 0) depth = 64;
        // An interlaced PNG is decoded whole, and Qt's reader reckons 4 bytes a pixel for it.
        if (head.interlaced) depth = std::max(depth, 32);
        std::int64_t bytes = static_cast<std::int64_t>(size.width()) * size.height() * depth / 8;
        if (bytes > kMaxDecodedBytes)
            return ImageRead::failure(sizeProblem(head.declared.isValid() ? head.declared : size, bytes));
        qtLimit.allow(static_cast<std::int64_t>(size.width()) * size.height() * std::max(depth, 32) / 8);
        // Only the part that can reach the patch is kept.
        reader.setClipRect(QRect(0, 0, std::min(size.width(), kKeep), std::min(size.height(), kKeep)));
    }
    QImage image = reader.read();
    if (image.isNull()) return notAnImage();
    if (image.width() > kKeep || image.height() > kKeep)
        image = image.copy(0, 0, std::min(image.width(), kKeep), std::min(image.height(), kKeep));
    return greyOf(image);
}

}  // namespace

ImageRead readImageBytes(const std::string& bytes) {
    if (bitmapCutShort(bytes)) return notAnImage();
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return decode(buffer);
}

ImageRead readImageFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return notAnImage();
    QFile file(QFile::decodeName(QByteArray::fromStdString(path)));
    if (!file.open(QIODevice::ReadOnly)) return notAnImage();
    QByteArray head = file.peek(64);
    if (bitmapCutShort(std::string_view(head.constData(), static_cast<std::size_t>(head.size())),
                       static_cast<std::uint64_t>(file.size())))
        return notAnImage();
    return decode(file);
}

std::optional<GreyImage> decodeImageBytes(const std::string& bytes) { return imageOf(readImageBytes(bytes)); }
std::optional<GreyImage> decodeImageFile(const std::string& path) { return imageOf(readImageFile(path)); }

}  // namespace landforge
