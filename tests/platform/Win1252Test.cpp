#include "platform/Win1252.h"
#include "platform/QtText.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* cp1252;
    const char* utf8;
};

// Accented letters, the typographic punctuation of the 0x80 block and the
// undefined bytes, which decode to C1 controls so they survive a round trip.
const Case kCases[] = {
    {"G\xE9nesis", "G\xC3\xA9nesis"},
    {"\xBF Desea activarlo ?", "\xC2\xBF Desea activarlo ?"},
    {"\x93Si\x94", "\xE2\x80\x9CSi\xE2\x80\x9D"},
    {"...\x85", "...\xE2\x80\xA6"},
    {"\x80\x8A\x9F", "\xE2\x82\xAC\xC5\xA0\xC5\xB8"},
    {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
    {"\xFF\r\n", "\xC3\xBF\r\n"},
};

TEST(Win1252, DecodesAndEncodesBothWays) {
    for (const auto& c : kCases) {
        EXPECT_EQ(mz::cp1252ToUtf8(c.cp1252), c.utf8) << c.utf8;
        bool lossless = false;
        EXPECT_EQ(mz::utf8ToCp1252(c.utf8, &lossless), c.cp1252) << c.utf8;
        EXPECT_TRUE(lossless);
        EXPECT_EQ(mz::toCp1252(mz::fromCp1252(c.cp1252)), c.cp1252);
        EXPECT_EQ(mz::fromCp1252(c.cp1252), QString::fromUtf8(c.utf8));
    }
}

TEST(Win1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(mz::utf8ToCp1252(mz::cp1252ToUtf8(all)), all);
    EXPECT_EQ(mz::toCp1252(mz::fromCp1252(all)), all);
}

TEST(Win1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    const struct {
        const char* utf8;
        const char* expected;
    } cases[] = {
        {"\xCE\xB1\xCE\xB2", "??"},    // Greek letters
        {"a\xF0\x9F\x98\x80z", "a?z"}, // outside the BMP: one '?', not two
        {"\xC3", "?"},                 // cut sequence
        {"\xE0\x80\x80", "???"},       // over-long form
        {"\xC2\x85", "?"},             // C1 control the code page does not define
    };
    for (const auto& c : cases) {
        bool lossless = true;
        EXPECT_EQ(mz::utf8ToCp1252(c.utf8, &lossless), c.expected) << c.utf8;
        EXPECT_FALSE(lossless) << c.utf8;
        lossless = true;
        EXPECT_EQ(mz::toCp1252(QString::fromUtf8(c.utf8), &lossless), c.expected) << c.utf8;
        EXPECT_FALSE(lossless) << c.utf8;
    }
}

} // namespace

namespace {

TEST(Win1252, CodePointsOfUtf8) {
    EXPECT_EQ(mz::utf8ToCodePoints("G\xC3\xA9n \xE2\x80\x9C\xF0\x9F\x98\x80"), U"G\u00E9n \u201C\U0001F600");
    EXPECT_EQ(mz::utf8ToCodePoints("a\xC3z\xE0\x80\x80"), U"a\uFFFDz\uFFFD\uFFFD\uFFFD")
        << "a cut or over-long sequence gives one U+FFFD per byte";
    const std::string text = "\xC2\xBF Desea activarlo ? \xE2\x80\xA6";
    EXPECT_EQ(mz::codePointsToUtf8(mz::utf8ToCodePoints(text)), text);
}

} // namespace
