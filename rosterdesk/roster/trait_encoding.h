#pragma once
// The bots' numeric traits: whole-number slider values in the program, six-decimal texts in
// user.ini and roster files. Every conversion between the two lives here.
#include <optional>
#include <string>
#include <string_view>

namespace rosterdesk {

// Slider ranges; the encoders assume values inside them and clamp anything outside.
inline constexpr int kSkillMin = 0, kSkillMax = 6;             // skill adjustment p, shown as p - 3
inline constexpr int kHundredthsMin = -100, kHundredthsMax = 100;  // accuracy and alertness
inline constexpr int kHundredthsStep = 5;
inline constexpr int kCampingMin = 0, kCampingMax = 10;
inline constexpr int kStrafingMin = -10, kStrafingMax = 10;

// Skill adjustment: "2" for a label, "2.000000" for a file (p = 5).
std::string skillToText(int p, bool forFile);
// Accuracy and alertness: cut toward zero to a multiple of 5 first ("0.35", "0.350000").
std::string hundredthsToText(int v, bool forFile);
// Camping, 0 to 10 ("0.3", "0.300000").
std::string campingToText(int v, bool forFile);
// Strafing ability, -10 to 10 ("-0.3", "-0.300000").
std::string strafingToText(int v, bool forFile);

// Decoders take a whole file line ("BotSkills[3]=2.000000") and return the slider value, or
// nullopt when the line has no "=" or no number after it. Ranges are not checked here.
std::optional<int> skillFromLine(std::string_view line);
std::optional<int> hundredthsFromLine(std::string_view line);
std::optional<int> campingFromLine(std::string_view line);
std::optional<int> strafingFromLine(std::string_view line);

// Combat style: display text ("Berzerk") to file text ("1.000000") and back, matched exactly
// (case-sensitive). Unknown texts give an empty text / nullopt.
std::string combatStyleToFile(std::string_view displayText);
std::optional<std::string> combatStyleFromFile(std::string_view fileText);

// The text after the first "=" of a line; nullopt when there is none.
std::optional<std::string_view> valueAfterEquals(std::string_view line);

}  // namespace rosterdesk
