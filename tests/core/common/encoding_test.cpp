#include "common/cp1251.h"
#include "common/textlines.h"

#include <gtest/gtest.h>

using namespace velmora;

// Well-formed UTF-8 by RFC 3629, section 4; everything else is read as Windows-1251.
TEST(TextEncoding, ValidUtf8IsToldFromWindows1251)
{
    const std::pair<std::string, bool> cases[] = {
        {"", true},
        {"AC 70/11;11.4", true}, // ASCII
        {"АС 70/11 Ёё", true}, // two-byte Cyrillic
        {"1/К €, ≈ 中 \xF0\x9F\x98\x80", true}, // three and four bytes
        {"\xC0\xD1 70/11", false}, // "АС" in Windows-1251
        {"\xC4\xA8", true}, // "ДЁ" in Windows-1251 reads as U+0128
        {"\xC0\xAF", false}, // overlong "/"
        {"\xE0\x80\xAF", false}, // overlong, three bytes
        {"\xED\xA0\x80", false}, // a surrogate
        {"\xF4\x90\x80\x80", false}, // above U+10FFFF
        {"\xD0", false}, // cut at the end
        {"\xD0\x41", false}, // no continuation byte
        {"\x80", false}, // stray continuation byte
        {"\xF8\x88\x80\x80\x80", false}, // five-byte form
    };
    for (const auto &[bytes, valid] : cases) {
        EXPECT_EQ(IsValidUtf8(bytes), valid) << bytes;
        EXPECT_EQ(DetectTextEncoding(bytes), valid ? TextEncoding::Utf8 : TextEncoding::Windows1251)
            << bytes;
    }
    EXPECT_EQ(DetectTextEncoding("\xEF\xBB\xBF"
                                 "АС"),
              TextEncoding::Utf8);
    EXPECT_EQ(DetectTextEncoding("\xEF\xBB\xBF\xC0\xD1"), TextEncoding::Windows1251);
}

TEST(TextEncoding, LinesOfAUtf8FileKeepTheirTextAndLoseTheMark)
{
    TextLineReader utf8("\xEF\xBB\xBF"
                        "АС 70\r\nТК-50",
                        TextEncoding::Utf8);
    EXPECT_EQ(utf8.Next(), "АС 70");
    EXPECT_EQ(utf8.Next(), "ТК-50");
    EXPECT_TRUE(utf8.AtEnd());
    // Read as Windows-1251 the same bytes are what a wrong guess would show.
    TextLineReader cp1251("\xD0\x90", TextEncoding::Windows1251);
    EXPECT_EQ(cp1251.Next(), "Рђ");
}

TEST(Cp1251, NamesTheCharactersItCannotHold)
{
    struct Case
    {
        const char *text;
        const char *outside;
    } const cases[] = {
        {"АС 70/11 — «Ёж» №1", ""}, // dashes, quotes, Ё and № are in Windows-1251
        {"α 1 ✓ α", "α✓"},          {"wire ?", ""}, {"€™ 😀", "😀"}, {"", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CharactersOutsideCp1251(c.text), c.outside) << c.text;
}
