#pragma once
// Small scenes built in memory for the tests, to be saved in the import library's own binary
// format (assbin) and read back by the converter.
#include <assimp/scene.h>

#include <memory>
#include <string>

namespace korvath::convert::testing {

std::unique_ptr<aiScene> emptyScene();
aiNode* addNode(aiNode* parent, const char* name, aiVector3D translation);
// A triangle (0,0,0), (1,0,0), (0,1,0) with material `material`, hung on `node` (which may
// carry several).
void addTriangle(aiScene& scene, aiNode* node, unsigned material = 0);
// A material (index returned) with the given name.
unsigned addMaterial(aiScene& scene, const std::string& name);
void addAnimation(aiScene& scene, aiNodeAnim* channel, double duration, double ticksPerSecond);
// Saves the scene as assbin; false (and a test failure) if that does not work.
bool saveScene(const aiScene& scene, const std::string& path);

}  // namespace korvath::convert::testing
