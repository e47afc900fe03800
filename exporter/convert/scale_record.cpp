#include "exporter/convert/scale_record.h"

#include "common/files/atomic_file.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <system_error>

namespace korvath::convert {

namespace {

constexpr std::string_view kKey = "scale=";
constexpr std::size_t kLongestRecord = 64;

}  // namespace

std::filesystem::path scaleRecordPath(const std::filesystem::path& animationPath) {
    std::filesystem::path record = animationPath;
    record += ".scale";
    return record;
}

std::string formatScaleRecord(float scale) {
    char digits[32];
    const auto written = std::to_chars(digits, digits + sizeof digits, scale);  // shortest exact form
    return std::string(kKey) + std::string(digits, written.ptr) + "\r\n";
}

std::optional<float> parseScaleRecord(std::string_view text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
    if (text.substr(0, kKey.size()) != kKey) return std::nullopt;
    text.remove_prefix(kKey.size());
    float scale = 0.0f;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), scale);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(scale) || scale <= 0.0f)
        return std::nullopt;
    return scale;
}

StoredScale readScaleRecord(const std::filesystem::path& recordPath) {
    std::error_code ec;
    if (!std::filesystem::exists(recordPath, ec)) return StoredScale(std::nullopt);
    std::ifstream in(recordPath, std::ios::binary);
    if (!in.is_open()) return StoredScale::failure("cannot read " + recordPath.string());
    std::string text(kLongestRecord + 1, '\0');
    in.read(text.data(), std::streamsize(text.size()));
    text.resize(std::size_t(in.gcount()));
    const std::optional<float> scale = text.size() <= kLongestRecord ? parseScaleRecord(text) : std::nullopt;
    if (!scale) return StoredScale::failure(recordPath.string() + " is not a scale record (a line \"scale=F\")");
    return StoredScale(scale);
}

Status writeScaleRecord(const std::filesystem::path& recordPath, float scale) {
    return writeFileAtomically(recordPath, formatScaleRecord(scale));
}

}  // namespace korvath::convert
