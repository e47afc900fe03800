#pragma once
// Writes the benchmark's skinned scene as a Collada document of the usual shape (a skin
// controller, joint nodes, one matrix animation per joint), for a text format next to glTF's
// binary one. The import library's own Collada writer leaves out what its reader needs.
#include <string>

struct aiScene;

// The scene must be the benchmark's: one skinned mesh on a node, joints keyed by rotation.
bool writeCollada(const aiScene& scene, const std::string& path);
