#pragma once
// The game's 8-bit text: Windows-1252, with Latin-1's character for the five bytes that code
// page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D), so every byte stands for exactly one
// character and every byte comes back as it was.
#include <optional>
#include <string>
#include <string_view>

namespace korvath {

// The character (Unicode code point) a byte of 8-bit text stands for.
char32_t codePageCharacter(unsigned char byte);

// The byte that holds `character`; nullopt when the code page has none for it.
std::optional<unsigned char> codePageByte(char32_t character);

// 8-bit text as code points, one per byte.
std::u32string decodeCodePage(std::string_view bytes);

struct CodePageText {
    std::string bytes;
    std::size_t replaced = 0;  // characters the code page cannot hold, written as "?"
};
// Code points as 8-bit text, one byte per character.
CodePageText encodeCodePage(std::u32string_view characters);

// A file's name as the file system spells it (a narrow path string), as 8-bit text, for a
// file's contents that name it. Windows' narrow names are in the code page already; elsewhere
// names are UTF-8, and a byte that is not part of a UTF-8 sequence is kept as it is.
std::string fileNameAsText(std::string_view name);

}  // namespace korvath
