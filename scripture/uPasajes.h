// The five passage catalogues: constant tables of titled references.
//
// Each entry pairs a title (a topic, a life situation, a promise, a word for
// married couples, a story or parable) with one reference: a book's Abrev,
// ":", a chapter, ":", and a verse or two verses joined by "-" ("Jer:1:5",
// "Sal:139:13-16"). Titles are Windows-1252 and are passed on exactly as
// stored; a carriage return in a title splits it into two lines of text.
//
// The tables are generated at build time from the source files of the
// catalogues and are constant-initialised, so they may be used at any time
// and from any thread. Entries of one title stand next to each other; the
// order carries no meaning, since the shell draws entries at random.
#pragma once

#include <span>
#include <string_view>

namespace mz {

struct TPasaje {
    std::string_view Titulo;
    std::string_view Referencia;
};

extern const std::span<const TPasaje> Temas;
extern const std::span<const TPasaje> Contextos;
extern const std::span<const TPasaje> Promesas;
extern const std::span<const TPasaje> Matrimonios;
extern const std::span<const TPasaje> Historias;

// The table that a source key of the settings draws on: "Temas",
// "Contextos", "Promesas", "Matrimonios", "Historias", and "Jovenes", which
// draws on Promesas. Empty for any other key.
std::span<const TPasaje> PasajesDeFuente(std::string_view fuente);

} // namespace mz
