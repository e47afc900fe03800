// The packing four and eight vertices at a time (the latter where the processor has 256-bit
// vectors) gives exactly the scalar definition's words and bounds answer.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "exporter/plugin/frame_packing.h"
#include "exporter/plugin/mesh_files.h"

namespace korvathexp {
namespace {

using hostsdk::Matrix3;
using hostsdk::Point3;

struct Packed {
    std::vector<std::uint32_t> words;
    bool outside = false;
};

template <typename Pack>
Packed pack(Pack fn, const Matrix3& tm, const std::vector<Point3>& verts) {
    Packed p;
    p.words.assign(verts.size(), 0xDEADBEEFu);
    p.outside = fn(tm, verts.data(), verts.size(), p.words.data());
    return p;
}

void expectSame(const Matrix3& tm, const std::vector<Point3>& verts, const char* what) {
    const Packed scalar = pack(PackFrameScalar, tm, verts);
    const Packed lanes = pack(PackFrame, tm, verts);
    EXPECT_EQ(lanes.words, scalar.words) << what << ", " << verts.size() << " vertices";
    EXPECT_EQ(lanes.outside, scalar.outside) << what << ", " << verts.size() << " vertices";
}

TEST(FramePacking, ScalarDefinitionIsPackVertexOfTheMovedMirroredVertex) {
    const Matrix3 tm({0, 2, 0}, {1, 0, 0}, {0, 0, 1}, {10, 0, -1});
    const std::vector<Point3> verts{{1, 1, 1}, {0, 64, 0}};
    const Packed p = pack(PackFrameScalar, tm, verts);
    EXPECT_EQ(p.words[0], PackVertex(-11.0f, 2.0f, 0.0f));
    EXPECT_EQ(p.words[1], PackVertex(-74.0f, 0.0f, -1.0f));
    EXPECT_FALSE(p.outside);
    EXPECT_TRUE(pack(PackFrameScalar, tm, {{0, 0, 129.5f}}).outside);
    EXPECT_FALSE(pack(PackFrameScalar, tm, {{0, 0, 129.0f}}).outside);  // z = 128 exactly is inside
    // A position that is not a number fits no bounds; the host is told so.
    EXPECT_TRUE(pack(PackFrameScalar, tm, {{std::numeric_limits<float>::quiet_NaN(), 0, 0}}).outside);
}

TEST(FramePacking, LanesMatchTheScalarDefinition) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    // Spots where the two paths could part: the ±128 bounds, truncation toward zero, the edge
    // of 32-bit fields, values no field holds, and every number of leftover lanes.
    const std::vector<Point3> awkward{
        {128.0f, -128.0f, 128.0f}, {128.01f, 0, 0},    {0, -128.01f, 0},      {0, 0, 128.01f},
        {-0.1f, 0.12f, -0.2f},     {268435440.0f, 0, 0}, {268435488.0f, 0, 0}, {0, 0, 536870976.0f},
        {1.0e30f, -1.0e30f, 0},    {nan, 0, 0},          {0, inf, -inf},       {127.9f, 127.9f, 127.9f}};
    const std::vector<Matrix3> transforms{
        Matrix3(), Matrix3({-1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0.5f, -0.25f, 3}),
        Matrix3({0.3f, 0.9f, -0.1f}, {-0.9f, 0.3f, 0.2f}, {0.1f, -0.2f, 0.97f}, {12.5f, -7.25f, 100})};
    for (const Matrix3& tm : transforms)
        for (std::size_t count = 0; count <= awkward.size(); ++count)
            expectSame(tm, std::vector<Point3>(awkward.begin(), awkward.begin() + std::ptrdiff_t(count)), "awkward");

    std::mt19937 random(7);
    std::uniform_real_distribution<float> coordinate(-200.0f, 200.0f), entry(-2.0f, 2.0f);
    for (int round = 0; round < 200; ++round) {
        Matrix3 tm;
        for (int r = 0; r < 4; ++r)
            tm.SetRow(r, r < 3 ? Point3(entry(random), entry(random), entry(random))
                               : Point3(coordinate(random), coordinate(random), coordinate(random)));
        std::vector<Point3> verts(std::size_t(round % 37));
        for (Point3& v : verts) v = {coordinate(random), coordinate(random), coordinate(random)};
        expectSame(tm, verts, "random");
    }
}

}  // namespace
}  // namespace korvathexp
