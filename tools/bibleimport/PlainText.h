// Plain text of a module's verse entry.
//
// The table holds plain text only: no Strong's numbers, notes or markup, one
// blank between words and none at either end. `osisToPlain` reads one OSIS
// verse entry; text of any other markup is first stripped by SWORD and then
// passes through `tidyBlanks`.
//
// OSIS modules mark the words a translation added (<transChange>) without
// always leaving a blank where the added words meet their neighbours
// ("allí<transChange>también</transChange>bdelio"). Where letters meet at
// such a border a blank is put in, except where the added word is a pronoun
// written onto the verb before it ("sáca<transChange>lo</transChange>",
// "sácalo"): the verb is recognised by its ending (an infinitive in -r, an
// imperative in -d), by a written accent or by being one of the short
// imperatives, and never when it is a capitalised word inside a sentence (a
// name: "Josué<transChange>los</transChange>").
//
// Plain functions without state; any thread may call them. Text is UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace mz::bibleimport {

std::string osisToPlain(std::string_view osis);

// Blank-like characters become one blank, invisible ones go, runs of blanks
// shrink to one, and both ends are trimmed.
std::string tidyBlanks(std::string_view text);

} // namespace mz::bibleimport
