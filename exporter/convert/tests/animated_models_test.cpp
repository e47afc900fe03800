// Node animation from a 3DS file of assimp-testmodels: a cube turned by a rotation track whose
// keys the test reads from the file's chunks.
#include "exporter/convert/tests/convert_fixture.h"
#include "exporter/convert/tests/hand_math.h"
#include "exporter/convert/tests/mesh_file_reader.h"

#include "common/testing/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace korvath::convert::testing {
namespace {

struct RotationKey {
    int frame;
    double angle;
    V3 axis;
};

struct ThreeDs {
    std::vector<V3> vertices;
    std::vector<RotationKey> rotation;
    int segmentStart = -1, segmentEnd = -1;  // the key-frame section's animation segment
};

// Walks the chunk tree (id, length) and keeps the first mesh's vertices and rotation track.
void readChunks(const std::string& b, std::size_t from, std::size_t to, ThreeDs& out) {
    auto u16 = [&](std::size_t at) { return unsigned(std::uint8_t(b[at])) | unsigned(std::uint8_t(b[at + 1])) << 8; };
    auto u32 = [&](std::size_t at) { return u16(at) | u16(at + 2) << 16; };
    auto f32 = [&](std::size_t at) {
        float f;
        std::memcpy(&f, b.data() + at, 4);
        return double(f);
    };
    while (from + 6 <= to) {
        const unsigned id = u16(from);
        const std::size_t length = u32(from + 2);
        if (length < 6 || from + length > to) return;
        const std::size_t body = from + 6;
        switch (id) {
        case 0x4D4D: case 0x3D3D: case 0x4100: case 0xB000: case 0xB002:
            readChunks(b, body, from + length, out);
            break;
        case 0x4000:  // object: a name, then its chunks
            readChunks(b, b.find('\0', body) + 1, from + length, out);
            break;
        case 0xB008:
            out.segmentStart = int(u32(body));
            out.segmentEnd = int(u32(body + 4));
            break;
        case 0x4110:
            if (out.vertices.empty())
                for (unsigned i = 0; i < u16(body); ++i)
                    out.vertices.push_back({f32(body + 2 + 12 * i), f32(body + 6 + 12 * i), f32(body + 10 + 12 * i)});
            break;
        case 0xB021: {  // flags, 8 unknown bytes, key count; per key: frame, spline flags, extras
            std::size_t at = body + 14;
            for (unsigned k = 0; k < u32(body + 10); ++k) {
                RotationKey key{int(u32(at)), 0, {}};
                const unsigned spline = u16(at + 4);
                at += 6;
                for (int bit = 0; bit < 5; ++bit)
                    if (spline & (1u << bit)) at += 4;
                key.angle = f32(at);
                key.axis = {f32(at + 4), f32(at + 8), f32(at + 12)};
                at += 16;
                out.rotation.push_back(key);
            }
            break;
        }
        default:
            break;
        }
        from += length;
    }
}

// The rotation taking the centred points `a` onto `b`, fitted by least squares.
M4 fittedRotation(const std::vector<V3>& a, const std::vector<V3>& b) {
    double ba[3][3] = {}, aa[3][3] = {};
    auto c = [](const V3& v, int i) { return i == 0 ? v.x : i == 1 ? v.y : v.z; };
    for (std::size_t n = 0; n < a.size(); ++n)
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                ba[i][j] += c(b[n], i) * c(a[n], j);
                aa[i][j] += c(a[n], i) * c(a[n], j);
            }
    // aa⁻¹ by cofactors
    const double det = aa[0][0] * (aa[1][1] * aa[2][2] - aa[1][2] * aa[2][1]) -
                       aa[0][1] * (aa[1][0] * aa[2][2] - aa[1][2] * aa[2][0]) +
                       aa[0][2] * (aa[1][0] * aa[2][1] - aa[1][1] * aa[2][0]);
    double inv[3][3];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            const int r0 = (j + 1) % 3, r1 = (j + 2) % 3, c0 = (i + 1) % 3, c1 = (i + 2) % 3;
            inv[i][j] = (aa[r0][c0] * aa[r1][c1] - aa[r0][c1] * aa[r1][c0]) / det;
        }
    M4 r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            double s = 0;
            for (int k = 0; k < 3; ++k) s += ba[i][k] * inv[k][j];
            r.at(i, j) = s;
        }
    return r;
}

TEST(AnimatedModels, ThreeDsRotationTrackTurnsTheCubeFrameByFrame) {
    const auto path = model("3DS/RotatingCube.3DS");
    KORVATH_NEED_MODEL(path);
    const std::string bytes = korvath::testing::readFile(path);
    ThreeDs file;
    readChunks(bytes, 0, bytes.size(), file);
    ASSERT_FALSE(file.vertices.empty());
    ASSERT_GT(file.rotation.size(), 2u);
    std::vector<V3> corners;
    for (const V3& v : file.vertices)
        if (std::find(corners.begin(), corners.end(), v) == corners.end()) corners.push_back(v);

    korvath::testing::TempDir dir;
    const RunOutcome run = convert({path.string(), (dir / "cube.3d").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    const MeshFiles files = readMeshFiles(dir / "cube.3d", dir / "cube_a.3d");
    ASSERT_TRUE(files.ok);
    // The file gives no key rate: its keys count frames. The scene runs over the segment the
    // file stores, past its last key.
    ASSERT_EQ(file.segmentStart, 0);
    ASSERT_GT(file.segmentEnd, file.rotation.back().frame);
    EXPECT_EQ(files.frameCount, file.segmentEnd + 1);
    EXPECT_EQ(files.word(files.frameCount - 1, 0), files.word(file.rotation.back().frame, 0));  // held after the last key
    EXPECT_EQ(files.vertexCount, int(corners.size()));

    auto centred = [&](int frame) {
        std::vector<V3> points;
        V3 centre{0, 0, 0};
        for (int v = 0; v < files.vertexCount; ++v) points.push_back(toUnits(unpack(files.word(frame, v))));
        for (const V3& p : points) centre = centre + p * (1.0 / double(points.size()));
        for (V3& p : points) p = p - centre;
        return points;
    };
    auto distances = [](const std::vector<V3>& points) {
        std::vector<double> out;
        for (std::size_t i = 0; i < points.size(); ++i)
            for (std::size_t j = i + 1; j < points.size(); ++j) out.push_back(std::sqrt(dot(points[i] - points[j], points[i] - points[j])));
        std::sort(out.begin(), out.end());
        return out;
    };
    // Rigid at every frame: the distances between corners stay those of the file's vertex list.
    const std::vector<double> expectedDistances = distances(corners);
    for (int frame = 0; frame < files.frameCount; frame += 7) {
        const std::vector<double> now = distances(centred(frame));
        ASSERT_EQ(now.size(), expectedDistances.size());
        for (std::size_t i = 0; i < now.size(); ++i) EXPECT_NEAR(now[i], expectedDistances[i], 0.6) << "frame " << frame;
    }

    const std::vector<V3> first = centred(0);
    // From the second key on, each key turns the cube further by its own angle; the first
    // sixty or so all turn it about the file's X axis (the game's X axis too).
    double turned = 0;
    int checked = 0;
    for (std::size_t k = 1; k < file.rotation.size(); ++k) {
        const RotationKey& key = file.rotation[k];
        if (std::fabs(std::fabs(key.axis.x) - 1.0) > 1e-6) break;
        turned += key.angle * key.axis.x;
        if (key.frame % 5 != 0) continue;
        const M4 r = fittedRotation(first, centred(key.frame));
        EXPECT_NEAR(r.at(0, 0), 1.0, 0.02) << "turns about X, frame " << key.frame;
        const double cosine = (r.at(0, 0) + r.at(1, 1) + r.at(2, 2) - 1) / 2;
        EXPECT_NEAR(cosine, std::cos(turned), 0.02) << "frame " << key.frame;
        ++checked;
    }
    EXPECT_GE(checked, 10);
    EXPECT_GT(std::fabs(turned), 0.5);  // the cube does turn, by some 55 degrees
}

}  // namespace
}  // namespace korvath::convert::testing
