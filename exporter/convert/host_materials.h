#pragma once
// The host materials of a converted model's nodes: a standard material per file material, a
// multi/sub-object material for a node with several, and none where the import library made
// the material up.
#include "exporter/convert/scene_model.h"

#include "exporter/scene/scene.h"

#include <string>
#include <vector>

namespace korvath::convert {

class HostMaterials {
public:
    HostMaterials(const SceneModel& model, scene::Scene& host);

    // The node's material (made once per file material), or null.
    hostsdk::Mtl* forNode(const ModelNode& node);

private:
    scene::StandardMaterial* standard(int index);

    const SceneModel& model_;
    scene::Scene& host_;
    std::vector<scene::StandardMaterial*> made_;
};

// The name the exporter sees: a masked material gets the "mask" keyword after its first
// period, unless the name already carries a keyword there.
std::string hostMaterialName(const ModelMaterial& material);

}  // namespace korvath::convert
