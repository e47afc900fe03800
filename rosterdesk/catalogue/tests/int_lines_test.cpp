#include "rosterdesk/catalogue/int_lines.h"

#include <gtest/gtest.h>

namespace rosterdesk {
namespace {

TEST(IntLines, ClassNameAndDescription) {
    std::string line = R"(Object=(Name=BotPack.TMale1Bot,Class=Class,MetaClass=BotPack.Bot,Description="Male Commando"))";
    EXPECT_EQ(classNameOf(line), "BotPack.TMale1Bot");
    EXPECT_EQ(classDescriptionOf(line), "Male Commando");
    // Without any "=" the whole field stands; nothing is thrown on a short line.
    EXPECT_EQ(classNameOf("Object"), "Object");
    EXPECT_EQ(classDescriptionOf(""), "");
}

TEST(IntLines, TextureNameDropsDigitOfFiveCharacterNames) {
    auto line = [](const std::string& texture) {
        return "Object=(Name=" + texture + ",Class=Texture,Description=\"X\")";
    };
    EXPECT_EQ(textureNameOf(line("CommandoSkins.cmdo1")), "CommandoSkins.cmdo");
    EXPECT_EQ(textureNameOf(line("CommandoSkins.cmdo9")), "CommandoSkins.cmdo");
    EXPECT_EQ(textureNameOf(line("CommandoSkins.cmdo0")), "CommandoSkins.cmdo0");    // 0 is kept
    EXPECT_EQ(textureNameOf(line("CommandoSkins.cmdoX")), "CommandoSkins.cmdoX");    // not a digit
    EXPECT_EQ(textureNameOf(line("CommandoSkins.cmd1")), "CommandoSkins.cmd1");      // four characters
    EXPECT_EQ(textureNameOf(line("CommandoSkins.cmdos1")), "CommandoSkins.cmdos1");  // six characters
    EXPECT_EQ(textureNameOf(line("CommandoSkins.cmdo4Blake")), "CommandoSkins.cmdo4Blake");
    EXPECT_EQ(textureNameOf(R"(Object=(Name="Soldier.sldr1",Class=Texture)"), "Soldier.sldr");
    EXPECT_EQ(textureNameOf("Object=(Name=abcd1"), "abcd1");  // no package: no digit rule
}

TEST(IntLines, DisplayNameIsLastFieldUnwrapped) {
    EXPECT_EQ(displayNameOf(R"(Object=(Name=A.b,Class=Texture,Description="Gorn Commando"))"), "Gorn Commando");
    EXPECT_EQ(displayNameOf(R"(Object=(Name=A.b,Class=Texture,Description=Plain))"), "Plain");
    EXPECT_EQ(displayNameOf(R"(Object=(Name=A.b,Description="Open)"), "Open");
}

TEST(IntLines, ModelSkinTypeTable) {
    EXPECT_EQ(modelSkinType("BotPack.TMale1Bot"), "commando");
    EXPECT_EQ(modelSkinType("BotPack.TMale2Bot"), "soldier");
    EXPECT_EQ(modelSkinType("BotPack.TFemale1Bot"), "fcommando");
    EXPECT_EQ(modelSkinType("BotPack.TFemale2Bot"), "sgirl");
    EXPECT_EQ(modelSkinType("BotPack.TBossBot"), "boss");
    EXPECT_EQ(modelSkinType("BotPack.TSkaarjBot"), "tskm");
    EXPECT_EQ(modelSkinType("BotPack.TNaliBot"), "tnalimesh");
    EXPECT_EQ(modelSkinType("BotPack.TCowBot"), "tcowmesh");
    EXPECT_EQ(modelSkinType("MyPack.RobotWarriorBot"), "ro");  // cut before the first "bot"
    EXPECT_EQ(modelSkinType("MyPack.Marine"), "marine");
}

TEST(IntLines, PackageSkinType) {
    EXPECT_EQ(packageSkinType("CommandoSkins.cmdo"), "Commando");
    EXPECT_EQ(packageSkinType("Foo_Skins.x"), "Foo");
    EXPECT_EQ(packageSkinType("TCowMeshSkins.cow"), "TCowMesh");
    EXPECT_EQ(packageSkinType("SoldierSKIN.s"), "Soldier");
    EXPECT_EQ(packageSkinType("Plain"), "Plain");
}

TEST(IntLines, DelimitedFields) {
    EXPECT_EQ(delimitedFields("  a , b"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(delimitedFields(R"("C:\a,b\"  , c)"), (std::vector<std::string>{R"(C:\a,b\)", "c"}));
    EXPECT_EQ(delimitedFields(""), (std::vector<std::string>{""}));
    EXPECT_EQ(firstDelimitedField("x.int,y.int"), "x.int");
    EXPECT_EQ(firstDelimitedField(R"("unclosed)"), "unclosed");
}

}  // namespace
}  // namespace rosterdesk
