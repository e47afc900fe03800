// The 16-bit heightmap export read back by the program's own image import, and the command
// line's erode and export-png16.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

#include "common/testing/temp_dir.h"
#include "landforge/cli/subcommands.h"
#include "landforge/qtimage/qt_image_decoder.h"
#include "landforge/terrain/png16_export.h"
#include "landforge/terrain/terrain_file.h"

namespace landforge {
namespace {

TEST(Png16Export, SamplesSpreadTheHeightRangeOverSixteenBits) {
    const struct {
        float z;
        std::uint16_t sample;
    } rows[] = {{0.0f, 0},          {255.0f, 65535}, {1.0f, 257},  {127.5f, 32768}, {-3.0f, 0},
                {300.0f, 65535},    {0.001f, 0},     {0.002f, 1},  {std::numeric_limits<float>::quiet_NaN(), 0},
                {std::numeric_limits<float>::infinity(), 0}};
    for (const auto& r : rows) EXPECT_EQ(heightSample16(r.z), r.sample) << r.z;
}

// Heights with fractions all over 0-255; export, decode with the import's decoder, compare.
TEST(Png16Export, RoundTripThroughTheImageImportKeepsHeightsWithinAStep) {
    Heightfield grid;
    for (int j = 0; j < kGridSize; ++j)
        for (int i = 0; i < kGridSize; ++i)
            grid.point(i, j).z = static_cast<float>((i * 7919 + j * 104729) % 65536) / 257.0f + 0.0013f * (i % 3);
    grid.point(3, 4).z = 255.0f;
    grid.point(5, 6).z = 0.0f;
    const GridRect areas[] = {kFullRect, {30, 200, 17, 5}};
    for (const GridRect& area : areas) {
        std::optional<GreyImage> image = decodeImageBytes(writeGrey16Png(grid, area));
        ASSERT_TRUE(image);
        ASSERT_EQ(image->width, area.width);
        ASSERT_EQ(image->height, area.height);
        ImportPatch patch;
        ASSERT_TRUE(loadImagePatch(patch, *image));
        // As with the bitmap export, the image's top row is the area's first row and the
        // import's bottom row is its patch row 0.
        for (int j = 0; j < area.height; ++j)
            for (int i = 0; i < area.width; ++i) {
                float original = grid.point(area.x + i, area.y + area.height - 1 - j).z;
                ASSERT_LE(std::fabs(patch.point(i, j).z - original), 1.0f / 257.0f) << i << "," << j;
            }
    }
}

struct CliRun {
    int code;
    std::string err;
};

CliRun cli(std::vector<std::string> args) {
    std::ostringstream out, err;
    int code = runLandforgeCli(std::move(args), out, err);
    return {code, err.str()};
}

class TerrainToolsCli : public ::testing::Test {
protected:
    std::string path(const char* name) const { return (dir / name).string(); }
    korvath::testing::TempDir dir;
};

TEST_F(TerrainToolsCli, ErodeIsRepeatableAndExportPng16WritesTheView) {
    ASSERT_EQ(cli({"generate", "--seed", "4", "-o", path("g.lfg")}).code, 0);
    for (const char* kind : {"--thermal", "--hydraulic"}) {
        SCOPED_TRACE(kind);
        for (const char* out : {"a.lfg", "b.lfg"}) {
            CliRun r = cli({"erode", path("g.lfg"), "-o", path(out), kind, "--iterations", "800", "--seed", "5",
                            "--view", "10,10,100,60"});
            ASSERT_EQ(r.code, 0) << r.err;
        }
        EXPECT_EQ(dir.read("a.lfg"), dir.read("b.lfg"));
        EXPECT_NE(dir.read("a.lfg"), dir.read("g.lfg"));
    }
    ASSERT_EQ(cli({"export-png16", path("a.lfg"), path("a.png"), "--view", "1,2,30,20"}).code, 0);
    std::optional<GreyImage> image = decodeImageFile(path("a.png"));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 30);
    EXPECT_EQ(image->height, 20);
}

TEST_F(TerrainToolsCli, BadArgumentsWriteNothing) {
    ASSERT_EQ(cli({"generate", "--seed", "4", "-o", path("g.lfg")}).code, 0);
    const struct {
        std::vector<std::string> args;
        int code;
    } rows[] = {
        {{"erode", path("g.lfg"), "-o", path("o.lfg")}, 2},
        {{"erode", path("g.lfg"), "-o", path("o.lfg"), "--thermal", "--hydraulic"}, 2},
        {{"erode", path("g.lfg"), "-o", path("o.lfg"), "--thermal", "--iterations", "0"}, 2},
        {{"erode", path("g.lfg"), "-o", path("o.lfg"), "--hydraulic", "--rain", "lots"}, 2},
        {{"erode", path("g.lfg"), "-o", path("o.lfg"), "--thermal", "--talus", "90"}, 2},
        {{"erode", path("g.lfg"), "-o", path("o.lfg"), "--hydraulic", "--evaporation", "1"}, 2},
        {{"erode", path("g.lfg"), "-o", path("o.lfg"), "--thermal", "--view", "250,0,10,10"}, 1},
        {{"erode", path("missing.lfg"), "-o", path("o.lfg"), "--thermal"}, 1},
        {{"export-png16", path("g.lfg"), path("o.lfg"), "--view", "1,2,3"}, 2},
        {{"raise-lower", path("g.lfg"), "-o", path("o.lfg"), "--raise"}, 2},
    };
    for (const auto& r : rows) {
        CliRun run = cli(r.args);
        EXPECT_EQ(run.code, r.code) << r.args[0] << " " << r.args.back();
        EXPECT_FALSE(run.err.empty());
        EXPECT_TRUE(dir.read("o.lfg").empty());
    }
}

TEST_F(TerrainToolsCli, RaiseLowerChangesOnlyTheView) {
    ASSERT_EQ(cli({"generate", "--seed", "4", "-o", path("g.lfg")}).code, 0);
    ASSERT_EQ(cli({"raise-lower", path("g.lfg"), "-o", path("v.lfg"), "--lower", "--to", "12", "--view", "5,6,3,2"}).code,
              0);
    ParsedDocument before = parseDocument(dir.read("g.lfg")), after = parseDocument(dir.read("v.lfg"));
    ASSERT_TRUE(before.ok() && after.ok() && after->complete);
    for (int j = 0; j < kGridSize; ++j)
        for (int i = 0; i < kGridSize; ++i) {
            float z = after->points[static_cast<std::size_t>(j) * kGridSize + i].z;
            bool inView = i >= 5 && i < 8 && j >= 6 && j < 8;
            EXPECT_EQ(z, inView ? 12.0f : before->points[static_cast<std::size_t>(j) * kGridSize + i].z);
        }
}

}  // namespace
}  // namespace landforge
