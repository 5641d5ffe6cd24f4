// bibleimport: writes the program's verse table from an installed SWORD Bible
// module. See Importer.h.
#include "tools/bibleimport/Importer.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return mz::bibleimport::runImport(args, std::cout, std::cerr, isatty(STDERR_FILENO) != 0);
}
