// Small tables shared by the engine tests.
#pragma once

#include "sqlxml/StrGrid.h"
#include "tests/sqlxml/TestDir.h"

#include <string>
#include <vector>

namespace mz::test {

inline const std::string kDecl = "<?xml version='1.0' encoding='ISO-8859-1'?>";

inline std::string Record(std::initializer_list<std::string> values) {
    std::string out = "\t<record>\r\n";
    for (const auto& v : values)
        out += "\t\t<field>" + v + "</field>\r\n";
    return out + "\t</record>\r\n";
}

inline std::string FavHeader(int lastId) {
    return "<table fields=\"ID,Titulo,VersoID\" types=\"autoinc,string,string\" lastid=\"" +
           std::to_string(lastId) + "\">\r\n";
}

// Three favourites, ids 5 to 7, the last with an empty title.
inline std::string Favoritos() {
    return kDecl + "\r\n" + FavHeader(7) + Record({"5", "Salmo 23", "Sal:23:1-6"}) +
           Record({"6", "amor", "1Co:13:4-7"}) + Record({"7", "", "Jn:3:16"}) + "</table>\r\n";
}

// A few verses, deliberately out of ID order.
inline std::string Verses() {
    return kDecl + "\r\n" + "<table fields=\"ID,VerseID,VerseText\" types=\"integer,string,string\">\r\n" +
           Record({"3", "Gn:1:3", "Y dijo Dios: Sea la luz: y fue la luz."}) +
           Record({"1", "Gn:1:1", "En el principio crió Dios los cielos y la tierra."}) +
           Record({"2", "Gn:1:2", "Y la tierra estaba desordenada y vacía"}) +
           Record({"240", "Gn:10:1", "Estas son las generaciones"}) +
           Record({"260", "Gn:11:1", "Era entonces toda la tierra"}) +
           Record({"123", "Gn:5:24", "Caminó pues Enoc con Dios"}) + "</table>\r\n";
}

struct Outcome {
    bool complete = false;
    int rows = 0;
    int cols = 0;
    std::vector<std::string> cells;
    std::string lastMessage;

    // The message of a message result, or "" for data.
    std::string message() const {
        return cols == 1 && rows == 2 && cells.size() == 2 && cells[0] == "Result" ? cells[1] : "";
    }
};

inline Outcome Exec(const TestDir& dir, const std::string& sql, TFileLayer& files = DefaultFileLayer()) {
    TLogFile log;
    TStrGrid g(log, files);
    g.DataBase = dir.db();
    Outcome o;
    o.complete = g.ExecSql(sql);
    o.rows = g.RowCount;
    o.cols = g.ColCount;
    o.cells = g.Cells();
    o.lastMessage = log.LastMessage;
    return o;
}

} // namespace mz::test
