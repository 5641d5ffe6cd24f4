// TBrkApart: cuts a text into pieces at every occurrence of a separator.
//
// Set BreakString and BaseString, call BreakApart, read Pieces. Setting the
// two texts cuts nothing; only BreakApart fills Pieces, and it empties the
// list first. Empty pieces are kept only with AllowEmptyString. Without
// CaseSensitive the separator is found regardless of ASCII letter case (A to Z
// only; accented Windows-1252 letters compare as they are), but the pieces are
// always cut from the text as given.
//
// The object owns its texts and its piece list. It has no hidden state and no
// lock: one thread at a time.
#pragma once

#include <string>
#include <vector>

namespace mz {

class TBrkApart {
public:
    std::string BaseString;
    std::string BreakString;
    bool AllowEmptyString = false;
    bool CaseSensitive = false;
    // The result of the last BreakApart, in text order.
    std::vector<std::string> Pieces;

    void BreakApart();
};

} // namespace mz
