#include "common/text/code_page.h"

#include <array>
#include <utility>

namespace korvath {

namespace {

// 0x80-0x9F in Windows-1252; the undefined bytes keep their Latin-1 (C1 control) character.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

}  // namespace

char32_t codePageCharacter(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
    return byte;
}

std::optional<unsigned char> codePageByte(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) return static_cast<unsigned char>(character);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == character) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

std::u32string decodeCodePage(std::string_view bytes) {
    std::u32string out;
    out.reserve(bytes.size());
    for (char byte : bytes) out += codePageCharacter(static_cast<unsigned char>(byte));
    return out;
}

CodePageText encodeCodePage(std::u32string_view characters) {
    CodePageText out;
    out.bytes.reserve(characters.size());
    for (char32_t character : characters) {
        if (std::optional<unsigned char> byte = codePageByte(character)) {
            out.bytes += static_cast<char>(*byte);
        } else {
            out.bytes += '?';
            ++out.replaced;
        }
    }
    return out;
}

#ifndef _WIN32
namespace {

// The code point of the UTF-8 sequence at `at`, and its length; nullopt when it is not one.
std::optional<std::pair<char32_t, std::size_t>> utf8At(std::string_view text, std::size_t at) {
    unsigned char lead = static_cast<unsigned char>(text[at]);
    std::size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
    if (length == 0 || at + length > text.size()) return std::nullopt;
    char32_t character = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        unsigned char next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        character = (character << 6) | (next & 0x3F);
    }
    constexpr char32_t kShortest[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (character < kShortest[length] || character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF))
        return std::nullopt;
    return std::pair{character, length};
}

}  // namespace
#endif

std::string fileNameAsText(std::string_view name) {
#ifdef _WIN32
    return std::string(name);
#else
    std::string out;
    for (std::size_t at = 0; at < name.size();) {
        unsigned char byte = static_cast<unsigned char>(name[at]);
        auto sequence = byte >= 0x80 ? utf8At(name, at) : std::nullopt;
        if (!sequence) {
            out += static_cast<char>(byte);
            ++at;
            continue;
        }
        out += encodeCodePage(std::u32string(1, sequence->first)).bytes;
        at += sequence->second;
    }
    return out;
#endif
}

}  // namespace korvath
