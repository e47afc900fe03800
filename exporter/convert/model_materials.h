#pragma once
// Maps the file's materials onto what the exporter asks of a standard material.
#include "exporter/convert/scene_model.h"

struct aiMaterial;

namespace korvath::convert {

ModelMaterial mapMaterial(const aiMaterial& material);

}  // namespace korvath::convert
