#include "landforge/qtimage/qt_image_decoder.h"

#include <cstring>
#include <filesystem>
#include <fstream>

#include <QImage>
#include <gtest/gtest.h>

#include "common/testing/temp_dir.h"
#include "landforge/terrain/bitmap_export.h"

namespace landforge {
namespace {

std::string save(const korvath::testing::TempDir& dir, const QImage& image, const char* name) {
    std::string path = (dir / name).string();
    EXPECT_TRUE(image.save(QString::fromStdString(path)));
    return path;
}

TEST(ImageDecoder, OwnBitmapRoundTripsHeightsAlongX) {
    korvath::testing::TempDir dir;
    Heightfield g;
    for (int j = 0; j < kGridSize; ++j)
        for (int i = 0; i < kGridSize; ++i) g.point(i, j).z = static_cast<float>(i);
    g.point(3, 0).z = 77;  // marks row j = 0
    std::string path = dir.write("h.bmp", writeBitmap(g, kFullRect)).string();
    auto image = decodeImageFile(path);
    ASSERT_TRUE(image);
    ImportPatch p;
    ASSERT_TRUE(loadImagePatch(p, *image));
    for (int j = 0; j < kGridSize; ++j) {
        for (int i = 0; i < kGridSize; ++i) {
            if (i != 3) {
                ASSERT_EQ(p.point(i, j).z, static_cast<float>(i));
            }
        }
    }
    EXPECT_EQ(p.point(3, 255).z, 77.0f) << "rows come back in reverse order of j";
    EXPECT_EQ(p.point(3, 0).z, 3.0f);
}

TEST(ImageDecoder, OddWidthBitmapLoads) {
    korvath::testing::TempDir dir;
    Heightfield g;
    g.point(4, 2).z = 60;
    std::string path = dir.write("odd.bmp", writeBitmap(g, {0, 0, 5, 3})).string();
    QImage check(QString::fromStdString(path));
    ASSERT_FALSE(check.isNull());
    EXPECT_EQ(check.width(), 5);
    EXPECT_EQ(qRed(check.pixel(4, 2)), 60);
}

TEST(ImageDecoder, ColourPixelIsTheMeanOfItsChannels) {
    korvath::testing::TempDir dir;
    QImage image(2, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(1, 1, 0));
    auto grey = decodeImageFile(save(dir, image, "c.bmp"));
    ASSERT_TRUE(grey);
    EXPECT_EQ(grey->heights[0], 85.0f);
    EXPECT_EQ(grey->heights[1], 2.0f / 3.0f);
}

TEST(ImageDecoder, IndexedAndMonochromeBitmapsLoad) {
    korvath::testing::TempDir dir;
    QImage mono(3, 2, QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mono.fill(0);
    mono.setPixel(2, 1, 1);
    auto m = decodeImageFile(save(dir, mono, "mono.bmp"));
    ASSERT_TRUE(m);
    EXPECT_EQ(m->heights[5], 255.0f);
    EXPECT_EQ(m->heights[0], 0.0f);

    QImage indexed(2, 2, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(10, 20, 30), qRgb(90, 90, 90)});
    indexed.fill(0);
    indexed.setPixel(1, 0, 1);
    auto ix = decodeImageFile(save(dir, indexed, "ix.bmp"));
    ASSERT_TRUE(ix);
    EXPECT_EQ(ix->heights[0], 20.0f);
    EXPECT_EQ(ix->heights[1], 90.0f);
}

void put32(std::string& s, std::uint32_t v) {
    for (int k = 0; k < 4; ++k) s.push_back(static_cast<char>(v >> (8 * k)));
}

// A bitmap file written field by field: the info header, `colours` grey palette entries and
// the pixel bytes as given.
std::string handMadeBitmap(int width, int height, int bits, int compression, int colours, const std::string& pixels) {
    std::string info;
    put32(info, 40);
    put32(info, static_cast<std::uint32_t>(width));
    put32(info, static_cast<std::uint32_t>(height));
    info += std::string{1, 0, static_cast<char>(bits), 0};
    put32(info, static_cast<std::uint32_t>(compression));
    put32(info, static_cast<std::uint32_t>(pixels.size()));
    put32(info, 0);
    put32(info, 0);
    put32(info, static_cast<std::uint32_t>(colours));
    put32(info, 0);
    std::string palette;
    for (int k = 0; k < colours; ++k) {
        char grey = static_cast<char>(k * 255 / (colours - 1));
        palette += std::string{grey, grey, grey, 0};
    }
    std::uint32_t offset = 14 + 40 + static_cast<std::uint32_t>(palette.size());
    std::string file = "BM";
    put32(file, offset + static_cast<std::uint32_t>(pixels.size()));
    put32(file, 0);
    put32(file, offset);
    return file + info + palette + pixels;
}

TEST(ImageDecoder, RunLengthAndSixteenAndThirtyTwoBitBitmapsLoad) {
    korvath::testing::TempDir dir;
    // RLE8, rows bottom-up: 4 x 40, end of line; 2 x 5, 2 x 6, end of bitmap.
    std::string rle = handMadeBitmap(4, 2, 8, 1, 256, std::string("\x04\x28\x00\x00\x02\x05\x02\x06\x00\x01", 10));
    auto grey = decodeImageFile(dir.write("rle.bmp", rle).string());
    ASSERT_TRUE(grey);
    EXPECT_EQ(grey->heights, (std::vector<float>{5, 5, 6, 6, 40, 40, 40, 40}));

    // 4 bits, 16 greys (17 apart): one row of indices 0, 15, 3, padded to four bytes.
    auto four = decodeImageFile(dir.write("four.bmp", handMadeBitmap(3, 1, 4, 0, 16, std::string("\x0F\x30\x00\x00", 4))).string());
    ASSERT_TRUE(four);
    EXPECT_EQ(four->heights, (std::vector<float>{0, 255, 51}));

    // 16 bits, 5-5-5: white and pure blue; the decoder widens 31 to 248.
    auto sixteen = decodeImageFile(dir.write("16.bmp", handMadeBitmap(2, 1, 16, 0, 0, std::string("\xFF\x7F\x1F\x00", 4))).string());
    ASSERT_TRUE(sixteen);
    EXPECT_EQ(sixteen->heights, (std::vector<float>{248, 248.0f / 3.0f}));

    // RLE4, one row: 5 pixels alternating indices 1 and 2 (17 and 34), end of bitmap.
    std::string rle4 = handMadeBitmap(5, 1, 4, 2, 16, std::string("\x05\x12\x00\x01", 4));
    auto four4 = decodeImageFile(dir.write("rle4.bmp", rle4).string());
    ASSERT_TRUE(four4);
    EXPECT_EQ(four4->heights, (std::vector<float>{17, 34, 17, 34, 17}));

    // 32 bits, blue-green-red and an unused byte: (90, 60, 30) and white.
    std::string bgrx("\x1E\x3C\x5A\x00\xFF\xFF\xFF\x00", 8);
    auto thirtyTwo = decodeImageFile(dir.write("32.bmp", handMadeBitmap(2, 1, 32, 0, 0, bgrx)).string());
    ASSERT_TRUE(thirtyTwo);
    EXPECT_EQ(thirtyTwo->heights, (std::vector<float>{60, 255}));
}

TEST(ImageDecoder, TopDownBitmapLoads) {
    korvath::testing::TempDir dir;
    Heightfield g;
    g.point(0, 0).z = 33;
    std::string bmp = writeBitmap(g, {0, 0, 1, 2});
    std::int32_t negative = -2;
    std::memcpy(bmp.data() + 22, &negative, 4);
    auto top = decodeImageFile(dir.write("top.bmp", bmp).string());
    ASSERT_TRUE(top);
    EXPECT_EQ(top->heights, (std::vector<float>{0, 33}));
}

TEST(ImageDecoder, SixteenBitGreyPngKeepsItsFractions) {
    korvath::testing::TempDir dir;
    QImage image(2, 1, QImage::Format_Grayscale16);
    reinterpret_cast<quint16*>(image.scanLine(0))[0] = 257 * 100 + 128;
    reinterpret_cast<quint16*>(image.scanLine(0))[1] = 65535;
    auto grey = decodeImageFile(save(dir, image, "g16.png"));
    ASSERT_TRUE(grey);
    EXPECT_FLOAT_EQ(grey->heights[0], 100.0f + 128.0f / 257.0f);
    EXPECT_EQ(grey->heights[1], 255.0f);
}

TEST(ImageDecoder, LargeImageGivesItsLeftColumnsAndTopRows) {
    korvath::testing::TempDir dir;
    QImage image(300, 270, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 0));
    image.setPixel(255, 0, qRgb(30, 30, 30));    // last column kept, first row
    image.setPixel(256, 0, qRgb(90, 90, 90));    // first column dropped
    image.setPixel(0, 255, qRgb(60, 60, 60));    // last row kept
    image.setPixel(0, 256, qRgb(120, 120, 120)); // first row dropped
    auto grey = decodeImageFile(save(dir, image, "big.png"));
    ASSERT_TRUE(grey);
    ASSERT_EQ(grey->width, 256);
    ASSERT_EQ(grey->height, 256);
    EXPECT_EQ(grey->heights[255], 30.0f);
    EXPECT_EQ(grey->heights[255 * 256], 60.0f);
    ImportPatch p;
    ASSERT_TRUE(loadImagePatch(p, *grey));
    EXPECT_EQ(p.point(0, 0).z, 60.0f);
    EXPECT_EQ(p.point(255, 255).z, 30.0f);
}

TEST(ImageDecoder, FilesThatAreNotImagesAreRefused) {
    korvath::testing::TempDir dir;
    EXPECT_FALSE(decodeImageFile(dir.write("junk.bmp", "BM this is not a bitmap").string()));
    EXPECT_FALSE(decodeImageFile((dir / "missing.bmp").string()));
    EXPECT_FALSE(decodeImageFile(dir.makeDir("folder.bmp").string()));
    // 35 bytes whose header has no known size: the decoder took it for 24576 x 2256 pixels.
    const std::string odd("BM:\0\0\0\0\0\0\0;\0\0\0\0\0\0\0\0\0\0\0`0\xf7\x01\0\x18\0\0\0\0\x04\0\0\x04\x07\0", 35);
    EXPECT_FALSE(decodeImageFile(dir.write("odd.bmp", odd).string()));
    // A broken JPEG header for which the reader reports a format outside Qt's own table.
    EXPECT_FALSE(decodeImageBytes(std::string("\xff\xd8\x00\x00\x00\x00\x00\x00\x00\xff\xff\xff\xfc\x00\x00\x00\x00\xbd\x00\x00\x00\x00\xfc\xff\xff\xff\xff\xff\xff\xff\x00\x00\x89\x50\x00\x00", 36)));
}

TEST(ImageDecoder, BitmapCutShortIsRefusedEveryTime) {
    korvath::testing::TempDir dir;
    Heightfield g;
    for (TerrainPoint& p : g.points) p.z = 90;
    std::string whole = writeBitmap(g, {0, 0, 40, 30});
    ASSERT_TRUE(decodeImageFile(dir.write("whole.bmp", whole).string()));
    // Rows missing at the end of the file (the top rows of the picture), or one byte short.
    for (std::size_t cut : {std::size_t{1}, std::size_t{40 * 3 * 10}, whole.size() - 60}) {
        std::string path = dir.write("short.bmp", whole.substr(0, whole.size() - cut)).string();
        for (int run = 0; run < 3; ++run) EXPECT_FALSE(decodeImageFile(path)) << cut;
    }
    // Run-length data shorter than the image size the header states.
    std::string rle = handMadeBitmap(4, 2, 8, 1, 256, std::string("\x04\x28\x00\x00\x02\x05\x02\x06\x00\x01", 10));
    EXPECT_FALSE(decodeImageFile(dir.write("rle.bmp", rle.substr(0, rle.size() - 3)).string()));
}

// A sparse 24-bit bitmap of the given size: black but for pixel (3, 2) from the top.
std::string largeBitmap(const korvath::testing::TempDir& dir, int width, int height) {
    std::uint32_t stride = (static_cast<std::uint32_t>(width) * 24 + 31) / 32 * 4;
    std::string head = handMadeBitmap(width, height, 24, 0, 0, "");
    std::uint32_t size = 54 + stride * static_cast<std::uint32_t>(height);
    std::memcpy(head.data() + 2, &size, 4);
    std::string path = (dir / "large.bmp").string();
    std::ofstream out(path, std::ios::binary);
    out << head;
    out.seekp(54 + static_cast<std::streamoff>(stride) * (height - 1 - 2) + 3 * 3);
    out << "\x7B\x7B\x7B";
    out.seekp(size - 1);
    out.put(0);
    return path;
}

TEST(ImageDecoder, LargeHeightmapsGiveTheirTopLeftCorner) {
    // Decoded whole, each is larger than the decoders' usual allocation limit of 128 MB.
    korvath::testing::TempDir dir;
    auto bmp = decodeImageFile(largeBitmap(dir, 6000, 5700));
    ASSERT_TRUE(bmp) << "a large bitmap is not corrupted";
    EXPECT_EQ(bmp->width, 256);
    EXPECT_EQ(bmp->height, 256);
    EXPECT_EQ(bmp->heights[2 * 256 + 3], 123.0f);
    EXPECT_EQ(bmp->heights[2 * 256 + 4], 0.0f);
    std::filesystem::remove(dir / "large.bmp");

    QImage image(6000, 5700, QImage::Format_RGB32);
    image.fill(qRgb(10, 10, 10));
    image.setPixel(3, 2, qRgb(200, 200, 200));
    std::string pngPath = (dir / "large.png").string();
    ASSERT_TRUE(image.save(QString::fromStdString(pngPath), "PNG", 100));  // stored, not packed: quick
    auto png = decodeImageFile(pngPath);
    ASSERT_TRUE(png);
    EXPECT_EQ(png->width, 256);
    EXPECT_EQ(png->heights[2 * 256 + 3], 200.0f);
    EXPECT_EQ(png->heights[255 * 256 + 255], 10.0f);
}

}  // namespace
}  // namespace landforge
