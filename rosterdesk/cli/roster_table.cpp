#include "rosterdesk/cli/roster_table.h"

#include <algorithm>
#include <vector>

#include "rosterdesk/roster/roster_fields.h"
#include "rosterdesk/roster/trait_encoding.h"

namespace rosterdesk {

namespace {

using Row = std::vector<std::string>;

std::string orDefault(const std::string& value, const char* whenEmpty) { return value.empty() ? whenEmpty : value; }

std::string teamText(int team) {
    std::string_view name = teamName(team);
    return name.empty() ? decimalText(team) : std::string(name);
}

std::string combatText(const std::string& fileText) {
    auto name = combatStyleFromFile(fileText);
    return name ? *name : fileText;  // a value the list has no entry for is shown as it is
}

Row slotRow(const Roster& r, int i) {
    return {decimalText(i),
            r.BotNames[i],
            teamText(r.BotTeams[i]),
            r.BotClasses[i],
            r.BotSkins[i],
            r.BotFaces[i],
            orDefault(r.VoiceType[i], "(None Choosen)"),
            skillToText(r.BotSkills[i], false),
            hundredthsToText(r.BotAccuracy[i], false),
            hundredthsToText(r.Alertness[i], false),
            campingToText(r.Camping[i], false),
            strafingToText(r.StrafingAbility[i], false),
            combatText(r.CombatStyle[i]),
            orDefault(r.FavoriteWeapon[i], "(No Favorite)"),
            r.BotJumpy[i] == 1 ? "Yes" : "No"};
}

}  // namespace

std::string formatRosterTable(const Roster& roster) {
    std::vector<Row> rows = {{"Slot", "Name", "Color", "Class", "Skin", "Face", "Voice", "Skill", "Accuracy",
                              "Alertness", "Camping", "Strafing", "Combat Style", "Favorite Weapon", "Jumpy"}};
    for (int i = 0; i < kSlotCount; ++i) rows.push_back(slotRow(roster, i));
    std::vector<std::size_t> widths(rows.front().size(), 0);
    for (const Row& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());

    std::string text;
    for (const Row& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size()) line.append(widths[c] - row[c].size() + 2, ' ');
        }
        text += line + "\n";
    }
    std::string_view difficulty = difficultyName(roster.Difficulty);
    text += "\nDifficulty: " + (difficulty.empty() ? decimalText(roster.Difficulty) : std::string(difficulty)) + "\n";
    text += "Adjust Skill: " + std::string(roster.bAdjustSkill ? "Yes" : "No") + "\n";
    text += "Random Order: " + std::string(roster.bRandomOrder ? "Yes" : "No") + "\n";
    text += "Description: " + roster.description + "\n";
    return text;
}

}  // namespace rosterdesk
