#include "common/text/code_page.h"

#include <array>

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

}  // namespace korvath
