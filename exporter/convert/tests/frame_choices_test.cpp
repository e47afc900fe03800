// Which frames an export writes: --frames typed at the command line, the key frames of files
// read one key frame per import (every installed MDL), animations without a usable length,
// and what is printed when an export does not stand.
#include "exporter/convert/tests/convert_fixture.h"
#include "exporter/convert/tests/mesh_file_reader.h"
#include "exporter/convert/tests/scene_builder.h"

#include "exporter/convert/frame_choice.h"
#include "exporter/convert/key_frame_header.h"

#include "common/testing/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <limits>

namespace korvath::convert::testing {
namespace {

namespace fs = std::filesystem;

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A triangle that slides over frames 0-24; `duration` other than 24 gives other lengths.
std::string slidingTriangle(const korvath::testing::TempDir& dir, double duration = 24) {
    auto scene = emptyScene();
    addTriangle(*scene, addNode(scene->mRootNode, "Tri", {0, 0, 0}));
    aiNodeAnim* channel = new aiNodeAnim;
    channel->mNodeName = "Tri";
    channel->mNumPositionKeys = 2;
    channel->mPositionKeys = new aiVectorKey[2]{{0, aiVector3D(0, 0, 0)}, {24, aiVector3D(24, 0, 0)}};
    addAnimation(*scene, channel, duration, 0);  // no rate: keys count frames
    const std::string path = (dir / "slide.assbin").string();
    saveScene(*scene, path);
    return path;
}

int storedFrames(const korvath::testing::TempDir& dir, const char* name) {
    const std::string bytes = dir.read(name);
    return bytes.size() < 4 ? -1 : int(std::uint8_t(bytes[0]) | std::uint8_t(bytes[1]) << 8);
}

TEST(FrameChoice, FrameRangeTextIsNumbersAndRangesBetweenCommas) {
    const std::pair<const char*, bool> rows[] = {
        {"1-5,10,15", true}, {" 1 - 5 , 10 ", true}, {"7", true}, {"10-5", true},
        {"abc", false},      {"", false},            {"4,", false}, {"4-", false},
        {"2,,3", false},     {"-3", false},          {"5,-3", false}, {"1-2-3", false},
        {"1.5", false},      {"1;2", false},
    };
    for (const auto& [text, isRange] : rows) EXPECT_EQ(isFrameRangeText(text), isRange) << '"' << text << '"';
    EXPECT_EQ(framesText(1), "1 frame");
    EXPECT_EQ(framesText(0), "0 frames");
    EXPECT_EQ(framesText(25), "25 frames");
}

TEST(FrameChoice, MistypedOrEmptyRangesAreUsageErrorsThatLeaveTheFilesAlone) {
    korvath::testing::TempDir dir;
    const std::string scene = slidingTriangle(dir);
    const std::string data = (dir / "m.3d").string();
    ASSERT_EQ(convert({scene, data}).status, 0);
    const std::string before = dir.read("m_a.3d");
    ASSERT_EQ(storedFrames(dir, "m_a.3d"), 25);
    for (const char* text : {"500", "abc", "25-30", "4-", "2,,3", "-3", "1;2"}) {
        for (bool append : {false, true}) {
            std::vector<std::string> args{scene, data, "--frames", text};
            if (append) args.push_back("--append");
            const RunOutcome run = convert(args);
            EXPECT_EQ(run.status, 2) << text;
            EXPECT_TRUE(has(run.err, "the scene's frames are 0 to 24; nothing was written\n")) << run.err;
            EXPECT_EQ(run.out, "") << text;
            EXPECT_EQ(dir.read("m_a.3d"), before) << text;
        }
    }
    const std::string tooLong(600, '1');
    EXPECT_EQ(convert({scene, data, "--frames", tooLong}).status, 2);

    // What chooses something is exported, out-of-range parts dropped as in the dialog.
    const std::pair<const char*, int> accepted[] = {{"3", 1}, {"20-30,3", 1}, {"", 25}, {" 1 - 3 , 5", 4}};
    for (const auto& [text, frames] : accepted) {
        const RunOutcome run = convert({scene, data, "--frames", text});
        ASSERT_EQ(run.status, 0) << text << run.err;
        EXPECT_EQ(storedFrames(dir, "m_a.3d"), frames) << text;
        EXPECT_TRUE(has(run.out, "(" + framesText(frames) + ";")) << run.out;
    }
}

TEST(FrameChoice, AnimationWithoutAUsableLengthGivesOneFrameAndAWarning) {
    for (double duration : {std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        korvath::testing::TempDir dir;
        const RunOutcome run = convert({slidingTriangle(dir, duration), (dir / "m.3d").string()});
        ASSERT_EQ(run.status, 0) << duration << run.err;
        EXPECT_TRUE(has(run.err, "warning: the animation \"take\" has no usable length; 1 frame is exported"))
            << run.err;
        EXPECT_EQ(storedFrames(dir, "m_a.3d"), 1);
    }
}

// Every MDL of the installed test models: a frame count the file really has, or a refusal that
// says why; never the probe that ran to 65535 frames.
TEST(FrameChoice, EveryInstalledMdlConvertsOrIsRefusedWithAReason) {
    const fs::path folder = model("MDL");
    KORVATH_NEED_MODEL(folder);
    int converted = 0, animated = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        std::string ext = entry.path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
        if (!entry.is_regular_file() || ext != ".mdl") continue;
        SCOPED_TRACE(entry.path().string());
        korvath::testing::TempDir dir;
        const RunOutcome run = convert({entry.path().string(), (dir / "m.3d").string()});
        if (run.status != 0) {
            EXPECT_EQ(run.status, 1);
            EXPECT_TRUE(has(run.err, "korvathexp-convert: cannot read") || has(run.err, "nothing to export"))
                << run.err;
            EXPECT_TRUE(fs::is_empty(dir.path()));
            continue;
        }
        ++converted;
        const MeshFiles files = readMeshFiles(dir / "m.3d", dir / "m_a.3d");
        ASSERT_TRUE(files.ok);
        EXPECT_GE(files.frameCount, 1);
        EXPECT_LT(files.frameCount, 65535);
        if (files.frameCount > 1) {
            ++animated;
        } else if (declaredKeyFrames(korvath::testing::readFile(entry.path())).value_or(1) > 1) {
            // One frame of a file that has more is said.
            EXPECT_TRUE(has(run.err, "the import library gives only the first; 1 frame is exported")) << run.err;
        }
    }
    EXPECT_GE(converted, 4);
    EXPECT_GE(animated, 1);  // the HL1 files' sequences
}

TEST(FrameChoice, HalfLifeSequencesAreTheAnimationsAndAStoredKeyFrameCountIsOne) {
    const auto man = model("MDL/MDL (HL1)/man.mdl");
    const auto minigun = model("MDL/MDL3 (3DGS A4)/minigun.MDL");
    KORVATH_NEED_MODEL(man);
    RunOutcome run = convert({man.string(), "--list"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(has(run.out, "\"walk\"")) << run.out;
    korvath::testing::TempDir dir;
    run = convert({man.string(), (dir / "man.3d").string(), "--animation", "walk"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_GT(storedFrames(dir, "man_a.3d"), 100);

    run = convert({minigun.string(), (dir / "gun.3d").string(), "--frames", "0"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(has(run.err, "minigun.MDL declares 8 key frames, but the import library gives only the first"))
        << run.err;
    run = convert({minigun.string(), (dir / "gun.3d").string(), "--frames", "1-7"});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(has(run.err, "the scene's frames are 0 to 0")) << run.err;
}

// Messages start on lines of their own; an export that does not stand is not called done and
// prints no scale factor.
TEST(FrameChoice, RefusedExportPrintsNoDoneAndNoScaleFactor) {
    korvath::testing::TempDir dir;
    const std::string data = (dir / "m.3d").string();
    ASSERT_EQ(convert({slidingTriangle(dir), data, "--frames", "0"}).status, 0);
    auto twoTriangles = emptyScene();
    addTriangle(*twoTriangles, addNode(twoTriangles->mRootNode, "A", {0, 0, 0}));
    addTriangle(*twoTriangles, addNode(twoTriangles->mRootNode, "B", {5, 0, 0}));
    const std::string other = (dir / "two.assbin").string();
    saveScene(*twoTriangles, other);
    const RunOutcome run = convert({other, data, "--append", "--scale", "1"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(has(run.err, "done")) << run.err;
    for (std::size_t at = run.err.find("korvathexp-convert:"); at != std::string::npos;
         at = run.err.find("korvathexp-convert:", at + 1))
        EXPECT_TRUE(at == 0 || run.err[at - 1] == '\n') << run.err;
    for (std::size_t at = run.err.find('['); at != std::string::npos; at = run.err.find('[', at + 1))
        EXPECT_TRUE(at == 0 || run.err[at - 1] == '\n') << run.err;
}

}  // namespace
}  // namespace korvath::convert::testing
