#pragma once
// Joins the meshes a node carries into the one mesh the host shows for it.
#include "exporter/convert/scene_model.h"

#include <string>

struct aiScene;
struct aiNode;

namespace korvath::convert {

// Fills parts, faces (loader vertex indices), texture vertices, material IDs and the skinned
// flag of `node` from the meshes of `source`. Faces that are not triangles (points, lines)
// are left out. False with `error` set when the file's indices do not hold together.
bool joinNodeMeshes(const aiScene& scene, const aiNode& source, ModelNode& node,
                    std::string& error);

}  // namespace korvath::convert
