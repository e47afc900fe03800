#pragma once
// Loads a scene file with the import library and builds the converter's picture of it.
#include "exporter/convert/scene_model.h"
#include "exporter/convert/up_axis.h"

#include <assimp/matrix4x4.h>

#include "common/result.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

struct aiScene;
namespace Assimp {
class Importer;
}

namespace korvath::convert {

struct LoadOptions {
    std::string path;
    int framesPerSecond = 30;
    std::optional<std::string> animation;  // by name; default the first
    std::optional<UpAxis> up;              // overrides the file's own
};

// A loaded scene file. Keeps the importer alive as long as the aiScene is used.
struct LoadedModel {
    std::unique_ptr<Assimp::Importer> importer;
    const aiScene* scene = nullptr;
    SceneModel model;
    std::vector<const aiNode*> sourceNodes;  // sourceNodes[i] belongs to model.nodes[i + 1]
    aiMatrix4x4 upRotation;
    UpAxis up;

    LoadedModel();
    ~LoadedModel();
    LoadedModel(LoadedModel&&) noexcept;
    LoadedModel& operator=(LoadedModel&&) noexcept;
};

// The loaded scene, or the message why not. `warnings` gets what was made of a doubtful file
// (also on a failure, for what was read before it).
korvath::Result<LoadedModel> loadModel(const LoadOptions& options, std::vector<std::string>& warnings);

// Imports the file once more at one key frame, for loaders that read a single key frame.
// Returns the importer holding the scene, or null with `error` set.
std::unique_ptr<Assimp::Importer> importKeyFrame(const std::string& path, int keyFrame,
                                                 std::string& error);

// The file's nodes depth first, a node before its children, children in file order.
std::vector<const aiNode*> nodesDepthFirst(const aiScene& scene);

// True for the loaders that read one key frame per import (MD2, MD3, MDL, MDC).
bool readsSingleKeyFrame(const std::string& path);

}  // namespace korvath::convert
