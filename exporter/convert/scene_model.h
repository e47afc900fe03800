#pragma once
// The converter's neutral picture of a model file: the node tree under a root of our own, each
// node's meshes joined into one, its materials, and the animation range in host frames. Vertex
// positions per frame live in FramePositions; this holds what does not change over time.
#include <assimp/vector2.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct aiNode;

namespace korvath::convert {

// A material as the exporter asks about it, taken from the file's own properties.
struct ModelMaterial {
    std::string name;
    bool twoSided = false;
    float opacity = 1.0f;
    float selfIllumination = 0.0f;  // the strongest emissive component, 0 to 1
    bool hasDiffuseMap = false;
    std::string diffuseMapPath;
    bool unfiltered = false;           // the file asks for nearest-texel sampling
    bool explicitCoordinates = true;   // false when the file generates coordinates (environment)
    bool masked = false;               // drawn where the texture is opaque enough (alpha test)
    bool invented = false;             // made up by the import library: the face has no material
};

struct ModelFace {
    std::array<std::uint32_t, 3> corners{};    // vertex indices (welded once welding ran)
    std::array<std::uint32_t, 3> uvCorners{};  // texture vertex indices
    std::uint16_t materialId = 0;
};

// Where one of the file's meshes sits inside a node's joined mesh.
struct MeshPart {
    unsigned meshIndex = 0;
    std::uint32_t firstVertex = 0;
};

struct ModelNode {
    std::string name;
    int parent = -1;
    std::vector<int> children;
    const aiNode* source = nullptr;  // null for the root of our own
    std::vector<MeshPart> parts;
    std::uint32_t rawVertexCount = 0;     // joined vertices as the loader gave them
    std::vector<std::uint32_t> weldMap;   // loader vertex → kept vertex (empty: identity)
    std::uint32_t vertexCount = 0;        // vertices after welding
    std::vector<ModelFace> faces;
    std::vector<aiVector2D> textureVertices;
    std::vector<int> materials;  // index into SceneModel::materials per material ID
    bool skinned = false;

    bool hasMesh() const { return !parts.empty(); }
};

struct AnimationInfo {
    std::string name;
    double durationTicks = 0.0;
    double ticksPerSecond = 0.0;  // as the file gave it; 0 means "not given"
};

struct SceneModel {
    std::vector<ModelNode> nodes;  // nodes[0] is our root; a parent comes before its children
    std::vector<ModelMaterial> materials;
    std::vector<AnimationInfo> animations;
    int chosenAnimation = -1;  // -1: still scene
    int startFrame = 0;
    int endFrame = 0;
    bool keyFramePerImport = false;  // MD2-like loaders: one import per frame

    int frameCount() const { return endFrame - startFrame + 1; }
};

}  // namespace korvath::convert
