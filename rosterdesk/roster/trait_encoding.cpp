#include "rosterdesk/roster/trait_encoding.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "rosterdesk/roster/roster_fields.h"

namespace rosterdesk {

namespace {

// Fills a short form up to the six decimals of the file form.
std::string padForFile(std::string text) {
    std::size_t width = (!text.empty() && text[0] == '-') ? 9 : 8;
    if (text.size() < width) text.append(width - text.size(), '0');
    return text;
}

// The file's decimal piece (4 characters after an optional sign) times `scale`, rounded.
std::optional<int> scaledFromLine(std::string_view line, int scale) {
    auto value = valueAfterEquals(line);
    if (!value) return std::nullopt;
    bool negative = !value->empty() && value->front() == '-';
    std::string_view digits = negative ? value->substr(1, 4) : value->substr(0, 4);
    double number = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number,
                                     std::chars_format::fixed);
    if (ec != std::errc() || end != digits.data() + digits.size() || !std::isfinite(number) ||
        std::abs(number) > 1e6)
        return std::nullopt;
    int result = static_cast<int>(std::lround(number * scale));
    return negative ? -result : result;
}

}  // namespace

std::optional<std::string_view> valueAfterEquals(std::string_view line) {
    auto pos = line.find('=');
    if (pos == std::string_view::npos) return std::nullopt;
    return line.substr(pos + 1);
}

std::string skillToText(int p, bool forFile) {
    std::string text = decimalText(std::clamp(p, kSkillMin, kSkillMax) - 3);
    return forFile ? text + ".000000" : text;
}

std::string hundredthsToText(int v, bool forFile) {
    v = std::clamp(v, kHundredthsMin, kHundredthsMax);
    v -= v % kHundredthsStep;  // toward zero, as the slider's step
    std::string text;
    if (v == 100) text = "1.00";
    else if (v == -100) text = "-1.00";
    else if (v == 0) text = "0.0";
    else {
        int magnitude = std::abs(v);
        text = v < 0 ? "-0." : "0.";
        text += static_cast<char>('0' + magnitude / 10);
        text += static_cast<char>('0' + magnitude % 10);
    }
    return forFile ? padForFile(text) : text;
}

std::string campingToText(int v, bool forFile) {
    v = std::clamp(v, kCampingMin, kCampingMax);
    std::string text = v == 10 ? "1.0" : "0." + decimalText(v);
    return forFile ? padForFile(text) : text;
}

std::string strafingToText(int v, bool forFile) {
    v = std::clamp(v, kStrafingMin, kStrafingMax);
    std::string text;
    if (v == 10) text = "1.0";
    else if (v == -10) text = "-1.0";
    else if (v >= 0) text = "0." + decimalText(v);
    else text = "-0." + decimalText(-v);
    return forFile ? text + "00000" : text;
}

std::optional<int> skillFromLine(std::string_view line) {
    auto value = valueAfterEquals(line);
    if (!value) return std::nullopt;
    // Whole-number part only: up to and including the first ".".
    std::string_view whole = value->substr(0, value->find('.'));
    int number = 0;
    auto [end, ec] = std::from_chars(whole.data(), whole.data() + whole.size(), number);
    if (ec != std::errc() || end != whole.data() + whole.size() || number < -1000 || number > 1000)
        return std::nullopt;
    return number + 3;
}

std::optional<int> hundredthsFromLine(std::string_view line) { return scaledFromLine(line, 100); }
std::optional<int> campingFromLine(std::string_view line) { return scaledFromLine(line, 10); }
std::optional<int> strafingFromLine(std::string_view line) { return scaledFromLine(line, 10); }

namespace {
struct CombatStyle {
    std::string_view display;
    std::string_view file;
};
constexpr CombatStyle kCombatStyles[] = {
    {"Normal", "0.000000"},    {"Aggressive", "0.500000"}, {"Berzerk", "1.000000"},
    {"Cautious", "-0.500000"}, {"Avoidant", "-1.000000"},
};
}  // namespace

std::string combatStyleToFile(std::string_view displayText) {
    for (const auto& style : kCombatStyles)
        if (style.display == displayText) return std::string(style.file);
    return {};
}

std::optional<std::string> combatStyleFromFile(std::string_view fileText) {
    for (const auto& style : kCombatStyles)
        if (style.file == fileText) return std::string(style.display);
    return std::nullopt;
}

}  // namespace rosterdesk
