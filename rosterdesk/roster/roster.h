#pragma once
// The one roster Rosterdesk edits: 32 bot slots, each field in its own 32-entry array (the
// array's name is its key in roster files and user.ini), plus three roster-wide settings and
// a description that only roster files carry.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace rosterdesk {

inline constexpr int kSlotCount = 32;
inline constexpr std::string_view kRosterSection = "[Botpack.ChallengeBotInfo]";

template <typename T>
using SlotArray = std::array<T, kSlotCount>;

struct Roster {
    SlotArray<std::string> BotNames;
    SlotArray<std::int16_t> BotTeams{};  // 0 red, 1 blue, 2 green, 3 gold, 255 no team
    SlotArray<std::string> BotClasses;
    SlotArray<std::string> BotSkins;
    SlotArray<std::string> BotFaces;
    SlotArray<std::string> VoiceType;       // empty: the game's default voice
    SlotArray<std::int16_t> BotSkills{};    // 0..6, meaning -3..+3
    SlotArray<std::int16_t> BotAccuracy{};  // hundredths, -100..100
    SlotArray<std::string> CombatStyle;     // held in its file form, "0.500000"
    SlotArray<std::int16_t> Alertness{};    // hundredths, -100..100
    SlotArray<std::int16_t> Camping{};      // tenths, 0..10
    SlotArray<std::int16_t> StrafingAbility{};  // tenths, -10..10
    SlotArray<std::string> FavoriteWeapon;  // empty: no favourite
    SlotArray<std::int16_t> BotJumpy{};     // 1 jumpy, 0 not

    std::int16_t Difficulty = 0;  // index into difficultyName
    bool bAdjustSkill = false;
    bool bRandomOrder = false;
    std::string description;

    bool operator==(const Roster&) const = default;
};

// Overwrites every per-slot field with the default roster. The roster-wide settings and the
// description stay as they are.
void SetDefaults(Roster& roster);

// A roster as a new document starts: the defaults, difficulty 0, both switches off, no description.
Roster defaultRoster();

// "Novice" … "Godlike" for 0..7; empty for anything else.
std::string_view difficultyName(int difficulty);
// "None", "Red", "Blue", "Green", "Gold"; empty for a number that names no team.
std::string_view teamName(int team);

}  // namespace rosterdesk
