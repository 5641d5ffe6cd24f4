// tAwkline: cuts a text into pieces at a set of separator characters.
//
// Each separator ends the current piece, so two separators in a row give an
// empty piece; a last piece is kept only when it is not empty ("a,,b," gives
// "a", "", "b"; "," gives one empty piece; "" gives none). Quotes mean
// nothing to it. The engine uses it with a single blank (header lines) and a
// single comma (name, type, column, value and alias lists).
// A plain value type; any thread.
#pragma once

#include <bitset>
#include <string>
#include <string_view>
#include <vector>

namespace mz {

class tAwkline {
public:
    tAwkline(std::string_view text, std::string_view separators);

    int Count() const { return static_cast<int>(Pieces.size()); }
    const std::string& Get(int i) const { return Pieces.at(static_cast<size_t>(i)); }

    std::vector<std::string> Pieces;
    std::bitset<256> Separators;
};

} // namespace mz
