// The in-memory host: what the plug-in sees of nodes, meshes, transforms and dialogs.
#include <gtest/gtest.h>

#include "exporter/scene/tests/test_scene.h"

namespace korvath::exporter_test {
namespace {

using namespace hostsdk;
using scene::ObjectKind;

TEST(Scene, LinkedChildTransformFollowsItsParent) {
    Host host;
    auto& parent = host.scene.root().addChild("parent");
    auto& child = parent.addChild("child");
    parent.setTransformAt(0, TransMatrix({10, 0, 0}));
    parent.setTransformAt(160, TransMatrix({20, 0, 0}));
    child.setTransform(ScaleMatrix({2, 2, 2}));
    EXPECT_EQ(child.GetObjTMAfterWSM(0) * Point3(1, 1, 1), Point3(12, 2, 2));
    EXPECT_EQ(child.GetObjTMAfterWSM(200) * Point3(1, 1, 1), Point3(22, 2, 2));
    child.setInheritsParent(false);
    EXPECT_EQ(child.GetObjTMAfterWSM(200) * Point3(1, 1, 1), Point3(2, 2, 2));
}

TEST(Scene, KeyedMeshesAndEvaluatorsGiveTheMeshOfTheTime) {
    Host host;
    auto& node = host.scene.root().addChild("box");
    node.setMeshAt(0, lineMesh(3, {}));
    node.setMeshAt(320, lineMesh(5, {}));
    EXPECT_EQ(node.meshAt(-10).getNumVerts(), 3);
    EXPECT_EQ(node.meshAt(319).getNumVerts(), 3);
    EXPECT_EQ(node.meshAt(320).getNumVerts(), 5);

    int calls = 0;
    node.setMeshEvaluator([&](TimeValue t, Mesh& mesh) {
        ++calls;
        mesh.verts.assign(1, Point3(static_cast<float>(t), 0, 0));
    });
    EXPECT_EQ(node.meshAt(480).getVert(0).x, 480.0f);
    node.EvalWorldState(480);
    EXPECT_EQ(calls, 1);  // the same time is not evaluated twice
}

TEST(Scene, ObjectKindsAnswerTheConversionQueries) {
    Host host;
    auto& node = host.scene.root().addChild("prim");
    node.setMesh(lineMesh(4, {{0, 1, 2}}));
    node.setObjectKind(ObjectKind::ConvertibleGeometry);
    Object* obj = node.EvalWorldState(0).obj;
    ASSERT_NE(obj, nullptr);
    EXPECT_EQ(obj->SuperClassID(), GEOMOBJECT_CLASS_ID);
    Object* made = obj->ConvertToType(0, triObjectClassID);
    ASSERT_NE(made, obj);
    EXPECT_EQ(static_cast<TriObject*>(made)->GetMesh().getNumVerts(), 4);
    EXPECT_EQ(host.scene.liveConversions(), 1);
    made->DeleteMe();
    EXPECT_EQ(host.scene.liveConversions(), 0);

    node.setObjectKind(ObjectKind::NonConvertibleGeometry);
    EXPECT_FALSE(node.EvalWorldState(0).obj->CanConvertToType(triObjectClassID));
    node.setObjectKind(ObjectKind::Helper);
    EXPECT_EQ(node.EvalWorldState(0).obj->SuperClassID(), HELPER_CLASS_ID);
    EXPECT_EQ(host.scene.root().EvalWorldState(0).obj, nullptr);
    EXPECT_EQ(host.scene.root().addChild(std::nullopt).GetName(), nullptr);
}

TEST(Scene, LoaderReportsAMissingLibrary) {
    std::string error;
    EXPECT_EQ(scene::PluginLibrary::load("/nonexistent/korvathexp.dle", error), nullptr);
    EXPECT_NE(error.find("/nonexistent/korvathexp.dle"), std::string::npos);
}

}  // namespace
}  // namespace korvath::exporter_test
