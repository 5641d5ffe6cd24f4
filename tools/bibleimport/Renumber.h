// Brings a module's verses onto the table's layout.
//
// The source is the module's text after clean-up, by book of the layout and
// by the module's own chapter and verse numbers. The numbering plan moves,
// joins and splits verses; every other verse of the layout takes the source
// verse of the same number. The result holds one verse for every verse of
// the layout, in canonical order, or an error:
//   - a rule that cannot be applied (a reference outside the layout or the
//     module, an empty verse, a split text that is missing or ambiguous, a
//     verse used twice) names its line in the numbering file;
//   - a module that does not fit names every book that differs, with the first
//     verse that has no text or the first text left over.
//
// Split pieces after the first begin with a capital letter, as every verse of
// the printed edition does. Joined verses are separated by one blank.
//
// Plain functions; any thread may call them.
#pragma once

#include "tools/bibleimport/Layout.h"
#include "tools/bibleimport/Numbering.h"

#include <string>
#include <vector>

namespace mz::bibleimport {

struct SourceBook {
    bool present = false;
    // chapters[c - 1][v - 1]; an empty text is a verse without text.
    std::vector<std::vector<std::string>> chapters;
};

// Indexed like the layout's books.
struct SourceBible {
    std::vector<SourceBook> books;
};

struct TableVerse {
    VerseRef ref;
    std::string text; // UTF-8
};

struct RenumberResult {
    std::vector<TableVerse> verses; // in ID order when `error` is empty
    std::string error;
    bool planError = false; // the error names a line of the numbering file
};

RenumberResult renumber(const Layout& layout, const NumberingPlan& plan, const SourceBible& source);

} // namespace mz::bibleimport
