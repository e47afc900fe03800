#include "exporter/convert/invented_materials.h"

#include <assimp/commonMetaData.h>
#include <assimp/material.h>
#include <assimp/scene.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string_view>

namespace korvath::convert {

namespace {

namespace fs = std::filesystem;

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// The rest of `line` after the statement `keyword` and a blank, trimmed; empty if it is another.
std::string_view argumentOf(std::string_view line, std::string_view keyword) {
    line = trimmed(line);
    if (line.size() <= keyword.size() || line.substr(0, keyword.size()) != keyword) return {};
    const char after = line[keyword.size()];
    if (after != ' ' && after != '\t') return {};
    return trimmed(line.substr(keyword.size()));
}

// The names the material libraries of an OBJ file define, as far as the libraries exist.
std::set<std::string> definedObjMaterials(const fs::path& objPath) {
    std::vector<fs::path> libraries;
    std::ifstream obj(objPath, std::ios::binary);
    for (std::string line; std::getline(obj, line);)
        if (const std::string_view name = argumentOf(line, "mtllib"); !name.empty())
            libraries.push_back(objPath.parent_path() / fs::path(std::string(name)));
    std::set<std::string> defined;
    for (const fs::path& library : libraries) {
        std::ifstream mtl(library, std::ios::binary);
        for (std::string line; std::getline(mtl, line);)
            if (const std::string_view name = argumentOf(line, "newmtl"); !name.empty()) defined.emplace(name);
    }
    return defined;
}

std::string sourceFormat(const aiScene& scene) {
    aiString format;
    if (scene.mMetaData != nullptr && scene.mMetaData->Get(AI_METADATA_SOURCE_FORMAT, format)) return format.C_Str();
    return {};
}

}  // namespace

void markInventedMaterials(const aiScene& scene, const std::string& path, std::vector<ModelMaterial>& materials) {
    for (ModelMaterial& m : materials)
        m.invented = m.name == AI_DEFAULT_MATERIAL_NAME || m.name == "%%%DEFAULT";  // the 3DS loader's
    const std::string format = sourceFormat(scene);
    if (format == "glTF2 Importer" && !materials.empty()) {
        materials.back().invented = true;
    } else if (format == "Wavefront Object Importer") {
        const std::set<std::string> defined = definedObjMaterials(path);
        for (ModelMaterial& m : materials)
            if (!defined.count(std::string(trimmed(m.name)))) m.invented = true;
    }
}

}  // namespace korvath::convert
