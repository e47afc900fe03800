#include "landforge/terrain/terrain_file.h"
#include "landforge/terrain/terrain_edits.h"

#include <csignal>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <gtest/gtest.h>

#include "common/testing/temp_dir.h"
#include "landforge/terrain/generator.h"

namespace landforge {
namespace {

std::string bytes(std::initializer_list<unsigned char> list) { return std::string(list.begin(), list.end()); }

std::string int32le(std::int32_t v) {
    std::string s(4, '\0');
    std::memcpy(s.data(), &v, 4);
    return s;
}

TEST(TerrainFile, ViewDocumentIsTheHeaderThenPointsThenCells) {
    TerrainState s;
    s.grid.point(10, 20).z = 1.5f;
    updateTrisFull(s.grid);
    std::string doc = writeDocument(s.grid, {10, 20, 4, 3});
    ASSERT_EQ(doc.size(), 248u);
    EXPECT_EQ(doc.substr(0, 20), bytes({4, 0, 0, 0, 3, 0, 0, 0,            // width 4, height 3
                                        0, 0, 0xC8, 0x42, 0, 0, 0x48, 0x43,  // x 100, y 200
                                        0, 0, 0xC0, 0x3F}));                 // z 1.5
    // Second point: x 110.
    EXPECT_EQ(doc.substr(20, 4), bytes({0, 0, 0xDC, 0x42}));
    // First cell after the 12 points: diagonal 2, centre of [11][20]-[10][21] = (105, 205, 0).
    EXPECT_EQ(doc.substr(152, 16), bytes({2, 0, 0, 0, 0, 0, 0xD2, 0x42, 0, 0, 0x4D, 0x43, 0, 0, 0, 0}));
}

TEST(TerrainFile, FullDocumentSizeAndBitExactRoundTrip) {
    TerrainState s;
    TerrainParameters p;
    p.seed = 4242;
    p.dampening = 1.3f;
    changeTerrainParameters(s, p);
    s.grid.point(5, 6).x = 51.123456f;  // a dragged point keeps its coordinates
    std::string doc = writeDocument(s.grid, kFullRect);
    ASSERT_EQ(doc.size(), 1826840u);
    ParsedDocument parsed = parseDocument(doc);
    ASSERT_TRUE(parsed.ok());
    EXPECT_TRUE(parsed->complete);
    TerrainState opened;
    opened.importing = true;
    applyOpenedDocument(opened, parsed);
    EXPECT_FALSE(opened.importing);
    EXPECT_EQ(std::memcmp(opened.grid.points.data(), s.grid.points.data(), s.grid.points.size() * sizeof(TerrainPoint)), 0);
    EXPECT_EQ(opened.grid.point(5, 6).x, 51.123456f);
}

TEST(TerrainFile, OpenFillsSlotsFromTheOriginAndRechoosesCells) {
    TerrainState s;
    s.grid.point(11, 20).z = 9;
    s.grid.point(10, 21).z = 8;
    s.grid.point(11, 21).z = 30;
    s.grid.cell(10, 20).diagonal = 1;  // stored as 1; the points ask for 2
    TerrainState opened;
    for (TerrainPoint& p : opened.grid.points) p.z = 77;
    applyOpenedDocument(opened, parseDocument(writeDocument(s.grid, {10, 20, 4, 3})));
    EXPECT_EQ(opened.grid.point(0, 0).x, 100.0f);
    EXPECT_EQ(opened.grid.point(3, 0).x, 130.0f);
    EXPECT_EQ(opened.grid.point(0, 2).y, 220.0f);
    EXPECT_EQ(opened.grid.point(1, 0).z, 9.0f);
    EXPECT_EQ(opened.grid.point(0, 1).z, 8.0f);
    EXPECT_EQ(opened.grid.point(4, 0).x, 40.0f) << "slots outside the document are reset";
    EXPECT_EQ(opened.grid.point(4, 0).z, 0.0f);
    EXPECT_EQ(opened.grid.cell(0, 0).diagonal, 2);
}

TEST(TerrainFile, WidthFiveHeightTwoFillsRowsInOrder) {
    std::string doc = int32le(5) + int32le(2);
    for (int k = 0; k < 10; ++k) {
        float rec[3] = {0, 0, static_cast<float>(k + 1)};
        doc.append(reinterpret_cast<const char*>(rec), 12);
    }
    doc.append(64, '\0');
    TerrainState s;
    applyOpenedDocument(s, parseDocument(doc));
    EXPECT_EQ(s.grid.point(1, 0).z, 2.0f);
    EXPECT_EQ(s.grid.point(0, 1).z, 6.0f);
    EXPECT_EQ(s.grid.point(4, 1).z, 10.0f);
}

TEST(TerrainFile, SizesOutsideTheGridAreRefusedBeforeReading) {
    for (auto [w, h] : {std::pair{0, 5}, std::pair{257, 1}, std::pair{-1, 3}, std::pair{5, 1000000}}) {
        ParsedDocument d = parseDocument(int32le(w) + int32le(h) + std::string(100, '\0'));
        EXPECT_FALSE(d.ok()) << w << "x" << h;
        EXPECT_EQ(d.error(),
                  "The terrain size " + std::to_string(w) + " x " + std::to_string(h) + " is outside 1-256.");
    }
    EXPECT_EQ(parseDocument("abc").error(), "The file is too short to be a Landforge terrain.");
}

TEST(TerrainFile, ShortDocumentKeepsTheRecordsItHas) {
    std::string doc = int32le(3) + int32le(3);
    float rec[3] = {1, 2, 3};
    doc.append(reinterpret_cast<const char*>(rec), 12);
    doc.append(reinterpret_cast<const char*>(rec), 7);  // half a record
    ParsedDocument d = parseDocument(doc);
    ASSERT_TRUE(d.ok());
    EXPECT_FALSE(d->complete);
    EXPECT_EQ(d->points.size(), 1u);
    TerrainState s;
    applyOpenedDocument(s, d);
    EXPECT_EQ(s.grid.point(0, 0).z, 3.0f);
    EXPECT_EQ(s.grid.point(1, 0).x, 10.0f) << "the rest keeps its reset values";
}

TEST(TerrainFile, NonFiniteValuesRefuseTheDocumentAndLeaveTheTerrain) {
    TerrainState src;
    std::string doc = writeDocument(src.grid, {0, 0, 2, 2});
    float nan = std::numeric_limits<float>::quiet_NaN();
    std::string withNan = doc;
    std::memcpy(withNan.data() + 8 + 12 * 3 + 8, &nan, 4);
    float inf = std::numeric_limits<float>::infinity();
    std::string withInf = doc;
    std::memcpy(withInf.data() + 8 + 48 + 4, &inf, 4);  // the cell's centre x
    for (const std::string& bad : {withNan, withInf}) {
        ParsedDocument d = parseDocument(bad);
        EXPECT_EQ(d.error(), "The terrain holds a value that is not a number.");
        TerrainState s;
        s.grid.point(0, 0).z = 12;
        applyOpenedDocument(s, d);
        EXPECT_EQ(s.grid.point(0, 0).z, 12.0f);
    }
}

TEST(TerrainFile, ImportTerrainLoadsPointsIntoThePatchWithTheirCoordinates) {
    TerrainState src;
    src.grid.point(31, 40).z = 6;
    ImportPatch patch;
    loadDocumentPatch(patch, parseDocument(writeDocument(src.grid, {30, 40, 5, 2})));
    EXPECT_EQ(patch.importWidth, 5);
    EXPECT_EQ(patch.importHeight, 2);
    EXPECT_EQ(patch.point(1, 0).z, 6.0f);
    EXPECT_EQ(patch.point(1, 0).x, 310.0f);
}

TEST(TerrainFile, ShortImportDoesNotBlendAnEarlierPatch) {
    ImportPatch patch;
    patch.point(1, 0).z = 99;
    std::string doc = int32le(2) + int32le(1);
    float rec[3] = {5, 6, 7};
    doc.append(reinterpret_cast<const char*>(rec), 12);
    loadDocumentPatch(patch, parseDocument(doc));
    EXPECT_EQ(patch.point(0, 0).z, 7.0f);
    EXPECT_EQ(patch.point(1, 0).z, 0.0f);
    EXPECT_EQ(patch.point(1, 0).x, 10.0f);
}

TEST(TerrainFile, OnlyTheLargestDocumentSizeIsReadFromAHugeFile) {
    korvath::testing::TempDir dir;
    TerrainState src;
    src.grid.point(1, 1).z = 4;
    std::filesystem::path file = dir.write("huge.lfg", writeDocument(src.grid, {0, 0, 2, 2}));
    // Sparse: 64 GiB of nothing after the document would not fit in memory if read whole.
    // A file size limit or the file system may refuse that; a smaller tail still has to be ignored.
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);  // past a size limit: an error to fall back on, not a kill
#endif
    std::error_code error;
    for (int sizeBits : {36, 34, 32, 30, 24}) {
        std::filesystem::resize_file(file, std::uintmax_t{1} << sizeBits, error);
        if (!error) break;
    }
    ASSERT_FALSE(error) << error.message();
    ParsedDocument d = readDocumentFile(file.string());
    ASSERT_TRUE(d.ok()) << d.error();
    EXPECT_TRUE(d->complete);
    EXPECT_EQ(d->points[3].z, 4.0f);
}

TEST(TerrainFile, UnreadableFilesAreRefused) {
    korvath::testing::TempDir dir;
    EXPECT_EQ(readDocumentFile((dir / "missing.lfg").string()).error(), "The file cannot be read.");
    EXPECT_EQ(readDocumentFile(dir.makeDir("folder.lfg").string()).error(), "The file cannot be read.");
}

}  // namespace
}  // namespace landforge
