#include "landforge/terrain/bitmap_export.h"

#include <gtest/gtest.h>

#include "landforge/terrain/image_patch.h"

namespace landforge {
namespace {

std::string bytes(std::initializer_list<unsigned char> list) { return std::string(list.begin(), list.end()); }

TEST(BitmapExport, HeaderCountsPaddedRowsForAnyWidth) {
    Heightfield g;
    g.point(5, 7).z = 1;    // area row 0, column 0: top of the image
    g.point(7, 8).z = 200;  // area row 1, column 2: bottom row, last pixel
    std::string bmp = writeBitmap(g, {5, 7, 3, 2});
    // Rows of 3 pixels take 9 bytes, padded to 12: image 24 bytes, file 54 + 24.
    const std::string header = bytes({'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  // file header
                                      40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0,  // size, w, h, planes, bits
                                      0, 0, 0, 0, 24, 0, 0, 0,                          // no compression, image size
                                      0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    ASSERT_EQ(bmp.size(), 78u);
    EXPECT_EQ(bmp.substr(0, 54), header);
    // Stored bottom-up: first the area's row 1, then row 0.
    EXPECT_EQ(bmp.substr(54, 12), bytes({0, 0, 0, 0, 0, 0, 200, 200, 200, 0, 0, 0}));
    EXPECT_EQ(bmp.substr(66, 12), bytes({1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(BitmapExport, FullImageSizeFields) {
    Heightfield g;
    std::string bmp = writeBitmap(g, kFullRect);
    ASSERT_EQ(bmp.size(), 54u + 256 * 768);
    EXPECT_EQ(bmp.substr(2, 4), bytes({0x36, 0x00, 0x03, 0x00}));   // 196,662
    EXPECT_EQ(bmp.substr(34, 4), bytes({0x00, 0x00, 0x03, 0x00}));  // 196,608
}

TEST(BitmapExport, HeightByteIsTheLowByteOfTheTruncatedHeight) {
    EXPECT_EQ(heightByte(0.0f), 0);
    EXPECT_EQ(heightByte(255.9f), 255);
    EXPECT_EQ(heightByte(256.0f), 0);
    EXPECT_EQ(heightByte(300.5f), 44);
    EXPECT_EQ(heightByte(-1.0f), 255);
    EXPECT_EQ(heightByte(-0.5f), 0);
    EXPECT_EQ(heightByte(-257.0f), 255);
    EXPECT_EQ(heightByte(1e30f), 0);  // a multiple of 256
    EXPECT_EQ(heightByte(3e38f), 0);
    EXPECT_EQ(heightByte(50331652.0f), 4);  // 0x3000004
}

TEST(ImagePatch, BottomImageRowBecomesPatchRowZero) {
    GreyImage image{2, 2, {255, 255, 0, 0}};  // white top row, black bottom row
    ImportPatch p;
    ASSERT_TRUE(loadImagePatch(p, image));
    EXPECT_EQ(p.point(0, 0).z, 0.0f);
    EXPECT_EQ(p.point(1, 0).z, 0.0f);
    EXPECT_EQ(p.point(0, 1).z, 255.0f);
    EXPECT_EQ(p.point(1, 1).x, 10.0f);
    EXPECT_EQ(p.point(1, 1).y, 10.0f);
}

TEST(ImagePatch, LargeImagesGiveTheirTopLeftAndBadSizesAreRefused) {
    GreyImage image{3, 300, std::vector<float>(900, 0.0f)};
    image.heights[255 * 3 + 1] = 9;  // row 255 from the top: the last row that fits
    ImportPatch p;
    ASSERT_TRUE(loadImagePatch(p, image));
    EXPECT_EQ(p.importHeight, 256);
    EXPECT_EQ(p.point(1, 0).z, 9.0f);
    ImportPatch untouched;
    untouched.importWidth = 4;
    EXPECT_FALSE(loadImagePatch(untouched, GreyImage{3, 3, std::vector<float>(8)}));
    EXPECT_FALSE(loadImagePatch(untouched, GreyImage{0, 3, {}}));
    EXPECT_EQ(untouched.importWidth, 4);
}

}  // namespace
}  // namespace landforge
