// glTF 2 models of assimp-testmodels, checked against what the test reads from their JSON.
#include "exporter/convert/tests/convert_fixture.h"
#include "exporter/convert/tests/gltf_file.h"
#include "exporter/convert/tests/hand_math.h"
#include "exporter/convert/tests/mesh_file_reader.h"

#include "common/testing/temp_dir.h"

#include <gtest/gtest.h>

#include <map>

namespace korvath::convert::testing {
namespace {

constexpr double kFps = 30.0;

// The value of a linear sampler at time t (clamped to its ends), `width` numbers per key.
std::vector<double> sample(const std::vector<double>& times, const std::vector<double>& values, int width, double t,
                           bool rotation) {
    std::size_t k = 0;
    while (k + 1 < times.size() && times[k + 1] <= t) ++k;
    auto key = [&](std::size_t i) {
        return std::vector<double>(values.begin() + long(i) * width, values.begin() + long(i + 1) * width);
    };
    if (k + 1 >= times.size() || t <= times[0]) return key(t <= times[0] ? 0 : times.size() - 1);
    const double f = (t - times[k]) / (times[k + 1] - times[k]);
    const auto a = key(k), b = key(k + 1);
    if (rotation) {
        auto q = slerp({a[0], a[1], a[2], a[3]}, {b[0], b[1], b[2], b[3]}, f);
        return {q[0], q[1], q[2], q[3]};
    }
    std::vector<double> out(static_cast<std::size_t>(width));
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = a[i] * (1 - f) + b[i] * f;
    return out;
}

TEST(GltfModels, SkinnedModelIsSkinnedInWorldSpaceAtEveryFrame) {
    const auto path = model("glTF2/simple_skin/simple_skin.gltf");
    KORVATH_NEED_MODEL(path);
    const GltfFile gltf = readGltf(path);
    korvath::testing::TempDir dir;
    const RunOutcome run = convert({path.string(), (dir / "skin.3d").string(), "--scale", "10"});
    ASSERT_EQ(run.status, 0) << run.err;
    const MeshFiles files = readMeshFiles(dir / "skin.3d", dir / "skin_a.3d");
    ASSERT_TRUE(files.ok);

    const Json& primitive = gltf.json["meshes"][0]["primitives"][0];
    const auto positions = gltf.accessor(primitive["attributes"]["POSITION"].asInt());
    const auto joints = gltf.accessor(primitive["attributes"]["JOINTS_0"].asInt());
    const auto weights = gltf.accessor(primitive["attributes"]["WEIGHTS_0"].asInt());
    const auto indices = gltf.accessor(primitive["indices"].asInt());
    const Json& skin = gltf.json["skins"][0];
    const auto inverseBind = gltf.accessor(skin["inverseBindMatrices"].asInt());
    const Json& channel = gltf.json["animations"][0]["channels"][0];
    const Json& sampler = gltf.json["animations"][0]["samplers"][std::size_t(channel["sampler"].asInt())];
    const auto keyTimes = gltf.accessor(sampler["input"].asInt());
    const auto keyRotations = gltf.accessor(sampler["output"].asInt());
    ASSERT_EQ(channel["target"]["path"].text, "rotation");
    const int animatedNode = channel["target"]["node"].asInt();

    // Ten distinct positions: nothing welds, so the file keeps the glTF's vertex order.
    const int vertexCount = int(positions.size() / 3);
    EXPECT_EQ(files.vertexCount, vertexCount);
    EXPECT_EQ(files.frameSize, 4 * vertexCount);
    const int lastFrame = int(std::ceil(keyTimes.back() * kFps - 1e-6));
    EXPECT_EQ(files.frameCount, lastFrame + 1);

    // Not mirrored: each triangle is written with its corners reversed.
    ASSERT_EQ(files.triangleCount, int(indices.size() / 3));
    for (int t = 0; t < files.triangleCount; ++t) {
        const auto& tri = files.triangles[std::size_t(t)];
        EXPECT_EQ(tri.v[0], int(indices[std::size_t(3 * t + 2)]));
        EXPECT_EQ(tri.v[1], int(indices[std::size_t(3 * t + 1)]));
        EXPECT_EQ(tri.v[2], int(indices[std::size_t(3 * t)]));
    }

    // Joint world transforms by walking the node tree from the scene's roots.
    const std::vector<double> jointList = skin["joints"].numbers();
    int checked = 0;
    for (int frame = 0; frame < files.frameCount; frame += 5) {
        const double t = frame / kFps;
        std::map<int, M4> world;
        std::function<void(int, const M4&)> walk = [&](int node, const M4& parent) {
            M4 local = gltf.nodeTransform(node);
            if (node == animatedNode) {
                const Json& n = gltf.json["nodes"][std::size_t(node)];
                V3 tr{0, 0, 0};
                if (n.has("translation")) { auto v = n["translation"].numbers(); tr = {v[0], v[1], v[2]}; }
                const auto q = sample(keyTimes, keyRotations, 4, t, true);
                local = fromTrs(tr, {q[0], q[1], q[2], q[3]}, {1, 1, 1});
            }
            world[node] = parent * local;
            const Json& n = gltf.json["nodes"][std::size_t(node)];
            if (n.has("children"))
                for (const Json& c : n["children"].items) walk(c.asInt(), world[node]);
        };
        for (const Json& root : gltf.json["scenes"][0]["nodes"].items) walk(root.asInt(), M4());
        for (int v = 0; v < vertexCount; ++v) {
            const V3 p{positions[std::size_t(3 * v)], positions[std::size_t(3 * v + 1)], positions[std::size_t(3 * v + 2)]};
            V3 sum{0, 0, 0};
            double total = 0;
            for (int i = 0; i < 4; ++i) total += weights[std::size_t(4 * v + i)];
            for (int i = 0; i < 4; ++i) {
                const double w = weights[std::size_t(4 * v + i)] / total;
                if (w == 0) continue;
                const int joint = int(jointList[std::size_t(joints[std::size_t(4 * v + i)])]);
                M4 ibm;
                const std::size_t j = std::size_t(joints[std::size_t(4 * v + i)]);
                for (int r = 0; r < 4; ++r)
                    for (int c = 0; c < 4; ++c) ibm.at(r, c) = inverseBind[16 * j + std::size_t(c * 4 + r)];
                sum = sum + (world[joint] * ibm).apply(p) * w;
            }
            const Fields expected = expectedFields(gameFromYUp(sum * 10.0));
            const Fields got = unpack(files.word(frame, v));
            EXPECT_TRUE(near(got, expected)) << "frame " << frame << " vertex " << v << ": got " << got.x << ','
                                             << got.y << ',' << got.z << " expected " << expected.x << ','
                                             << expected.y << ',' << expected.z;
            ++checked;
        }
    }
    EXPECT_GT(checked, 100);
}

TEST(GltfModels, MorphTargetsAreBlendedPerFrameAndCoincidingCornersWeld) {
    const auto path = model("glTF2/glTF-Sample-Models/AnimatedMorphCube-glTF/AnimatedMorphCube.gltf");
    KORVATH_NEED_MODEL(path);
    const GltfFile gltf = readGltf(path);
    korvath::testing::TempDir dir;
    const RunOutcome run = convert({path.string(), (dir / "cube_d.3d").string(), "--scale", "50"});
    ASSERT_EQ(run.status, 0) << run.err;
    const MeshFiles files = readMeshFiles(dir / "cube_d.3d", dir / "cube_a.3d");
    ASSERT_TRUE(files.ok);

    const Json& primitive = gltf.json["meshes"][0]["primitives"][0];
    const auto base = gltf.accessor(primitive["attributes"]["POSITION"].asInt());
    std::vector<std::vector<double>> targets;
    for (const Json& target : primitive["targets"].items) targets.push_back(gltf.accessor(target["POSITION"].asInt()));
    const auto indices = gltf.accessor(primitive["indices"].asInt());
    const Json& sampler = gltf.json["animations"][0]["samplers"][0];
    const auto keyTimes = gltf.accessor(sampler["input"].asInt());
    const auto keyWeights = gltf.accessor(sampler["output"].asInt());
    const M4 node = gltf.nodeTransform(0);
    const int rawCount = int(base.size() / 3);
    const int frameCount = int(std::ceil(keyTimes.back() * kFps - 1e-6)) + 1;

    // Every frame by hand: node × (base + Σ weight × displacement).
    std::vector<std::vector<V3>> frames(static_cast<std::size_t>(frameCount));
    for (int f = 0; f < frameCount; ++f) {
        const auto w = sample(keyTimes, keyWeights, int(targets.size()), f / kFps, false);
        for (int v = 0; v < rawCount; ++v) {
            V3 p{base[std::size_t(3 * v)], base[std::size_t(3 * v + 1)], base[std::size_t(3 * v + 2)]};
            for (std::size_t k = 0; k < targets.size(); ++k)
                p = p + V3{targets[k][std::size_t(3 * v)], targets[k][std::size_t(3 * v + 1)],
                           targets[k][std::size_t(3 * v + 2)]} * w[k];
            frames[std::size_t(f)].push_back(node.apply(p));
        }
    }
    // Welding by hand: a vertex joins the first earlier one it matches in every frame.
    std::vector<int> kept(static_cast<std::size_t>(rawCount));
    std::vector<int> firstOfKept;
    for (int v = 0; v < rawCount; ++v) {
        kept[std::size_t(v)] = -1;
        for (std::size_t k = 0; k < firstOfKept.size() && kept[std::size_t(v)] < 0; ++k) {
            bool same = true;
            for (const auto& frame : frames) same = same && frame[std::size_t(v)] == frame[std::size_t(firstOfKept[k])];
            if (same) kept[std::size_t(v)] = int(k);
        }
        if (kept[std::size_t(v)] < 0) {
            kept[std::size_t(v)] = int(firstOfKept.size());
            firstOfKept.push_back(v);
        }
    }
    ASSERT_LT(firstOfKept.size(), std::size_t(rawCount));  // the cube's face corners do weld
    EXPECT_EQ(files.vertexCount, int(firstOfKept.size()));
    EXPECT_EQ(files.frameCount, frameCount);
    EXPECT_EQ(files.frameSize, 4 * int(firstOfKept.size()));

    ASSERT_EQ(files.triangleCount, int(indices.size() / 3));
    for (int t = 0; t < files.triangleCount; ++t) {
        const auto& tri = files.triangles[std::size_t(t)];
        EXPECT_EQ(tri.v[0], kept[std::size_t(indices[std::size_t(3 * t + 2)])]);
        EXPECT_EQ(tri.v[1], kept[std::size_t(indices[std::size_t(3 * t + 1)])]);
        EXPECT_EQ(tri.v[2], kept[std::size_t(indices[std::size_t(3 * t)])]);
    }
    bool moved = false;
    for (int f = 0; f < frameCount; ++f)
        for (std::size_t k = 0; k < firstOfKept.size(); ++k) {
            const Fields expected = expectedFields(gameFromYUp(frames[std::size_t(f)][std::size_t(firstOfKept[k])] * 50.0));
            const Fields got = unpack(files.word(f, int(k)));
            EXPECT_TRUE(near(got, expected)) << "frame " << f << " vertex " << k;
            moved = moved || files.word(f, int(k)) != files.word(0, int(k));
        }
    EXPECT_TRUE(moved);
}

}  // namespace
}  // namespace korvath::convert::testing
