// Whole exports through the loaded library: exact file bytes, winding, texture coordinates,
// polygon types, the options dialog, warnings and open failures.
#include <gtest/gtest.h>

#include <limits>

#include "common/testing/temp_dir.h"
#include "exporter/scene/tests/test_scene.h"

namespace korvath::exporter_test {
namespace {

using namespace hostsdk;

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out.push_back(static_cast<char>(v));
    return out;
}

class ExportFiles : public ::testing::Test {
protected:
    testing::TempDir dir;
    Host host;
    std::string dataPath = (dir / "ship_d.3d").string();

    std::string data() const { return dir.read("ship_d.3d"); }
    std::string animation() const { return dir.read("ship_a.3d"); }
};

TEST_F(ExportFiles, OneTriangleGivesTheSixtyFourByteDataFile) {
    auto& node = host.scene.root().addChild("tri");
    Mesh mesh;
    mesh.verts = {{-1.0f, -1.0f, 0.5f}, {0, 0, 0}, {2, 4, 8}};
    mesh.faces = {Face(0, 1, 2)};
    node.setMesh(mesh);

    EXPECT_EQ(host.exportTo(dataPath), 1);
    EXPECT_EQ(data(), bytes({1, 0, 3, 0}) + std::string(44, '\0') + bytes({2, 0, 1, 0, 0, 0}) + std::string(10, '\0'));
    // X is negated: (-1,-1,0.5) packs to 0x00BFC008, (2,4,8) to 0x080107F0.
    EXPECT_EQ(animation(), bytes({1, 0, 0x0C, 0, 0x08, 0xC0, 0xBF, 0x00, 0, 0, 0, 0, 0xF0, 0x07, 0x01, 0x08}));
    EXPECT_EQ(host.messageTexts(), (std::vector<std::string>{"The mesh has no texture coords!\nZeros were written!",
                                                             "The mesh has no material!\nNo polygon flags set!"}));
    for (const auto& shown : host.windows.messages()) {
        EXPECT_EQ(shown.caption, "Warning!");
        EXPECT_EQ(shown.owner, nullptr);
        EXPECT_EQ(shown.type, MB_OK | MB_ICONWARNING);
    }
    ASSERT_GE(host.scene.progress().size(), 2u);
    EXPECT_EQ(host.scene.progress().front().title, "Exporting .3d mesh...");
    EXPECT_TRUE(host.scene.progress().front().flag);
    EXPECT_EQ(host.scene.progress().back().kind, scene::ProgressEvent::Kind::End);
}

TEST_F(ExportFiles, MirroredNodesKeepTheFaceOrderAndTextureCornersFollow) {
    Mesh mesh = lineMesh(3, {Face(0, 1, 2)});
    mesh.tVerts = {{0.0f, 0.0f, 0}, {1.0f, 1.0f, 0}, {1.5f, -0.25f, 0}};
    mesh.tvFace = {TVFace(0, 1, 2)};
    auto& plain = host.scene.root().addChild("plain");
    plain.setMesh(mesh);
    auto& mirrored = host.scene.root().addChild("mirrored");
    mirrored.setMesh(mesh);
    mirrored.setTransform(ScaleMatrix({1, -1, 1}));

    ASSERT_EQ(host.exportTo(dataPath), 1);
    const std::string file = data();
    ASSERT_EQ(file.size(), 48u + 32u);
    // Unmirrored: corners 2, 1, 0. u=1.5 -> 126, v=-0.25 -> (1.25*255=318) & 255 = 62.
    EXPECT_EQ(file.substr(48, 16), bytes({2, 0, 1, 0, 0, 0, 0, 0, 126, 62, 255, 0, 0, 255, 0, 0}));
    // Mirrored: corners 0, 1, 2, vertex base 3.
    EXPECT_EQ(file.substr(64, 16), bytes({3, 0, 4, 0, 5, 0, 0, 0, 0, 255, 255, 0, 126, 62, 0, 0}));
    EXPECT_EQ(host.messageTexts(), (std::vector<std::string>{"The mesh has no material!\nNo polygon flags set!"}));
}

TEST_F(ExportFiles, RecordsCarryPolygonTypeAndTheRunningTextureNumber) {
    auto& multi = host.scene.addMulti("multi");
    auto& skin = host.scene.addStandard("Skin3.Mask");
    auto& gun = host.scene.addStandard("gun.weapon");
    multi.subMaterials = {&skin, &gun};
    auto& node = host.scene.root().addChild("body");
    node.setMesh(lineMesh(3, {Face(0, 1, 2, 0), Face(0, 1, 2, 1)}));
    node.setMaterial(&multi);

    ASSERT_EQ(host.exportTo(dataPath), 1);
    const std::string file = data();
    ASSERT_EQ(file.size(), 48u + 32u);
    EXPECT_EQ(file[48 + 6], 3);
    EXPECT_EQ(file[48 + 14], 3);
    EXPECT_EQ(file[64 + 6], 8);
    EXPECT_EQ(file[64 + 14], 3);  // kept from the skin material before it
    EXPECT_EQ(std::string(file.data() + 4, 44), std::string(44, '\0'));
}

TEST_F(ExportFiles, OneExporterServesSeveralExportsFromAFreshStart) {
    auto& skin = host.scene.addStandard("skin5");
    auto& node = host.scene.root().addChild("body");
    node.setMesh(lineMesh(3, {Face(0, 1, 2)}));
    node.setMaterial(&skin);
    auto exporter = plugin().createExporter();
    ExpInterface unused;
    host.windows.answerDialog({{}, {{1022, false}}, {IDOK}});
    ASSERT_EQ(exporter->DoExport(dataPath.c_str(), &unused, &host.scene, FALSE, 0), 1);
    EXPECT_EQ(data()[48 + 14], 5);
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{"The mesh has no texture coords!\nZeros were written!"});

    // Second export: no skin material, and the warnings of the first are not repeated.
    node.setMaterial(&host.scene.addStandard("plain"));
    Mesh textured = lineMesh(3, {Face(0, 1, 2)});
    textured.tVerts = {{0, 0, 0}};
    textured.tvFace = {TVFace(0, 0, 0)};
    node.setMesh(textured);
    ASSERT_EQ(exporter->DoExport(dataPath.c_str(), &unused, &host.scene, TRUE, 0), 1);
    EXPECT_EQ(data()[48 + 14], 0);
    EXPECT_EQ(host.windows.messages().size(), 1u);
}

TEST_F(ExportFiles, PositionsOutsideTheBoundsWarnButArePacked) {
    auto& node = host.scene.root().addChild("big");
    Mesh mesh;
    mesh.verts = {{-128.0f, 0, 0}, {0, 128.5f, 0}};
    mesh.faces = {Face(0, 1, 1), Face(1, 0, 0)};
    node.setMesh(mesh);
    ASSERT_EQ(host.exportTo(dataPath), 1);
    // -128 negated is exactly 128: inside the check, wraps to field 0x400.
    EXPECT_EQ(u32(animation(), 4), 0x400u);
    EXPECT_EQ(u32(animation(), 8), (1028u & 0x7FF) << 11);
    // Each warning once, in this order, after everything was written.
    EXPECT_EQ(host.messageTexts(), (std::vector<std::string>{"A vertex was exported that violated the -128 to 128 bounds",
                                                             "The mesh has no texture coords!\nZeros were written!",
                                                             "The mesh has no material!\nNo polygon flags set!"}));
}

TEST_F(ExportFiles, PositionsOfExactly128AreWithinTheBounds) {
    auto& node = host.scene.root().addChild("edge");
    Mesh mesh;
    mesh.verts = {{128.0f, -128.0f, 128.0f}, {-128.0f, 128.0f, -128.0f}};
    node.setMesh(mesh);
    ASSERT_EQ(host.exportTo(dataPath), 1);
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{});  // no faces: no texture or material warning
    // x = -128 after negation: X field 0x400; y = -128: 0x400; z = 128: 0x200 (reads back as -128).
    EXPECT_EQ(u32(animation(), 4), 0x400u | (0x400u << 11) | (0x200u << 22));
}

TEST_F(ExportFiles, FarAndNonNumberPositionsPackLikeSmallOnes) {
    auto& node = host.scene.root().addChild("far");
    Mesh mesh;
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    mesh.verts = {{-268435488.0f, 0, 0}, {nan, 1.0f, 0}, {0, 0, inf}, {1.0f, -1.0f, 0.5f}};
    node.setMesh(mesh);
    ASSERT_EQ(host.exportTo(dataPath), 1);
    EXPECT_EQ(u32(animation(), 4), 0x100u);  // x = 2^31 + 256 eighths after negation: low 11 bits
    EXPECT_EQ(u32(animation(), 8), 0u);      // a non-number spreads to every coordinate
    EXPECT_EQ(u32(animation(), 12), 0u);
    EXPECT_EQ(u32(animation(), 16), 0x00BFC7F8u);  // (-1, -1, 0.5) after negation
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{"A vertex was exported that violated the -128 to 128 bounds"});
}

TEST_F(ExportFiles, MovedVerticesPackInOrderWithoutFalseBoundsWarnings) {
    // Moved far, vertices come back inside the bounds: only theirs count, never the origin's.
    auto& node = host.scene.root().addChild("moved");
    Mesh mesh;
    for (int i = 0; i < 6; ++i) mesh.verts.push_back({-150.0f + static_cast<float>(i), 0.25f * static_cast<float>(i), 0});
    node.setMesh(mesh);
    node.setTransform(TransMatrix({200.0f, 0, 1.0f}));
    ASSERT_EQ(host.exportTo(dataPath), 1);
    for (int i = 0; i < 6; ++i) {
        // x = -(50 + i) and y = i / 4 in eighths, z = 1 in quarters.
        const std::uint32_t x = static_cast<std::uint32_t>(-8 * (50 + i)) & 0x7FF;
        const std::uint32_t y = static_cast<std::uint32_t>(2 * i);
        EXPECT_EQ(u32(animation(), 4 + 4 * static_cast<size_t>(i)), x | (y << 11) | (4u << 22)) << i;
    }
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{});
}

TEST_F(ExportFiles, OptionsDialogAsksForFramesAndAppend) {
    auto& node = host.scene.root().addChild("tri");
    node.setMesh(lineMesh(1, {}));
    node.setTransformEvaluator([](TimeValue t) { return TransMatrix({0, static_cast<float>(t) / 160.0f, 0}); });
    host.scene.setAnimRange(0, 160 * 20);
    host.windows.answerDialog({{{1021, "3,1-2"}}, {}, {IDOK}});

    ASSERT_EQ(host.exportTo(dataPath, false), 1);
    ASSERT_EQ(host.windows.dialogs().size(), 1u);
    const auto& shown = host.windows.dialogs()[0];
    EXPECT_EQ(shown.dialog.resourceId, 105);
    EXPECT_EQ(shown.parent, &host.scene.mainWindow());
    EXPECT_EQ(shown.result, 1);
    // Three frames of one vertex, in the order asked: 3, 1, 2.
    EXPECT_EQ(animation().size(), 4u + 12u);
    EXPECT_EQ(u16(animation(), 0), 3);
    EXPECT_EQ(u32(animation(), 4), 24u << 11);  // y = 3
    EXPECT_EQ(u32(animation(), 8), 8u << 11);   // y = 1
    EXPECT_EQ(u32(animation(), 12), 16u << 11); // y = 2
    // The progress runs 0, 33, 66 percent over the three frames, shown, with no new title.
    std::vector<int> percents;
    for (const auto& event : host.scene.progress()) {
        if (event.kind != scene::ProgressEvent::Kind::Update) continue;
        percents.push_back(event.percent);
        EXPECT_TRUE(event.flag);
        EXPECT_EQ(event.title, "");
    }
    EXPECT_EQ(percents, (std::vector<int>{0, 33, 66}));
}

TEST_F(ExportFiles, CancellingTheOptionsWritesNothing) {
    host.scene.root().addChild("tri").setMesh(lineMesh(3, {Face(0, 1, 2)}));
    host.windows.answerDialog({{{1021, "0"}}, {}, {IDCANCEL}});
    EXPECT_EQ(host.exportTo(dataPath, false), 1);
    EXPECT_FALSE(std::filesystem::exists(dataPath));
    EXPECT_FALSE(std::filesystem::exists(dir / "ship_a.3d"));
    EXPECT_TRUE(host.scene.progress().empty());
}

TEST_F(ExportFiles, FrameTextIsReadUpToFiveHundredElevenCharacters) {
    host.scene.root().addChild("tri").setMesh(lineMesh(1, {}));
    host.scene.setAnimRange(0, 160 * 20);
    // 509 blanks, then "12": only "1" fits the limit.
    host.windows.answerDialog({{{1021, std::string(509, ' ') + "12"}}, {}, {IDOK}});
    ASSERT_EQ(host.exportTo(dataPath, false), 1);
    EXPECT_EQ(u16(animation(), 0), 1);
    EXPECT_EQ(animation().size(), 8u);
}

TEST_F(ExportFiles, EmptyFrameListGivesAFourByteAnimationFile) {
    host.scene.root().addChild("tri").setMesh(lineMesh(3, {Face(0, 1, 2)}));
    host.scene.setAnimRange(0, 160 * 20);
    host.windows.answerDialog({{{1021, "30"}}, {}, {IDOK}});
    ASSERT_EQ(host.exportTo(dataPath, false), 1);
    EXPECT_EQ(animation(), bytes({0, 0, 12, 0}));
}

TEST_F(ExportFiles, FilesThatCannotBeOpenedFailWithoutAMessage) {
    host.scene.root().addChild("tri").setMesh(lineMesh(3, {Face(0, 1, 2)}));
    dir.write("blocker", "a file where a folder must be");
    EXPECT_EQ(host.exportTo((dir / "blocker" / "ship.3d").string()), 0);
    EXPECT_TRUE(host.scene.progress().empty());

    // The data file can be written, the animation file cannot (a folder stands there).
    dir.makeDir("ship_a.3d");
    EXPECT_EQ(host.exportTo(dataPath), 0);
    EXPECT_EQ(data().size(), 48u + 16u);
    EXPECT_FALSE(host.scene.progressRunning());
    EXPECT_TRUE(host.windows.messages().empty());
}

}  // namespace
}  // namespace korvath::exporter_test
