#include "exporter/convert/off_header.h"

#include <cctype>
#include <limits>

namespace korvath::convert {

namespace {

constexpr std::uint64_t kHuge = std::numeric_limits<std::uint64_t>::max() / 16;

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Skips blanks and comment lines up to the next token.
void skipToToken(std::string_view b, std::size_t& at) {
    for (;;) {
        while (at < b.size() && isSpace(b[at])) ++at;
        if (at >= b.size() || b[at] != '#') return;
        while (at < b.size() && b[at] != '\n') ++at;
    }
}

std::optional<std::uint64_t> readCount(std::string_view b, std::size_t& at) {
    skipToToken(b, at);
    const std::size_t first = at;
    std::uint64_t value = 0;
    while (at < b.size() && std::isdigit(static_cast<unsigned char>(b[at]))) {
        value = value < kHuge ? value * 10 + std::uint64_t(b[at] - '0') : kHuge;
        ++at;
    }
    if (at == first || (at < b.size() && !isSpace(b[at]))) return std::nullopt;
    return value;
}

}  // namespace

std::optional<OffCounts> offCounts(std::string_view bytes) {
    std::size_t at = 0;
    skipToToken(bytes, at);
    const std::size_t keyword = at;
    while (at < bytes.size() && std::isalpha(static_cast<unsigned char>(bytes[at]))) ++at;
    const std::string_view word = bytes.substr(keyword, at - keyword);
    if (word.size() < 3 || word.substr(word.size() - 3) != "OFF") return std::nullopt;
    OffCounts counts;
    const auto vertices = readCount(bytes, at);
    const auto faces = vertices ? readCount(bytes, at) : std::nullopt;
    if (!faces) return std::nullopt;
    counts.vertices = *vertices;
    counts.faces = *faces;
    return counts;
}

bool offCountsExceed(const OffCounts& counts, std::uint64_t fileSize) {
    // "0 0 0\n" and "1 0\n": six and four bytes at the least.
    return counts.vertices > fileSize / 6 || counts.faces > fileSize / 4 ||
           counts.vertices * 6 + counts.faces * 4 > fileSize;
}

}  // namespace korvath::convert
