// What the converter's files look like after a run is killed at any step, and the appends that
// must be refused because the files would not agree: a killed export, a cut-short animation file.
#include "exporter/convert/tests/convert_fixture.h"
#include "exporter/convert/tests/mesh_file_reader.h"
#include "exporter/convert/tests/scene_builder.h"

#include "exporter/convert/convert_options.h"
#include "exporter/convert/convert_run.h"
#include "exporter/convert/scale_record.h"

#include "common/testing/temp_dir.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <sstream>

namespace korvath::convert::testing {
namespace {

namespace fs = std::filesystem;

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::vector<std::string> folderNames(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A triangle node "Box" that climbs over frames 0-10; `x` places it.
std::string climbingBox(const korvath::testing::TempDir& dir, float x = 0) {
    auto scene = emptyScene();
    addTriangle(*scene, addNode(scene->mRootNode, "Box", {x, 0, 0}));
    aiNodeAnim* channel = new aiNodeAnim;
    channel->mNodeName = "Box";
    channel->mNumPositionKeys = 2;
    channel->mPositionKeys = new aiVectorKey[2]{{0, aiVector3D(x, 0, 0)}, {10, aiVector3D(x, 0, 50)}};
    addAnimation(*scene, channel, 10, 0);
    const std::string path = (dir / "climb.assbin").string();
    saveScene(*scene, path);
    return path;
}

// Runs the converter in a process of its own, killed with SIGKILL when it reaches `killAt`
// (never killed without it). A later run in this process is then a later run of the program.
void convertInChild(std::vector<std::string> args, std::optional<ExportStep> killAt) {
    args.push_back("--plugin");
    args.push_back(KORVATHEXP_PLUGIN_PATH);
    const ParsedCommandLine parsed = parseCommandLine(args);
    ASSERT_TRUE(parsed.options) << parsed.error;
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::ostringstream out, err;
        std::atomic<bool> cancel{false};
        RunHooks hooks;
        hooks.atStep = [killAt](ExportStep reached) {
            if (reached == killAt) ::raise(SIGKILL);
        };
        ::_exit(runConvert(*parsed.options, out, err, cancel, hooks));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    if (killAt) {
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "not killed";
    } else {
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "exit " << status;
    }
}

TEST(InterruptedExport, AKillLeavesFilesThatAgreeOrAnAppendIsRefused) {
    struct Case {
        ExportStep killedAt;
        bool filesReplaced;  // the killed export replaced some of the files
    };
    for (const Case& c : {Case{ExportStep::MarkerWritten, false}, Case{ExportStep::MeshFilesReplaced, true},
                          Case{ExportStep::ScaleRecordWritten, true}}) {
        SCOPED_TRACE(int(c.killedAt));
        korvath::testing::TempDir dir;
        const std::string scene = climbingBox(dir);
        const std::string data = (dir / "m_d.3d").string();
        convertInChild({scene, data, "--scale", "2", "--frames", "0-2"}, std::nullopt);
        convertInChild({scene, data, "--scale", "3", "--frames", "0-4"}, c.killedAt);
        const std::string dataBefore = dir.read("m_d.3d"), animBefore = dir.read("m_a.3d");

        RunOutcome append = convert({scene, data, "--fit", "--append", "--frames", "5"});
        if (!c.filesReplaced) {
            // Killed before it replaced anything: the files are the first export's and agree.
            EXPECT_EQ(append.status, 0) << append.err;
            EXPECT_TRUE(has(append.out, "Scale factor: 2 (kept from m_a.3d.scale)")) << append.out;
            EXPECT_EQ(readMeshFiles(dir / "m_d.3d", dir / "m_a.3d").frameCount, 4);
        } else {
            EXPECT_EQ(append.status, 1);
            EXPECT_TRUE(has(append.err, "cannot append: an earlier export into " + data + " was stopped half way "
                                        "(m_a.3d.exporting is still there), so m_d.3d, m_a.3d and m_a.3d.scale "
                                        "may not belong together; export every sequence again without --append"))
                << append.err;
            EXPECT_EQ(dir.read("m_d.3d"), dataBefore);
            EXPECT_EQ(dir.read("m_a.3d"), animBefore);
            // The refusal writes nothing, so the killed run's copies stay hidden until the next write.
            std::vector<std::string> names = folderNames(dir.path());
            std::erase_if(names, [](const std::string& name) { return name.rfind(".m_", 0) == 0; });
            EXPECT_EQ(names, (std::vector<std::string>{"climb.assbin", "m_a.3d", "m_a.3d.exporting", "m_a.3d.scale",
                                                       "m_d.3d"}));
            // A fresh export puts all three right, and appending works again.
            ASSERT_EQ(convert({scene, data, "--scale", "3", "--frames", "0-4"}).status, 0);
            append = convert({scene, data, "--fit", "--append", "--frames", "5"});
            EXPECT_EQ(append.status, 0) << append.err;
            EXPECT_TRUE(has(append.out, "Scale factor: 3 (kept from m_a.3d.scale)")) << append.out;
        }
        // Nothing of the killed run is left: no marker, no temporary or kept-aside copy.
        EXPECT_EQ(folderNames(dir.path()),
                  (std::vector<std::string>{"climb.assbin", "m_a.3d", "m_a.3d.scale", "m_d.3d"}));
    }
}

TEST(InterruptedExport, AppendingToAnAnimationFileOfTheWrongSizeIsRefused) {
    korvath::testing::TempDir dir;
    const std::string scene = climbingBox(dir);
    const std::string data = (dir / "m_d.3d").string();
    ASSERT_EQ(convert({scene, data, "--frames", "0-2"}).status, 0);
    const std::string whole = dir.read("m_a.3d"), dataBefore = dir.read("m_d.3d");
    ASSERT_EQ(whole.size(), 4u + 3u * 12u);
    const struct {
        std::string bytes;
        std::string message;
    } cases[] = {
        {whole.substr(0, 30), "m_a.3d holds 30 bytes, but its header announces 3 frames of 12 bytes (40 bytes): "
                              "the file was cut short or changed"},
        {whole + "x", "m_a.3d holds 41 bytes, but its header announces 3 frames of 12 bytes (40 bytes)"},
        {whole.substr(0, 3), "m_a.3d is not an animation file"},
    };
    for (const auto& c : cases) {
        dir.write("m_a.3d", c.bytes);
        const RunOutcome run = convert({scene, data, "--append", "--frames", "3"});
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(has(run.err, "korvathexp-convert: cannot append: " + c.message)) << run.err;
        EXPECT_TRUE(has(run.err, "; nothing was written\n")) << run.err;
        EXPECT_EQ(dir.read("m_a.3d"), c.bytes);
        EXPECT_EQ(dir.read("m_d.3d"), dataBefore);
    }
}

TEST(InterruptedExport, PositionsThatAreNotNumbersAreRefused) {
    korvath::testing::TempDir dir;
    const std::string scene = climbingBox(dir, std::nanf(""));
    const RunOutcome run = convert({scene, (dir / "m.3d").string(), "--frames", "0-2"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(has(run.err, "korvathexp-convert: a position is not a number (node \"Box\", frame 0); "
                             "the output folder is as it was")) << run.err;
    EXPECT_EQ(folderNames(dir.path()), std::vector<std::string>{"climb.assbin"});
}

TEST(InterruptedExport, AScaleRecordThatCannotBeWrittenSaysWhy) {
    korvath::testing::TempDir dir;
    const Status status = writeScaleRecord(dir / "missing" / "m_a.3d.scale", 2.0f);
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.error(), "cannot write " + (dir / "missing" / "m_a.3d.scale").string() + ": " +
                                  std::strerror(ENOENT));
}

}  // namespace
}  // namespace korvath::convert::testing
