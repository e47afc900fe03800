#include "landforge/cli/subcommands.h"

#include <cstring>
#include <sstream>

#include <QImage>
#include <gtest/gtest.h>

#include "common/testing/temp_dir.h"
#include "landforge/terrain/terrain_file.h"

namespace landforge {
namespace {

struct CliRun {
    int code;
    std::string out;
    std::string err;
};

CliRun cli(std::vector<std::string> args) {
    std::ostringstream out, err;
    int code = runLandforgeCli(std::move(args), out, err);
    return {code, out.str(), err.str()};
}

class Cli : public ::testing::Test {
protected:
    std::string path(const char* name) const { return (dir / name).string(); }
    korvath::testing::TempDir dir;
};

TEST_F(Cli, GenerateWritesAFullDocumentAndInfoDescribesIt) {
    CliRun r = cli({"generate", "--seed", "1", "-o", path("t.lfg")});
    ASSERT_EQ(r.code, 0) << r.err;
    std::string doc = dir.read("t.lfg");
    ASSERT_EQ(doc.size(), 1826840u);
    float z00;
    std::memcpy(&z00, doc.data() + 8 + 8, 4);
    EXPECT_EQ(z00, 41.0f);  // the first draw of seed 1
    CliRun info = cli({"info", path("t.lfg")});
    ASSERT_EQ(info.code, 0);
    EXPECT_EQ(info.out.substr(0, 22), "width 256\nheight 256\nl");
    EXPECT_NE(info.out.find("\nmean "), std::string::npos);
}

TEST_F(Cli, InfoOfASmallDocument) {
    TerrainState s;
    s.grid.point(1, 0).z = 10;
    s.grid.point(0, 1).z = -2;
    dir.write("v.lfg", writeDocument(s.grid, {0, 0, 2, 2}));
    CliRun r = cli({"info", path("v.lfg")});
    EXPECT_EQ(r.out, "width 2\nheight 2\nlowest -2.000000\nhighest 10.000000\nmean 2.000000\n");
}

TEST_F(Cli, ExportsWriteT3dAndBitmapForTheChosenView) {
    ASSERT_EQ(cli({"generate", "--seed", "5", "--dampening", "3", "-o", path("t.lfg")}).code, 0);
    CliRun t3d = cli({"export-t3d", path("t.lfg"), path("t.t3d"), "--scale", "2", "--view", "10,20,3,2"});
    ASSERT_EQ(t3d.code, 0) << t3d.err;
    std::string text = dir.read("t.t3d");
    EXPECT_EQ(text.substr(0, 16), "Begin PolyList\r\n");
    EXPECT_EQ(text.substr(text.size() - 14), "End PolyList\r\n");
    CliRun bmp = cli({"export-bmp", path("t.lfg"), path("t.bmp"), "--view", "0,0,5,3"});
    ASSERT_EQ(bmp.code, 0) << bmp.err;
    EXPECT_EQ(dir.read("t.bmp").size(), 54u + 3 * 16);
}

TEST_F(Cli, ImportImageBlendsOntoTheBase) {
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(qRgb(100, 100, 100));
    image.setPixel(0, 1, qRgb(40, 40, 40));  // bottom-left: patch [0][0]
    ASSERT_TRUE(image.save(QString::fromStdString(path("p.png"))));
    TerrainState base;
    for (TerrainPoint& p : base.grid.points) p.z = 50;
    dir.write("base.lfg", writeDocument(base.grid, kFullRect));
    CliRun r = cli({"import-image", path("p.png"), "-o", path("out.lfg"), "--onto", path("base.lfg"), "--at",
                 "255,3", "--mode", "add", "--weight", "50"});
    ASSERT_EQ(r.code, 0) << r.err;
    ParsedDocument d = readDocumentFile(path("out.lfg"));
    ASSERT_TRUE(d.ok() && d->complete);
    // Pulled back to x 254; add at 50 %: 50 + (40 - 50) / 2 = 45, 50 + 25 = 75.
    EXPECT_EQ(d->points[3 * 256 + 254].z, 45.0f);
    EXPECT_EQ(d->points[4 * 256 + 255].z, 75.0f);
    EXPECT_EQ(d->points[3 * 256 + 253].z, 50.0f);
}

TEST_F(Cli, FailuresExitOneAndWriteNothing) {
    TerrainState s;
    std::string full = writeDocument(s.grid, kFullRect);
    dir.write("short.lfg", full.substr(0, full.size() - 1));
    std::string big = full;
    std::int32_t w = 300;
    std::memcpy(big.data(), &w, 4);
    dir.write("big.lfg", big);
    dir.write("good.lfg", full);
    dir.write("junk.png", "not an image");
    std::vector<std::vector<std::string>> cases = {
        {"export-t3d", path("short.lfg"), path("out")},
        {"export-bmp", path("big.lfg"), path("out")},
        {"export-bmp", path("missing.lfg"), path("out")},
        {"export-t3d", path("good.lfg"), path("out"), "--view", "250,0,10,10"},
        {"import-image", path("junk.png"), "-o", path("out")},
        {"import-image", path("junk.png"), "-o", path("out"), "--at", "256,0"},
        {"info", path("short.lfg")},
        {"generate", "--seed", "1", "-o", path("good.lfg/out")},
    };
    for (const auto& args : cases) {
        CliRun r = cli(args);
        EXPECT_EQ(r.code, 1) << args[0] << " " << args[1];
        EXPECT_EQ(r.err.rfind("landforge-cli: ", 0), 0u) << r.err;
        EXPECT_EQ(dir.read("out"), "");
    }
    EXPECT_EQ(cli({"info", path("short.lfg")}).err,
              "landforge-cli: " + path("short.lfg") + ": the file is shorter than its header announces.\n");
    EXPECT_EQ(cli({"info", path("big.lfg")}).err,
              "landforge-cli: " + path("big.lfg") + ": The terrain size 300 x 256 is outside 1-256.\n");
    EXPECT_EQ(dir.read("good.lfg"), full);
}

TEST_F(Cli, UsageErrorsExitTwo) {
    EXPECT_EQ(cli({}).code, 2);
    EXPECT_EQ(cli({"frobnicate"}).code, 2);
    EXPECT_EQ(cli({"generate"}).code, 2);
    EXPECT_EQ(cli({"generate", "--seed", "x1"}).code, 2);
    CliRun unnamed = cli({"generate", "--seed", "1"});
    EXPECT_EQ(unnamed.code, 2) << "no default output that could replace a terrain";
    EXPECT_EQ(unnamed.err.substr(0, 46), "landforge-cli: generate needs -o OUT.lfg\nUsage");
    EXPECT_EQ(cli({"export-t3d", path("a"), path("b"), "--scale", "0"}).code, 2);
    EXPECT_EQ(cli({"export-bmp", path("a"), path("b"), "--view", "1,2,3"}).code, 2);
    EXPECT_EQ(cli({"import-image", path("a"), "-o", path("b"), "--mode", "blend"}).code, 2);
    EXPECT_EQ(cli({"info", path("a"), "--bogus"}).code, 2);
    EXPECT_EQ(cli({"info"}).err.substr(0, 36), "landforge-cli: expected 1 file name\n");
    EXPECT_EQ(cli({"export-bmp", path("a")}).err.substr(0, 37), "landforge-cli: expected 2 file names\n");
    CliRun help = cli({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("export-t3d IN.lfg OUT.t3d"), std::string::npos);
}

}  // namespace
}  // namespace landforge
