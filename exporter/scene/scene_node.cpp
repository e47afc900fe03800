#include "exporter/scene/scene_node.h"

#include "exporter/scene/scene.h"

namespace korvath::scene {

using namespace hostsdk;

namespace {

// Some geometric class that is not a triangle mesh (a parametric primitive, say).
constexpr Class_ID kPrimitiveClass(0x10, 0);

class HelperObject : public Object {
public:
    Class_ID ClassID() override { return {0x1, 0x70}; }
    SClass_ID SuperClassID() override { return HELPER_CLASS_ID; }
    int CanConvertToType(Class_ID) override { return 0; }
    Object* ConvertToType(TimeValue, Class_ID) override { return nullptr; }
};

}  // namespace

// A mesh object made for a caller; counted so tests see that the caller frees it.
class SceneNode::Converted : public TriObject {
public:
    explicit Converted(Scene& scene) : scene_(scene) { countConversion(scene_, 1); }
    ~Converted() override { countConversion(scene_, -1); }

private:
    Scene& scene_;
};

class SceneNode::Geometry : public Object {
public:
    explicit Geometry(SceneNode& node) : node_(node) {}
    Class_ID ClassID() override { return kPrimitiveClass; }
    SClass_ID SuperClassID() override { return GEOMOBJECT_CLASS_ID; }
    int CanConvertToType(Class_ID type) override {
        return node_.kind_ == ObjectKind::ConvertibleGeometry && type == triObjectClassID;
    }
    Object* ConvertToType(TimeValue t, Class_ID type) override {
        if (!CanConvertToType(type)) return nullptr;
        auto* made = new Converted(node_.scene_);
        made->mesh = node_.meshAt(t);
        return made;
    }

private:
    SceneNode& node_;
};

void SceneNode::countConversion(Scene& scene, int delta) { scene.liveConversions_ += delta; }

SceneNode::SceneNode(Scene& scene, SceneNode* parent, std::optional<std::string> name)
    : scene_(scene), parent_(parent), name_(std::move(name)), triObject_(std::make_unique<TriObject>()) {}

SceneNode::~SceneNode() = default;

SceneNode& SceneNode::addChild(std::optional<std::string> name) {
    children_.push_back(std::make_unique<SceneNode>(scene_, this, std::move(name)));
    return *children_.back();
}

void SceneNode::setMesh(Mesh mesh) {
    staticMesh_ = std::move(mesh);
    meshKeys_.clear();
    meshEvaluator_ = nullptr;
    evaluatedAt_.reset();
    staticCopied_ = false;
    if (kind_ == ObjectKind::None) kind_ = ObjectKind::TriMesh;
}

void SceneNode::setMeshAt(TimeValue t, Mesh mesh) {
    meshKeys_[t] = std::move(mesh);
    meshEvaluator_ = nullptr;
    evaluatedAt_.reset();
    if (kind_ == ObjectKind::None) kind_ = ObjectKind::TriMesh;
}

void SceneNode::setMeshEvaluator(std::function<void(TimeValue, Mesh&)> evaluator) {
    meshEvaluator_ = std::move(evaluator);
    evaluatedAt_.reset();
    if (kind_ == ObjectKind::None) kind_ = ObjectKind::TriMesh;
}

void SceneNode::setTransform(const Matrix3& tm) {
    transform_ = tm;
    transformKeys_.clear();
    transformEvaluator_ = nullptr;
}

void SceneNode::setTransformAt(TimeValue t, const Matrix3& tm) {
    transformKeys_[t] = tm;
    transformEvaluator_ = nullptr;
}

void SceneNode::setTransformEvaluator(std::function<Matrix3(TimeValue)> evaluator) {
    transformEvaluator_ = std::move(evaluator);
}

const Mesh& SceneNode::meshAt(TimeValue t) {
    Mesh& mesh = triObject_->mesh;
    if (meshEvaluator_) {
        if (evaluatedAt_ != t) meshEvaluator_(t, mesh);
        evaluatedAt_ = t;
    } else if (!meshKeys_.empty()) {
        auto key = meshKeys_.upper_bound(t);
        if (key != meshKeys_.begin()) --key;
        if (evaluatedAt_ != key->first) mesh = key->second;
        evaluatedAt_ = key->first;
    } else if (!staticCopied_) {
        mesh = staticMesh_;
        staticCopied_ = true;
    }
    return mesh;
}

ObjectState SceneNode::EvalWorldState(TimeValue t) {
    switch (kind_) {
    case ObjectKind::None:
        return {};
    case ObjectKind::TriMesh:
        meshAt(t);
        return {triObject_.get()};
    case ObjectKind::ConvertibleGeometry:
    case ObjectKind::NonConvertibleGeometry:
        if (!geometry_) geometry_ = std::make_unique<Geometry>(*this);
        return {geometry_.get()};
    case ObjectKind::Helper:
        if (!helper_) helper_ = std::make_unique<HelperObject>();
        return {helper_.get()};
    }
    return {};
}

Matrix3 SceneNode::GetObjTMAfterWSM(TimeValue t) {
    Matrix3 own = transform_;
    if (transformEvaluator_) {
        own = transformEvaluator_(t);
    } else if (!transformKeys_.empty()) {
        auto key = transformKeys_.upper_bound(t);
        if (key != transformKeys_.begin()) --key;
        own = key->second;
    }
    if (inheritsParent_ && parent_) return own * parent_->GetObjTMAfterWSM(t);
    return own;
}

INode* SceneNode::GetChildNode(int i) {
    if (i < 0 || i >= NumberOfChildren()) return nullptr;
    return children_[static_cast<size_t>(i)].get();
}

}  // namespace korvath::scene
