// Appending to an existing animation file, and the refusals that protect the files.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/testing/temp_dir.h"
#include "exporter/scene/tests/test_scene.h"

namespace korvath::exporter_test {
namespace {

using namespace hostsdk;

std::vector<std::string> filesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

constexpr const char* kMismatch = "The animation file targeted for append mis-matches this export!\nAborting!";

class ExportAppend : public ::testing::Test {
protected:
    testing::TempDir dir;
    Host host;
    std::string dataPath = (dir / "ship_d.3d").string();

    void meshOf(int vertices) {
        auto& node = host.scene.root().addChild("ship");
        node.setMesh(lineMesh(vertices, {Face(0, 1, 2)}));
        host.scene.setAnimRange(0, 160 * 20);
    }
    int appendFrames(const std::string& frames) {
        host.windows.answerDialog({{{1021, frames}}, {{1022, true}}, {IDOK}});
        return host.exportTo(dataPath, false);
    }
    std::string animation() const { return dir.read("ship_a.3d"); }
};

TEST_F(ExportAppend, NewFramesGoAfterTheStoredOnes) {
    meshOf(100);
    std::string old = std::string("\x0A\x00\x90\x01", 4) + std::string(10 * 400, '\x5A');
    dir.write("ship_a.3d", old);
    ASSERT_EQ(appendFrames("1-5"), 1);
    const std::string anim = animation();
    ASSERT_EQ(anim.size(), 4004u + 5 * 400u);
    EXPECT_EQ(u16(anim, 0), 15);
    EXPECT_EQ(u16(anim, 2), 400);
    EXPECT_EQ(anim.substr(4, 4000), old.substr(4));
    EXPECT_EQ(u32(anim, 4004 + 4), 0x7F8u);  // vertex 1 of the first new frame: x = -1
    EXPECT_EQ(u16(dir.read("ship_d.3d"), 2), 100);
}

TEST_F(ExportAppend, MismatchIsRefusedAndLeavesTheFileUntouched) {
    meshOf(101);
    const std::string old = std::string("\x0A\x00\x90\x01", 4) + std::string(4000, '\x11');
    dir.write("ship_a.3d", old);
    EXPECT_EQ(appendFrames("1"), 0);
    EXPECT_EQ(animation(), old);
    ASSERT_EQ(host.windows.messages().size(), 1u);
    EXPECT_EQ(host.windows.messages()[0].text, kMismatch);
    EXPECT_EQ(host.windows.messages()[0].caption, "Fatal Error!");
    EXPECT_EQ(host.windows.messages()[0].type, MB_OK | MB_ICONWARNING);
    EXPECT_FALSE(host.scene.progressRunning());
    EXPECT_EQ(filesIn(dir.path()), (std::vector<std::string>{"ship_a.3d", "ship_d.3d"}));  // no copy left
    // The data file was rewritten before the animation file was looked at, and stays so.
    EXPECT_EQ(u16(dir.read("ship_d.3d"), 2), 101);
}

TEST_F(ExportAppend, FileShorterThanItsHeaderIsRefusedLikeAMismatch) {
    meshOf(3);
    dir.write("ship_a.3d", "\x01");
    EXPECT_EQ(appendFrames("1"), 0);
    EXPECT_EQ(animation(), "\x01");
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{kMismatch});
}

// A file cut short (or with bytes after its frames) would get frames that do not play where its
// header says they are: nothing is written, not even the data file.
TEST_F(ExportAppend, FileOfAnotherSizeThanItsHeaderSaysIsRefusedAndNothingIsWritten) {
    meshOf(100);
    const std::string whole = std::string("\x0A\x00\x90\x01", 4) + std::string(10 * 400, '\x5A');
    for (const std::string& damaged : {whole.substr(0, whole.size() - 1), whole.substr(0, 1004), whole + "tail"}) {
        SCOPED_TRACE(damaged.size());
        dir.write("ship_a.3d", damaged);
        dir.write("ship_d.3d", "old data");
        EXPECT_EQ(appendFrames("1"), 0);
        EXPECT_EQ(animation(), damaged);
        EXPECT_EQ(dir.read("ship_d.3d"), "old data");
        ASSERT_FALSE(host.windows.messages().empty());
        EXPECT_EQ(host.windows.messages().back().text,
                  "The animation file targeted for append is not as long as its header says!\nAborting!");
        EXPECT_EQ(filesIn(dir.path()), (std::vector<std::string>{"ship_a.3d", "ship_d.3d"}));
    }
}

TEST_F(ExportAppend, MissingFileFails) {
    meshOf(3);
    EXPECT_EQ(appendFrames("1"), 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "ship_a.3d"));
    EXPECT_TRUE(host.windows.messages().empty());
}

TEST_F(ExportAppend, FrameCountThatWouldOverflowIsRefusedBeforeTouchingTheFile) {
    meshOf(3);
    const std::string old = std::string("\xFE\xFF\x0C\x00", 4) + std::string(65534 * 12, '\x33');
    dir.write("ship_a.3d", old);
    EXPECT_EQ(appendFrames("1,2"), 0);
    EXPECT_EQ(animation(), old);
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{
        "The animation file targeted for append would hold more than 65535 frames!\nAborting!"});
}

TEST_F(ExportAppend, AnExporterThatAppendedStartsTheNextExportFresh) {
    meshOf(3);
    dir.write("ship_a.3d", std::string("\x01\x00\x0C\x00", 4) + std::string(12, '\x22'));
    auto exporter = plugin().createExporter();
    ExpInterface unused;
    host.windows.answerDialog({{{1021, "1"}}, {{1022, true}}, {IDOK}});
    ASSERT_EQ(exporter->DoExport(dataPath.c_str(), &unused, &host.scene, FALSE, 0), 1);
    EXPECT_EQ(u16(animation(), 0), 2);
    // Prompts suppressed: the whole range 0-20, written afresh over the appended file.
    ASSERT_EQ(exporter->DoExport(dataPath.c_str(), &unused, &host.scene, TRUE, 0), 1);
    EXPECT_EQ(u16(animation(), 0), 21);
    EXPECT_EQ(animation().size(), 4u + 21u * 12u);
}

class ExportLimits : public ExportAppend {};

TEST_F(ExportLimits, TooManyVerticesIsRefusedBeforeAnyFileIsWritten) {
    meshOf(16384);
    dir.write("ship_d.3d", "old data");
    dir.write("ship_a.3d", "old animation");
    EXPECT_EQ(host.exportTo(dataPath), 0);
    EXPECT_EQ(dir.read("ship_d.3d"), "old data");
    EXPECT_EQ(animation(), "old animation");
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{"The export has 16384 vertices or more!\nNothing was written!"});
    EXPECT_EQ(host.windows.messages()[0].caption, "Fatal Error!");
}

TEST_F(ExportLimits, JustBelowTheLimitsIsExported) {
    meshOf(16383);
    EXPECT_EQ(host.exportTo(dataPath), 1);
    EXPECT_EQ(u16(animation(), 2), 65532);
}

TEST_F(ExportLimits, TooManyTrianglesIsRefused) {
    auto& node = host.scene.root().addChild("dense");
    node.setMesh(lineMesh(3, std::vector<Face>(65536, Face(0, 1, 2))));
    EXPECT_EQ(host.exportTo(dataPath), 0);
    EXPECT_FALSE(std::filesystem::exists(dataPath));
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{"The export has more than 65535 triangles!\nNothing was written!"});
}

TEST_F(ExportLimits, TooManyFramesIsRefused) {
    meshOf(3);
    host.scene.setTicksPerFrame(1);
    host.scene.setAnimRange(0, 65535);  // 65,536 frames
    EXPECT_EQ(host.exportTo(dataPath), 0);
    EXPECT_FALSE(std::filesystem::exists(dataPath));
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{"More than 65535 frames were chosen!\nNothing was written!"});
}

TEST_F(ExportLimits, DataFileNamedLikeItsAnimationFileIsRefused) {
    meshOf(3);
    dir.write("ship_a.3d", "keep me");
    EXPECT_EQ(host.exportTo((dir / "ship_a.3d").string()), 0);
    EXPECT_EQ(animation(), "keep me");
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{
        "The animation file would replace the data file!\nChoose a name that does not end in _a.3d!"});
}

}  // namespace
}  // namespace korvath::exporter_test
