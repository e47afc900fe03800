#include "exporter/convert/joined_mesh.h"

#include <assimp/scene.h>

#include <algorithm>
#include <limits>

namespace korvath::convert {

namespace {

bool meshHasTriangles(const aiMesh& mesh) {
    return (mesh.mPrimitiveTypes & aiPrimitiveType_TRIANGLE) != 0 ||
           (mesh.mPrimitiveTypes & aiPrimitiveType_POLYGON) != 0;
}

}  // namespace

bool joinNodeMeshes(const aiScene& scene, const aiNode& source, ModelNode& node,
                    std::string& error) {
    const std::string where = "node \"" + node.name + "\"";
    bool anyCoordinates = false;
    for (unsigned i = 0; i < source.mNumMeshes; ++i) {
        const unsigned meshIndex = source.mMeshes[i];
        if (meshIndex >= scene.mNumMeshes || scene.mMeshes[meshIndex] == nullptr) {
            error = where + " refers to a mesh the file does not have";
            return false;
        }
        const aiMesh& mesh = *scene.mMeshes[meshIndex];
        if (!meshHasTriangles(mesh)) continue;
        if (mesh.HasTextureCoords(0)) anyCoordinates = true;
    }

    for (unsigned i = 0; i < source.mNumMeshes; ++i) {
        const aiMesh& mesh = *scene.mMeshes[source.mMeshes[i]];
        if (!meshHasTriangles(mesh)) continue;
        if (std::uint64_t(node.rawVertexCount) + mesh.mNumVertices >
            std::numeric_limits<std::uint32_t>::max()) {
            error = where + " has too many vertices";
            return false;
        }
        const std::uint32_t first = node.rawVertexCount;
        node.parts.push_back({source.mMeshes[i], first});
        node.faces.reserve(node.faces.size() + mesh.mNumFaces);
        if (anyCoordinates) node.textureVertices.reserve(node.textureVertices.size() + mesh.mNumVertices);
        node.rawVertexCount += mesh.mNumVertices;
        if (mesh.mNumBones > 0) node.skinned = true;

        if (mesh.mMaterialIndex >= scene.mNumMaterials) {
            error = where + " uses a material the file does not have";
            return false;
        }
        auto found = std::find(node.materials.begin(), node.materials.end(), int(mesh.mMaterialIndex));
        const auto materialId = std::uint16_t(found - node.materials.begin());
        if (found == node.materials.end()) node.materials.push_back(int(mesh.mMaterialIndex));

        if (anyCoordinates) {
            // One texture vertex per loader vertex; a mesh without coordinates gets zeros.
            for (unsigned v = 0; v < mesh.mNumVertices; ++v) {
                const aiVector3D uv =
                    mesh.HasTextureCoords(0) ? mesh.mTextureCoords[0][v] : aiVector3D(0, 0, 0);
                node.textureVertices.emplace_back(uv.x, uv.y);
            }
        }
        for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
            const aiFace& face = mesh.mFaces[f];
            if (face.mNumIndices != 3) continue;
            ModelFace out;
            for (int c = 0; c < 3; ++c) {
                if (face.mIndices[c] >= mesh.mNumVertices) {
                    error = where + " has a face with a vertex index out of range";
                    return false;
                }
                out.corners[std::size_t(c)] = first + face.mIndices[c];
            }
            out.uvCorners = out.corners;
            out.materialId = materialId;
            node.faces.push_back(out);
        }
    }
    node.vertexCount = node.rawVertexCount;
    return true;
}

}  // namespace korvath::convert
