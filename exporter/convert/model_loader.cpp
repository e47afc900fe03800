#include "exporter/convert/model_loader.h"

#include "exporter/convert/invented_materials.h"
#include "exporter/convert/joined_mesh.h"
#include "exporter/convert/key_frame_header.h"
#include "exporter/convert/model_materials.h"
#include "exporter/convert/off_header.h"
#include "exporter/convert/three_ds_segment.h"

#include "common/files/game_path.h"

#include <assimp/Importer.hpp>
#include <assimp/config.h>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <unordered_map>

namespace korvath::convert {

LoadedModel::LoadedModel() = default;
LoadedModel::~LoadedModel() = default;
LoadedModel::LoadedModel(LoadedModel&&) noexcept = default;
LoadedModel& LoadedModel::operator=(LoadedModel&&) noexcept = default;

namespace {

// Triangulate only: every step that joins, splits or reorders vertices would make the
// frames of one file stop matching each other. Validation only checks.
constexpr unsigned kImportSteps = aiProcess_Triangulate | aiProcess_ValidateDataStructure;

std::string firstBytes(const std::string& path, std::size_t count) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(count, '\0');
    in.read(bytes.data(), std::streamsize(bytes.size()));
    bytes.resize(std::size_t(in.gcount()));
    return bytes;
}

// Why an OFF file is refused before the import library allocates for counts it cannot hold.
std::string oversizedOff(const std::string& path) {
    if (toLowerAscii(std::filesystem::path(path).extension().string()) != ".off") return {};
    const auto counts = offCounts(firstBytes(path, 512));
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (!counts || ec || !offCountsExceed(*counts, size)) return {};
    return "it declares " + std::to_string(counts->vertices) + " vertices and " + std::to_string(counts->faces) +
           " faces, more than its " + std::to_string(size) + " bytes can hold";
}

std::unique_ptr<Assimp::Importer> importFile(const std::string& path, std::optional<int> keyFrame,
                                             std::string& error) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        error = "cannot open " + path + ": no such file";
        return nullptr;
    }
    if (const std::string oversized = oversizedOff(path); !oversized.empty()) {
        error = "cannot read " + path + ": " + oversized;
        return nullptr;
    }
    auto importer = std::make_unique<Assimp::Importer>();
    importer->SetPropertyBool(AI_CONFIG_IMPORT_NO_SKELETON_MESHES, true);
    // One node per node of the file: no helper nodes for pivots.
    importer->SetPropertyBool(AI_CONFIG_IMPORT_FBX_PRESERVE_PIVOTS, false);
    if (keyFrame) importer->SetPropertyInteger(AI_CONFIG_IMPORT_GLOBAL_KEYFRAME, *keyFrame);
    const aiScene* scene = importer->ReadFile(path, kImportSteps);
    if (scene == nullptr || scene->mRootNode == nullptr) {
        error = "cannot read " + path + ": " + importer->GetErrorString();
        return nullptr;
    }
    return importer;
}

void collect(const aiNode* node, std::vector<const aiNode*>& out) {
    out.push_back(node);
    for (unsigned i = 0; i < node->mNumChildren; ++i)
        if (node->mChildren[i] != nullptr) collect(node->mChildren[i], out);
}

// Past this many key frames a file is not believed (the animation file counts 65535 frames).
constexpr int kKeyFrameLimit = 65535;

bool sameVertices(const aiScene& a, const aiScene& b) {
    if (a.mNumMeshes != b.mNumMeshes) return false;
    for (unsigned m = 0; m < a.mNumMeshes; ++m) {
        const aiMesh& x = *a.mMeshes[m];
        const aiMesh& y = *b.mMeshes[m];
        if (x.mNumVertices != y.mNumVertices) return false;
        for (unsigned v = 0; v < x.mNumVertices; ++v)
            if (x.mVertices[v] != y.mVertices[v]) return false;
    }
    return true;
}

std::optional<int> declaredKeyFramesOf(const std::string& path) { return declaredKeyFrames(firstBytes(path, 128)); }

// The key frames of a single-key-frame file. Some loaders refuse a frame past the end; others
// read the same frame whatever they are asked, so a second frame the same as the first means
// there is only the first. A count the file declares is taken once its last frame reads;
// without one, frames are read until one fails or comes back the same as the one before.
int countKeyFrames(const std::string& path, const aiScene& first, std::vector<std::string>& warnings) {
    const std::optional<int> declared = declaredKeyFramesOf(path);
    const int limit = std::min(declared.value_or(kKeyFrameLimit), kKeyFrameLimit);
    std::string ignored;
    if (limit < 2 || first.mNumMeshes == 0) return 1;  // nothing to animate
    auto second = importKeyFrame(path, 1, ignored);
    if (!second) return 1;
    if (sameVertices(first, *second->GetScene())) {
        warnings.push_back(path + (declared ? " declares " + std::to_string(*declared) + " key frames, but the"
                                            : ": the") +
                           " import library gives only the first; 1 frame is exported");
        return 1;
    }
    if (declared && importKeyFrame(path, limit - 1, ignored)) return limit;
    std::unique_ptr<Assimp::Importer> previous = std::move(second);
    int count = 2;
    for (; count < limit; ++count) {
        auto next = importKeyFrame(path, count, ignored);
        if (!next || sameVertices(*previous->GetScene(), *next->GetScene())) break;
        previous = std::move(next);
    }
    return count;
}

bool chooseAnimation(const aiScene& scene, const LoadOptions& options, SceneModel& model,
                     std::vector<std::string>& warnings, std::string& error) {
    for (unsigned i = 0; i < scene.mNumAnimations; ++i) {
        const aiAnimation* a = scene.mAnimations[i];
        model.animations.push_back({a->mName.C_Str(), a->mDuration, a->mTicksPerSecond});
    }
    if (options.animation) {
        for (std::size_t i = 0; i < model.animations.size(); ++i)
            if (model.animations[i].name == *options.animation) model.chosenAnimation = int(i);
        if (model.chosenAnimation < 0) {
            error = "the scene has no animation named \"" + *options.animation + "\"";
            return false;
        }
    } else if (!model.animations.empty()) {
        model.chosenAnimation = 0;
    }
    if (model.chosenAnimation >= 0) {
        const AnimationInfo& a = model.animations[std::size_t(model.chosenAnimation)];
        const double perSecond = a.ticksPerSecond > 0.0 ? a.ticksPerSecond : options.framesPerSecond;
        const double frames = a.durationTicks / perSecond * options.framesPerSecond;
        if (!std::isfinite(frames) || frames < 0.0) {
            warnings.push_back("the animation \"" + a.name + "\" has no usable length; 1 frame is exported");
            model.endFrame = 0;
            return true;
        }
        if (frames > 65535.0) {
            error = "the animation \"" + a.name + "\" is longer than the 65535 frames an animation file holds";
            return false;
        }
        // The last frame reaches the animation's end; a hair's rounding is not a frame more.
        model.endFrame = int(std::ceil(frames - 1e-6));
    }
    return true;
}

// A 3DS file's animation runs over the segment it stores, not just up to its last key.
void applyThreeDsSegment(const std::string& path, SceneModel& model) {
    if (model.chosenAnimation < 0 || toLowerAscii(std::filesystem::path(path).extension().string()) != ".3ds")
        return;
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (const auto segment = threeDsSegment(bytes)) {
        model.startFrame = segment->start;
        model.endFrame = segment->end;
    }
}

}  // namespace

bool readsSingleKeyFrame(const std::string& path) {
    const std::string ext = toLowerAscii(std::filesystem::path(path).extension().string());
    return ext == ".md2" || ext == ".md3" || ext == ".mdl" || ext == ".mdc";
}

std::unique_ptr<Assimp::Importer> importKeyFrame(const std::string& path, int keyFrame,
                                                 std::string& error) {
    return importFile(path, keyFrame, error);
}

std::vector<const aiNode*> nodesDepthFirst(const aiScene& scene) {
    std::vector<const aiNode*> out;
    if (scene.mRootNode != nullptr) collect(scene.mRootNode, out);
    return out;
}

korvath::Result<LoadedModel> loadModel(const LoadOptions& options, std::vector<std::string>& warnings) {
    using Loaded = korvath::Result<LoadedModel>;
    std::string error;
    const bool singleKeyFrame = readsSingleKeyFrame(options.path);
    auto importer = importFile(options.path, singleKeyFrame ? std::optional<int>(0) : std::nullopt, error);
    if (!importer) return Loaded::failure(error);

    LoadedModel loaded;
    loaded.scene = importer->GetScene();
    loaded.importer = std::move(importer);
    const aiScene& scene = *loaded.scene;
    SceneModel& model = loaded.model;

    for (unsigned i = 0; i < scene.mNumMaterials; ++i)
        model.materials.push_back(mapMaterial(*scene.mMaterials[i]));
    markInventedMaterials(scene, options.path, model.materials);

    loaded.sourceNodes = nodesDepthFirst(scene);
    model.nodes.resize(loaded.sourceNodes.size() + 1);
    std::unordered_map<const aiNode*, int> indexOf;
    for (std::size_t i = 0; i < loaded.sourceNodes.size(); ++i) {
        const aiNode* source = loaded.sourceNodes[i];
        indexOf.emplace(source, int(i + 1));
        ModelNode& node = model.nodes[i + 1];
        node.name = source->mName.C_Str();
        node.source = source;
        // The file's top node hangs under our root, as does anything whose parent is unknown.
        const auto parentIt = indexOf.find(source->mParent);
        const int parent = parentIt == indexOf.end() ? 0 : parentIt->second;
        node.parent = parent;
        model.nodes[std::size_t(parent)].children.push_back(int(i + 1));
        if (!joinNodeMeshes(scene, *source, node, error)) return Loaded::failure(error);
    }

    // A loader of this kind that gives animations (HL1 MDL sequences) is read like any other.
    if (singleKeyFrame && scene.mNumAnimations == 0) {
        if (options.animation)
            return Loaded::failure("the scene has no animation named \"" + *options.animation + "\"");
        model.keyFramePerImport = true;
        model.endFrame = countKeyFrames(options.path, scene, warnings) - 1;
    } else if (!chooseAnimation(scene, options, model, warnings, error)) {
        return Loaded::failure(error);
    } else {
        applyThreeDsSegment(options.path, model);
    }

    loaded.up = options.up ? *options.up : declaredUpAxis(scene);
    loaded.upRotation = rotationToZUp(loaded.up);
    return loaded;
}

}  // namespace korvath::convert
