// Images that declare a huge size in a small file: the import's memory must not follow the
// declared size. Each is decoded in a child process whose peak resident memory is measured.
#include "landforge/qtimage/qt_image_decoder.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <iostream>

#include <gtest/gtest.h>

#include "common/testing/temp_dir.h"

namespace landforge {
namespace {

void putChunk(std::ofstream& out, const char* type, const std::string& data) {
    std::string body = std::string(type, 4) + data;
    auto be = [&](std::uint32_t v) {
        for (int i = 3; i >= 0; --i) out.put(static_cast<char>(v >> (8 * i)));
    };
    be(static_cast<std::uint32_t>(data.size()));
    out << body;
    be(static_cast<std::uint32_t>(::crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()))));
}

// A PNG of the given size whose pixels are zero but for the first sample of the top row, which
// is all ones. Written as a stream, so the test never holds the declared image.
void writeBombPng(const std::string& path, std::uint32_t width, std::uint32_t height, int bitDepth, int colourType,
                  bool interlaced) {
    const int channels = colourType == 6 ? 4 : colourType == 2 ? 3 : 1;
    const std::uint64_t pixelBits = static_cast<std::uint64_t>(channels) * bitDepth;
    std::ofstream out(path, std::ios::binary);
    out.write("\x89PNG\r\n\x1a\n", 8);
    std::string ihdr;
    for (std::uint32_t v : {width, height})
        for (int i = 3; i >= 0; --i) ihdr += static_cast<char>(v >> (8 * i));
    ihdr += {static_cast<char>(bitDepth), static_cast<char>(colourType), 0, 0, static_cast<char>(interlaced)};
    putChunk(out, "IHDR", ihdr);

    // Rows of each pass (one pass when not interlaced), each a filter byte and its samples.
    struct Pass { std::uint32_t x0, y0, dx, dy; };
    const std::array<Pass, 7> adam7{{{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4}, {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}}};
    std::vector<Pass> passes = interlaced ? std::vector<Pass>(adam7.begin(), adam7.end()) : std::vector<Pass>{{0, 0, 1, 1}};
    z_stream z{};
    ASSERT_EQ(deflateInit(&z, 6), Z_OK);
    std::string row, packed(1 << 16, '\0');
    bool first = true;
    auto feed = [&](const std::string& bytes, int flush) {
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
        z.avail_in = static_cast<uInt>(bytes.size());
        do {
            z.next_out = reinterpret_cast<Bytef*>(packed.data());
            z.avail_out = static_cast<uInt>(packed.size());
            deflate(&z, flush);
            std::size_t produced = packed.size() - z.avail_out;
            if (produced) putChunk(out, "IDAT", packed.substr(0, produced));
        } while (z.avail_out == 0);
    };
    for (const Pass& p : passes) {
        if (width <= p.x0 || height <= p.y0) continue;
        std::uint64_t columns = (width - p.x0 + p.dx - 1) / p.dx, rows = (height - p.y0 + p.dy - 1) / p.dy;
        row.assign(1 + (columns * pixelBits + 7) / 8, '\0');
        for (std::uint64_t r = 0; r < rows; ++r) {
            if (first) row[1] = row[2] = '\xFF';
            feed(row, Z_NO_FLUSH);
            if (first) row[1] = row[2] = '\0', first = false;
        }
    }
    feed("", Z_FINISH);
    deflateEnd(&z);
    putChunk(out, "IEND", "");
}

// An 8-bit grey bitmap, zero but for the top row's first pixel; sparse on the disk.
void writeSparseGreyBitmap(const std::string& path, std::uint32_t width, std::uint32_t height) {
    const std::uint32_t dataStart = 14 + 40 + 1024, stride = (width + 3) / 4 * 4;
    const std::uint64_t size = dataStart + std::uint64_t{stride} * height;
    std::string head(dataStart, '\0');
    auto le = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) head[at + i] = static_cast<char>(v >> (8 * i));
    };
    head[0] = 'B', head[1] = 'M';
    le(2, static_cast<std::uint32_t>(size)), le(10, dataStart), le(14, 40), le(18, width), le(22, height);
    head[26] = 1, head[28] = 8;
    le(34, stride * height), le(46, 256);
    for (std::uint32_t i = 0; i < 256; ++i) le(54 + 4 * i, i * 0x010101u);
    std::ofstream out(path, std::ios::binary);
    out << head;
    out.seekp(static_cast<std::streamoff>(dataStart + std::uint64_t{stride} * (height - 1)));  // the top row
    out.put('\xFF');
    out.seekp(static_cast<std::streamoff>(size - 1));
    out.put('\0');
}

struct Outcome {
    int status;          // 0 decoded as expected, 1 refused with a message, 2 anything else
    long peakKilobytes;  // the child's peak resident memory
};

Outcome importInChild(const std::string& path, const std::string& refusalHint) {
    pid_t child = fork();
    if (child == 0) {
        ImageRead read = readImageFile(path);
        if (read.ok() && read->width == 256 && read->height == 256 && read->heights[0] > 0 &&
            read->heights[1 + 256] == 0)
            _exit(0);
        if (!read.ok() && read.error().find(refusalHint) != std::string::npos) _exit(1);
        std::fprintf(stderr, "%s\n", read.error().c_str());
        _exit(2);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 3, usage.ru_maxrss};
}

TEST(ImageBomb, DeclaredSizeDoesNotDriveMemory) {
    korvath::testing::TempDir dir;
    const struct {
        const char* name;
        std::uint32_t width, height;
        int bitDepth, colourType;
        bool interlaced;
        int status;
    } cases[] = {
        {"rgba16.png", 11580, 11580, 16, 6, false, 0},  // 1 GiB decoded whole: only its top rows are
        {"grey16.png", 11580, 11580, 16, 0, false, 0},
        {"rgba16-interlaced.png", 11580, 11580, 16, 6, true, 1},  // rows interleaved: decoded whole, refused
        {"grey8-interlaced.png", 16384, 16384, 8, 0, true, 1},
        {"grey8.bmp", 16384, 16384, 8, 0, false, 0},  // the largest image still decoded whole
    };
    for (const auto& c : cases) {
        const std::string path = (dir / c.name).string();
        if (path.ends_with(".bmp"))
            writeSparseGreyBitmap(path, c.width, c.height);
        else
            writeBombPng(path, c.width, c.height, c.bitDepth, c.colourType, c.interlaced);
        Outcome outcome = importInChild(path, std::to_string(c.width) + " x " + std::to_string(c.height));
        std::cout << c.name << " (" << std::filesystem::file_size(path) / 1024 << " KiB): peak "
                  << outcome.peakKilobytes / 1024 << " MiB\n";
        EXPECT_EQ(outcome.status, c.status) << c.name;
        EXPECT_LT(outcome.peakKilobytes, 300 * 1000) << c.name;  // 300 MB
        std::filesystem::remove(path);
    }
}

}  // namespace
}  // namespace landforge
