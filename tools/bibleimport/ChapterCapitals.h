// The printed edition's capitals at the start of a chapter.
//
// Printed Bibles set the first word of each chapter in capitals ("EN el
// principio", "Y MOISÉS dijo"); the table writes it in normal case ("En el
// principio", "Y Moisés dijo"). A name keeps its capital: a word counts as a
// name when the module, everywhere else, writes it with a capital inside a
// sentence more often than in lower case (NameIndex).
//
// The opening word is the first word in capitals of a chapter's first verse;
// it may follow a psalm's title ("Salmo de David. RESPÓNDEME cuando clamo").
// Single capital letters just before it ("Y", "A") and further words in
// capitals just after it ("DE DOCE años") belong to it. A word in capitals
// followed by a full stop is a label, not an opening ("ALEPH."). In any other
// verse only an opening word in capitals that begins the verse and is followed
// by a word in lower case is taken ("HUBO en los días de Herodes").
//
// A NameIndex is filled once and then only read; any thread may read it.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace mz::bibleimport {

class NameIndex {
public:
    // Counts the words of one verse (UTF-8).
    void add(std::string_view text);

    // `lowerWord` in lower case.
    bool isName(std::u32string_view lowerWord) const;

private:
    struct Uses {
        int capitalised = 0; // inside a sentence
        int lower = 0;
    };
    std::unordered_map<std::u32string, Uses> uses_;
};

// Returns `text` (UTF-8) with its opening words in capitals written in normal
// case; `chapterStart` tells whether the verse is the first of its chapter.
std::string normaliseOpening(std::string_view text, bool chapterStart, const NameIndex& names);

} // namespace mz::bibleimport
