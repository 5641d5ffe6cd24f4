// The numbering file: how one SWORD module's verses are brought onto the
// table's layout.
//
// A module numbers some passages differently from the table (a chapter that
// starts a verse early, two verses printed as one, a verse printed as two).
// The numbering file records each such decision, so that an import is
// reproducible and every decision can be reviewed in one place. The importer
// only splits, joins and renumbers verse text; it never changes a word.
//
// Format: UTF-8 text, one statement per line; a line that begins with a blank
// continues the one before; "#" at the start of a line begins a comment.
//
//   drop-capitals
//       The printed edition sets the first word of each chapter in capitals
//       ("EN el principio"); the importer writes it in normal case.
//   TARGET = SOURCE
//       TARGET is a verse (Nm:12:16) or a range of the table (Nm:13:1-31,
//       Job:39:27-40:5); SOURCE names verses of the module:
//         Nm:13:2-32                   a range as long as TARGET, verse for verse;
//         Jue:14:18 + Jue:14:19        verses joined into the one TARGET verse;
//         Nm:13:33 / "También vimos"   one verse split before each quoted text
//                                      (which must occur once, in order) into
//                                      as many verses as TARGET has.
//
// Every verse of the table that no rule names takes the module's verse of the
// same number. References use the table's abbreviations.
//
// Plain values; any thread may use a const one.
#pragma once

#include "tools/bibleimport/Layout.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mz::bibleimport {

// A verse or a range of verses; `last` equals `first` for one verse.
struct RefRange {
    VerseRef first;
    VerseRef last;
};

struct NumberingRule {
    enum class Kind { Move, Join, Split };
    int line = 0;
    Kind kind = Kind::Move;
    RefRange target;
    RefRange source;                  // Move; Split uses source.first
    std::vector<VerseRef> joined;     // Join
    std::vector<std::string> anchors; // Split, UTF-8
};

struct NumberingPlan {
    bool dropCapitals = false;
    std::vector<NumberingRule> rules;
};

// Parses a numbering file. Book abbreviations are looked up in `books`
// (the table's). On failure returns nullopt and sets `error` to
// "line N: what is wrong".
std::optional<NumberingPlan> parseNumbering(std::string_view text, const std::vector<std::string>& books,
                                            std::string& error);

} // namespace mz::bibleimport
