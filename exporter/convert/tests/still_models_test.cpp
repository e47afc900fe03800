// Still models of assimp-testmodels: an OBJ box and an FBX file with a mirrored node, checked
// against the vertex lists, faces and node transforms the test reads from their text.
#include "exporter/convert/tests/convert_fixture.h"
#include "exporter/convert/tests/hand_math.h"
#include "exporter/convert/tests/mesh_file_reader.h"

#include "common/testing/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <sstream>

namespace korvath::convert::testing {
namespace {

// Each triangle of a closed convex solid faces away from the solid's centre.
void expectOutward(const MeshFiles& files, int base, int count, const std::string& what) {
    V3 centre{0, 0, 0};
    for (int v = base; v < base + count; ++v) centre = centre + toUnits(unpack(files.word(0, v))) * (1.0 / count);
    int checked = 0;
    for (const Triangle& tri : files.triangles) {
        if (tri.v[0] < base || tri.v[0] >= base + count) continue;
        const V3 a = toUnits(unpack(files.word(0, tri.v[0])));
        const V3 b = toUnits(unpack(files.word(0, tri.v[1])));
        const V3 c = toUnits(unpack(files.word(0, tri.v[2])));
        const V3 middle = (a + b + c) * (1.0 / 3);
        EXPECT_GT(dot(cross(b - a, c - a), middle - centre), 0.0) << what << " triangle " << tri.v[0] << ','
                                                                  << tri.v[1] << ',' << tri.v[2];
        ++checked;
    }
    EXPECT_EQ(checked, 12) << what;
}

TEST(StillModels, ObjBoxWeldsBackToItsEightCornersInFirstUseOrder) {
    const auto path = model("OBJ/box.obj");
    KORVATH_NEED_MODEL(path);
    std::vector<V3> corners;
    std::vector<std::vector<int>> faces;
    std::istringstream text(korvath::testing::readFile(path));
    for (std::string line; std::getline(text, line);) {
        std::istringstream in(line);
        std::string tag;
        in >> tag;
        if (tag == "v") {
            V3 p;
            in >> p.x >> p.y >> p.z;
            corners.push_back(p);
        } else if (tag == "f") {
            faces.emplace_back();
            for (int index; in >> index;) faces.back().push_back(index - 1);
        }
    }
    ASSERT_EQ(corners.size(), 8u);
    // The loader makes a vertex per face corner; welded, they come back in first-use order.
    std::vector<int> order;
    int triangles = 0;
    for (const auto& face : faces) {
        triangles += int(face.size()) - 2;
        for (int c : face)
            if (std::find(order.begin(), order.end(), c) == order.end()) order.push_back(c);
    }

    korvath::testing::TempDir dir;
    const RunOutcome run = convert({path.string(), (dir / "box.3d").string(), "--scale", "100"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Scale factor: 100"), std::string::npos) << run.out;
    const MeshFiles files = readMeshFiles(dir / "box.3d", dir / "box_a.3d");
    ASSERT_TRUE(files.ok);
    EXPECT_TRUE(files.headerRestZero);
    EXPECT_EQ(files.vertexCount, 8);
    EXPECT_EQ(files.triangleCount, triangles);
    EXPECT_EQ(files.frameCount, 1);
    EXPECT_EQ(files.frameSize, 32);
    for (int v = 0; v < 8; ++v) {
        const Fields expected = expectedFields(gameFromYUp(corners[std::size_t(order[std::size_t(v)])] * 100.0));
        const Fields got = unpack(files.word(0, v));
        EXPECT_TRUE(near(got, expected)) << "vertex " << v;
    }
    // Reversed, every triangle runs round one of the file's faces in that face's own order.
    for (const Triangle& tri : files.triangles) {
        const int a = order[std::size_t(tri.v[2])], b = order[std::size_t(tri.v[1])], c = order[std::size_t(tri.v[0])];
        bool onAFace = false;
        for (const auto& face : faces) {
            const int n = int(face.size());
            auto pos = [&](int corner) { return int(std::find(face.begin(), face.end(), corner) - face.begin()); };
            const int pa = pos(a), pb = pos(b), pc = pos(c);
            if (pa == n || pb == n || pc == n) continue;
            // a, b, c in the face's cyclic order
            onAFace = onAFace || ((pb - pa + n) % n < (pc - pa + n) % n);
        }
        EXPECT_TRUE(onAFace) << a << ' ' << b << ' ' << c;
    }
    expectOutward(files, 0, 8, "box");

    // Told that the file is Z-up, the host leaves the axes alone (the exporter still negates X).
    ASSERT_EQ(convert({path.string(), (dir / "zup.3d").string(), "--scale", "100", "--up", "z"}).status, 0);
    const MeshFiles zUp = readMeshFiles(dir / "zup.3d", dir / "zup_a.3d");
    ASSERT_TRUE(zUp.ok);
    for (int v = 0; v < 8; ++v)
        EXPECT_TRUE(near(unpack(zUp.word(0, v)), expectedFields(gameFromZUp(corners[std::size_t(order[std::size_t(v)])] * 100.0))))
            << "vertex " << v;
    // No texture coordinates in the file: zeros and the exporter's warning.
    EXPECT_NE(run.err.find("[Warning!] The mesh has no texture coords!\nZeros were written!"), std::string::npos);
}

// The parts of an ASCII FBX file that the test needs.
struct FbxText {
    std::map<std::string, std::vector<double>> vertices;  // geometry id → control points
    std::map<std::string, std::vector<int>> polygons;     // geometry id → PolygonVertexIndex
    std::map<std::string, std::string> modelNames;        // model id → name
    std::map<std::string, std::map<std::string, V3>> properties;  // model id → Lcl …
    std::map<std::string, std::string> parentOf;          // child id → parent id
};

std::vector<double> numbersAfter(const std::string& text, std::size_t from) {
    const std::size_t open = text.find("a:", from);
    const std::size_t close = text.find('}', open);
    std::vector<double> out;
    std::string list = text.substr(open + 2, close - open - 2);
    std::replace(list.begin(), list.end(), ',', ' ');
    std::istringstream in(list);
    for (double v; in >> v;) out.push_back(v);
    return out;
}

FbxText readFbx(const std::string& text) {
    FbxText fbx;
    const std::regex geometry(R"re(Geometry: (\d+), "Geometry::[^"]*", "Mesh")re");
    for (std::sregex_iterator it(text.begin(), text.end(), geometry), end; it != end; ++it) {
        const std::size_t at = std::size_t(it->position());
        fbx.vertices[(*it)[1]] = numbersAfter(text, text.find("Vertices:", at));
        for (double v : numbersAfter(text, text.find("PolygonVertexIndex:", at))) fbx.polygons[(*it)[1]].push_back(int(v));
    }
    const std::regex modelRe(R"re(Model: (\d+), "Model::([^"]*)", "Mesh" \{)re");
    for (std::sregex_iterator it(text.begin(), text.end(), modelRe), end; it != end; ++it) {
        fbx.modelNames[(*it)[1]] = (*it)[2];
        const std::size_t at = std::size_t(it->position());
        const std::size_t stop = text.find("\n\t}", at);
        const std::regex lcl(R"re(P: "(Lcl \w+)", "Lcl \w+", "", "A",([-\d.e]+),([-\d.e]+),([-\d.e]+))re");
        const std::string body = text.substr(at, stop - at);
        for (std::sregex_iterator p(body.begin(), body.end(), lcl), e; p != e; ++p)
            fbx.properties[(*it)[1]][(*p)[1]] = {std::stod((*p)[2]), std::stod((*p)[3]), std::stod((*p)[4])};
    }
    const std::regex connection(R"re(C: "OO",(\d+),(\d+))re");
    for (std::sregex_iterator it(text.begin(), text.end(), connection), end; it != end; ++it)
        fbx.parentOf[(*it)[1]] = (*it)[2];
    return fbx;
}

TEST(StillModels, FbxMirroredNodeKeepsItsTrianglesFacingOutward) {
    const auto path = model("FBX/cubes_with_mirroring_and_pivot.fbx");
    KORVATH_NEED_MODEL(path);
    const FbxText fbx = readFbx(korvath::testing::readFile(path));
    ASSERT_EQ(fbx.vertices.size(), 4u);

    // Model ids in the order the node tree is walked: Cube2, its child Cube1, Cube3, its child.
    auto idOf = [&](const std::string& name, const std::string& parent) {
        for (const auto& [id, n] : fbx.modelNames)
            if (n == name && fbx.parentOf.at(id) == parent) return id;
        return std::string();
    };
    const std::string cube2 = idOf("Cube2", "0"), cube3 = idOf("Cube3", "0");
    const std::vector<std::string> models{cube2, idOf("Cube1", cube2), cube3, idOf("Cube1", cube3)};
    for (const auto& id : models) ASSERT_FALSE(id.empty());
    auto geometryOf = [&](const std::string& model) {
        for (const auto& [child, parent] : fbx.parentOf)
            if (parent == model && fbx.vertices.count(child)) return child;
        return std::string();
    };
    auto local = [&](const std::string& model) {
        const auto& p = fbx.properties.at(model);
        if (p.count("Lcl Rotation")) {
            const V3 r = p.at("Lcl Rotation");
            EXPECT_TRUE(r.x == 0 && r.y == 0 && r.z == 0) << "the test handles unrotated cubes only";
        }
        const V3 t = p.count("Lcl Translation") ? p.at("Lcl Translation") : V3{0, 0, 0};
        const V3 s = p.count("Lcl Scaling") ? p.at("Lcl Scaling") : V3{1, 1, 1};
        return fromTrs(t, {0, 0, 0, 1}, s);
    };
    ASSERT_LT(fbx.properties.at(cube2).at("Lcl Scaling").y, 0.0);  // the mirrored one

    // Welded vertex order per node: control points in the order the polygons first use them.
    std::vector<std::vector<V3>> points(4);
    int triangles = 0;
    for (std::size_t m = 0; m < 4; ++m) {
        const std::string geometry = geometryOf(models[m]);
        const auto& cp = fbx.vertices.at(geometry);
        int polygon = 0;
        for (int raw : fbx.polygons.at(geometry)) {
            const int index = raw < 0 ? ~raw : raw;
            ++polygon;
            if (raw < 0) {
                triangles += polygon - 2;
                polygon = 0;
            }
            const V3 p{float(cp[std::size_t(3 * index)]), float(cp[std::size_t(3 * index + 1)]), float(cp[std::size_t(3 * index + 2)])};
            if (std::find(points[m].begin(), points[m].end(), p) == points[m].end()) points[m].push_back(p);
        }
    }
    EXPECT_EQ(points[0].size(), 8u);

    korvath::testing::TempDir dir;
    const RunOutcome run = convert({path.string(), (dir / "cubes.3d").string(), "--scale", "100"});
    ASSERT_EQ(run.status, 0) << run.err;
    const MeshFiles files = readMeshFiles(dir / "cubes.3d", dir / "cubes_a.3d");
    ASSERT_TRUE(files.ok);
    const int total = int(points[0].size() + points[1].size() + points[2].size() + points[3].size());
    EXPECT_EQ(files.vertexCount, total);
    EXPECT_EQ(files.triangleCount, triangles);
    EXPECT_EQ(files.frameSize, 4 * total);

    // The three cubes: positions from the node transforms, the file being Y-up.
    const M4 world[3] = {local(models[0]), local(models[0]) * local(models[1]), local(models[2])};
    int base = 0;
    for (int m = 0; m < 3; ++m) {
        ASSERT_EQ(points[std::size_t(m)].size(), 8u);
        for (int v = 0; v < 8; ++v) {
            const Fields expected = expectedFields(gameFromYUp(world[m].apply(points[std::size_t(m)][std::size_t(v)]) * 100.0));
            EXPECT_TRUE(near(unpack(files.word(0, base + v)), expected)) << "cube " << m << " vertex " << v;
        }
        expectOutward(files, base, 8, "cube " + std::to_string(m));
        base += 8;
    }
}

}  // namespace
}  // namespace korvath::convert::testing
