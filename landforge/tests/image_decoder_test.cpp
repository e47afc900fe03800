#include "terrain/qt_image_decoder.h"

#include <cstring>

#include <QImage>
#include <gtest/gtest.h>

#include "common/testing/temp_dir.h"
#include "terrain/bitmap_export.h"

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

TEST(ImageDecoder, RunLengthAndTopDownBitmapsLoad) {
    korvath::testing::TempDir dir;
    // 4 x 2, 8 bits, RLE8, a grey palette of 256 entries; rows bottom-up.
    std::string rle = std::string("BM") + std::string(4, '\0') + std::string(4, '\0');
    auto put32 = [](std::string& s, std::uint32_t v) {
        for (int k = 0; k < 4; ++k) s.push_back(static_cast<char>(v >> (8 * k)));
    };
    std::string info;
    put32(info, 40);
    put32(info, 4);
    put32(info, 2);
    info += std::string("\x01\x00\x08\x00", 4);
    put32(info, 1);  // BI_RLE8
    std::string pixels = std::string("\x04\x28\x00\x00\x02\x05\x02\x06\x00\x01", 10);  // bottom: 40 x4; top: 5 5 6 6
    put32(info, static_cast<std::uint32_t>(pixels.size()));
    put32(info, 0);
    put32(info, 0);
    put32(info, 256);
    put32(info, 0);
    std::string palette;
    for (int k = 0; k < 256; ++k) palette += std::string{static_cast<char>(k), static_cast<char>(k), static_cast<char>(k), 0};
    std::uint32_t offset = 14 + 40 + 1024;
    std::string file = rle.substr(0, 2);
    put32(file, offset + static_cast<std::uint32_t>(pixels.size()));
    put32(file, 0);
    put32(file, offset);
    file += info + palette + pixels;
    auto grey = decodeImageFile(dir.write("rle.bmp", file).string());
    ASSERT_TRUE(grey);
    EXPECT_EQ(grey->heights, (std::vector<float>{5, 5, 6, 6, 40, 40, 40, 40}));

    // Top-down 24-bit: a negative height in the header.
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

TEST(ImageDecoder, FilesThatAreNotImagesAreRefused) {
    korvath::testing::TempDir dir;
    EXPECT_FALSE(decodeImageFile(dir.write("junk.bmp", "BM this is not a bitmap").string()));
    EXPECT_FALSE(decodeImageFile((dir / "missing.bmp").string()));
    EXPECT_FALSE(decodeImageFile(dir.makeDir("folder.bmp").string()));
}

}  // namespace
}  // namespace landforge
