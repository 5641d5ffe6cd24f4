// Build-time generator of the passage catalogue tables.
//
//   mz_pasajes_gen OUTPUT NAMESPACE NAME=SOURCE...
//
// Reads each catalogue source file and writes one C++ file that defines the
// table NAME over its entries in namespace NAMESPACE. The output is written
// to a temporary file and renamed into place, so a failed run leaves no
// half-written output that the build could take for up to date. On a fault it
// prints "file:line: what" and exits with status 1.
#include "scripture/PasajesSource.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::cerr << "usage: " << argv[0] << " OUTPUT NAMESPACE NAME=SOURCE...\n";
        return 2;
    }
    const std::string output = argv[1];
    std::vector<mz::TablaFuente> tables;
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto eq = arg.find('=');
        if (eq == std::string::npos || eq == 0) {
            std::cerr << argv[0] << ": expected NAME=SOURCE, got \"" << arg << "\"\n";
            return 2;
        }
        const std::string path = arg.substr(eq + 1);
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            std::cerr << path << ": cannot open\n";
            return 1;
        }
        const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        mz::TablaFuente table{arg.substr(0, eq), {}};
        std::string error;
        if (!mz::ParsePasajesSource(text, path, table.Pasajes, error)) {
            std::cerr << error << "\n";
            return 1;
        }
        tables.push_back(std::move(table));
    }

    const std::string temp = output + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << mz::EmitPasajesCpp(argv[2], tables);
        out.close();
        if (!out) {
            std::cerr << temp << ": cannot write\n";
            std::remove(temp.c_str());
            return 1;
        }
    }
    if (std::rename(temp.c_str(), output.c_str()) != 0) {
        std::cerr << output << ": cannot replace\n";
        std::remove(temp.c_str());
        return 1;
    }
    return 0;
}
