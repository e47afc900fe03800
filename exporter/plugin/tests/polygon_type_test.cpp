// PolygonTypeFromMaterial: property bits, name keywords, texture numbers, multi materials.
#include <gtest/gtest.h>

#include "exporter/plugin/korvathexp.h"
#include "exporter/scene/tests/test_scene.h"

namespace korvathexp {

using namespace hostsdk;
namespace {

using korvath::exporter_test::Host;
using korvath::scene::SceneNode;

class PolygonType : public ::testing::Test {
protected:
    Host host;
    SceneNode& node = host.scene.root().addChild("mesh");
    KorvathExp exp;

    // `leaf` inside `levels` multi/sub-object materials, one in another.
    hostsdk::Mtl& nested(hostsdk::Mtl& leaf, int levels) {
        hostsdk::Mtl* inner = &leaf;
        for (int level = 0; level < levels; ++level) {
            auto& m = host.scene.addMulti("level");
            m.subMaterials = {inner};
            inner = &m;
        }
        return *inner;
    }

    int typeOf(hostsdk::Mtl& material, MtlID id = 0) {
        node.setMaterial(&material);
        return exp.PolygonTypeFromMaterial(&node, id);
    }
};

TEST_F(PolygonType, PropertiesGiveTheirBits) {
    auto& m = host.scene.addStandard("plain");
    EXPECT_EQ(typeOf(m), 0);
    m.twoSided = true;
    m.opacity = 0.5f;
    m.selfIllum = 0.1f;
    EXPECT_EQ(typeOf(m), 19);
    auto& bitmap = host.scene.addBitmap();
    m.diffuseMap = &bitmap;
    bitmap.filterType = hostsdk::FILTER_NADA;
    EXPECT_EQ(typeOf(m), 19 | 128);
    bitmap.filterType = hostsdk::FILTER_SAT;
    bitmap.coordMapping = hostsdk::UVMAP_SPHERE_ENV;
    EXPECT_EQ(typeOf(m), 19 | 64);
    EXPECT_FALSE(exp.noMaterialWarning);
}

TEST_F(PolygonType, NameKeywordsAfterTheFirstPeriod) {
    EXPECT_EQ(typeOf(host.scene.addStandard("wall.MASK")), 3);
    EXPECT_EQ(typeOf(host.scene.addStandard("wall.modular")), 4);
    EXPECT_EQ(typeOf(host.scene.addStandard("floor.Flat")), 32);
    EXPECT_EQ(typeOf(host.scene.addStandard("floor.x.flat")), 0);
    EXPECT_EQ(typeOf(host.scene.addStandard("flat")), 0);
    auto& gun = host.scene.addStandard("gun.Weapon");
    gun.twoSided = true;
    gun.opacity = 0.2f;
    EXPECT_EQ(typeOf(gun), 8);
}

TEST_F(PolygonType, SkinNamesSetTheTextureNumberUntilTheNextSkin) {
    EXPECT_EQ(typeOf(host.scene.addStandard("Skin3.Mask")), 3);
    EXPECT_EQ(exp.textureNumber, 3);
    typeOf(host.scene.addStandard("metal"));
    EXPECT_EQ(exp.textureNumber, 3);
    typeOf(host.scene.addStandard("SKINx"));
    EXPECT_EQ(exp.textureNumber, 0);
    typeOf(host.scene.addStandard("skin9"));
    EXPECT_EQ(exp.textureNumber, 9);
    typeOf(host.scene.addStandard("skin"));
    EXPECT_EQ(exp.textureNumber, 0);
}

TEST_F(PolygonType, NoMaterialGivesZeroAndTheWarning) {
    exp.textureNumber = 4;
    EXPECT_EQ(exp.PolygonTypeFromMaterial(&node, 0), 0);
    EXPECT_TRUE(exp.noMaterialWarning);
    EXPECT_EQ(exp.textureNumber, 4);
}

TEST_F(PolygonType, MultiMaterialPicksTheSubMaterialByIdModuloCount) {
    auto& multi = host.scene.addMulti("multi");
    auto& a = host.scene.addStandard("skin1.flat");
    auto& b = host.scene.addStandard("skin2.mask");
    multi.subMaterials = {&a, &b};
    EXPECT_EQ(typeOf(multi, 0), 32);
    EXPECT_EQ(exp.textureNumber, 1);
    EXPECT_EQ(typeOf(multi, 3), 3);
    EXPECT_EQ(exp.textureNumber, 2);

    // Nested multi materials: the sub-material of the last one reached.
    auto& outer = host.scene.addMulti("outer");
    outer.subMaterials = {&multi};
    EXPECT_EQ(typeOf(outer, 5), 3);
}

TEST_F(PolygonType, DiffuseMapIsAskedOfTheMultiMaterialNotItsSubMaterial) {
    auto& multi = host.scene.addMulti("multi");
    auto& sub = host.scene.addStandard("sub");
    auto& unfiltered = host.scene.addBitmap();
    unfiltered.filterType = hostsdk::FILTER_NADA;
    sub.diffuseMap = &unfiltered;
    multi.subMaterials = {&sub};
    EXPECT_EQ(typeOf(multi), 0);
    multi.diffuseMap = &unfiltered;
    EXPECT_EQ(typeOf(multi), 128);
}

TEST_F(PolygonType, MaterialsWithoutAStandardMaterialCountAsNone) {
    auto& empty = host.scene.addMulti("empty");
    EXPECT_EQ(typeOf(empty), 0);
    EXPECT_TRUE(exp.noMaterialWarning);

    exp.noMaterialWarning = false;
    auto& holes = host.scene.addMulti("holes");
    holes.subMaterials = {nullptr};
    EXPECT_EQ(typeOf(holes), 0);
    EXPECT_TRUE(exp.noMaterialWarning);

    exp.noMaterialWarning = false;
    EXPECT_EQ(typeOf(host.scene.addOtherMaterial("raytrace.flat", {0x37, 0})), 0);
    EXPECT_TRUE(exp.noMaterialWarning);

    // Ten levels of nesting still reach the standard material on the tenth step.
    exp.noMaterialWarning = false;
    EXPECT_EQ(typeOf(nested(host.scene.addStandard("deep.flat"), 10)), 32);
    EXPECT_FALSE(exp.noMaterialWarning);

    // Eleven levels of nesting: no standard material within ten steps.
    exp.noMaterialWarning = false;
    EXPECT_EQ(typeOf(nested(host.scene.addStandard("deep.flat"), 11)), 0);
    EXPECT_TRUE(exp.noMaterialWarning);
}

}  // namespace
}  // namespace korvathexp
