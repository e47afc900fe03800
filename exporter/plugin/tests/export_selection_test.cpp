// Which nodes are exported, their vertex bases, frames evaluated over time, and cancelling.
#include <gtest/gtest.h>

#include "common/testing/temp_dir.h"
#include "exporter/scene/tests/test_scene.h"

namespace korvath::exporter_test {
namespace {

using namespace hostsdk;
using scene::ObjectKind;

class ExportSelection : public ::testing::Test {
protected:
    testing::TempDir dir;
    Host host;
    std::string dataPath = (dir / "model.3d").string();

    std::string data() const { return dir.read("model.3d"); }
    std::string animation() const { return dir.read("model_a.3d"); }
};

TEST_F(ExportSelection, NamePrefixesExcludeNodesButNotTheirChildren) {
    auto& root = host.scene.root();
    for (const char* name : {"!dummy", "Bip01", "BONE_arm", "Link3", "bi", "lin"}) root.addChild(name).setMesh(lineMesh(1, {}));
    root.children()[1]->addChild("hand").setMesh(lineMesh(2, {}));  // under Bip01
    root.addChild(std::nullopt).setMesh(lineMesh(4, {}));           // no name: not exported
    ASSERT_EQ(host.exportTo(dataPath), 1);
    // bi, lin and hand: 1 + 1 + 2 vertices.
    EXPECT_EQ(u16(data(), 2), 4);
    EXPECT_EQ(u16(animation(), 2), 16);
}

TEST_F(ExportSelection, OnlyGeometryThatBecomesAMeshIsExported) {
    auto& root = host.scene.root();
    root.addChild("helper").setObjectKind(ObjectKind::Helper);
    auto& solid = root.addChild("solid");
    solid.setMesh(lineMesh(7, {}));
    solid.setObjectKind(ObjectKind::NonConvertibleGeometry);
    auto& prim = root.addChild("prim");
    prim.setMesh(lineMesh(5, {Face(0, 1, 2)}));
    prim.setObjectKind(ObjectKind::ConvertibleGeometry);
    auto& hidden = root.addChild("hidden");
    hidden.setMesh(lineMesh(2, {}));
    hidden.setHidden(true);
    root.addChild("empty");
    host.scene.setAnimRange(0, 160 * 3);

    ASSERT_EQ(host.exportTo(dataPath), 1);
    EXPECT_EQ(u16(data(), 0), 1);
    EXPECT_EQ(u16(data(), 2), 7);
    EXPECT_EQ(u16(animation(), 0), 4);
    EXPECT_EQ(animation().size(), 4u + 4 * 28u);
    EXPECT_EQ(host.scene.liveConversions(), 0);  // every mesh made for the exporter was freed
}

TEST_F(ExportSelection, LinkedChildrenAreCountedOnceWithTheirVertexBase) {
    for (bool linked : {false, true}) {
        Host h;
        auto& first = h.scene.root().addChild("first");
        first.setMesh(lineMesh(8, {Face(0, 1, 7)}));
        auto& parent = linked ? first : h.scene.root();
        parent.addChild("second").setMesh(lineMesh(6, {Face(0, 1, 5)}));
        ASSERT_EQ(h.exportTo(dataPath), 1);
        const std::string file = data();
        ASSERT_EQ(file.size(), 48u + 2 * 16u) << "linked " << linked;
        EXPECT_EQ(u16(file, 0), 2);
        EXPECT_EQ(u16(file, 2), 14);
        EXPECT_EQ(u16(file, 48), 7);       // first mesh, base 0: corners 7, 1, 0
        EXPECT_EQ(u16(file, 64), 5 + 8);   // second mesh, base 8
        EXPECT_EQ(u16(file, 68), 0 + 8);
        EXPECT_EQ(u16(animation(), 2), 56);
        EXPECT_EQ(animation().size(), 4u + 56u);
    }
}

TEST_F(ExportSelection, MoreThan128MeshesKeepTheirVertexBases) {
    for (int i = 0; i < 130; ++i) host.scene.root().addChild("m").setMesh(lineMesh(3, {Face(0, 1, 2)}));
    ASSERT_EQ(host.exportTo(dataPath), 1);
    const std::string file = data();
    ASSERT_EQ(file.size(), 48u + 130u * 16u);
    EXPECT_EQ(u16(file, 2), 390);
    EXPECT_EQ(u16(file, 48 + 129 * 16), 129 * 3 + 2);  // the last mesh, base 387, corner 2 first
    EXPECT_EQ(u16(animation(), 2), 1560);
}

TEST_F(ExportSelection, SuppressedPromptsExportTheWholeRangeEvaluatedPerFrame) {
    auto& node = host.scene.root().addChild("mover");
    node.setMesh(lineMesh(1, {}));
    node.setTransformEvaluator([](TimeValue t) { return TransMatrix({0, static_cast<float>(t) / 160.0f, 0}); });
    host.scene.setAnimRange(0, 160 * 30);
    ASSERT_EQ(host.exportTo(dataPath), 1);
    const std::string anim = animation();
    ASSERT_EQ(anim.size(), 4u + 31u * 4u);
    EXPECT_EQ(u16(anim, 0), 31);
    for (int frame = 0; frame <= 30; ++frame) EXPECT_EQ(u32(anim, 4 + 4 * frame), static_cast<unsigned>(frame * 8) << 11);
    EXPECT_TRUE(host.windows.dialogs().empty());
}

TEST_F(ExportSelection, TrianglesComeFromTheFirstFrameOfTheRange) {
    auto& node = host.scene.root().addChild("morph");
    node.setMeshAt(0, lineMesh(3, {Face(0, 1, 2)}));
    node.setMeshAt(160 * 5, lineMesh(3, {Face(0, 1, 2), Face(2, 1, 0)}));
    host.scene.setAnimRange(160 * 5, 160 * 6);
    ASSERT_EQ(host.exportTo(dataPath), 1);
    EXPECT_EQ(u16(data(), 0), 2);
}

TEST_F(ExportSelection, FramesKeepTheCountedVertexCountWhenAMeshChanges) {
    auto& node = host.scene.root().addChild("grows");
    node.setMeshAt(0, lineMesh(2, {}));
    node.setMeshAt(160, lineMesh(3, {}));
    node.setMeshAt(320, lineMesh(1, {}));
    host.scene.root().addChild("after").setMesh(lineMesh(1, {}));
    host.scene.setAnimRange(0, 320);
    ASSERT_EQ(host.exportTo(dataPath), 1);
    const std::string anim = animation();
    ASSERT_EQ(anim.size(), 4u + 3 * 12u);
    // Frame 1 drops the third vertex; frame 2 fills the missing one with the origin.
    EXPECT_EQ(u32(anim, 4 + 12 + 8), 0u);
    EXPECT_EQ(u32(anim, 4 + 24 + 4), 0u);
    EXPECT_EQ(host.messageTexts().back(),
              "A mesh changed its vertex count between frames!\nEvery frame keeps the first frame's count!");
}

TEST_F(ExportSelection, CancelEndsNormallyAndLeavesTheFilesAsTheyWere) {
    for (int i = 0; i < 3; ++i) host.scene.root().addChild("n").setMesh(lineMesh(1, {}));
    host.scene.setAnimRange(0, 160 * 9);
    dir.write("model.3d", "old data");
    dir.write("model_a.3d", "old animation");
    int updates = 0;
    host.scene.setProgressListener([&](const scene::ProgressEvent& event) {
        if (event.kind != scene::ProgressEvent::Kind::Update) return;
        ++updates;
        if (event.percent >= 50) host.scene.cancelFlag() = true;
    });
    EXPECT_EQ(host.exportTo(dataPath), 1);
    // Frames 0-4 were written, then every walk skipped its nodes: the headers would claim ten
    // frames over five, so neither file is replaced.
    EXPECT_EQ(updates, 10);
    EXPECT_EQ(data(), "old data");
    EXPECT_EQ(animation(), "old animation");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 2);
    EXPECT_FALSE(host.scene.progressRunning());
}

TEST_F(ExportSelection, CancelledAppendLeavesTheFrameCountAsItWas) {
    host.scene.root().addChild("n").setMesh(lineMesh(1, {}));
    host.scene.setAnimRange(0, 160 * 9);
    const std::string old = std::string("\x02\x00\x04\x00", 4) + std::string(8, '\x33');
    dir.write("model_a.3d", old);
    host.scene.setProgressListener([&](const scene::ProgressEvent& event) {
        if (event.kind == scene::ProgressEvent::Kind::Update && event.percent >= 50) host.scene.cancelFlag() = true;
    });
    host.windows.answerDialog({{{1021, "0-9"}}, {{1022, true}}, {IDOK}});
    EXPECT_EQ(host.exportTo(dataPath, false), 1);
    EXPECT_EQ(animation(), old);
    EXPECT_FALSE(std::filesystem::exists(dataPath));
}

}  // namespace
}  // namespace korvath::exporter_test
