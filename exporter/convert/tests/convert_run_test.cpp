// The program's behaviour around the export: options, exit codes, cancelling, appending and
// leaving the output folder as it was when an export does not stand.
#include "exporter/convert/tests/convert_fixture.h"
#include "exporter/convert/tests/hand_math.h"
#include "exporter/convert/tests/mesh_file_reader.h"

#include "exporter/convert/convert_options.h"
#include "exporter/convert/convert_run.h"

#include "common/testing/temp_dir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <sstream>

namespace korvath::convert::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> folderNames(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Runs with Ctrl-C arriving once the plug-in's frame pass reports `percent`.
RunOutcome convertCancelledAt(std::vector<std::string> args, int percent) {
    args.push_back("--plugin");
    args.push_back(KORVATHEXP_PLUGIN_PATH);
    const ParsedCommandLine parsed = parseCommandLine(args);
    EXPECT_TRUE(parsed.options) << parsed.error;
    std::atomic<bool> cancel{false};
    RunHooks hooks;
    hooks.onProgress = [&](const scene::ProgressEvent& e) {
        if (e.kind == scene::ProgressEvent::Kind::Update && e.percent >= percent) cancel = true;
    };
    std::ostringstream out, err;
    RunOutcome outcome;
    outcome.status = runConvert(*parsed.options, out, err, cancel, hooks);
    outcome.out = out.str();
    outcome.err = err.str();
    return outcome;
}

TEST(ConvertRun, CancelledFreshExportRemovesWhatItCreated) {
    const auto scene = model("glTF2/simple_skin/simple_skin.gltf");
    KORVATH_NEED_MODEL(scene);
    korvath::testing::TempDir dir;
    dir.write("keep.txt", "mine");
    const RunOutcome run = convertCancelledAt({scene.string(), (dir / "skin.3d").string()}, 50);
    EXPECT_EQ(run.status, 130) << run.err;
    EXPECT_EQ(folderNames(dir.path()), std::vector<std::string>{"keep.txt"});
    EXPECT_EQ(dir.read("keep.txt"), "mine");
    EXPECT_NE(run.err.find("\nkorvathexp-convert: cancelled"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("done"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
}

TEST(ConvertRun, AppendAddsFramesAndACancelledAppendPutsBothFilesBack) {
    const auto scene = model("glTF2/simple_skin/simple_skin.gltf");
    KORVATH_NEED_MODEL(scene);
    korvath::testing::TempDir dir;
    const std::string data = (dir / "skin_d.3d").string();
    ASSERT_EQ(convert({scene.string(), data, "--frames", "0-2"}).status, 0);
    const std::string dataBefore = dir.read("skin_d.3d"), animBefore = dir.read("skin_a.3d");

    const RunOutcome cancelled = convertCancelledAt({scene.string(), data, "--frames", "3-40", "--append"}, 40);
    EXPECT_EQ(cancelled.status, 130);
    EXPECT_EQ(dir.read("skin_d.3d"), dataBefore);
    EXPECT_EQ(dir.read("skin_a.3d"), animBefore);
    EXPECT_EQ(folderNames(dir.path()), (std::vector<std::string>{"skin_a.3d", "skin_a.3d.scale", "skin_d.3d"}));

    ASSERT_EQ(convert({scene.string(), data, "--frames", "3,4", "--append"}).status, 0);
    const MeshFiles appended = readMeshFiles(dir / "skin_d.3d", dir / "skin_a.3d");
    ASSERT_TRUE(appended.ok);
    EXPECT_EQ(appended.frameCount, 5);
    EXPECT_EQ(dir.read("skin_a.3d").substr(4, animBefore.size() - 4), animBefore.substr(4));
    // The appended frames are the frames a fresh export of 0-4 writes.
    ASSERT_EQ(convert({scene.string(), (dir / "whole.3d").string(), "--frames", "0-4"}).status, 0);
    EXPECT_EQ(dir.read("skin_a.3d"), dir.read("whole_a.3d"));
}

TEST(ConvertRun, RefusedAppendExitsOneAndLeavesBothFilesAsTheyWere) {
    const auto skin = model("glTF2/simple_skin/simple_skin.gltf");
    const auto box = model("OBJ/box.obj");
    KORVATH_NEED_MODEL(skin);
    KORVATH_NEED_MODEL(box);
    korvath::testing::TempDir dir;
    const std::string data = (dir / "model.3d").string();
    ASSERT_EQ(convert({skin.string(), data}).status, 0);
    const std::string dataBefore = dir.read("model.3d"), animBefore = dir.read("model_a.3d");
    const RunOutcome run = convert({box.string(), data, "--append"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("[Fatal Error!] The animation file targeted for append mis-matches this export!\nAborting!"),
              std::string::npos) << run.err;
    EXPECT_EQ(dir.read("model.3d"), dataBefore);
    EXPECT_EQ(dir.read("model_a.3d"), animBefore);
    EXPECT_EQ(folderNames(dir.path()), (std::vector<std::string>{"model.3d", "model_a.3d", "model_a.3d.scale"}));
}

TEST(ConvertRun, FitScalesTheLargestCoordinateTo127AndPrintsTheFactor) {
    const auto box = model("OBJ/box.obj");
    KORVATH_NEED_MODEL(box);
    korvath::testing::TempDir dir;
    const RunOutcome run = convert({box.string(), (dir / "box.3d").string(), "--fit"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Scale factor: 254\n"), std::string::npos) << run.out;  // corners at ±0.5
    const MeshFiles files = readMeshFiles(dir / "box.3d", dir / "box_a.3d");
    ASSERT_TRUE(files.ok);
    for (int v = 0; v < files.vertexCount; ++v) {
        const Fields f = unpack(files.word(0, v));
        EXPECT_EQ(std::abs(f.x), 1016);
        EXPECT_EQ(std::abs(f.y), 1016);
        EXPECT_EQ(std::abs(f.z), 508);
    }
}

TEST(ConvertRun, SingleKeyFrameFilesAreReadOnceForEveryFrame) {
    const auto path = model("MD2/faerie.md2");
    KORVATH_NEED_MODEL(path);
    const std::string bytes = korvath::testing::readFile(path);
    ASSERT_GT(bytes.size(), 44u);
    const int frames = int(std::uint8_t(bytes[40])) | int(std::uint8_t(bytes[41])) << 8;  // num_frames
    korvath::testing::TempDir dir;
    const RunOutcome run = convert({path.string(), (dir / "faerie.3d").string(), "--fit"});
    ASSERT_EQ(run.status, 0) << run.err;
    const MeshFiles files = readMeshFiles(dir / "faerie.3d", dir / "faerie_a.3d");
    ASSERT_TRUE(files.ok);
    EXPECT_EQ(files.frameCount, frames);
    int changed = 0;
    for (int f = 1; f < files.frameCount; ++f) changed += files.word(f, 0) != files.word(f - 1, 0);
    EXPECT_GT(changed, frames / 4);
}

TEST(ConvertRun, ListShowsEveryNodeWithItsVerdictAndTheAnimations) {
    const auto path = model("Collada/box_nested_animation.dae");
    KORVATH_NEED_MODEL(path);
    const RunOutcome run = convert({path.string(), "--list"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\"Armature\": not exported: no mesh\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"Cube\": exported (36 vertices before welding, 12 triangles, 1 material(s), skinned)\n"),
              std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Animations:\n  \"Armature\":"), std::string::npos) << run.out;
}

TEST(ConvertRun, BadInputGivesAClearMessageAndWritesNothing) {
    const auto box = model("OBJ/box.obj");
    KORVATH_NEED_MODEL(box);
    korvath::testing::TempDir dir;
    RunOutcome run = convert({(dir / "missing.gltf").string(), (dir / "out.3d").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot open"), std::string::npos) << run.err;

    run = convert({box.string(), (dir / "out.3d").string(), "--animation", "walk"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("the scene has no animation named \"walk\""), std::string::npos) << run.err;

    // A file stands where the output folder must be.
    dir.write("taken", "x");
    run = convert({box.string(), (dir / "taken" / "out.3d").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(folderNames(dir.path()), std::vector<std::string>{"taken"});

    // Counts no file of its size can hold are refused before the import library allocates for them.
    dir.write("huge.off", "OFF\n353535235358 6 0\n-0.5 -0.5 0.5\n");
    run = convert({(dir / "huge.off").string(), (dir / "out.3d").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("huge.off: it declares 353535235358 vertices and 6 faces, more than its 35 bytes can hold"),
              std::string::npos) << run.err;

    dir.write("not-a-model.obj", "v 1 2\nf 9 9 9 9\n\x01\x02");
    run = convert({(dir / "not-a-model.obj").string(), (dir / "out.3d").string()});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_FALSE(fs::exists(dir / "out.3d"));
}

TEST(ConvertRun, UsageErrors) {
    EXPECT_EQ(convert({"a.gltf", "b.3d", "--fps", "7"}).status, 2);
    EXPECT_EQ(convert({"a.gltf", "b.3d", "--scale", "2", "--fit"}).status, 2);
    EXPECT_EQ(convert({"a.gltf", "b.3d", "--scale", "-1"}).status, 2);
    EXPECT_EQ(convert({"a.gltf", "b.3d", "--up", "w"}).status, 2);
    EXPECT_EQ(convert({"a.gltf"}).status, 2);
    EXPECT_EQ(convert({"a.gltf", "b.3d", "--bogus"}).status, 2);
    EXPECT_TRUE(parseCommandLine({"--help"}).help);
}

}  // namespace
}  // namespace korvath::convert::testing
