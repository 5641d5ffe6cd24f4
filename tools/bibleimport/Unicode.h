// Code-point helpers for the importer's text clean-up.
//
// Module text arrives as UTF-8; the clean-up works on code points so that
// letters, case and blanks are judged the same way for "a" and for "á". Only
// the scripts a Windows-1252 table can end up holding matter here: Latin with
// its accents, plus Greek and Cyrillic so that a foreign module's text is still
// judged sensibly before the code-page check rejects it.
//
// Plain functions without state; any thread may call them.
#pragma once

#include <string>
#include <string_view>

namespace mz::bibleimport {

// Invalid UTF-8 decodes byte by byte as U+FFFD.
std::u32string decodeUtf8(std::string_view utf8);
std::string encodeUtf8(std::u32string_view text);

bool isLetter(char32_t c);
bool isUpper(char32_t c);
bool isLower(char32_t c);
char32_t toUpper(char32_t c);
char32_t toLower(char32_t c);

// Blank-like characters that the table stores as one ordinary blank.
bool isBlank(char32_t c);

// Characters that carry no text at all (controls, zero-width marks).
bool isInvisible(char32_t c);

std::u32string lowerCase(std::u32string_view word);

// First letter upper case, the rest lower case.
std::u32string titleCase(std::u32string_view word);

} // namespace mz::bibleimport
