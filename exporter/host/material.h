#pragma once
// The material and texture-map queries the exporter makes. A host answers ClassID with the
// identifiers in host/types.h; the exporter casts to StdMat or BitmapTex only after that check.
#include "exporter/host/types.h"

namespace hostsdk {

constexpr int ID_DI = 1;              // sub-texture map number of the diffuse map
constexpr int FILTER_PYR = 0;
constexpr int FILTER_SAT = 1;
constexpr int FILTER_NADA = 2;        // no filtering
constexpr int UVMAP_EXPLICIT = 0;     // explicit texture coordinates
constexpr int UVMAP_SPHERE_ENV = 1;
constexpr int UVMAP_CYL_ENV = 2;
constexpr int UVMAP_SHRINK_ENV = 3;
constexpr int UVMAP_SCREEN_ENV = 4;

class UVGen {
public:
    virtual ~UVGen() = default;
    virtual int GetCoordMapping(int subNum) = 0;
};

class Texmap {
public:
    virtual ~Texmap() = default;
    virtual Class_ID ClassID() = 0;
    virtual UVGen* GetTheUVGen() { return nullptr; }
};

class BitmapTex : public Texmap {
public:
    Class_ID ClassID() override { return Class_ID(BMTEX_CLASS_ID, 0); }
    virtual int GetFilterType() = 0;
};

class Mtl {
public:
    virtual ~Mtl() = default;
    virtual Class_ID ClassID() = 0;
    virtual const char* GetName() = 0;
    virtual int NumSubMtls() { return 0; }
    virtual Mtl* GetSubMtl(int) { return nullptr; }
    virtual Texmap* GetSubTexmap(int) { return nullptr; }
};

class StdMat : public Mtl {
public:
    Class_ID ClassID() override { return Class_ID(DMTL_CLASS_ID, 0); }
    virtual BOOL GetTwoSided() = 0;
    virtual float GetOpacity(TimeValue t) = 0;
    virtual float GetSelfIllum(TimeValue t) = 0;
};

}  // namespace hostsdk
