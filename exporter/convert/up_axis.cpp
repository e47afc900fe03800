#include "exporter/convert/up_axis.h"

#include <assimp/scene.h>

namespace korvath::convert {

namespace {

std::optional<int> metadataInt(const aiMetadata* meta, const char* key) {
    if (meta == nullptr) return std::nullopt;
    int32_t value = 0;
    if (meta->Get(key, value)) return value;
    return std::nullopt;
}

}  // namespace

UpAxis declaredUpAxis(const aiScene& scene) {
    UpAxis up;
    auto axis = metadataInt(scene.mMetaData, "UpAxis");
    if (axis && *axis >= 0 && *axis <= 2) {
        up.axis = *axis;
        auto sign = metadataInt(scene.mMetaData, "UpAxisSign");
        up.sign = (sign && *sign < 0) ? -1 : 1;
    }
    return up;
}

std::optional<UpAxis> parseUpAxis(const std::string& text) {
    if (text == "x" || text == "X") return UpAxis{0, 1};
    if (text == "y" || text == "Y") return UpAxis{1, 1};
    if (text == "z" || text == "Z") return UpAxis{2, 1};
    return std::nullopt;
}

aiMatrix4x4 rotationToZUp(UpAxis up) {
    // Rows of exact 0/±1 entries, so the turn itself adds no rounding.
    aiMatrix4x4 m;  // identity
    auto set = [&m](float a1, float a2, float a3, float b1, float b2, float b3, float c1, float c2,
                    float c3) {
        m.a1 = a1; m.a2 = a2; m.a3 = a3;
        m.b1 = b1; m.b2 = b2; m.b3 = b3;
        m.c1 = c1; m.c2 = c2; m.c3 = c3;
    };
    const bool positive = up.sign > 0;
    switch (up.axis) {
    case 0:  // +X up: (x,y,z) → (-z, y, x); -X up: (z, y, -x)
        if (positive) set(0, 0, -1, 0, 1, 0, 1, 0, 0);
        else set(0, 0, 1, 0, 1, 0, -1, 0, 0);
        break;
    case 1:  // +Y up: (x, -z, y); -Y up: (x, z, -y)
        if (positive) set(1, 0, 0, 0, 0, -1, 0, 1, 0);
        else set(1, 0, 0, 0, 0, 1, 0, -1, 0);
        break;
    default:  // +Z up already; -Z up: half a turn about X
        if (!positive) set(1, 0, 0, 0, -1, 0, 0, 0, -1);
        break;
    }
    return m;
}

}  // namespace korvath::convert
