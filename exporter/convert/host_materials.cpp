#include "exporter/convert/host_materials.h"

#include "common/files/game_path.h"

namespace korvath::convert {

std::string hostMaterialName(const ModelMaterial& material) {
    const std::string& name = material.name;
    if (!material.masked) return name;
    const std::size_t period = name.find('.');
    if (period == std::string::npos) return name + ".mask";
    // The exporter compares only the text right after the first period with its keywords.
    const std::string keyword = toLowerAscii(name.substr(period + 1));
    for (const char* known : {"weapon", "modula", "mask", "flat"})
        if (keyword.rfind(known, 0) == 0) return name;
    return name.substr(0, period + 1) + "mask." + name.substr(period + 1);
}

HostMaterials::HostMaterials(const SceneModel& model, scene::Scene& host)
    : model_(model), host_(host), made_(model.materials.size(), nullptr) {}

scene::StandardMaterial* HostMaterials::standard(int index) {
    const ModelMaterial& m = model_.materials[std::size_t(index)];
    if (m.invented) return nullptr;
    scene::StandardMaterial*& made = made_[std::size_t(index)];
    if (made != nullptr) return made;
    made = &host_.addStandard(hostMaterialName(m));
    made->twoSided = m.twoSided;
    made->opacity = m.opacity;
    made->selfIllum = m.selfIllumination;
    if (m.hasDiffuseMap) {
        scene::BitmapTexture& map = host_.addBitmap();
        map.filterType = m.unfiltered ? hostsdk::FILTER_NADA : hostsdk::FILTER_PYR;
        map.coordMapping = m.explicitCoordinates ? hostsdk::UVMAP_EXPLICIT : hostsdk::UVMAP_SPHERE_ENV;
        made->diffuseMap = &map;
    }
    return made;
}

hostsdk::Mtl* HostMaterials::forNode(const ModelNode& node) {
    if (node.materials.empty()) return nullptr;
    if (node.materials.size() == 1) return standard(node.materials.front());
    // Several materials: a multi/sub-object material whose slot n is material ID n (an empty
    // slot where the material was made up). Like the original host's, it has no texture maps
    // of its own.
    scene::MultiMaterial& multi = host_.addMulti(node.name);
    for (int index : node.materials) multi.subMaterials.push_back(standard(index));
    return &multi;
}

}  // namespace korvath::convert
