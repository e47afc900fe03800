#include "rosterdesk/editor/editor_tables.h"

#include <algorithm>

#include "rosterdesk/roster/roster_fields.h"
#include "rosterdesk/roster/trait_encoding.h"

namespace rosterdesk {

namespace {

constexpr std::int16_t kTeams[] = {255, 0, 1, 2, 3};  // in the order cmbColor lists them

}  // namespace

std::vector<std::string> botListEntries() {
    std::vector<std::string> entries;
    for (int i = 0; i < kSlotCount; ++i) entries.push_back("Bot " + decimalText(i));
    return entries;
}

std::vector<std::string> difficultyListEntries() {
    std::vector<std::string> entries;
    for (int i = 0; !difficultyName(i).empty(); ++i) entries.emplace_back(difficultyName(i));
    return entries;
}

std::vector<std::string> colorListEntries() {
    std::vector<std::string> entries;
    for (std::int16_t team : kTeams) entries.emplace_back(teamName(team));
    return entries;
}

std::int16_t GetColorNumber(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kTeams))) return 255;
    return kTeams[index];
}

std::optional<int> colorIndexFor(int team) {
    for (int i = 0; i < static_cast<int>(std::size(kTeams)); ++i)
        if (kTeams[i] == team) return i;
    return std::nullopt;
}

const std::array<WeaponEntry, 15>& favoriteWeapons() {
    static constexpr std::array<WeaponEntry, 15> kWeapons = {{
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
    }};
    return kWeapons;
}

std::vector<std::string> weaponListEntries() {
    std::vector<std::string> entries;
    for (const WeaponEntry& weapon : favoriteWeapons()) entries.emplace_back(weapon.entry);
    return entries;
}

std::string GetWeaponCode(int index) {
    if (index < 0 || index >= static_cast<int>(favoriteWeapons().size())) return {};
    return std::string(favoriteWeapons()[index].stored);
}

std::optional<int> weaponIndexFor(std::string_view stored) {
    for (int i = 0; i < static_cast<int>(favoriteWeapons().size()); ++i)
        if (favoriteWeapons()[i].stored == stored) return i;
    return std::nullopt;
}

const std::vector<std::string>& combatStyleListEntries() {
    static const std::vector<std::string> kEntries = {"Aggressive", "Avoidant", "Berzerk", "Cautious", "Normal"};
    return kEntries;
}

std::optional<int> combatStyleIndexFor(std::string_view stored) {
    auto name = combatStyleFromFile(stored);
    if (!name) return std::nullopt;
    const auto& entries = combatStyleListEntries();
    auto it = std::find(entries.begin(), entries.end(), *name);
    if (it == entries.end()) return std::nullopt;
    return static_cast<int>(it - entries.begin());
}

std::string combatStyleCode(int index) {
    const auto& entries = combatStyleListEntries();
    if (index < 0 || index >= static_cast<int>(entries.size())) return {};
    return combatStyleToFile(entries[index]);
}

const std::array<SliderDefinition, 5>& sliderDefinitions() {
    static const std::array<SliderDefinition, 5> kDefinitions = {{
        {Slider::SkillAdjust, "hsSkillAdjust", "Skill Adjust:", "-3 to 3  Inc: 1", "lblSANum", kSkillMin,
         kSkillMax, 1, 1, &Roster::BotSkills, true},
        {Slider::Accuracy, "hsAccuracy", "Accuracy:", "-1.00 to 1.00  Inc: 0.05", "lblNumAccuracy", kHundredthsMin,
         kHundredthsMax, kHundredthsStep, kHundredthsStep, &Roster::BotAccuracy, true},
        {Slider::Alertness, "hsAlertness", "Alertness:", "-1.00 to 1.00  Inc: 0.05", "lblNumAlertness",
         kHundredthsMin, kHundredthsMax, kHundredthsStep, kHundredthsStep, &Roster::Alertness, false},
        {Slider::Camping, "hsCamping", "Camping:", "0.0 to 1.0  Inc: 0.1", "lblNumCamping", kCampingMin,
         kCampingMax, 1, 1, &Roster::Camping, true},
        {Slider::Strafing, "hsStrafing", "Strafing:", "-1.0 to 1.0  Inc: 0.1", "lblNumStrafing", kStrafingMin,
         kStrafingMax, 1, 1, &Roster::StrafingAbility, true},
    }};
    return kDefinitions;
}

const SliderDefinition& sliderDefinition(Slider slider) { return sliderDefinitions()[static_cast<std::size_t>(slider)]; }

std::string sliderValueText(Slider slider, int value) {
    switch (slider) {
        case Slider::SkillAdjust: return skillToText(value, false);
        case Slider::Accuracy:
        case Slider::Alertness: return hundredthsToText(value, false);
        case Slider::Camping: return campingToText(value, false);
        case Slider::Strafing: return strafingToText(value, false);
    }
    return {};
}

}  // namespace rosterdesk
