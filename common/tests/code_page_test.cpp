#include "common/text/code_page.h"

#include <gtest/gtest.h>

using korvath::codePageByte;
using korvath::codePageCharacter;
using korvath::decodeCodePage;
using korvath::encodeCodePage;

TEST(CodePage, HighBytesStandForTheirWindows1252Characters) {
    struct Case {
        unsigned char byte;
        char32_t character;
    };
    // The five bytes Windows-1252 leaves undefined keep Latin-1's character.
    const Case cases[] = {{0x41, U'A'},    {0x80, U'\u20AC'}, {0x81, 0x81},       {0x8A, U'\u0160'},
                          {0x8D, 0x8D},    {0x8F, 0x8F},      {0x90, 0x90},       {0x93, U'\u201C'},
                          {0x99, U'\u2122'}, {0x9D, 0x9D},    {0x9F, U'\u0178'},  {0xA0, 0xA0},
                          {0xE9, U'\u00E9'}, {0xFC, U'\u00FC'}, {0xFF, U'\u00FF'}, {0x00, 0x00}};
    for (const Case& c : cases) {
        EXPECT_EQ(codePageCharacter(c.byte), c.character) << int(c.byte);
        EXPECT_EQ(codePageByte(c.character), c.byte) << int(c.byte);
    }
}

TEST(CodePage, EveryByteComesBackAsItWas) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    std::u32string characters = decodeCodePage(all);
    ASSERT_EQ(characters.size(), 256u);
    auto back = encodeCodePage(characters);
    EXPECT_EQ(back.bytes, all);
    EXPECT_EQ(back.replaced, 0u);
}

#ifndef _WIN32
TEST(CodePage, AFileNameInUtf8BecomesOneByteACharacter) {
    struct Case {
        const char* name;
        const char* text;
    };
    const Case cases[] = {
        {"Chlo\xC3\xA9.bm", "Chlo\xE9.bm"},            // é
        {"\xE2\x82\xAC \xC5\x93.bm", "\x80 \x9C.bm"},   // € œ
        {"\xCE\xA9.bm", "?.bm"},                       // Ω has no byte
        {"Caf\xE9.bm", "Caf\xE9.bm"},                   // not UTF-8: the byte stays
        {"\xC3(.bm", "\xC3(.bm"},                       // a broken sequence
        {"\xC0\x80.bm", "\xC0\x80.bm"},                  // an overlong one
        {"plain.bm", "plain.bm"},
    };
    for (const Case& c : cases) EXPECT_EQ(korvath::fileNameAsText(c.name), c.text) << c.name;
}
#endif

TEST(CodePage, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach) {
    // C1 controls that Windows-1252 puts other characters on, a Greek letter, an emoji.
    for (char32_t outside : {char32_t(0x80), char32_t(0x9F), U'\u03A9', U'\U0001F600', U'\u0100'})
        EXPECT_FALSE(codePageByte(outside).has_value()) << unsigned(outside);
    auto text = encodeCodePage(U"Chlo\u00E9 \u03A9\U0001F600\u20AC");
    EXPECT_EQ(text.bytes, "Chlo\xE9 ??\x80");
    EXPECT_EQ(text.replaced, 2u);
}
