#pragma once
// Finds the materials the import library made up instead of reading them from the file: its
// default material for faces without one, glTF 2's default (always the last), and an OBJ
// file's materials that none of its material libraries defines (a missing .mtl file).
#include "exporter/convert/scene_model.h"

#include <string>
#include <vector>

struct aiScene;

namespace korvath::convert {

void markInventedMaterials(const aiScene& scene, const std::string& path, std::vector<ModelMaterial>& materials);

}  // namespace korvath::convert
