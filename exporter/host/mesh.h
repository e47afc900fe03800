#pragma once
// The triangle mesh as the host holds it, and the objects a node evaluates to.
#include <vector>

#include "exporter/host/types.h"

namespace hostsdk {

class Face {
public:
    DWORD v[3] = {0, 0, 0};

    Face() = default;
    Face(DWORD a, DWORD b, DWORD c, MtlID material = 0) : v{a, b, c}, matId_(material) {}
    MtlID getMatID() const { return matId_; }
    void setMatID(MtlID id) { matId_ = id; }

private:
    MtlID matId_ = 0;
};

// The texture vertices of one face's three corners.
class TVFace {
public:
    DWORD t[3] = {0, 0, 0};

    TVFace() = default;
    TVFace(DWORD a, DWORD b, DWORD c) : t{a, b, c} {}
};

class Mesh {
public:
    std::vector<Point3> verts;
    std::vector<Face> faces;
    std::vector<UVVert> tVerts;
    std::vector<TVFace> tvFace;  // one per face when the mesh has texture vertices

    int getNumVerts() const { return static_cast<int>(verts.size()); }
    int getNumFaces() const { return static_cast<int>(faces.size()); }
    int getNumTVerts() const { return static_cast<int>(tVerts.size()); }
    const Point3& getVert(int i) const { return verts[static_cast<size_t>(i)]; }
    const UVVert& getTVert(int i) const { return tVerts[static_cast<size_t>(i)]; }
};

// What a node evaluates to. The host owns the evaluated object; an object that ConvertToType
// makes anew belongs to the caller, who frees it with DeleteMe.
class Object {
public:
    virtual ~Object() = default;
    virtual Class_ID ClassID() = 0;
    virtual SClass_ID SuperClassID() = 0;
    virtual int CanConvertToType(Class_ID type) = 0;
    virtual Object* ConvertToType(TimeValue t, Class_ID type) = 0;
    virtual void DeleteMe() { delete this; }
};

class TriObject : public Object {
public:
    Mesh mesh;

    Mesh& GetMesh() { return mesh; }
    Class_ID ClassID() override { return triObjectClassID; }
    SClass_ID SuperClassID() override { return GEOMOBJECT_CLASS_ID; }
    int CanConvertToType(Class_ID type) override { return type == triObjectClassID; }
    Object* ConvertToType(TimeValue, Class_ID type) override { return type == triObjectClassID ? this : nullptr; }
};

// The result of evaluating a node: the object at the end of its pipeline (may be none).
struct ObjectState {
    Object* obj = nullptr;
};

}  // namespace hostsdk
