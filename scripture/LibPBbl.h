// The 66 books of the Bible and the look-ups between the forms of a book name
// and a verse reference, plus the random choice of a verse.
//
// `Libros` is constant data in canonical order (Genesis first). Verse IDs
// number the 31,106 verses of the verse table consecutively in that order, so
// a book's verses are PrimerID to UltimoID() and the next book starts right
// after; the Old Testament is 1 to 23,146. All texts are Windows-1252 bytes and
// every name comparison is exact and case-sensitive.
//
// A reference is abbreviation ":" chapter ":" verse (Gn:1:1), or with a verse
// range ":" first "-" last (1Co:13:4-7). The look-ups never fail on names that
// are not in the table: they give empty text, the input unchanged or 0, as each
// declaration says. Only RefBookAbbr throws, for a reference with no text
// between its colons at all.
//
// The random functions share one process-wide generator. The shell re-seeds it
// from the clock (Randomize) before each pick; tests seed it (SeedRandom) to
// get repeatable draws.
//
// Threads: the user-interface thread only. LibBrkApart and the generator are
// shared and not re-entrant.
#pragma once

#include "scripture/Brkapart.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace mz {

struct TLibro {
    std::string_view Nombre;      // full name: "San Mateo"
    std::string_view NombreCorto; // shown in verse headings: "Mateo"
    std::string_view Abrev;       // first part of every reference: "Mt"
    int Capitulos;
    int PrimerID;
    int NumVersos;
    std::string_view Testamento; // "AT" or "NT", the source keys of the testaments
    std::string_view Grupo;      // heading in the citation tree; empty: directly under the testament

    constexpr int UltimoID() const { return PrimerID + NumVersos - 1; }
};

inline constexpr int kNumLibros = 66;
inline constexpr int kTotalVersos = 31106;
inline constexpr int kUltimoIDAT = 23146;
inline constexpr std::string_view kNombreAT = "Antiguo Testamento";
inline constexpr std::string_view kNombreNT = "Nuevo Testamento";

extern const std::array<TLibro, kNumLibros> Libros;

// The row whose Abrev equals `abbr`, or null.
const TLibro* LibroPorAbrev(std::string_view abbr);

// The splitter the look-ups below use; each use overwrites its settings and
// pieces. Not owned by the caller.
TBrkApart& LibBrkApart();

// The first non-empty piece of `ref` cut at ":": "Gn:1:1" and "Gn" give "Gn",
// ":1:1" gives "1". Throws std::invalid_argument when there is no such piece
// (empty text or only colons).
std::string RefBookAbbr(std::string_view ref);

// NombreCorto of the book with this abbreviation, or empty text.
std::string AbbrToShortName(std::string_view abbr);

// Abrev of the book with this full name, or empty text ("Mateo" is a short
// name and gives empty text).
std::string FullNameToAbbr(std::string_view fullName);

// The full name for one of the ten short names that differ from it ("Judas"
// gives "San Judas"); every other text comes back unchanged.
std::string ShortToFullName(std::string_view shortName);

// The chapter count, as decimal text, of the book that the reference (or bare
// abbreviation) names: "Sal:1:1" and "Sal" give "150". Empty text when the
// book is unknown, also for a reference with no piece.
std::string ChapterCount(std::string_view ref);

// A verse ID drawn uniformly from the closed range of the source key: "Bbl"
// the whole Bible, "AT" or "NT" a testament, or a book's Abrev. Any other key
// (also "Biblia" or a full name) gives 0 without a draw.
int RandomVerseID(std::string_view key);

// A uniform draw in [0, n) from the same generator; 0 without a draw when n is 0.
std::size_t RandomIndex(std::size_t n);

// Re-seeds the generator from the clock. Two calls never give the same seed,
// however close together.
void Randomize();

// Re-seeds the generator with a fixed seed, for repeatable sequences.
void SeedRandom(std::uint64_t seed);

} // namespace mz
