#include "rosterdesk/roster/capture.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "common/files/game_path.h"
#include "common/text/text_lines.h"
#include "rosterdesk/roster/apply.h"
#include "rosterdesk/roster/roster_fields.h"
#include "rosterdesk/roster/roster_section.h"
#include "rosterdesk/roster/trait_encoding.h"

namespace rosterdesk {

namespace {

std::optional<double> parseDecimal(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

struct Slider {
    int scale, min, max, step;
};

Slider sliderOf(FieldKind kind) {
    switch (kind) {
        case FieldKind::Hundredths: return {100, kHundredthsMin, kHundredthsMax, kHundredthsStep};
        case FieldKind::Camping: return {10, kCampingMin, kCampingMax, 1};
        case FieldKind::Strafing: return {10, kStrafingMin, kStrafingMax, 1};
        default: return {1, kSkillMin - 3, kSkillMax - 3, 1};  // skill: the file holds p - 3
    }
}

// The slider position nearest to a file number, and whether it holds that number exactly.
std::pair<int, bool> nearestSliderValue(FieldKind kind, double number) {
    Slider s = sliderOf(kind);
    double scaled = std::clamp(number * s.scale, static_cast<double>(s.min), static_cast<double>(s.max));
    int value = static_cast<int>(std::lround(scaled / s.step)) * s.step;
    bool exact = std::abs(value - number * s.scale) < 1e-6;
    return {kind == FieldKind::Skill ? value + 3 : value, exact};
}

constexpr double kCombatStyles[] = {-1.0, -0.5, 0.0, 0.5, 1.0};

std::string combatStyleText(double number) {
    double best = kCombatStyles[0];
    for (double style : kCombatStyles)
        if (std::abs(style - number) < std::abs(best - number)) best = style;
    char buffer[32];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, best, std::chars_format::fixed, 6);
    return std::string(buffer, ec == std::errc() ? end : buffer);
}

class Capture {
public:
    explicit Capture(CapturedRoster& result) : result_(result), roster_(result.roster) {}

    void line(std::string_view text) {
        auto eq = text.find('=');
        if (eq == std::string_view::npos) return;
        std::string_view key = text.substr(0, eq), value = text.substr(eq + 1);
        if (key.ends_with(']')) {
            auto open = key.find('[');
            if (open == std::string_view::npos) return;
            auto index = parseInteger(key.substr(open + 1, key.size() - open - 2));
            const SlotField* field = findSlotField(key.substr(0, open));
            if (field && index && *index >= 0 && *index < kSlotCount)
                slotValue(*field, static_cast<int>(*index), std::string(text.substr(0, eq)), value);
        } else if (korvath::equalsNoCase(key, "bAdjustSkill")) {
            boolValue(roster_.bAdjustSkill, key, value);
        } else if (korvath::equalsNoCase(key, "bRandomOrder")) {
            boolValue(roster_.bRandomOrder, key, value);
        } else if (korvath::equalsNoCase(key, "Difficulty")) {
            auto number = parseDecimal(value);
            int difficulty = number ? static_cast<int>(std::lround(std::clamp(*number, 0.0, 7.0))) : 0;
            if (!number || difficulty != *number) correct(key, value, decimalText(difficulty));
            roster_.Difficulty = static_cast<std::int16_t>(difficulty);
        }
    }

private:
    void correct(std::string_view key, std::string_view from, std::string_view to) {
        result_.corrections.push_back(std::string(key) + ": \"" + std::string(from) + "\" corrected to \"" +
                                      std::string(to) + "\"");
    }

    void boolValue(bool& target, std::string_view key, std::string_view value) {
        if (korvath::equalsNoCase(value, "True") || value == "1") target = true;
        else if (korvath::equalsNoCase(value, "False") || value == "0") target = false;
        else correct(key, value, boolText(target));
    }

    void slotValue(const SlotField& field, int slot, const std::string& key, std::string_view value) {
        if (field.kind == FieldKind::Text) {
            if (field.key == "CombatStyle") return combatStyle(slot, key, value);
            (roster_.*field.text)[slot] = std::string(value);
            return;
        }
        auto& target = (roster_.*field.number)[slot];
        auto number = parseDecimal(value);
        if (field.kind == FieldKind::Jumpy && !number) {
            if (korvath::equalsNoCase(value, "True")) number = 1;
            else if (korvath::equalsNoCase(value, "False")) number = 0;
        }
        int held = target;  // the default when the value is no number at all
        bool exact = false;
        if (number && (field.kind == FieldKind::Team || field.kind == FieldKind::Jumpy)) {
            // Clamped first: a huge number must not wrap round to a team the window lists.
            held = field.kind == FieldKind::Jumpy ? (*number != 0 ? 1 : 0)
                                                  : static_cast<int>(std::lround(std::clamp(*number, -1.0, 256.0)));
            exact = held == *number && fieldHolds(field.kind, held);
            if (!fieldHolds(field.kind, held)) held = 255;  // a team the window has no entry for: none
        } else if (number) {
            std::tie(held, exact) = nearestSliderValue(field.kind, *number);
        }
        target = static_cast<std::int16_t>(held);
        if (!exact) correct(key, value, slotValueText(roster_, field, slot));
    }

    void combatStyle(int slot, const std::string& key, std::string_view value) {
        auto number = parseDecimal(value);
        std::string text = number ? combatStyleText(*number) : roster_.CombatStyle[slot];
        if (!number || std::abs(parseDecimal(text).value_or(0) - *number) > 1e-9) correct(key, value, text);
        roster_.CombatStyle[slot] = text;
    }

    CapturedRoster& result_;
    Roster& roster_;
};

}  // namespace

CaptureResult captureRoster(const std::vector<std::string>& lines) {
    auto section = findRosterSection(lines);
    if (!section) return CaptureResult::failure("user.ini has no [Botpack.ChallengeBotInfo] section.");
    CapturedRoster result{defaultRoster(), {}};
    Capture capture(result);
    for (std::size_t i = section->header + 1; i < section->end; ++i) capture.line(lines[i]);
    return result;
}

CaptureResult captureRosterFromGame(const std::filesystem::path& kaPath) {
    auto lines = korvath::readTextLines(korvath::resolveGamePath(kaPath, "System\\user.ini"));
    if (!lines) return CaptureResult::failure("Can't find user.ini.");
    return captureRoster(*lines);
}

}  // namespace rosterdesk
