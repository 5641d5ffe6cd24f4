// The verse table file.
//
// The file is line-oriented and XML-shaped; the program's table engine reads
// it line by line and never as XML. Every line ends with CR LF; text is
// Windows-1252, byte for byte:
//
//   <?xml version='1.0' encoding='ISO-8859-1'?>
//   <table fields="ID,VerseID,VerseText" types="integer,string,string">
//   	<record>
//   		<field>1</field>
//   		<field>Gn:1:1</field>
//   		<field>En el principio crió Dios los cielos y la tierra.</field>
//   	</record>
//   	...
//   </table>
//
// (record lines are indented with one tab, field lines with two). ID is the
// verse number (1 to 31,106 in canonical order), VerseID the verse's
// reference, VerseText its text. A value cannot hold "<" (it would end the
// value), CR or LF (they would end the line); `tableTextProblem` finds the
// characters a verse text may not carry, and `formatVerseTable` refuses a
// table that holds one, naming the verse.
//
// Plain functions; any thread may call them.
#pragma once

#include "tools/bibleimport/Layout.h"
#include "tools/bibleimport/Renumber.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mz::bibleimport {

// Empty when `utf8` can be stored as a table value in Windows-1252; otherwise
// a short description of the first character that cannot ("«ε» no cabe en
// Windows-1252").
std::string tableTextProblem(std::string_view utf8);

// The whole table file. On failure returns nullopt and sets `error` to the
// offending verse's reference and problem.
std::optional<std::string> formatVerseTable(const Layout& layout, const std::vector<TableVerse>& verses,
                                            std::string& error);

} // namespace mz::bibleimport
