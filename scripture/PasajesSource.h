// Reading the catalogue source files and writing them out as C++ tables.
//
// A source file is UTF-8 text (a byte-order mark is allowed), one entry per
// line: the title, one tab, the reference. Lines end at LF (a CR before it is
// dropped); the last line may lack its LF. No blank lines, no comments. In a
// title the two characters backslash and "r" stand for a carriage return,
// which splits the title into two lines when shown; no other escape exists.
//
// Entries come out in Windows-1252, in file order. A line that breaks these
// rules, or a character that Windows-1252 lacks, is an error naming the file
// and line: the build stops rather than compile a damaged catalogue. Whether
// the titles and references are the right ones is for the tests to say.
//
// Used by the build-time generator and its tests; plain functions, no state.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mz {

struct PasajeFuente {
    std::string Titulo;     // Windows-1252, CR where the source has "\r"
    std::string Referencia; // Windows-1252
};

struct TablaFuente {
    std::string Nombre; // the C++ name of the table: "Temas"
    std::vector<PasajeFuente> Pasajes;
};

// Parses one source file into `out`. On the first fault returns false and sets
// `error` to "fileName:line: what is wrong".
bool ParsePasajesSource(std::string_view utf8, std::string_view fileName, std::vector<PasajeFuente>& out,
                        std::string& error);

// A C++ source defining, in namespace `ns`, for each table a
// `const std::span<const mz::TPasaje>` of that name over its entries.
std::string EmitPasajesCpp(std::string_view ns, const std::vector<TablaFuente>& tables);

} // namespace mz
