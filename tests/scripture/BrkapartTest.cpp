#include "scripture/Brkapart.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Pieces = std::vector<std::string>;

struct Case {
    const char* base;
    const char* sep;
    bool allowEmpty;
    bool caseSensitive;
    Pieces expected;
};

const Case kCases[] = {
    {"Gn:1:1", ":", false, false, {"Gn", "1", "1"}},
    {"Jn:3:16-18", ":", false, false, {"Jn", "3", "16-18"}},
    {"16-18", "-", false, false, {"16", "18"}},
    // Empty pieces are dropped unless allowed.
    {":1:1", ":", false, false, {"1", "1"}},
    {"a::b", ":", false, false, {"a", "b"}},
    {"a:", ":", false, false, {"a"}},
    {"::", ":", false, false, {}},
    {"", ":", false, false, {}},
    {"a::b", ":", true, false, {"a", "", "b"}},
    {"a:", ":", true, false, {"a", ""}},
    {":a", ":", true, false, {"", "a"}},
    {"", ":", true, false, {""}},
    // An empty separator never occurs: the whole text is the one piece.
    {"Gn:1:1", "", false, false, {"Gn:1:1"}},
    {"", "", false, false, {}},
    // Case only matters for ASCII letters, and pieces keep their own case.
    {"axbXc", "X", false, false, {"a", "b", "c"}},
    {"axbXc", "X", false, true, {"axb", "c"}},
    {"aXbxc", "x", false, false, {"a", "b", "c"}},
    {"G\xC9n\xE9s", "\xE9", false, false, {"G\xC9n", "s"}},
    {"AbcDEFabcdef", "cD", false, false, {"Ab", "EFab", "ef"}},
    // Separators of several characters, overlapping candidates included.
    {"a--b--c", "--", false, false, {"a", "b", "c"}},
    {"a---b", "--", false, false, {"a", "-b"}},
    {"a-b", "--", false, false, {"a-b"}},
};

TEST(TBrkApart, CutsAtEverySeparator) {
    for (const Case& c : kCases) {
        mz::TBrkApart s;
        s.BaseString = c.base;
        s.BreakString = c.sep;
        s.AllowEmptyString = c.allowEmpty;
        s.CaseSensitive = c.caseSensitive;
        s.BreakApart();
        EXPECT_EQ(s.Pieces, c.expected) << '"' << c.base << "\" at \"" << c.sep << '"' << " allowEmpty "
                                        << c.allowEmpty << " caseSensitive " << c.caseSensitive;
    }
}

TEST(TBrkApart, OnlyBreakApartChangesThePieces) {
    mz::TBrkApart s;
    s.BreakString = ":";
    s.BaseString = "Gn:1:1";
    EXPECT_TRUE(s.Pieces.empty());
    s.BreakApart();
    s.BaseString = "Ap:22:21";
    EXPECT_EQ(s.Pieces, (Pieces{"Gn", "1", "1"}));
    // A second run replaces the list rather than adding to it.
    s.BreakApart();
    EXPECT_EQ(s.Pieces, (Pieces{"Ap", "22", "21"}));
}

} // namespace
