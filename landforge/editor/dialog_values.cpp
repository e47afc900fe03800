#include "landforge/editor/dialog_values.h"

#include <algorithm>
#include <charconv>

#include "landforge/terrain/reshape.h"

namespace landforge {

namespace {

std::string trimmed(const std::string& text) {
    std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Sign and digits of a whole number field; false when it is not one.
bool splitWhole(const std::string& text, bool& negative, std::string& digits) {
    std::string t = trimmed(text);
    negative = !t.empty() && t[0] == '-';
    if (!t.empty() && (t[0] == '-' || t[0] == '+')) t.erase(0, 1);
    digits = t;
    return !t.empty() && std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// printf's "%.Nf" in the C locale.
std::string fixedText(double value, int decimals) {
    char buffer[400];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

}  // namespace

int parseIntField(const std::string& text) {
    bool negative = false;
    std::string digits;
    if (!splitWhole(text, negative, digits)) return 0;
    long long value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size()) return 0;
    value = negative ? -value : value;
    return static_cast<int>(std::clamp<long long>(value, -2147483647LL - 1, 2147483647LL));
}

std::uint32_t parseUnsignedField(const std::string& text) {
    bool negative = false;
    std::string digits;
    if (!splitWhole(text, negative, digits) || negative) return 0;
    std::uint32_t value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size()) return 0;
    return value;
}

float parseRealField(const std::string& text) {
    std::string t = trimmed(text);
    if (!t.empty() && t[0] == '+') t.erase(0, 1);
    float value = 0;
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    (void)end;
    return ec == std::errc() ? value : 0.0f;
}

std::string formatThreeDecimals(float value) {
    std::string s = fixedText(value, 3);
    if (s.rfind("0.", 0) == 0) s.erase(0, 1);
    else if (s.rfind("-0.", 0) == 0) s.erase(1, 1);
    return s;
}

std::string heightAverageText(float mean) {
    return "The height average is : " + fixedText(mean, 6);
}

TerrainParamsValues paramsValuesOf(const TerrainParameters& p) {
    return {p.seed, p.dampening, p.initialHeight, p.seaLevel};
}

TerrainParamsValues withLimits(TerrainParamsValues v) {
    v.dampening = std::max(v.dampening, 1.0f);
    v.initialHeight = std::clamp(v.initialHeight, 0.0f, 255.0f);
    if (v.seaLevel >= 255.0f) v.seaLevel = 254.0f;
    if (v.seaLevel < 0.0f) v.seaLevel = 0.0f;
    return v;
}

FilterNoiseValues withLimits(FilterNoiseValues v) {
    v.maxNoise = std::max(v.maxNoise, 1);
    return v;
}

SmoothValues withLimits(SmoothValues v) {
    v.percent = std::clamp(v.percent, 1, 100);
    return v;
}

ReshapeValues reshapeValuesOf(const ToolSettings& tools, ReshapeMethod method) {
    float radius = method == ReshapeMethod::Peak ? tools.peakRadius
                   : method == ReshapeMethod::Dome ? tools.domeRadius
                                                   : tools.rippleRadius;
    return {static_cast<int>(radius / 10.0f), tools.rippleCycles};
}

void applyReshapeValues(ToolSettings& tools, ReshapeMethod method, ReshapeValues v) {
    switch (method) {
    case ReshapeMethod::Peak:
        return setPeakRadius(tools, v.radius);
    case ReshapeMethod::Dome:
        return setDomeRadius(tools, v.radius);
    case ReshapeMethod::Ripple:
        return setRippleMethod(tools, v.radius, v.cycles);
    }
}

}  // namespace landforge
