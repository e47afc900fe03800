#include "exporter/convert/tests/scene_builder.h"

#include <assimp/Exporter.hpp>

#include <gtest/gtest.h>

namespace korvath::convert::testing {

std::unique_ptr<aiScene> emptyScene() {
    auto scene = std::make_unique<aiScene>();
    scene->mRootNode = new aiNode("root");
    scene->mNumMaterials = 1;
    scene->mMaterials = new aiMaterial*[1]{new aiMaterial};
    return scene;
}

aiNode* addNode(aiNode* parent, const char* name, aiVector3D translation) {
    aiNode* node = new aiNode(name);
    node->mTransformation = aiMatrix4x4::Translation(translation, node->mTransformation);
    parent->addChildren(1, &node);
    return node;
}

void addTriangle(aiScene& scene, aiNode* node, unsigned material) {
    aiMesh* mesh = new aiMesh;
    mesh->mNumVertices = 3;
    mesh->mVertices = new aiVector3D[3]{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    mesh->mNumFaces = 1;
    mesh->mFaces = new aiFace[1];
    mesh->mFaces[0].mNumIndices = 3;
    mesh->mFaces[0].mIndices = new unsigned[3]{0, 1, 2};
    mesh->mPrimitiveTypes = aiPrimitiveType_TRIANGLE;
    mesh->mMaterialIndex = material;
    aiMesh** meshes = new aiMesh*[scene.mNumMeshes + 1];
    for (unsigned i = 0; i < scene.mNumMeshes; ++i) meshes[i] = scene.mMeshes[i];
    meshes[scene.mNumMeshes] = mesh;
    delete[] scene.mMeshes;
    scene.mMeshes = meshes;
    unsigned* list = new unsigned[node->mNumMeshes + 1];
    for (unsigned i = 0; i < node->mNumMeshes; ++i) list[i] = node->mMeshes[i];
    list[node->mNumMeshes] = scene.mNumMeshes++;
    delete[] node->mMeshes;
    node->mMeshes = list;
    ++node->mNumMeshes;
}

unsigned addMaterial(aiScene& scene, const std::string& name) {
    aiMaterial** materials = new aiMaterial*[scene.mNumMaterials + 1];
    for (unsigned i = 0; i < scene.mNumMaterials; ++i) materials[i] = scene.mMaterials[i];
    materials[scene.mNumMaterials] = new aiMaterial;
    const aiString text(name);
    materials[scene.mNumMaterials]->AddProperty(&text, AI_MATKEY_NAME);
    delete[] scene.mMaterials;
    scene.mMaterials = materials;
    return scene.mNumMaterials++;
}

void addAnimation(aiScene& scene, aiNodeAnim* channel, double duration, double ticksPerSecond) {
    aiAnimation* animation = new aiAnimation;
    animation->mName = "take";
    animation->mDuration = duration;
    animation->mTicksPerSecond = ticksPerSecond;
    animation->mNumChannels = 1;
    animation->mChannels = new aiNodeAnim*[1]{channel};
    scene.mNumAnimations = 1;
    scene.mAnimations = new aiAnimation*[1]{animation};
}

bool saveScene(const aiScene& scene, const std::string& path) {
    Assimp::Exporter exporter;
    const bool saved = exporter.Export(&scene, "assbin", path) == AI_SUCCESS;
    EXPECT_TRUE(saved) << exporter.GetErrorString();
    return saved;
}

}  // namespace korvath::convert::testing
