// The file's material properties as the exporter reads them back: polygon types and texture
// numbers written for faces of materials built here and saved in the import library's format.
#include "exporter/convert/tests/convert_fixture.h"
#include "exporter/convert/tests/mesh_file_reader.h"
#include "exporter/convert/tests/scene_builder.h"

#include "common/testing/temp_dir.h"

#include <assimp/GltfMaterial.h>
#include <assimp/material.h>

#include <gtest/gtest.h>

namespace korvath::convert::testing {
namespace {

TEST(Materials, TwoSidedOpacityEmissiveAndDiffuseMapBecomePolygonTypes) {
    auto scene = emptyScene();
    const unsigned masked = addMaterial(*scene, "Skin3.Mask");
    const int on = 1;
    const float half = 0.5f;
    const aiColor3D glow(0.2f, 0.0f, 0.0f);
    scene->mMaterials[masked]->AddProperty(&on, 1, AI_MATKEY_TWOSIDED);
    scene->mMaterials[masked]->AddProperty(&half, 1, AI_MATKEY_OPACITY);
    scene->mMaterials[masked]->AddProperty(&glow, 1, AI_MATKEY_COLOR_EMISSIVE);

    const unsigned wall = addMaterial(*scene, "wall");
    const aiString map("wall.png");
    const int sphere = aiTextureMapping_SPHERE, nearest = 9728;
    scene->mMaterials[wall]->AddProperty(&map, AI_MATKEY_TEXTURE_DIFFUSE(0));
    scene->mMaterials[wall]->AddProperty(&sphere, 1, AI_MATKEY_MAPPING_DIFFUSE(0));
    scene->mMaterials[wall]->AddProperty(&nearest, 1, AI_MATKEY_GLTF_MAPPINGFILTER_MAG(aiTextureType_DIFFUSE, 0));

    const unsigned gun = addMaterial(*scene, "gun.Weapon");
    scene->mMaterials[gun]->AddProperty(&on, 1, AI_MATKEY_TWOSIDED);

    aiNode* crate = addNode(scene->mRootNode, "Crate", {0, 0, 0});
    addTriangle(*scene, crate, masked);
    addTriangle(*scene, crate, wall);  // two materials: a multi/sub-object material
    addTriangle(*scene, addNode(scene->mRootNode, "Wall", {0, 0, 0}), wall);
    addTriangle(*scene, addNode(scene->mRootNode, "Gun", {0, 0, 0}), gun);
    addTriangle(*scene, addNode(scene->mRootNode, "Plain", {0, 0, 0}), 0);

    korvath::testing::TempDir dir;
    ASSERT_TRUE(saveScene(*scene, (dir / "scene.assbin").string()));
    const RunOutcome run = convert({(dir / "scene.assbin").string(), (dir / "scene.3d").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    const MeshFiles files = readMeshFiles(dir / "scene.3d", dir / "scene_a.3d");
    ASSERT_TRUE(files.ok);
    // The crate's two triangles lie on the same three spots: they weld to three vertices.
    EXPECT_EQ(files.vertexCount, 12);
    ASSERT_EQ(files.triangleCount, 5);

    // two-sided 1, translucent 2, masked 3, self-illuminated 16; "Skin3" sets texture number 3.
    EXPECT_EQ(files.triangles[0].polygonType, 19);
    EXPECT_EQ(files.triangles[0].textureNumber, 3);
    // In a multi/sub-object material the diffuse map is asked of the multi material, which has
    // none (as in the original host), so the wall face of the crate gets no map bits.
    EXPECT_EQ(files.triangles[1].polygonType, 0);
    EXPECT_EQ(files.triangles[1].textureNumber, 3);
    // On its own: environment mapping 64 (not UV coordinates) and no filtering 128.
    EXPECT_EQ(files.triangles[2].polygonType, 192);
    EXPECT_EQ(files.triangles[3].polygonType, 8);  // a weapon triangle, whatever else is set
    EXPECT_EQ(files.triangles[4].polygonType, 0);
    EXPECT_EQ(files.triangles[4].textureNumber, 3);  // kept from the last "skin" material
    EXPECT_EQ(run.err.find("[Warning!] The mesh has no material!"), std::string::npos) << run.err;

    // --list tells the same, by the plug-in's own rule.
    const RunOutcome list = convert({(dir / "scene.assbin").string(), "--list"});
    ASSERT_EQ(list.status, 0) << list.err;
    for (const char* line : {"    \"Crate\": exported (6 vertices before welding, 2 triangles, 2 material(s))\n"
                             "        material 0 \"Skin3.Mask\": polygon type 19, texture number 3\n"
                             "        material 1 \"wall\": polygon type 0, texture number unchanged (the last \"skin\" "
                             "material's, else 0)\n",
                             "        material 0 \"wall\": polygon type 192, texture number unchanged",
                             "        material 0 \"gun.Weapon\": polygon type 8, texture number unchanged"})
        EXPECT_NE(list.out.find(line), std::string::npos) << line << "\n" << list.out;
}

TEST(Materials, AlphaMaskGivesTheMaskedTypeUnlessTheNameHasAKeywordAlready) {
    auto scene = emptyScene();
    struct Case {
        const char* name;
        int type;
    };
    const Case cases[] = {{"leaf", 3}, {"Material.001", 3}, {"skin2", 3}, {"wall.flat", 32}, {"gun.weapon", 8}};
    const aiString mask("MASK");
    for (const Case& c : cases) {
        const unsigned m = addMaterial(*scene, c.name);
        scene->mMaterials[m]->AddProperty(&mask, AI_MATKEY_GLTF_ALPHAMODE);
        addTriangle(*scene, addNode(scene->mRootNode, c.name, {0, 0, 0}), m);
    }
    korvath::testing::TempDir dir;
    ASSERT_TRUE(saveScene(*scene, (dir / "masked.assbin").string()));
    const RunOutcome run = convert({(dir / "masked.assbin").string(), (dir / "masked.3d").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    const MeshFiles files = readMeshFiles(dir / "masked.3d", dir / "masked_a.3d");
    ASSERT_TRUE(files.ok);
    ASSERT_EQ(files.triangleCount, int(std::size(cases)));
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(files.triangles[i].polygonType, cases[i].type) << cases[i].name;
    EXPECT_EQ(files.triangles[2].textureNumber, 2);  // "skin2.mask" still names texture 2
}

}  // namespace
}  // namespace korvath::convert::testing
