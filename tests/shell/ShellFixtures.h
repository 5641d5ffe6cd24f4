// Small verse and favourites tables in a temporary directory, and the place of
// the shipped verse table, for the shell's logic tests.
#pragma once

#include "platform/Win1252.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace mz::test {

// Test texts are written in UTF-8 and compared as Windows-1252 bytes.
inline std::string cp(const std::string& utf8) {
    return utf8ToCp1252(utf8);
}

// The directory of the shipped tables, with its trailing separator.
inline std::string ShippedDir() {
    return std::string(MZ_SOURCE_DIR) + "/data/";
}

class TableDir {
public:
    TableDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "mz-shell-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    TableDir(const TableDir&) = delete;
    TableDir& operator=(const TableDir&) = delete;
    ~TableDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }

    // The directory with its trailing separator, as the dataset wants it.
    std::string dir() const { return path_ + "/"; }

    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ + "/" + name, std::ios::binary) << bytes;
    }

    struct Row {
        std::string a, b, c;
    };

    // "RV1960n.xml" with rows of ID, VerseID and VerseText (UTF-8 in the test).
    void verses(const std::vector<Row>& rows) const {
        write("RV1960n.xml", table("fields=\"ID,VerseID,VerseText\" types=\"integer,string,string\"", rows));
    }
    // "Favoritos.xml" with rows of ID, Titulo and VersoID.
    void favourites(const std::vector<Row>& rows) const {
        write("Favoritos.xml",
              table("fields=\"ID,Titulo,VersoID\" types=\"autoinc,string,string\" lastid=\"" +
                        std::to_string(rows.size()) + "\"",
                    rows));
    }

private:
    static std::string table(const std::string& attributes, const std::vector<Row>& rows) {
        std::string out = "<?xml version='1.0' encoding='ISO-8859-1'?>\r\n<table " + attributes + ">\r\n";
        for (const Row& r : rows)
            out += "\t<record>\r\n\t\t<field>" + cp(r.a) + "</field>\r\n\t\t<field>" + cp(r.b) +
                   "</field>\r\n\t\t<field>" + cp(r.c) + "</field>\r\n\t</record>\r\n";
        return out + "</table>\r\n";
    }

    std::string path_;
};

// A chapter of five short verses and a one-verse chapter, numbered as in the
// Bible (Galatians 5 starts at 29166); and Genesis 1:1.
inline void WriteSmallVerseTable(const TableDir& d) {
    d.verses({
        {"1", "Gn:1:1", "En el principio crió Dios los cielos y la tierra."},
        {"29166", "Gl:5:1", "Estad, pues, firmes en la libertad."},
        {"29167", "Gl:5:2", "He aquí, yo Pablo os digo."},
        {"29168", "Gl:5:3", "Y otra vez vuelvo á protestar."},
        {"29169", "Gl:5:4", "Vacíos sois de Cristo."},
        {"29170", "Gl:5:5", "Mas nosotros por el Espíritu."},
        {"29210", "Ef:1:1", "Pablo, apóstol de Jesucristo."},
    });
}

} // namespace mz::test
