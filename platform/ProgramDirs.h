// Where the program finds its files.
//
// The program keeps its writable files (the settings "Kovrin.ini", the
// favourites table "Favoritos.xml") and its help page beside its executable,
// and reads the verse table "RV1960n.xml" from the shared data directory of
// the installation the executable belongs to. An installation, and the
// runnable copy the build stages, both lay the files out as:
//
//   <prefix>/lib/morvek-zefra/morvek-zefra      the executable, writable files
//   <prefix>/share/morvek-zefra/RV1960n.xml     the verse table
//
// so the shared directory is found from the executable alone, wherever the
// prefix is.
//
// Directories are returned as the file system spells them (its 8-bit
// encoding, which is what the table engine appends file names to), with a
// trailing "/". User-interface thread; after QCoreApplication exists.
#pragma once

#include <string>

namespace mz {

inline constexpr const char* kProgramName = "morvek-zefra";

// The executable's directory with its trailing separator.
std::string ExecutableDirectory();

// The installation's shared data directory, or empty text when it does not
// exist.
std::string SharedDataDirectory();

} // namespace mz
