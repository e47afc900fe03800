#include "exporter/convert/model_materials.h"

#include <assimp/GltfMaterial.h>
#include <assimp/material.h>

#include <algorithm>
#include <string_view>

namespace korvath::convert {

namespace {

constexpr int kGltfNearestFilter = 9728;  // the glTF sampler value for nearest-texel lookups

}  // namespace

ModelMaterial mapMaterial(const aiMaterial& material) {
    ModelMaterial out;
    aiString name;
    if (material.Get(AI_MATKEY_NAME, name) == AI_SUCCESS) out.name = name.C_Str();

    int twoSided = 0;
    if (material.Get(AI_MATKEY_TWOSIDED, twoSided) == AI_SUCCESS) out.twoSided = twoSided != 0;

    float opacity = 1.0f;
    if (material.Get(AI_MATKEY_OPACITY, opacity) == AI_SUCCESS) out.opacity = opacity;

    aiColor3D emissive(0.0f, 0.0f, 0.0f);
    if (material.Get(AI_MATKEY_COLOR_EMISSIVE, emissive) == AI_SUCCESS)
        out.selfIllumination = std::clamp(std::max({emissive.r, emissive.g, emissive.b}), 0.0f, 1.0f);
    if (material.GetTextureCount(aiTextureType_EMISSIVE) > 0) out.selfIllumination = 1.0f;

    aiString alphaMode;
    if (material.Get(AI_MATKEY_GLTF_ALPHAMODE, alphaMode) == AI_SUCCESS) out.masked = std::string_view(alphaMode.C_Str()) == "MASK";

    if (material.GetTextureCount(aiTextureType_DIFFUSE) > 0) {
        aiString path;
        aiTextureMapping mapping = aiTextureMapping_UV;
        if (material.GetTexture(aiTextureType_DIFFUSE, 0, &path, &mapping) == AI_SUCCESS) {
            out.hasDiffuseMap = true;
            out.diffuseMapPath = path.C_Str();
            out.explicitCoordinates = mapping == aiTextureMapping_UV;
            int magFilter = 0;
            if (material.Get(AI_MATKEY_GLTF_MAPPINGFILTER_MAG(aiTextureType_DIFFUSE, 0), magFilter) ==
                AI_SUCCESS)
                out.unfiltered = magFilter == kGltfNearestFilter;
        }
    }
    return out;
}

}  // namespace korvath::convert
