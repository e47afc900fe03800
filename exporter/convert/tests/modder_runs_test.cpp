// What a modder meets around the export: --fit measuring what is written, the factor kept for
// appends, where the frames land, wrapped vertices, refused scenes and the no-material warning.
#include "exporter/convert/tests/convert_fixture.h"
#include "exporter/convert/tests/mesh_file_reader.h"
#include "exporter/convert/tests/scene_builder.h"

#include "common/testing/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace korvath::convert::testing {
namespace {

namespace fs = std::filesystem;

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A triangle node "Box" that climbs 5 units a frame over frames 0-10, and a far triangle node
// named `farName` that stays at x = 1000.
std::string climbingBoxWithFarNode(const korvath::testing::TempDir& dir, const char* farName) {
    auto scene = emptyScene();
    addTriangle(*scene, addNode(scene->mRootNode, "Box", {0, 0, 0}));
    addTriangle(*scene, addNode(scene->mRootNode, farName, {1000, 0, 0}));
    aiNodeAnim* channel = new aiNodeAnim;
    channel->mNodeName = "Box";
    channel->mNumPositionKeys = 2;
    channel->mPositionKeys = new aiVectorKey[2]{{0, aiVector3D(0, 0, 0)}, {10, aiVector3D(0, 0, 50)}};
    addAnimation(*scene, channel, 10, 0);  // no rate: keys count frames
    const std::string path = (dir / "climb.assbin").string();
    saveScene(*scene, path);
    return path;
}

TEST(ModderRuns, FitMeasuresOnlyTheExportedNodesAtTheChosenFrames) {
    for (const char* farName : {"bone_far", "Bip01 Far", "!far", "LinkFar"}) {
        korvath::testing::TempDir dir;
        const std::string scene = climbingBoxWithFarNode(dir, farName);
        // Frames 0-2: the box reaches 10 units up (its corners reach 1 across).
        RunOutcome run = convert({scene, (dir / "m.3d").string(), "--fit", "--frames", "0-2"});
        ASSERT_EQ(run.status, 0) << farName << run.err;
        EXPECT_TRUE(has(run.out, "Scale factor: 12.7\n")) << farName << run.out;
        const MeshFiles files = readMeshFiles(dir / "m.3d", dir / "m_a.3d");
        ASSERT_TRUE(files.ok);
        EXPECT_EQ(files.vertexCount, 3) << farName;
        // The whole range: 50 units up.
        run = convert({scene, (dir / "all.3d").string(), "--fit"});
        EXPECT_TRUE(has(run.out, "Scale factor: 2.54\n")) << farName << run.out;
    }
}

TEST(ModderRuns, AppendedSequencesKeepTheFirstFactorAndTellWhereTheyLand) {
    korvath::testing::TempDir dir;
    const std::string scene = climbingBoxWithFarNode(dir, "bone_far");
    const std::string data = (dir / "m.3d").string();
    RunOutcome run = convert({scene, data, "--fit", "--frames", "0-2"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(has(run.out, "Sequence: frames 0 to 2 of m_a.3d (3 frames; the file holds 3)\n")) << run.out;
    EXPECT_EQ(dir.read("m_a.3d.scale"), "scale=12.7\r\n");

    // --fit would pick 2.54 for frames 3-10; the file's factor is kept instead.
    run = convert({scene, data, "--fit", "--append", "--frames", "3-4"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(has(run.out, "Scale factor: 12.7 (kept from m_a.3d.scale)\n")) << run.out;
    EXPECT_TRUE(has(run.out, "Sequence: frames 3 to 4 of m_a.3d (2 frames; the file holds 5)\n")) << run.out;
    ASSERT_EQ(convert({scene, (dir / "whole.3d").string(), "--scale", "12.7", "--frames", "0-4"}).status, 0);
    EXPECT_EQ(dir.read("m_a.3d"), dir.read("whole_a.3d"));

    // Another factor is refused, and nothing changes.
    const std::string before = dir.read("m_a.3d");
    run = convert({scene, data, "--scale", "2", "--append", "--frames", "5"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(has(run.err, "were written at scale 12.7 (kept in m_a.3d.scale); appending at 2 would give this "
                             "sequence another size: use --scale 12.7, or --fit, which keeps it")) << run.err;
    EXPECT_EQ(dir.read("m_a.3d"), before);

    // Without the record --fit cannot know the factor; --scale still appends and keeps it again.
    fs::remove(dir / "m_a.3d.scale");
    run = convert({scene, data, "--fit", "--append", "--frames", "5"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(has(run.err, "--fit cannot choose the factor for an append")) << run.err;
    EXPECT_EQ(dir.read("m_a.3d"), before);
    ASSERT_EQ(convert({scene, data, "--scale", "12.7", "--append", "--frames", "5"}).status, 0);
    EXPECT_EQ(dir.read("m_a.3d.scale"), "scale=12.7\r\n");

    // A missing animation file is named, and nothing is written.
    run = convert({scene, (dir / "other.3d").string(), "--append"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(has(run.err, "cannot append: the animation file " + (dir / "other_a.3d").string() +
                                 " does not exist; export the first sequence without --append")) << run.err;
    EXPECT_FALSE(fs::exists(dir / "other.3d"));
}

TEST(ModderRuns, WrappedVerticesAreCountedWithTheScaleThatFits) {
    korvath::testing::TempDir dir;
    auto scene = emptyScene();
    addTriangle(*scene, addNode(scene->mRootNode, "Box", {150, 0, 0}));  // x 150 to 151
    const std::string path = (dir / "far.assbin").string();
    saveScene(*scene, path);
    RunOutcome run = convert({path, (dir / "far.3d").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(has(run.err, "[Warning!] A vertex was exported that violated the -128 to 128 bounds\n")) << run.err;
    const std::string told = "korvathexp-convert: 3 of 3 vertices lie outside -128 to 128 in some frame at scale 1 "
                             "and wrapped around (largest coordinate 151); use --fit, or --scale ";
    ASSERT_TRUE(has(run.err, told)) << run.err;
    const std::size_t at = run.err.find(told) + told.size();
    const std::string suggested = run.err.substr(at, run.err.find(' ', at) - at);
    run = convert({path, (dir / "fits.3d").string(), "--scale", suggested});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_FALSE(has(run.err, "violated")) << suggested << run.err;
}

TEST(ModderRuns, ScenesWithNothingToWriteOrNothingToMeasureAreRefused) {
    korvath::testing::TempDir dir;
    auto excluded = emptyScene();
    addTriangle(*excluded, addNode(excluded->mRootNode, "Bone01", {0, 0, 0}));
    saveScene(*excluded, (dir / "bones.assbin").string());
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const auto infinites = model("glTF2/BoxWithInfinites-glTF-Binary/BoxWithInfinites.glb");
    const auto points = model("OBJ/testpoints.obj");
    KORVATH_NEED_MODEL(infinites);
    const Case cases[] = {
        {{(dir / "bones.assbin").string()}, "nothing to export: " + (dir / "bones.assbin").string() +
                                                " has no mesh the exporter writes (see --list); nothing was written"},
        {{points.string()}, "nothing to export"},
        {{infinites.string(), "--fit"}, "--fit cannot scale this scene: a position is not a number (node \""},
    };
    for (const Case& c : cases) {
        korvath::testing::TempDir out;
        std::vector<std::string> args = c.args;
        args.insert(args.begin() + 1, (out / "x.3d").string());
        const RunOutcome run = convert(args);
        EXPECT_EQ(run.status, 1) << c.args[0];
        EXPECT_TRUE(has(run.err, c.message)) << run.err;
        EXPECT_TRUE(fs::is_empty(out.path())) << c.args[0];
    }
}

TEST(ModderRuns, MaterialsTheImportLibraryMadeUpGiveTheNoMaterialWarning) {
    struct Case {
        const char* file;
        bool warned;
    };
    const Case cases[] = {
        {"glTF2/simple_skin/simple_skin.gltf", true},          // no materials
        {"OBJ/box.obj", true},                                  // "usemtl" without a material file
        {"OBJ/cube_usemtl.obj", true},                          // one name its material file lacks
        {"OBJ/space_in_material_name.obj", false},              // defined in its material file
        {"glTF2/BoxTextured-glTF/BoxTextured.gltf", false},
    };
    for (const Case& c : cases) {
        const auto path = model(c.file);
        KORVATH_NEED_MODEL(path);
        korvath::testing::TempDir dir;
        const RunOutcome run = convert({path.string(), (dir / "m.3d").string(), "--frames", "0", "--fit"});
        ASSERT_EQ(run.status, 0) << c.file << run.err;
        EXPECT_EQ(has(run.err, "[Warning!] The mesh has no material!\nNo polygon flags set!"), c.warned)
            << c.file << run.err;
    }
}

}  // namespace
}  // namespace korvath::convert::testing
