// The bibleimport command: reads an installed SWORD Bible module and writes
// the program's verse table file.
//
//   bibleimport [-m MODULE] [-o FILE] [-n NUMBERING]
//
// MODULE defaults to spaRV1909eb (the Reina-Valera 1909), FILE to RV1960n.xml
// in the current directory, NUMBERING to the numbering file named after the
// module in the importer's own directory, when there is one (see
// Numbering.h); without one the module must fit the table as it is.
//
// Progress goes to stderr while it is a terminal; a failure is one line on
// stderr ("bibleimport: ..."). The output file is written beside its final
// name first and renamed into place, so that a failed import leaves any
// earlier table untouched. Exit status: 0 done, 1 failed, 2 wrong usage.
//
// One call per process; not meant for concurrent use.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace mz::bibleimport {

int runImport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool terminal);

} // namespace mz::bibleimport
