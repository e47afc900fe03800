#pragma once
// Poses a loaded scene at a moment of its animation: every node's world transform from node
// animation, and every mesh node's loader vertices after morph targets and skinning.
#include "exporter/convert/scene_model.h"

#include "exporter/host/types.h"

#include <assimp/matrix4x4.h>
#include <assimp/vector3.h>

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

struct aiScene;
struct aiNode;
struct aiAnimation;
struct aiNodeAnim;
struct aiMeshMorphAnim;
struct aiMesh;

namespace korvath::convert {

class FrameEvaluator {
public:
    // `sourceNodes[i]` is the file's node for model.nodes[i + 1]. `animation` may be null (a
    // still scene); `ticksPerSecond` is the unit of its key times.
    FrameEvaluator(const SceneModel& model, const aiScene& scene,
                   const std::vector<const aiNode*>& sourceNodes, const aiAnimation* animation,
                   double ticksPerSecond);

    // False with a reason when the scene cannot be posed (a bone without a weight list …).
    bool valid(std::string& error) const;

    void pose(double seconds);

    // World transform in the file's own axes, as of the last pose().
    const aiMatrix4x4& world(int node) const { return world_[std::size_t(node)]; }

    // A loader vertex of a node's joined mesh: which part, and its index in that part's mesh.
    struct VertexRef {
        std::uint32_t part;
        std::uint32_t local;
    };
    // Every loader vertex of the node, in joined order.
    std::vector<VertexRef> allVertices(int node) const;

    // Chooses the vertices of the node that vertices() evaluates, in that order.
    void choose(int node, std::vector<VertexRef> which);

    // The chosen vertices of the node as of the last pose(): in the node's object space, or in
    // world space when the node is skinned (a skin ignores its own node's transform).
    void vertices(int node, std::vector<hostsdk::Point3>& out) const;

    // True when the two loader vertices of `node` are made from the same data (mesh, base
    // position, bone weights, morph targets), so they land on the same spot in every frame.
    bool sameRecipe(int node, std::uint32_t a, std::uint32_t b) const;

private:
    struct Influence {
        std::uint32_t bone;  // index into bones_
        float weight;        // normalised: a vertex's weights sum to 1
    };
    struct Skin {
        std::vector<std::uint32_t> start;  // per vertex, into influences; one extra at the end
        std::vector<Influence> influences;
    };
    struct Bone {
        int node;
        aiMatrix4x4 offset;
    };

    // Chosen vertices [begin, end) of one skinned part without morph targets, copied out of
    // the part in the chosen order, so each frame reads them front to back (welded vertices of
    // loaders that split at face corners lie scattered over the part).
    struct SkinRun {
        std::size_t begin = 0, end = 0;
        std::vector<aiVector3D> base;
        std::vector<std::uint32_t> start;  // per vertex, into influences; one extra at the end
        std::vector<Influence> influences;
    };

    void skinRun(const SkinRun& run, const aiMatrix4x4& own, hostsdk::Point3* out) const;
    void skinOne(const SkinRun& run, std::size_t j, const aiMatrix4x4& own, hostsdk::Point3* out) const;
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#define KORVATH_WIDE_SKINNING 1
    // skinRun two vertices at a time where the processor has 256-bit vectors.
    __attribute__((target("avx2"))) void skinRunWide(const SkinRun& run, const aiMatrix4x4& own,
                                                     hostsdk::Point3* out) const;
#endif
    void buildSkin(unsigned meshIndex, const aiMesh& mesh, int meshNode,
                   const std::unordered_map<std::string, int>& byName);
    aiMatrix4x4 localTransform(int node, double ticks) const;
    void morphWeights(int node, double ticks, std::vector<float>& weights) const;

    const SceneModel& model_;
    const aiScene& scene_;
    std::vector<const aiNode*> source_;  // per model node; null for our root
    std::vector<const aiNodeAnim*> channel_;
    std::vector<const aiMeshMorphAnim*> morph_;
    double ticksPerSecond_;
    std::vector<Skin> skins_;  // per file mesh; empty when not skinned
    std::vector<Bone> bones_;
    std::vector<aiMatrix4x4> world_;
    // Bone world × offset as four columns (x, y, z, 0), so one vertex is skinned with vector
    // sums that add in the same order as the row-by-row formula.
    using Column = float __attribute__((vector_size(16)));
    struct BoneColumns {
        Column c[4];
    };
    std::vector<BoneColumns> boneColumns_;
    std::vector<std::vector<float>> nodeMorphWeights_;  // per node, per anim mesh, as of pose()
    std::vector<std::vector<VertexRef>> chosen_;        // per node
    std::vector<std::vector<SkinRun>> skinRuns_;        // per node, in chosen order
    std::string error_;
};

}  // namespace korvath::convert
