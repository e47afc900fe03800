// The polygon type byte and texture number of a face, from its node's material.
#include <strings.h>

#include <cstring>

#include "exporter/plugin/export_rules.h"

namespace korvathexp {

using namespace hostsdk;

namespace {

constexpr int kMaxNesting = 10;

bool isClass(Mtl* m, ULONG id) { return m && m->ClassID() == Class_ID(id, 0); }

}  // namespace

PolygonType PolygonTypeOf(Mtl* material, MtlID materialId) {
    PolygonType result;
    if (!material) {
        result.noMaterial = true;
        return result;
    }
    Mtl* standard = nullptr;
    Mtl* mapOwner = material;
    if (isClass(material, DMTL_CLASS_ID)) {
        standard = material;
    } else if (isClass(material, MULTI_CLASS_ID)) {
        Mtl* current = material;
        for (int level = 0; level < kMaxNesting; ++level) {
            const int count = current->NumSubMtls();
            mapOwner = current;
            standard = count > 0 ? current->GetSubMtl(materialId % count) : nullptr;
            if (!isClass(standard, MULTI_CLASS_ID)) break;
            current = standard;
        }
    }
    // No standard material to read (another kind, an empty slot, nesting too deep): the face
    // is treated like one without material.
    if (!isClass(standard, DMTL_CLASS_ID)) {
        result.noMaterial = true;
        return result;
    }
    auto* stdMat = static_cast<StdMat*>(standard);

    const bool twoSided = stdMat->GetTwoSided() != 0;
    bool noFiltering = false;
    bool environment = false;
    Texmap* diffuse = mapOwner->GetSubTexmap(ID_DI);
    if (diffuse && diffuse->ClassID() == Class_ID(BMTEX_CLASS_ID, 0)) {
        auto* bitmap = static_cast<BitmapTex*>(diffuse);
        noFiltering = bitmap->GetFilterType() == FILTER_NADA;
        UVGen* uvGen = bitmap->GetTheUVGen();
        environment = uvGen && uvGen->GetCoordMapping(0) != UVMAP_EXPLICIT;
    }
    const bool translucent = stdMat->GetOpacity(0) < 1.0f;
    const bool selfIlluminated = stdMat->GetSelfIllum(0) > 0.0f;

    bool weapon = false, modulate = false, mask = false, flat = false;
    const char* name = stdMat->GetName();
    if (!name) name = "";
    if (const char* period = std::strchr(name, '.')) {
        const char* keyword = period + 1;
        weapon = strncasecmp(keyword, "weapon", 6) == 0;
        modulate = strncasecmp(keyword, "modulate", 6) == 0;
        mask = strncasecmp(keyword, "mask", 4) == 0;
        flat = strncasecmp(keyword, "flat", 4) == 0;
    }
    if (strncasecmp(name, "skin", 4) == 0) {
        const char digit = name[4];
        result.textureNumber = digit >= '0' && digit <= '9' ? digit - '0' : 0;
    }

    unsigned char& type = result.type;
    if (twoSided) type |= 1;
    if (translucent) type |= 2;
    if (mask) type |= 3;
    if (modulate) type |= 4;
    if (selfIlluminated) type |= 16;
    if (flat) type |= 32;
    if (environment) type |= 64;
    if (noFiltering) type |= 128;
    if (weapon) type = 8;
    return result;
}

}  // namespace korvathexp
