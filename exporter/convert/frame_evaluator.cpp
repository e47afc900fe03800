#include "exporter/convert/frame_evaluator.h"

#include <assimp/anim.h>
#include <assimp/scene.h>

#include <algorithm>
#include <unordered_map>

namespace korvath::convert {

namespace {

// The pair of keys around `t` and how far between them; times past either end hold the end key.
template <typename Key>
void bracket(const Key* keys, unsigned count, double t, unsigned& k0, unsigned& k1, float& f) {
    k0 = k1 = 0;
    f = 0.0f;
    if (count <= 1 || t <= keys[0].mTime) return;
    if (t >= keys[count - 1].mTime) {
        k0 = k1 = count - 1;
        return;
    }
    const Key* upper = std::upper_bound(keys, keys + count, t,
                                        [](double time, const Key& key) { return time < key.mTime; });
    k1 = unsigned(upper - keys);
    k0 = k1 - 1;
    const double span = keys[k1].mTime - keys[k0].mTime;
    f = span > 0.0 ? float((t - keys[k0].mTime) / span) : 0.0f;
}

aiVector3D sampleVector(const aiVectorKey* keys, unsigned count, double t) {
    unsigned k0, k1;
    float f;
    bracket(keys, count, t, k0, k1, f);
    if (k0 == k1) return keys[k0].mValue;
    return keys[k0].mValue + (keys[k1].mValue - keys[k0].mValue) * f;
}

aiQuaternion sampleRotation(const aiQuatKey* keys, unsigned count, double t) {
    unsigned k0, k1;
    float f;
    bracket(keys, count, t, k0, k1, f);
    if (k0 == k1) return keys[k0].mValue;
    aiQuaternion out;
    aiQuaternion::Interpolate(out, keys[k0].mValue, keys[k1].mValue, f);
    return out.Normalize();
}

}  // namespace

FrameEvaluator::FrameEvaluator(const SceneModel& model, const aiScene& scene,
                               const std::vector<const aiNode*>& sourceNodes,
                               const aiAnimation* animation, double ticksPerSecond)
    : model_(model), scene_(scene), ticksPerSecond_(ticksPerSecond) {
    const std::size_t n = model.nodes.size();
    source_.assign(n, nullptr);
    for (std::size_t i = 0; i < sourceNodes.size() && i + 1 < n; ++i) source_[i + 1] = sourceNodes[i];
    if (sourceNodes.size() + 1 != n) error_ = "the scene's node tree changed between key frames";

    std::unordered_map<std::string, int> byName;
    for (std::size_t i = n; i-- > 1;) byName[model.nodes[i].name] = int(i);  // first wins

    channel_.assign(n, nullptr);
    morph_.assign(n, nullptr);
    if (animation != nullptr) {
        for (unsigned c = 0; c < animation->mNumChannels; ++c) {
            const aiNodeAnim* ch = animation->mChannels[c];
            auto it = byName.find(ch->mNodeName.C_Str());
            if (it != byName.end() && channel_[std::size_t(it->second)] == nullptr)
                channel_[std::size_t(it->second)] = ch;
        }
        for (unsigned c = 0; c < animation->mNumMorphMeshChannels; ++c) {
            const aiMeshMorphAnim* ch = animation->mMorphMeshChannels[c];
            auto it = byName.find(ch->mName.C_Str());
            if (it != byName.end() && morph_[std::size_t(it->second)] == nullptr)
                morph_[std::size_t(it->second)] = ch;
        }
    }

    skins_.resize(scene.mNumMeshes);
    for (std::size_t i = 1; i < n; ++i)
        for (const MeshPart& part : model.nodes[i].parts) {
            const aiMesh* mesh = scene.mMeshes[part.meshIndex];
            if (mesh->mNumBones > 0 && skins_[part.meshIndex].start.empty())
                buildSkin(part.meshIndex, *mesh, int(i), byName);
        }
    world_.assign(n, aiMatrix4x4());
    boneColumns_.resize(bones_.size());
    nodeMorphWeights_.resize(n);
    chosen_.resize(n);
    skinRuns_.resize(n);
}

void FrameEvaluator::buildSkin(unsigned meshIndex, const aiMesh& mesh, int meshNode,
                               const std::unordered_map<std::string, int>& byName) {
    // Two passes over the weights: count per vertex, then place; no list per vertex.
    Skin& skin = skins_[meshIndex];
    skin.start.assign(mesh.mNumVertices + 1, 0);
    const auto firstSlot = std::uint32_t(bones_.size());
    for (unsigned b = 0; b < mesh.mNumBones; ++b) {
        const aiBone* bone = mesh.mBones[b];
        auto it = byName.find(bone->mName.C_Str());
        // A bone without a node of its own follows the mesh's node.
        bones_.push_back({it == byName.end() ? meshNode : it->second, bone->mOffsetMatrix});
        for (unsigned w = 0; w < bone->mNumWeights; ++w) {
            const aiVertexWeight& vw = bone->mWeights[w];
            if (vw.mVertexId >= mesh.mNumVertices) {
                error_ = "a bone of node \"" + model_.nodes[std::size_t(meshNode)].name +
                         "\" weighs a vertex the mesh does not have";
                continue;
            }
            if (vw.mWeight > 0.0f) ++skin.start[vw.mVertexId + 1];
        }
    }
    for (unsigned v = 0; v < mesh.mNumVertices; ++v) skin.start[v + 1] += skin.start[v];
    skin.influences.resize(skin.start.back());
    std::vector<std::uint32_t> fill(skin.start.begin(), skin.start.end() - 1);
    for (unsigned b = 0; b < mesh.mNumBones; ++b) {
        const aiBone* bone = mesh.mBones[b];
        for (unsigned w = 0; w < bone->mNumWeights; ++w) {
            const aiVertexWeight& vw = bone->mWeights[w];
            if (vw.mVertexId < mesh.mNumVertices && vw.mWeight > 0.0f)
                skin.influences[fill[vw.mVertexId]++] = {firstSlot + b, vw.mWeight};
        }
    }
    // Weights need not sum to 1 in the file; an unweighted vertex keeps no influence.
    for (unsigned v = 0; v < mesh.mNumVertices; ++v) {
        float sum = 0.0f;
        for (std::uint32_t k = skin.start[v]; k < skin.start[v + 1]; ++k) sum += skin.influences[k].weight;
        for (std::uint32_t k = skin.start[v]; k < skin.start[v + 1]; ++k) skin.influences[k].weight /= sum;
    }
}

bool FrameEvaluator::valid(std::string& error) const {
    if (error_.empty()) return true;
    error = error_;
    return false;
}

aiMatrix4x4 FrameEvaluator::localTransform(int node, double ticks) const {
    const aiNode* src = source_[std::size_t(node)];
    if (src == nullptr) return aiMatrix4x4();
    const aiNodeAnim* ch = channel_[std::size_t(node)];
    if (ch == nullptr) return src->mTransformation;
    // A channel that keys only some parts keeps the node's own values for the others.
    aiVector3D scale, position;
    aiQuaternion rotation;
    if (ch->mNumPositionKeys == 0 || ch->mNumRotationKeys == 0 || ch->mNumScalingKeys == 0)
        src->mTransformation.Decompose(scale, rotation, position);
    if (ch->mNumPositionKeys > 0) position = sampleVector(ch->mPositionKeys, ch->mNumPositionKeys, ticks);
    if (ch->mNumRotationKeys > 0) rotation = sampleRotation(ch->mRotationKeys, ch->mNumRotationKeys, ticks);
    if (ch->mNumScalingKeys > 0) scale = sampleVector(ch->mScalingKeys, ch->mNumScalingKeys, ticks);
    return aiMatrix4x4(scale, rotation, position);
}

void FrameEvaluator::morphWeights(int node, double ticks, std::vector<float>& weights) const {
    weights.clear();
    const aiMeshMorphAnim* ch = morph_[std::size_t(node)];
    if (ch == nullptr || ch->mNumKeys == 0) return;
    unsigned k0, k1;
    float f;
    bracket(ch->mKeys, ch->mNumKeys, ticks, k0, k1, f);
    auto add = [&weights](const aiMeshMorphKey& key, float share) {
        for (unsigned j = 0; j < key.mNumValuesAndWeights; ++j) {
            const unsigned target = key.mValues[j];
            if (target >= 4096) continue;  // no file has that many targets; ignore garbage
            if (weights.size() <= target) weights.resize(target + 1, 0.0f);
            weights[target] += share * float(key.mWeights[j]);
        }
    };
    add(ch->mKeys[k0], 1.0f - f);
    if (k1 != k0) add(ch->mKeys[k1], f);
    if (weights.empty()) weights.push_back(0.0f);  // keyed, but to nothing: no target applies
}

void FrameEvaluator::pose(double seconds) {
    const double ticks = seconds * ticksPerSecond_;
    for (std::size_t i = 0; i < model_.nodes.size(); ++i) {
        const int parent = model_.nodes[i].parent;
        const aiMatrix4x4 local = localTransform(int(i), ticks);
        world_[i] = parent < 0 ? local : world_[std::size_t(parent)] * local;
        if (model_.nodes[i].hasMesh()) morphWeights(int(i), ticks, nodeMorphWeights_[i]);
    }
    for (std::size_t b = 0; b < bones_.size(); ++b) {
        const aiMatrix4x4 m = world_[std::size_t(bones_[b].node)] * bones_[b].offset;
        Column* c = boneColumns_[b].c;
        c[0] = Column{m.a1, m.b1, m.c1, 0.0f};
        c[1] = Column{m.a2, m.b2, m.c2, 0.0f};
        c[2] = Column{m.a3, m.b3, m.c3, 0.0f};
        c[3] = Column{m.a4, m.b4, m.c4, 0.0f};
    }
}

bool FrameEvaluator::sameRecipe(int node, std::uint32_t a, std::uint32_t b) const {
    const ModelNode& mn = model_.nodes[std::size_t(node)];
    auto partOf = [&mn](std::uint32_t v) {
        std::size_t p = 0;
        while (p + 1 < mn.parts.size() && mn.parts[p + 1].firstVertex <= v) ++p;
        return p;
    };
    const MeshPart& pa = mn.parts[partOf(a)];
    const MeshPart& pb = mn.parts[partOf(b)];
    const aiMesh& ma = *scene_.mMeshes[pa.meshIndex];
    const aiMesh& mb = *scene_.mMeshes[pb.meshIndex];
    const std::uint32_t va = a - pa.firstVertex, vb = b - pb.firstVertex;
    // Undeformed vertices move with their node's transform alone.
    if (!mn.skinned && ma.mNumAnimMeshes == 0 && mb.mNumAnimMeshes == 0)
        return ma.mVertices[va] == mb.mVertices[vb];
    if (pa.meshIndex != pb.meshIndex || !(ma.mVertices[va] == ma.mVertices[vb])) return false;
    for (unsigned t = 0; t < ma.mNumAnimMeshes; ++t) {
        const aiAnimMesh* target = ma.mAnimMeshes[t];
        if (target->mVertices != nullptr && target->mNumVertices == ma.mNumVertices &&
            !(target->mVertices[va] == target->mVertices[vb]))
            return false;
    }
    const Skin& skin = skins_[pa.meshIndex];
    if (skin.start.empty()) return true;
    const std::uint32_t na = skin.start[va + 1] - skin.start[va], nb = skin.start[vb + 1] - skin.start[vb];
    if (na != nb) return false;
    for (std::uint32_t k = 0; k < na; ++k) {
        const Influence& ia = skin.influences[skin.start[va] + k];
        const Influence& ib = skin.influences[skin.start[vb] + k];
        if (ia.bone != ib.bone || ia.weight != ib.weight) return false;
    }
    return true;
}

std::vector<FrameEvaluator::VertexRef> FrameEvaluator::allVertices(int node) const {
    const ModelNode& mn = model_.nodes[std::size_t(node)];
    std::vector<VertexRef> out;
    out.reserve(mn.rawVertexCount);
    for (std::size_t p = 0; p < mn.parts.size(); ++p)
        for (unsigned v = 0; v < scene_.mMeshes[mn.parts[p].meshIndex]->mNumVertices; ++v)
            out.push_back({std::uint32_t(p), v});
    return out;
}

void FrameEvaluator::choose(int node, std::vector<VertexRef> which) {
    const ModelNode& mn = model_.nodes[std::size_t(node)];
    std::vector<SkinRun>& runs = skinRuns_[std::size_t(node)];
    runs.clear();
    for (std::size_t k = 0; k < which.size();) {
        const std::uint32_t part = which[k].part;
        const aiMesh& mesh = *scene_.mMeshes[mn.parts[part].meshIndex];
        const Skin& skin = skins_[mn.parts[part].meshIndex];
        std::size_t end = k;
        while (end < which.size() && which[end].part == part) ++end;
        if (mn.skinned && !skin.start.empty() && mesh.mNumAnimMeshes == 0) {
            SkinRun& run = runs.emplace_back();
            run.begin = k;
            run.end = end;
            run.base.reserve(end - k);
            run.start.reserve(end - k + 1);
            run.start.push_back(0);
            for (std::size_t j = k; j < end; ++j) {
                const std::uint32_t v = which[j].local;
                run.base.push_back(mesh.mVertices[v]);
                run.influences.insert(run.influences.end(), skin.influences.begin() + skin.start[v],
                                      skin.influences.begin() + skin.start[v + 1]);
                run.start.push_back(std::uint32_t(run.influences.size()));
            }
        }
        k = end;
    }
    chosen_[std::size_t(node)] = std::move(which);
}

// The usual case: a skinned vertex is weight × (m0·x + m1·y + m2·z + m3) summed over its bones
// lane by lane, the same steps as the general case in vertices(), so the same results.
inline void FrameEvaluator::skinOne(const SkinRun& run, std::size_t j, const aiMatrix4x4& own,
                                    hostsdk::Point3* out) const {
    const aiVector3D p = run.base[j];
    const std::uint32_t first = run.start[j], last = run.start[j + 1];
    if (first == last) {
        const aiVector3D moved = own * p;
        out[j] = {moved.x, moved.y, moved.z};
        return;
    }
    const Column x = {p.x, p.x, p.x, p.x}, y = {p.y, p.y, p.y, p.y}, z = {p.z, p.z, p.z, p.z};
    Column sum = {0.0f, 0.0f, 0.0f, 0.0f};
    for (std::uint32_t i = first; i < last; ++i) {
        const Column* c = boneColumns_[run.influences[i].bone].c;
        sum += run.influences[i].weight * (c[0] * x + c[1] * y + c[2] * z + c[3]);
    }
    out[j] = {sum[0], sum[1], sum[2]};
}

void FrameEvaluator::skinRun(const SkinRun& run, const aiMatrix4x4& own, hostsdk::Point3* out) const {
    const std::size_t count = run.end - run.begin;
    for (std::size_t j = 0; j < count; ++j) skinOne(run, j, own, out);
}

#ifdef KORVATH_WIDE_SKINNING
// Two vertices with as many bones each share one vector: lanes 0-3 the first, 4-7 the second,
// each lane taking skinOne's steps (no fused multiply-add is enabled), so the same results.
void FrameEvaluator::skinRunWide(const SkinRun& run, const aiMatrix4x4& own, hostsdk::Point3* out) const {
    using Wide = float __attribute__((vector_size(32)));
    const aiVector3D* base = run.base.data();
    const std::uint32_t* start = run.start.data();
    const Influence* influences = run.influences.data();
    const BoneColumns* bones = boneColumns_.data();
    const std::size_t count = run.end - run.begin;
    std::size_t j = 0;
    for (; j + 1 < count; j += 2) {
        const std::uint32_t a = start[j], b = start[j + 1], n = b - a;
        if (n == 0 || start[j + 2] - b != n) {
            skinOne(run, j, own, out);
            skinOne(run, j + 1, own, out);
            continue;
        }
        const aiVector3D p = base[j], q = base[j + 1];
        const Wide x = {p.x, p.x, p.x, p.x, q.x, q.x, q.x, q.x};
        const Wide y = {p.y, p.y, p.y, p.y, q.y, q.y, q.y, q.y};
        const Wide z = {p.z, p.z, p.z, p.z, q.z, q.z, q.z, q.z};
        Wide sum = {};
        for (std::uint32_t i = 0; i < n; ++i) {
            const Column* c = bones[influences[a + i].bone].c;
            const Column* d = bones[influences[b + i].bone].c;
            const Wide c0 = __builtin_shufflevector(c[0], d[0], 0, 1, 2, 3, 4, 5, 6, 7);
            const Wide c1 = __builtin_shufflevector(c[1], d[1], 0, 1, 2, 3, 4, 5, 6, 7);
            const Wide c2 = __builtin_shufflevector(c[2], d[2], 0, 1, 2, 3, 4, 5, 6, 7);
            const Wide c3 = __builtin_shufflevector(c[3], d[3], 0, 1, 2, 3, 4, 5, 6, 7);
            const float v = influences[a + i].weight, w = influences[b + i].weight;
            const Wide weight = {v, v, v, v, w, w, w, w};
            sum += weight * (c0 * x + c1 * y + c2 * z + c3);
        }
        out[j] = {sum[0], sum[1], sum[2]};
        out[j + 1] = {sum[4], sum[5], sum[6]};
    }
    if (j < count) skinOne(run, j, own, out);
}
#endif

void FrameEvaluator::vertices(int node, std::vector<hostsdk::Point3>& out) const {
    const ModelNode& mn = model_.nodes[std::size_t(node)];
    const std::vector<VertexRef>& which = chosen_[std::size_t(node)];
    const std::vector<SkinRun>& runs = skinRuns_[std::size_t(node)];
    const std::vector<float>& keyed = nodeMorphWeights_[std::size_t(node)];
    const aiMatrix4x4& own = world_[std::size_t(node)];
    out.resize(which.size());
    // Vertices come part after part; what belongs to the part is looked up when it changes.
    std::uint32_t partIndex = UINT32_MAX;
    const aiMesh* mesh = nullptr;
    const Skin* skin = nullptr;
    std::size_t nextRun = 0;
    for (std::size_t k = 0; k < which.size(); ++k) {
        if (nextRun < runs.size() && runs[nextRun].begin == k) {
#ifdef KORVATH_WIDE_SKINNING
            static const bool wide = __builtin_cpu_supports("avx2");
            if (wide)
                skinRunWide(runs[nextRun], own, out.data() + k);
            else
#endif
                skinRun(runs[nextRun], own, out.data() + k);
            k = runs[nextRun++].end - 1;
            partIndex = UINT32_MAX;
            continue;
        }
        if (which[k].part != partIndex) {
            partIndex = which[k].part;
            mesh = scene_.mMeshes[mn.parts[partIndex].meshIndex];
            skin = mn.skinned ? &skins_[mn.parts[partIndex].meshIndex] : nullptr;
        }
        const std::uint32_t v = which[k].local;
        aiVector3D p = mesh->mVertices[v];
        // Morph targets hold whole positions; each adds its weighted difference from the base.
        for (unsigned a = 0; a < mesh->mNumAnimMeshes; ++a) {
            const aiAnimMesh* target = mesh->mAnimMeshes[a];
            const float w = keyed.empty() ? target->mWeight : (a < keyed.size() ? keyed[a] : 0.0f);
            if (w == 0.0f || target->mVertices == nullptr || target->mNumVertices != mesh->mNumVertices) continue;
            p += (target->mVertices[v] - mesh->mVertices[v]) * w;
        }
        if (skin != nullptr) {
            const std::uint32_t first = skin->start.empty() ? 0 : skin->start[v];
            const std::uint32_t last = skin->start.empty() ? 0 : skin->start[v + 1];
            if (first == last) {
                p = own * p;  // not weighted to any bone: follows its own node
            } else {
                // Lane by lane: weight × (m0·x + m1·y + m2·z + m3), summed over the bones.
                Column sum = {0.0f, 0.0f, 0.0f, 0.0f};
                for (std::uint32_t i = first; i < last; ++i) {
                    const Influence& inf = skin->influences[i];
                    const Column* c = boneColumns_[inf.bone].c;
                    sum += inf.weight * (c[0] * p.x + c[1] * p.y + c[2] * p.z + c[3]);
                }
                p = aiVector3D(sum[0], sum[1], sum[2]);
            }
        }
        out[k] = {p.x, p.y, p.z};
    }
}

}  // namespace korvath::convert
