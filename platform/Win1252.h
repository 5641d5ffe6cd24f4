// Windows-1252 text conversion.
//
// Tables, settings, book names and catalogue titles are Windows-1252 byte
// strings; the desktop speaks Unicode. Every conversion between the two goes
// through these functions, so that the program agrees with itself about the
// code page everywhere.
//
// Decoding never fails: the five bytes the code page leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) decode to the C1 control of the same number, as the
// code page's own platform does, so that every byte string survives a round
// trip. Encoding replaces a character the code page cannot hold with '?' and
// reports that it did. Invalid UTF-8 decodes byte by byte as U+FFFD, which then
// encodes as '?'.
//
// Plain functions without state; any thread may call them.
#pragma once

#include <string>
#include <string_view>

namespace mz {

// One Windows-1252 byte as a Unicode code point.
char32_t cp1252ToCodePoint(unsigned char byte);

// The Windows-1252 byte for a code point, or -1 when the code page lacks it.
int codePointToCp1252(char32_t cp);

std::string cp1252ToUtf8(std::string_view bytes);

// UTF-8 to and from code points; invalid UTF-8 decodes byte by byte as
// U+FFFD.
std::u32string utf8ToCodePoints(std::string_view utf8);
std::string codePointsToUtf8(std::u32string_view text);

// `lossless`, when given, becomes false if any character was replaced.
std::string utf8ToCp1252(std::string_view utf8, bool* lossless = nullptr);

} // namespace mz
