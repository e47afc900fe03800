#include "rosterdesk/roster/roster_fields.h"

#include <charconv>

#include "common/files/game_path.h"
#include "rosterdesk/roster/trait_encoding.h"

namespace rosterdesk {

const std::array<SlotField, 14>& slotFields() {
    static const std::array<SlotField, 14> fields = {{
        {"BotFaces", FieldKind::Text, &Roster::BotFaces, nullptr},
        {"BotNames", FieldKind::Text, &Roster::BotNames, nullptr},
        {"BotTeams", FieldKind::Team, nullptr, &Roster::BotTeams},
        {"BotClasses", FieldKind::Text, &Roster::BotClasses, nullptr},
        {"BotSkins", FieldKind::Text, &Roster::BotSkins, nullptr},
        {"VoiceType", FieldKind::Text, &Roster::VoiceType, nullptr},
        {"BotSkills", FieldKind::Skill, nullptr, &Roster::BotSkills},
        {"BotAccuracy", FieldKind::Hundredths, nullptr, &Roster::BotAccuracy},
        {"CombatStyle", FieldKind::Text, &Roster::CombatStyle, nullptr},
        {"Alertness", FieldKind::Hundredths, nullptr, &Roster::Alertness},
        {"Camping", FieldKind::Camping, nullptr, &Roster::Camping},
        {"StrafingAbility", FieldKind::Strafing, nullptr, &Roster::StrafingAbility},
        {"FavoriteWeapon", FieldKind::Text, &Roster::FavoriteWeapon, nullptr},
        {"BotJumpy", FieldKind::Jumpy, nullptr, &Roster::BotJumpy},
    }};
    return fields;
}

const SlotField* findSlotField(std::string_view key) {
    for (const auto& field : slotFields())
        if (korvath::equalsNoCase(field.key, key)) return &field;
    return nullptr;
}

std::string decimalText(long long value) {
    char buffer[24];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, ec == std::errc() ? end : buffer);
}

std::optional<long long> parseInteger(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);  // hand edits
    long long value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string slotValueText(const Roster& roster, const SlotField& field, int slot) {
    if (field.kind == FieldKind::Text) return (roster.*field.text)[slot];
    int value = (roster.*field.number)[slot];
    switch (field.kind) {
        case FieldKind::Skill: return skillToText(value, true);
        case FieldKind::Hundredths: return hundredthsToText(value, true);
        case FieldKind::Camping: return campingToText(value, true);
        case FieldKind::Strafing: return strafingToText(value, true);
        default: return decimalText(value);
    }
}

bool fieldHolds(FieldKind kind, int value) {
    switch (kind) {
        case FieldKind::Team: return (value >= 0 && value <= 3) || value == 255;
        case FieldKind::Jumpy: return value == 0 || value == 1;
        case FieldKind::Skill: return value >= kSkillMin && value <= kSkillMax;
        case FieldKind::Hundredths: return value >= kHundredthsMin && value <= kHundredthsMax;
        case FieldKind::Camping: return value >= kCampingMin && value <= kCampingMax;
        case FieldKind::Strafing: return value >= kStrafingMin && value <= kStrafingMax;
        case FieldKind::Text: return true;
    }
    return false;
}

std::optional<int> decodeNumberLine(FieldKind kind, std::string_view line) {
    switch (kind) {
        case FieldKind::Skill: return skillFromLine(line);
        case FieldKind::Hundredths: return hundredthsFromLine(line);
        case FieldKind::Camping: return campingFromLine(line);
        case FieldKind::Strafing: return strafingFromLine(line);
        case FieldKind::Team:
        case FieldKind::Jumpy: {
            auto value = valueAfterEquals(line);
            if (!value) return std::nullopt;
            auto number = parseInteger(*value);
            if (!number || *number < -32768 || *number > 32767) return std::nullopt;
            return static_cast<int>(*number);
        }
        case FieldKind::Text: break;
    }
    return std::nullopt;
}

}  // namespace rosterdesk
