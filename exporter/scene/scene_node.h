#pragma once
// A node of the in-memory scene: name, object, mesh over time, transform over time, material,
// hidden flag and children.
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "exporter/host/interface.h"

namespace korvath::scene {

class Scene;

// What the node evaluates to.
enum class ObjectKind {
    None,                    // no object at all
    TriMesh,                 // a triangle mesh; converting it gives the object itself
    ConvertibleGeometry,     // a geometric object that converts into a new mesh object
    NonConvertibleGeometry,  // a geometric object that cannot become a mesh
    Helper,                  // an object that is not geometry (super class HELPER_CLASS_ID)
};

class SceneNode : public hostsdk::INode {
public:
    SceneNode(Scene& scene, SceneNode* parent, std::optional<std::string> name);
    ~SceneNode() override;
    SceneNode(const SceneNode&) = delete;
    SceneNode& operator=(const SceneNode&) = delete;

    // A new last child; a node without a name answers GetName with null.
    SceneNode& addChild(std::optional<std::string> name);
    SceneNode* parent() const { return parent_; }
    const std::vector<std::unique_ptr<SceneNode>>& children() const { return children_; }

    // The mesh: the same at every time, or by key (the latest key at or before the time, else
    // the first key), or filled for a time by the host (the mesh keeps what the last call left,
    // so an evaluator may update the positions only). Each makes the node a TriMesh unless
    // setObjectKind chose another geometric kind.
    void setMesh(hostsdk::Mesh mesh);
    void setMeshAt(hostsdk::TimeValue t, hostsdk::Mesh mesh);
    void setMeshEvaluator(std::function<void(hostsdk::TimeValue, hostsdk::Mesh&)> evaluator);
    void setObjectKind(ObjectKind kind) { kind_ = kind; }
    ObjectKind objectKind() const { return kind_; }

    // The transform relative to the parent (or to the world with setInheritsParent(false)).
    void setTransform(const hostsdk::Matrix3& tm);
    void setTransformAt(hostsdk::TimeValue t, const hostsdk::Matrix3& tm);
    void setTransformEvaluator(std::function<hostsdk::Matrix3(hostsdk::TimeValue)> evaluator);
    void setInheritsParent(bool inherits) { inheritsParent_ = inherits; }

    void setMaterial(hostsdk::Mtl* material) { material_ = material; }
    // Hidden nodes are evaluated like any other; the flag is only kept for hosts that list it.
    void setHidden(bool hidden) { hidden_ = hidden; }
    bool hidden() const { return hidden_; }
    void setName(std::optional<std::string> name) { name_ = std::move(name); }
    const std::optional<std::string>& name() const { return name_; }

    // The node's mesh at time t, as the exporter would see it.
    const hostsdk::Mesh& meshAt(hostsdk::TimeValue t);

    // The host interface.
    const char* GetName() override { return name_ ? name_->c_str() : nullptr; }
    hostsdk::ObjectState EvalWorldState(hostsdk::TimeValue t) override;
    hostsdk::Matrix3 GetObjTMAfterWSM(hostsdk::TimeValue t) override;
    int NumberOfChildren() override { return static_cast<int>(children_.size()); }
    hostsdk::INode* GetChildNode(int i) override;
    hostsdk::Mtl* GetMtl() override { return material_; }

private:
    class Geometry;
    class Converted;
    static void countConversion(Scene& scene, int delta);

    Scene& scene_;
    SceneNode* parent_;
    std::optional<std::string> name_;
    std::vector<std::unique_ptr<SceneNode>> children_;
    ObjectKind kind_ = ObjectKind::None;
    hostsdk::Mesh staticMesh_;
    std::map<hostsdk::TimeValue, hostsdk::Mesh> meshKeys_;
    std::function<void(hostsdk::TimeValue, hostsdk::Mesh&)> meshEvaluator_;
    hostsdk::Matrix3 transform_;
    std::map<hostsdk::TimeValue, hostsdk::Matrix3> transformKeys_;
    std::function<hostsdk::Matrix3(hostsdk::TimeValue)> transformEvaluator_;
    bool inheritsParent_ = true;
    hostsdk::Mtl* material_ = nullptr;
    bool hidden_ = false;
    std::unique_ptr<hostsdk::TriObject> triObject_;  // the evaluated mesh object
    std::optional<hostsdk::TimeValue> evaluatedAt_;  // time (or key) the mesh object holds
    bool staticCopied_ = false;
    std::unique_ptr<Geometry> geometry_;  // the evaluated object of the other geometric kinds
    std::unique_ptr<hostsdk::Object> helper_;
};

}  // namespace korvath::scene
