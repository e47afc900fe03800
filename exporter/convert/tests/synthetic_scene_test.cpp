// Scenes built here in memory and saved in the import library's own binary format, so each
// rule of the conversion meets exactly the case it is for.
#include "exporter/convert/frame_table.h"
#include "exporter/convert/model_loader.h"
#include "exporter/convert/up_axis.h"
#include "exporter/convert/welder.h"

#include "exporter/convert/tests/scene_builder.h"

#include "common/testing/temp_dir.h"

#include <assimp/scene.h>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace korvath::convert {
namespace {

using namespace korvath::convert::testing;

struct Converted {
    std::unique_ptr<LoadedModel> loaded;  // the table keeps its address
    std::unique_ptr<FrameTable> table = std::make_unique<FrameTable>();
};

Converted convertScene(const aiScene& scene, int fps) {
    korvath::testing::TempDir dir;
    const std::string path = (dir / "scene.assbin").string();
    saveScene(scene, path);
    std::vector<std::string> warnings;
    auto result = loadModel({path, fps, std::nullopt, std::nullopt}, warnings);
    EXPECT_TRUE(result.ok()) << result.error();
    Converted out{std::make_unique<LoadedModel>(std::move(*result))};
    std::string error;
    EXPECT_TRUE(out.table->prepare(*out.loaded, path, fps, error)) << error;
    return out;
}

// The host-world position of vertex `v` of model node `node` at frame `frame`.
aiVector3D hostPosition(const Converted& c, int node, int frame, int v) {
    const hostsdk::Point3 p = c.table->positions(node, frame)[v];
    return c.table->transform(node, frame) * aiVector3D(p.x, p.y, p.z);
}

int nodeNamed(const Converted& c, const std::string& name) {
    for (std::size_t i = 0; i < c.loaded->model.nodes.size(); ++i)
        if (c.loaded->model.nodes[i].name == name) return int(i);
    return -1;
}

void expectNear(const aiVector3D& got, aiVector3D expected, const std::string& what) {
    EXPECT_NEAR(got.x, expected.x, 1e-4) << what;
    EXPECT_NEAR(got.y, expected.y, 1e-4) << what;
    EXPECT_NEAR(got.z, expected.z, 1e-4) << what;
}

TEST(SyntheticScenes, ChannelKeyingOnlyRotationKeepsTheNodesOwnPlace) {
    auto scene = emptyScene();
    aiNode* box = addNode(scene->mRootNode, "Box", {5, 0, 0});
    addTriangle(*scene, box);
    aiNodeAnim* channel = new aiNodeAnim;
    channel->mNodeName = "Box";
    channel->mNumRotationKeys = 2;
    // A quarter turn about the file's Y (up) axis over ten ticks; no rate given: ticks are frames.
    channel->mRotationKeys = new aiQuatKey[2]{{0, aiQuaternion()}, {10, aiQuaternion(aiVector3D(0, 1, 0), float(M_PI / 2))}};
    addAnimation(*scene, channel, 10, 0);

    const Converted c = convertScene(*scene, 30);
    EXPECT_EQ(c.loaded->model.endFrame, 10);  // keys count frames when the rate is not given
    const int node = nodeNamed(c, "Box");
    ASSERT_GE(node, 0);
    // File (1,0,0) turned a quarter about +Y is (0,0,-1); moved by the node's own (5,0,0):
    // (5,0,-1); Y-up to Z-up: (5, 1, 0).
    expectNear(hostPosition(c, node, 10, 1), {5, 1, 0}, "end of the turn");
    expectNear(hostPosition(c, node, 0, 1), {6, 0, 0}, "start");
}

TEST(SyntheticScenes, KeyRateSetsTheRangeInFramesAtTheChosenRate) {
    auto scene = emptyScene();
    addTriangle(*scene, addNode(scene->mRootNode, "Box", {0, 0, 0}));
    aiNodeAnim* channel = new aiNodeAnim;
    channel->mNodeName = "Box";
    channel->mNumPositionKeys = 2;
    channel->mPositionKeys = new aiVectorKey[2]{{0, aiVector3D(0, 0, 0)}, {2000, aiVector3D(0, 0, 8)}};
    addAnimation(*scene, channel, 2000, 1000);  // two seconds in milliseconds

    const Converted at30 = convertScene(*scene, 30);
    EXPECT_EQ(at30.loaded->model.endFrame, 60);
    const int node = nodeNamed(at30, "Box");
    // Halfway, frame 30: file z = 4, which the quarter turn makes host y = -4.
    expectNear(hostPosition(at30, node, 30, 0), {0, -4, 0}, "halfway at 30 frames a second");
    EXPECT_EQ(convertScene(*scene, 24).loaded->model.endFrame, 48);
}

TEST(SyntheticScenes, SkinIgnoresItsOwnNodeAndNormalisesWeights) {
    auto scene = emptyScene();
    aiNode* skinNode = addNode(scene->mRootNode, "Skin", {100, 0, 0});  // must not move the skin
    addNode(scene->mRootNode, "BoneA", {0, 2, 0});
    addNode(scene->mRootNode, "BoneB", {0, 0, 4});
    addTriangle(*scene, skinNode);
    aiMesh* mesh = scene->mMeshes[0];
    mesh->mNumBones = 2;
    mesh->mBones = new aiBone*[2]{new aiBone, new aiBone};
    mesh->mBones[0]->mName = "BoneA";
    mesh->mBones[0]->mNumWeights = 2;
    // Vertex 0: 0.5 on A alone (sums to 0.5); vertex 1: 0.25 on each; vertex 2: no weight.
    mesh->mBones[0]->mWeights = new aiVertexWeight[2]{{0, 0.5f}, {1, 0.25f}};
    mesh->mBones[1]->mName = "BoneB";
    mesh->mBones[1]->mNumWeights = 1;
    mesh->mBones[1]->mWeights = new aiVertexWeight[1]{{1, 0.25f}};

    const Converted c = convertScene(*scene, 30);
    const int node = nodeNamed(c, "Skin");
    ASSERT_GE(node, 0);
    EXPECT_TRUE(c.loaded->model.nodes[std::size_t(node)].skinned);
    // File positions, then Y-up to Z-up (x, -z, y).
    expectNear(hostPosition(c, node, 0, 0), {0, 0, 2}, "fully on A: (0,2,0)");
    expectNear(hostPosition(c, node, 0, 1), {1, -2, 1}, "half A, half B: (1,1,2)");
    expectNear(hostPosition(c, node, 0, 2), {100, 0, 1}, "unweighted: follows its node: (100,1,0)");
}

TEST(SyntheticScenes, FramesEvaluatedAheadMatchFramesEvaluatedOnRequest) {
    // A skin whose bone slides: one table is read frame after frame (the next frames are
    // evaluated ahead on the second thread), the other jumps about: back, far ahead (both
    // evaluated on request) and a few frames ahead (frames made ahead and skipped).
    auto scene = emptyScene();
    aiNode* skinNode = addNode(scene->mRootNode, "Skin", {0, 0, 0});
    addNode(scene->mRootNode, "Bone", {0, 2, 0});
    addTriangle(*scene, skinNode);
    aiMesh* mesh = scene->mMeshes[0];
    mesh->mNumBones = 1;
    mesh->mBones = new aiBone*[1]{new aiBone};
    mesh->mBones[0]->mName = "Bone";
    mesh->mBones[0]->mNumWeights = 3;
    mesh->mBones[0]->mWeights = new aiVertexWeight[3]{{0, 1.0f}, {1, 1.0f}, {2, 1.0f}};
    aiNodeAnim* channel = new aiNodeAnim;
    channel->mNodeName = "Bone";
    channel->mNumPositionKeys = 2;
    channel->mPositionKeys = new aiVectorKey[2]{{0, aiVector3D(0, 2, 0)}, {10, aiVector3D(0, 2, 10)}};
    addAnimation(*scene, channel, 10, 0);

    const Converted inOrder = convertScene(*scene, 30);
    const Converted jumping = convertScene(*scene, 30);
    const int node = nodeNamed(inOrder, "Skin");
    ASSERT_GE(node, 0);
    std::vector<std::vector<hostsdk::Point3>> expected;
    for (int f = 0; f <= 10; ++f) {
        const hostsdk::Point3* p = inOrder.table->positions(node, f);
        expected.emplace_back(p, p + 3);
    }
    // Vertex 0 rides the bone: file (0, 2, f), host (0, -f, 2).
    expectNear(hostPosition(inOrder, node, 7, 0), {0, -7, 2}, "frame 7 read again");
    for (int f : {10, 3, 2, 1, 7, 6, 5, 0, 9, 8, 4, 5, 6, 8, 9, 10, 0, 1, 3, 4, 4, 7}) {
        const hostsdk::Point3* p = jumping.table->positions(node, f);
        for (int v = 0; v < 3; ++v) EXPECT_EQ(p[v], expected[std::size_t(f)][std::size_t(v)]) << "frame " << f;
    }
    // Positions lent to a host mesh leave with it; the table serves the frame again when asked.
    std::vector<hostsdk::Point3> lent;
    jumping.table->lendPositions(node, 6, lent);
    EXPECT_EQ(lent, expected[6]);
    const hostsdk::Point3* again = jumping.table->positions(node, 6);
    EXPECT_EQ(std::vector<hostsdk::Point3>(again, again + 3), expected[6]);
    jumping.table->lendPositions(node, 6, lent);
    EXPECT_EQ(lent, expected[6]);
}

TEST(UpAxis, DeclaredAxisIsTurnedOntoZAndYIsTheDefault) {
    aiScene scene;
    const aiVector3D up(0, 1, 0), z(0, 0, 1);
    expectNear(rotationToZUp(declaredUpAxis(scene)) * up, z, "no metadata: +Y up");
    scene.mMetaData = aiMetadata::Alloc(2);
    scene.mMetaData->Set(0, "UpAxis", int32_t(2));
    scene.mMetaData->Set(1, "UpAxisSign", int32_t(-1));
    expectNear(rotationToZUp(declaredUpAxis(scene)) * aiVector3D(0, 0, -1), z, "-Z up");
    expectNear(rotationToZUp(UpAxis{0, 1}) * aiVector3D(1, 0, 0), z, "+X up");
    expectNear(rotationToZUp(UpAxis{0, -1}) * aiVector3D(-1, 0, 0), z, "-X up");
    expectNear(rotationToZUp(UpAxis{1, -1}) * aiVector3D(0, -1, 0), z, "-Y up");
    EXPECT_FALSE(parseUpAxis("w"));
    EXPECT_EQ(parseUpAxis("Z")->axis, 2);
}

TEST(Welder, WeldsOnlyWhatCoincidesInEveryFrameAndKeepsFirstUseOrder) {
    Welder welder(5);
    const hostsdk::Point3 nan(std::nanf(""), 0, 0);
    const hostsdk::Point3 frame0[5] = {{1, 0, 0}, {2, 0, 0}, {1, 0, 0}, {2, 0, 0}, nan};
    const hostsdk::Point3 frame1[5] = {{1, 0, 0}, {2, 0, 0}, {1, 0, 0}, {3, 0, 0}, nan};
    welder.addFrame(frame0);
    welder.addFrame(frame1);
    std::uint32_t kept = 0;
    const auto map = welder.keptIndex(kept);
    EXPECT_EQ(kept, 4u);  // 0 and 2 weld; 1 and 3 part in frame 1; a NaN welds with nothing
    EXPECT_EQ(map, (std::vector<std::uint32_t>{0, 1, 0, 2, 3}));
}

}  // namespace
}  // namespace korvath::convert
