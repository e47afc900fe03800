#pragma once
// Materials and texture maps of the in-memory scene; the scene owns them.
#include <string>
#include <vector>

#include "exporter/host/material.h"

namespace korvath::scene {

class StandardMaterial : public hostsdk::StdMat {
public:
    explicit StandardMaterial(std::string name) : name(std::move(name)) {}

    std::string name;
    bool twoSided = false;
    float opacity = 1.0f;
    float selfIllum = 0.0f;
    hostsdk::Texmap* diffuseMap = nullptr;

    const char* GetName() override { return name.c_str(); }
    hostsdk::Texmap* GetSubTexmap(int i) override { return i == hostsdk::ID_DI ? diffuseMap : nullptr; }
    hostsdk::BOOL GetTwoSided() override { return twoSided ? 1 : 0; }
    float GetOpacity(hostsdk::TimeValue) override { return opacity; }
    float GetSelfIllum(hostsdk::TimeValue) override { return selfIllum; }
};

// A multi/sub-object material; empty slots are null.
class MultiMaterial : public hostsdk::Mtl {
public:
    explicit MultiMaterial(std::string name) : name(std::move(name)) {}

    std::string name;
    std::vector<hostsdk::Mtl*> subMaterials;
    hostsdk::Texmap* diffuseMap = nullptr;  // what its own sub-texture map 1 answers

    hostsdk::Class_ID ClassID() override { return {hostsdk::MULTI_CLASS_ID, 0}; }
    const char* GetName() override { return name.c_str(); }
    int NumSubMtls() override { return static_cast<int>(subMaterials.size()); }
    hostsdk::Mtl* GetSubMtl(int i) override {
        return i >= 0 && i < NumSubMtls() ? subMaterials[static_cast<size_t>(i)] : nullptr;
    }
    hostsdk::Texmap* GetSubTexmap(int i) override { return i == hostsdk::ID_DI ? diffuseMap : nullptr; }
};

class OtherMaterial : public hostsdk::Mtl {
public:
    OtherMaterial(std::string name, hostsdk::Class_ID id) : name(std::move(name)), id(id) {}

    std::string name;
    hostsdk::Class_ID id;

    hostsdk::Class_ID ClassID() override { return id; }
    const char* GetName() override { return name.c_str(); }
};

class BitmapTexture : public hostsdk::BitmapTex, private hostsdk::UVGen {
public:
    int filterType = hostsdk::FILTER_PYR;
    int coordMapping = hostsdk::UVMAP_EXPLICIT;

    int GetFilterType() override { return filterType; }
    hostsdk::UVGen* GetTheUVGen() override { return this; }

private:
    int GetCoordMapping(int) override { return coordMapping; }
};

}  // namespace korvath::scene
