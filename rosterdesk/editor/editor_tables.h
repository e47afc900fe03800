#pragma once
// The fixed lists of the main window and how each entry maps to the value a roster stores.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rosterdesk/roster/roster.h"

namespace rosterdesk {

// "Bot 0" … "Bot 31".
std::vector<std::string> botListEntries();
// "Novice" … "Godlike".
std::vector<std::string> difficultyListEntries();

// cmbColor: "None", "Red", "Blue", "Green", "Gold".
std::vector<std::string> colorListEntries();
// The team number an entry stores (None 255); 255 for an index outside the list.
std::int16_t GetColorNumber(int index);
// The entry showing a team number; nullopt for a number the list has no entry for.
std::optional<int> colorIndexFor(int team);

struct WeaponEntry {
    std::string_view entry;   // "Flak Canon"
    std::string_view stored;  // "BotPack.KA_FlakCannon"; empty for "(No Favorite)"
};
const std::array<WeaponEntry, 15>& favoriteWeapons();
std::vector<std::string> weaponListEntries();
// The class an entry stores; empty text for index 0 or an index outside the list.
std::string GetWeaponCode(int index);
// The entry whose stored class equals `stored` exactly (case-sensitive); index 0 for empty text.
std::optional<int> weaponIndexFor(std::string_view stored);

// cmbCombatStyle in its own order: "Aggressive", "Avoidant", "Berzerk", "Cautious", "Normal".
const std::vector<std::string>& combatStyleListEntries();
// The entry named for a stored combat style; nullopt when the text names none.
std::optional<int> combatStyleIndexFor(std::string_view stored);
// The file text an entry stores.
std::string combatStyleCode(int index);

// The five sliders, with everything the window shows about them.
enum class Slider { SkillAdjust, Accuracy, Alertness, Camping, Strafing };
struct SliderDefinition {
    Slider slider;
    std::string_view control;     // "hsSkillAdjust"
    std::string_view label;       // "Skill Adjust:"
    std::string_view rangeText;   // "-3 to 3  Inc: 1"
    std::string_view valueLabel;  // "lblSANum"
    int min, max, smallChange, largeChange;
    SlotArray<std::int16_t> Roster::*field;
    bool dragMarksModified;       // dragging turns "loaded" into "modified" too
};
const std::array<SliderDefinition, 5>& sliderDefinitions();
const SliderDefinition& sliderDefinition(Slider slider);
// The value label's text ("-3", "0.35", "0.0", "1.0").
std::string sliderValueText(Slider slider, int value);

}  // namespace rosterdesk
