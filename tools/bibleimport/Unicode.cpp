#include "tools/bibleimport/Unicode.h"

#include "platform/Win1252.h"

namespace mz::bibleimport {

namespace {

// Latin Extended-A pairs upper and lower case in neighbouring code points;
// which of the two is upper case flips in the middle of the block.
bool latinExtendedUpper(char32_t c) {
    if (c >= 0x100 && c <= 0x137)
        return c % 2 == 0;
    if (c >= 0x139 && c <= 0x148)
        return c % 2 == 1;
    if (c >= 0x14A && c <= 0x177)
        return c % 2 == 0;
    if (c >= 0x179 && c <= 0x17E)
        return c % 2 == 1;
    return false;
}

bool latinExtendedLower(char32_t c) {
    if (c >= 0x100 && c <= 0x137)
        return c % 2 == 1;
    if (c >= 0x139 && c <= 0x148)
        return c % 2 == 0;
    if (c >= 0x14A && c <= 0x177)
        return c % 2 == 1;
    if (c >= 0x179 && c <= 0x17E)
        return c % 2 == 0;
    return false;
}

} // namespace

std::u32string decodeUtf8(std::string_view s) {
    return utf8ToCodePoints(s);
}

std::string encodeUtf8(std::u32string_view text) {
    return codePointsToUtf8(text);
}

bool isUpper(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || c == 0x178 ||
           latinExtendedUpper(c) || (c >= 0x391 && c <= 0x3A9) || (c >= 0x400 && c <= 0x42F);
}

bool isLower(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 0xDF && c <= 0xFF && c != 0xF7) || latinExtendedLower(c) ||
           (c >= 0x3B1 && c <= 0x3C9) || (c >= 0x430 && c <= 0x45F);
}

bool isLetter(char32_t c) {
    return isUpper(c) || isLower(c) || c == 0xAA || c == 0xBA || (c >= 0x180 && c <= 0x24F) ||
           (c >= 0x370 && c <= 0x3FF) || (c >= 0x400 && c <= 0x52F);
}

char32_t toUpper(char32_t c) {
    if (c >= 'a' && c <= 'z')
        return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 0x20;
    if (c == 0xFF)
        return 0x178;
    if (latinExtendedLower(c))
        return c - 1;
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2)
        return c - 0x20;
    if (c >= 0x430 && c <= 0x44F)
        return c - 0x20;
    if (c >= 0x450 && c <= 0x45F)
        return c - 0x50;
    return c;
}

char32_t toLower(char32_t c) {
    if (c >= 'A' && c <= 'Z')
        return c + 0x20;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 0x20;
    if (c == 0x178)
        return 0xFF;
    if (latinExtendedUpper(c))
        return c + 1;
    if (c >= 0x391 && c <= 0x3A9)
        return c + 0x20;
    if (c >= 0x410 && c <= 0x42F)
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40F)
        return c + 0x50;
    return c;
}

bool isBlank(char32_t c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == 0xA0 ||
           c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

bool isInvisible(char32_t c) {
    if (isBlank(c))
        return false;
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x200B && c <= 0x200F) || c == 0x2060 || c == 0xFEFF;
}

std::u32string lowerCase(std::u32string_view word) {
    std::u32string out(word);
    for (auto& c : out)
        c = toLower(c);
    return out;
}

std::u32string titleCase(std::u32string_view word) {
    std::u32string out = lowerCase(word);
    if (!out.empty())
        out[0] = toUpper(out[0]);
    return out;
}

} // namespace mz::bibleimport
