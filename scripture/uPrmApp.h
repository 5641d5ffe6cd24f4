// The settings record and its persistence in "Kovrin.ini".
//
// PrmApp is the one record that the shell and the options dialog read and
// write; it is all zero until the first LoadPrmApp. The file lies in the
// program's directory and is read and written only through PrmIniList, an INI
// list titled "Kovrin" that lives for the whole run.
//
// LoadPrmApp reloads the file, then reads the eight keys. A key that is
// missing, empty or unreadable gives its field's default; an integer keeps the
// low bits that fit its field (Posicion 257 loads as 1, Segundos -1 as 65535).
// When the file cannot be read the error (FileError) passes to the caller and
// the record keeps the values it had. SavePrmApp writes the eight fields into
// the list, then replaces the file atomically; when that fails the error
// passes to the caller, the old file stays whole, and the list already holds
// the new values. Nothing else writes the file.
//
// The program's directory defaults to the directory of the running executable;
// the shell sets it with SetProgramDirectory before the first load.
//
// User-interface thread only: the record and the list have no lock.
#pragma once

#include "scripture/IniList.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace mz {

struct TPrmApp {
    // "Biblia", "AT", "NT", "Promesas", "Temas", "Contextos", "Jovenes",
    // "Matrimonios", "Historias", "Favoritos", or else a book's full name.
    std::string FuenteVersos;
    std::uint16_t Segundos = 0;   // seconds between two passages
    std::uint8_t Posicion = 0;    // alert-window position index
    std::uint8_t Amplitud = 0;    // characters per wrapped line
    std::uint8_t Estilo = 0;      // alert-window style index
    std::uint8_t Icono = 0;       // alert-window icon index
    bool AutoHide = false;        // the alert window closes by itself
    std::uint16_t Desplegado = 0; // seconds on screen when AutoHide

    bool operator==(const TPrmApp&) const = default;
};

extern TPrmApp PrmApp;

inline constexpr std::string_view kPrmTitle = "Kovrin";
inline constexpr std::string_view kPrmFileName = "Kovrin.ini";

// The program's directory, with its trailing "/".
std::string ProgramDirectory();
// Sets the program's directory (a missing trailing "/" is added) and points
// PrmIniList at "Kovrin.ini" in it.
void SetProgramDirectory(std::string_view dir);

TIniList& PrmIniList();

void LoadPrmApp(TPrmApp& prm);
void SavePrmApp(const TPrmApp& prm);

// The same through another list, for tools and tests.
void LoadPrmApp(TPrmApp& prm, TIniList& ini);
void SavePrmApp(const TPrmApp& prm, TIniList& ini);

} // namespace mz
