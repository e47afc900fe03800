#include "rosterdesk/roster/trait_encoding.h"

#include <gtest/gtest.h>

namespace rosterdesk {
namespace {

TEST(TraitEncoding, SkillTextsAndEveryPositionRoundTrips) {
    EXPECT_EQ(skillToText(5, true), "2.000000");
    EXPECT_EQ(skillToText(0, true), "-3.000000");
    EXPECT_EQ(skillToText(3, true), "0.000000");
    EXPECT_EQ(skillToText(5, false), "2");
    EXPECT_EQ(skillToText(0, false), "-3");
    for (int p = 0; p <= 6; ++p) EXPECT_EQ(skillFromLine("BotSkills[4]=" + skillToText(p, true)), p) << p;
    EXPECT_EQ(skillFromLine("BotSkills[4]=-2.500000"), 1);  // whole-number part only
}

TEST(TraitEncoding, HundredthsTextsCutToTheStepTowardZero) {
    EXPECT_EQ(hundredthsToText(35, true), "0.350000");
    EXPECT_EQ(hundredthsToText(-35, true), "-0.350000");
    EXPECT_EQ(hundredthsToText(5, true), "0.050000");
    EXPECT_EQ(hundredthsToText(-5, true), "-0.050000");
    EXPECT_EQ(hundredthsToText(100, true), "1.000000");
    EXPECT_EQ(hundredthsToText(-100, true), "-1.000000");
    EXPECT_EQ(hundredthsToText(0, true), "0.000000");
    EXPECT_EQ(hundredthsToText(35, false), "0.35");
    EXPECT_EQ(hundredthsToText(-35, false), "-0.35");
    EXPECT_EQ(hundredthsToText(100, false), "1.00");
    EXPECT_EQ(hundredthsToText(-100, false), "-1.00");
    EXPECT_EQ(hundredthsToText(0, false), "0.0");
    EXPECT_EQ(hundredthsToText(37, false), "0.35");
    EXPECT_EQ(hundredthsToText(-37, false), "-0.35");
    EXPECT_EQ(hundredthsToText(4, true), "0.000000");
    EXPECT_EQ(hundredthsToText(-99, true), "-0.950000");
}

TEST(TraitEncoding, EverySliderValueRoundTripsThroughTheFileText) {
    for (int v = -100; v <= 100; v += 5)
        EXPECT_EQ(hundredthsFromLine("Alertness[0]=" + hundredthsToText(v, true)), v) << v;
    for (int v = 0; v <= 10; ++v) EXPECT_EQ(campingFromLine("Camping[9]=" + campingToText(v, true)), v) << v;
    for (int v = -10; v <= 10; ++v)
        EXPECT_EQ(strafingFromLine("StrafingAbility[31]=" + strafingToText(v, true)), v) << v;
}

TEST(TraitEncoding, TenthsTexts) {
    EXPECT_EQ(campingToText(3, true), "0.300000");
    EXPECT_EQ(campingToText(10, true), "1.000000");
    EXPECT_EQ(campingToText(0, false), "0.0");
    EXPECT_EQ(campingToText(3, false), "0.3");
    EXPECT_EQ(strafingToText(3, true), "0.300000");
    EXPECT_EQ(strafingToText(-3, true), "-0.300000");
    EXPECT_EQ(strafingToText(-10, true), "-1.000000");
    EXPECT_EQ(strafingToText(0, true), "0.000000");
    EXPECT_EQ(strafingToText(-5, false), "-0.5");
    EXPECT_EQ(strafingToText(10, false), "1.0");
}

TEST(TraitEncoding, DecodersReadOnlyTheTextAfterTheFirstEquals) {
    EXPECT_EQ(hundredthsFromLine("BotAccuracy[2]=-0.300000"), -30);
    EXPECT_EQ(hundredthsFromLine("x=0.35=junk"), 35);
    EXPECT_EQ(campingFromLine("Camping[1]=1.000000"), 10);
    EXPECT_EQ(hundredthsFromLine("no equals sign 0.35"), std::nullopt);
    EXPECT_EQ(hundredthsFromLine("Alertness[0]="), std::nullopt);
    EXPECT_EQ(hundredthsFromLine("Alertness[0]=abc"), std::nullopt);
    EXPECT_EQ(skillFromLine("BotSkills[0]=x.000000"), std::nullopt);
}

TEST(TraitEncoding, CombatStylesMatchExactly) {
    EXPECT_EQ(combatStyleToFile("Berzerk"), "1.000000");
    EXPECT_EQ(combatStyleToFile("Avoidant"), "-1.000000");
    EXPECT_EQ(combatStyleToFile("Cautious"), "-0.500000");
    EXPECT_EQ(combatStyleToFile("normal"), "");
    EXPECT_EQ(combatStyleFromFile("1.000000"), "Berzerk");
    EXPECT_EQ(combatStyleFromFile("0.500000"), "Aggressive");
    EXPECT_EQ(combatStyleFromFile("0.000000"), "Normal");
    EXPECT_EQ(combatStyleFromFile("0.5"), std::nullopt);
}

}  // namespace
}  // namespace rosterdesk
