#include "rosterdesk/editor/editor_tables.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace rosterdesk {
namespace {

using ::testing::ElementsAre;

TEST(EditorTables, FavouriteWeaponsMapBothWaysExactly) {
    const std::pair<const char*, const char*> expected[] = {
        {"(No Favorite)", ""},
        {"Chainsaw", "BotPack.Chainsaw"},
        {"Double Enforcer", "BotPack.DoubleEnforcer"},
        {"Enforcer", "BotPack.Enforcer"},
        {"Flak Canon", "BotPack.KA_FlakCannon"},
        {"GES BioRifle", "BotPack.KA_BioRifle"},
        {"Impact Hammer", "BotPack.ImpactHammer"},
        {"Minigun", "BotPack.Minigun2"},
        {"Pulse Gun", "BotPack.PulseGun"},
        {"Redeemer", "BotPack.WarHeadLauncher"},
        {"Ripper", "BotPack.Ripper"},
        {"Rocket Launcher", "BotPack.KA_Eightball"},
        {"Shock Rifle", "BotPack.ShockRifle"},
        {"Sniper Rifle", "BotPack.SniperRifle"},
        {"Translocator", "BotPack.Translocator"},
    };
    ASSERT_EQ(weaponListEntries().size(), std::size(expected));
    for (int i = 0; i < static_cast<int>(std::size(expected)); ++i) {
        EXPECT_EQ(weaponListEntries()[i], expected[i].first);
        EXPECT_EQ(GetWeaponCode(i), expected[i].second);
        EXPECT_EQ(weaponIndexFor(expected[i].second), i);
    }
    // The default roster spells its weapons "Botpack.": case matters, so they match no entry.
    EXPECT_EQ(weaponIndexFor("Botpack.KA_FlakCannon"), std::nullopt);
    EXPECT_EQ(GetWeaponCode(15), "");
}

TEST(EditorTables, ColoursCombatStylesAndFixedLists) {
    EXPECT_THAT(colorListEntries(), ElementsAre("None", "Red", "Blue", "Green", "Gold"));
    const int teams[] = {255, 0, 1, 2, 3};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(GetColorNumber(i), teams[i]);
        EXPECT_EQ(colorIndexFor(teams[i]), i);
    }
    EXPECT_EQ(colorIndexFor(4), std::nullopt);

    EXPECT_THAT(combatStyleListEntries(), ElementsAre("Aggressive", "Avoidant", "Berzerk", "Cautious", "Normal"));
    const char* stored[] = {"0.500000", "-1.000000", "1.000000", "-0.500000", "0.000000"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(combatStyleCode(i), stored[i]);
        EXPECT_EQ(combatStyleIndexFor(stored[i]), i);
    }
    EXPECT_EQ(combatStyleIndexFor("0.25"), std::nullopt);

    EXPECT_EQ(botListEntries().front(), "Bot 0");
    EXPECT_EQ(botListEntries().back(), "Bot 31");
    EXPECT_THAT(difficultyListEntries(), ElementsAre("Novice", "Average", "Experienced", "Skilled", "Adept",
                                                     "Masterful", "In Human", "Godlike"));
}

TEST(EditorTables, SlidersAndTheirValueLabels) {
    struct Case {
        Slider slider;
        const char *control, *range, *valueLabel;
        int min, max, step;
        int value;
        const char* text;
    };
    const Case cases[] = {
        {Slider::SkillAdjust, "hsSkillAdjust", "-3 to 3  Inc: 1", "lblSANum", 0, 6, 1, 0, "-3"},
        {Slider::Accuracy, "hsAccuracy", "-1.00 to 1.00  Inc: 0.05", "lblNumAccuracy", -100, 100, 5, -35, "-0.35"},
        {Slider::Alertness, "hsAlertness", "-1.00 to 1.00  Inc: 0.05", "lblNumAlertness", -100, 100, 5, 0, "0.0"},
        {Slider::Camping, "hsCamping", "0.0 to 1.0  Inc: 0.1", "lblNumCamping", 0, 10, 1, 3, "0.3"},
        {Slider::Strafing, "hsStrafing", "-1.0 to 1.0  Inc: 0.1", "lblNumStrafing", -10, 10, 1, -5, "-0.5"},
    };
    for (const Case& c : cases) {
        const SliderDefinition& definition = sliderDefinition(c.slider);
        EXPECT_EQ(definition.control, c.control);
        EXPECT_EQ(definition.rangeText, c.range);
        EXPECT_EQ(definition.valueLabel, c.valueLabel);
        EXPECT_EQ(definition.min, c.min);
        EXPECT_EQ(definition.max, c.max);
        EXPECT_EQ(definition.smallChange, c.step);
        EXPECT_EQ(definition.largeChange, c.step);
        EXPECT_EQ(sliderValueText(c.slider, c.value), c.text) << c.control;
        EXPECT_EQ(definition.dragMarksModified, c.slider != Slider::Alertness);
    }
    EXPECT_EQ(sliderValueText(Slider::Alertness, 100), "1.00");
    EXPECT_EQ(sliderValueText(Slider::SkillAdjust, 6), "3");
}

}  // namespace
}  // namespace rosterdesk
