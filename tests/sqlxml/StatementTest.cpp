#include "tests/sqlxml/Fixtures.h"

#include <gtest/gtest.h>

namespace {

using namespace mz::test;
using Rows = std::vector<std::string>;

constexpr const char* kOk = "Command finished succesfully";
constexpr const char* kUnknownWord = "Error: Unknown word in SQL expression";

// The application's statements and the dialect's corners, on the verse and
// favourites fixtures: the result cells (header row first) or the message.
struct SelectCase {
    const char* sql;
    int cols;
    Rows cells; // every cell, row by row; empty when `message` is expected
    const char* message = "";
};

const SelectCase kSelects[] = {
    {"select * from RV1960n where VerseID = \"Gn:1:1\"",
     3,
     {"ID", "VerseID", "VerseText", "1", "Gn:1:1", "En el principio crió Dios los cielos y la tierra."}},
    {"select * from RV1960n where ID = \"123\"",
     3,
     {"ID", "VerseID", "VerseText", "123", "Gn:5:24", "Caminó pues Enoc con Dios"}},
    {"select ID from RV1960n where VerseID like \"Gn:1:%\" Order By ID", 1, {"ID", "1", "2", "3"}},
    {"select ID from RV1960n Order By ID", 1, {"ID", "1", "2", "3", "123", "240", "260"}},
    {"select * from rv1960n where VerseID like \"%:24\"",
     3,
     {"ID", "VerseID", "VerseText", "123", "Gn:5:24", "Caminó pues Enoc con Dios"}},
    {"select Titulo from Favoritos as Nombre", 1, {"Nombre", "Salmo 23", "amor", ""}},
    {"select VersoID, titulo from favoritos where ID > 5",
     2,
     {"VersoID", "Titulo", "1Co:13:4-7", "amor", "Jn:3:16", ""}},
    {"select Titulo,ID from Favoritos where ID < 7 order by Titulo",
     2,
     {"Titulo", "ID", "amor", "6", "Salmo 23", "5"}},
    {"select * from Favoritos where Titulo = \"\"", 3, {"ID", "Titulo", "VersoID"}},
    {"select * from Favoritos where ID = 99", 3, {"ID", "Titulo", "VersoID"}},
    {"select * from Missing", 0, {}, kUnknownWord},
    {"hello world", 0, {}, kUnknownWord},
    {"select", 0, {}, kUnknownWord},
    {"select * from Favoritos Order By", 0, {}, "Error: Missed param after ORDER BY"},
    {"select Titulo from Favoritos order by ID", 0, {}, "Error: ORDER BY param is not correct"},
    {"select * from RV1960n where Libro = \"Gn\"", 0, {}, kUnknownWord},
    {"select * from RV1960n where ID = \"uno\"", 0, {}, "Error: in WHERE clause"},
    {"select Titulo, Nota from Favoritos", 0, {}, "Error: in SELECT clause"},
    {"select * from Favoritos as", 0, {}, kUnknownWord},
};

class Statements : public ::testing::Test {
protected:
    void SetUp() override {
        dir.write("RV1960n.xml", Verses());
        dir.write("Favoritos.xml", Favoritos());
    }
    TestDir dir;
};

TEST_F(Statements, SelectResultsAndMessages) {
    for (const auto& c : kSelects) {
        const Outcome o = Exec(dir, c.sql);
        EXPECT_TRUE(o.complete) << c.sql;
        if (*c.message) {
            EXPECT_EQ(o.message(), c.message) << c.sql;
        } else {
            EXPECT_EQ(o.cols, c.cols) << c.sql;
            EXPECT_EQ(o.cells, c.cells) << c.sql;
            EXPECT_EQ(o.rows * o.cols, static_cast<int>(o.cells.size())) << c.sql;
            EXPECT_EQ(o.lastMessage, "") << c.sql;
        }
    }
    EXPECT_EQ(dir.read("Favoritos.xml"), Favoritos()) << "SELECT only reads";
    EXPECT_FALSE(dir.exists("Favoritos.xml.bak"));
}

TEST_F(Statements, OrderByConvertsAndComparesByType) {
    // Column names that the keyword lists contain ("N", "S") could not be
    // named after WHERE.
    dir.write("T.xml", kDecl + "\r\n<table fields=\"Num,Nom\" types=\"integer,string\">\r\n" +
                           Record({"10", "b"}) + Record({"x", "B"}) + Record({"9", "a"}) + "</table>\r\n");
    EXPECT_EQ(Exec(dir, "select * from T order by Num").message(), "Error: Data type problem");
    EXPECT_EQ(Exec(dir, "select Nom from T order by nom").cells, (Rows{"Nom", "a", "b", "B"}))
        << "case is ignored and equal keys keep their file order";
    EXPECT_EQ(Exec(dir, "select * from T where Nom = \"a\" order by Num").cells,
              (Rows{"Num", "Nom", "9", "a"}));
}

TEST_F(Statements, UnknownConditionColumnOverAnEmptyTable) {
    dir.write("E.xml", kDecl + "\r\n" + FavHeader(3) + "</table>\r\n");
    EXPECT_EQ(Exec(dir, "select * from E where Nada = 1").message(),
              "Error: Unknown field name in WHERE clause");
    const Outcome o = Exec(dir, "select * from E");
    EXPECT_EQ(o.cells, (Rows{"ID", "Titulo", "VersoID"})) << "the header row alone";
}

TEST_F(Statements, RecordReadingRules) {
    dir.write("Q.xml", kDecl +
                           "\n<table fields=\"A,B,C\" types=\"string,string,string\">\n"
                           "\t<record>\n\t\t<field>a>b</field>\n\t\t<field>a<b</field>\n\t\t<field></field>\n"
                           "\t</record>\n"
                           "  <Record id=\"x\">\n    <v>short</v>\n  </RECORD>\n"
                           "\t<record>\r\n<f>1</f>\r\n<f>2</f>\r\n<f>3</f>\r\n\t</record>\r\n"
                           "stray line\n</table>");
    EXPECT_EQ(Exec(dir, "select * from Q").cells,
              (Rows{"A", "B", "C", "a>b", "a", "", "short", "", "", "1", "2", "3"}));
}

TEST_F(Statements, InsertAppendsTheFavouriteAndAdvancesLastId) {
    const std::string before = Favoritos();
    const Outcome o = Exec(dir, "insert into Favoritos(Titulo, VersoID) values(\"Fe\", \"Heb:11:1\"");
    EXPECT_EQ(o.message(), "8");
    EXPECT_EQ(dir.read("Favoritos.xml"),
              kDecl + "\r\n" + FavHeader(8) + Record({"5", "Salmo 23", "Sal:23:1-6"}) +
                  Record({"6", "amor", "1Co:13:4-7"}) + Record({"7", "", "Jn:3:16"}) +
                  Record({"8", "Fe", "Heb:11:1"}) + "</table>\r\n");
    EXPECT_EQ(dir.read("Favoritos.xml.bak"), before) << "the backup keeps the previous content";
    EXPECT_FALSE(dir.exists("Favoritos.xml.tmp"));
    EXPECT_FALSE(dir.exists("Favoritos.xml.new"));
}

TEST_F(Statements, InsertValueForms) {
    const struct {
        const char* sql;
        const char* result;
        Rows record; // the record added, or empty when none is
    } cases[] = {
        {"insert into Favoritos(Titulo, VersoID) values(\"T\", \"Gn:1:1\")", "8", {"8", "T", "Gn:1:1\")"}},
        {"insert into Favoritos(Titulo, VersoID) values(\"T\", \"Gn:1:1\" )", "8", {"8", "T", "Gn:1:1"}},
        {"insert into Favoritos values(\"0\", \"T\", \"R\" )", "8", {"8", "T", "R"}},
        {"insert into Favoritos(VersoID) values(\"R\"", "8", {"8", "", "R"}},
        {"insert into Favoritos(Titulo, Nota) values(\"T\", \"x\"", "8", {"8", "T", ""}},
        {"insert into Favoritos(Titulo, VersoID) values(\"T\", \"a,b\"", "8", {"8", "T", "a"}},
        {"insert into Favoritos(Titulo, VersoID) values(\"a,b\", \"R\"", "8", {"8", "a", "b"}},
        {"insert into Favoritos values(\"T\", \"R\")", "Error: Definition of values", {}},
        {"insert into Favoritos(Titulo, VersoID) values(\"Salmo #23\", \"Sal:23:1\"",
         "Error: Definition of values",
         {}},
        {"insert into Favoritos(Titulo, VersoID)", "Error: Definition of values", {}},
    };
    for (const auto& c : cases) {
        dir.write("Favoritos.xml", Favoritos());
        EXPECT_EQ(Exec(dir, c.sql).message(), c.result) << c.sql;
        const Outcome all = Exec(dir, "select * from Favoritos where ID = 8");
        if (c.record.empty()) {
            EXPECT_EQ(dir.read("Favoritos.xml"), Favoritos()) << c.sql << ": a failed insert changes nothing";
        } else {
            ASSERT_EQ(all.cells.size(), 6u) << c.sql;
            EXPECT_EQ(Rows(all.cells.begin() + 3, all.cells.end()), c.record) << c.sql;
        }
    }
}

TEST_F(Statements, InsertHeaderVariants) {
    // Without lastid every record gets -1 and the header stays as it was.
    const std::string noLastId =
        kDecl + "\r\n<table fields=\"ID,T\" types=\"autoinc,string\">\r\n</table>\r\n";
    dir.write("A.xml", noLastId);
    EXPECT_EQ(Exec(dir, "insert into A(T) values(\"x\"").message(), "-1");
    EXPECT_EQ(dir.read("A.xml"), kDecl + "\r\n<table fields=\"ID,T\" types=\"autoinc,string\">\r\n" +
                                     Record({"-1", "x"}) + "</table>\r\n");

    // AUTOINC in capitals numbers the record, but the header written back
    // lacks lastid, so the following insert gets -1.
    dir.write("B.xml",
              kDecl + "\r\n<table fields=\"ID,T\" types=\"AUTOINC,string\" lastid=\"4\">\r\n</table>\r\n");
    EXPECT_EQ(Exec(dir, "insert into B(T) values(\"x\"").message(), "5");
    EXPECT_EQ(Exec(dir, "insert into B(T) values(\"y\"").message(), "-1");

    // A table whose first column is not numbered reports success, and the
    // log gets nothing for it.
    dir.write("C.xml", kDecl + "\r\n<table fields=\"K,V\" types=\"string,integer\">\r\n</table>\r\n");
    mz::TLogFile log;
    mz::TStrGrid g(log);
    g.DataBase = dir.db();
    ASSERT_TRUE(g.ExecSql("insert into C values(\"k\", \"1\")"));
    EXPECT_EQ(g.Cell(0, 1), kOk);
    EXPECT_EQ(log.Count(), 0);

    // A table without its end marker still takes the record, and the marker.
    const std::string open = kDecl + "\r\n" + FavHeader(1) + Record({"1", "a", "b"});
    dir.write("D.xml", open);
    EXPECT_EQ(Exec(dir, "insert into D(Titulo, VersoID) values(\"c\", \"d\"").message(), "2");
    EXPECT_EQ(dir.read("D.xml"), kDecl + "\r\n" + FavHeader(2) + Record({"1", "a", "b"}) +
                                     Record({"2", "c", "d"}) + "</table>\r\n");

    // No table file: no result at all, nothing created.
    const Outcome none = Exec(dir, "insert into Nada(T) values(\"x\"");
    EXPECT_FALSE(none.complete);
    EXPECT_TRUE(none.cells.empty());
    EXPECT_FALSE(dir.exists("Nada.xml"));
}

TEST_F(Statements, UpdateRewritesOnlyTheQualifyingRecords) {
    // Lines of untouched records stay byte for byte, odd indentation and all.
    const std::string odd =
        "  <record>\r\n <f>6</f>\r\n <f>amor</f>\r\n <f>1Co:13:4-7</f>\r\n  </record>\r\n";
    const std::string base = kDecl + "\r\n" + FavHeader(7) + Record({"5", "Salmo 23", "Sal:23:1-6"}) + odd +
                             "<!-- note -->\r\n" + "</table>\r\n";
    dir.write("Favoritos.xml", base);
    EXPECT_EQ(Exec(dir, "update Favoritos set Titulo=\"Salmo 23 (parte)\" where ID=5").message(), kOk);
    EXPECT_EQ(Exec(dir, "update Favoritos set VersoID=\"Sal:23:1-3\" where ID=5").message(), kOk);
    EXPECT_EQ(dir.read("Favoritos.xml"), kDecl + "\r\n" + FavHeader(7) +
                                             Record({"5", "Salmo 23 (parte)", "Sal:23:1-3"}) + odd +
                                             "<!-- note -->\r\n</table>\r\n");
    EXPECT_EQ(Exec(dir, "update Favoritos set Titulo=\"a,b\"").message(), kOk);
    EXPECT_EQ(Exec(dir, "select Titulo from Favoritos").cells, (Rows{"Titulo", "a,b", "a,b"}))
        << "an update keeps a comma in its value";
}

TEST_F(Statements, FailedRewritesLeaveTheTableAsItWas) {
    const char* cases[] = {
        "update Favoritos set Nota=\"x\" where ID=5",     // unknown SET column
        "update Favoritos set Titulo=\"a#b\" where ID=5", // the # cuts the statement short
        "update Favoritos set",                           // too short
        "update Favoritos set Titulo=\"x\" where Nada=5", // unknown condition column
        "delete from Favoritos where Nada = 5",
        "delete from Favoritos where",
    };
    dir.write("Favoritos.xml.bak", "previous backup");
    for (const char* sql : cases) {
        EXPECT_EQ(Exec(dir, sql).message(), "Error: Finding table") << sql;
        EXPECT_EQ(dir.read("Favoritos.xml"), Favoritos()) << sql;
        EXPECT_EQ(dir.read("Favoritos.xml.bak"), "previous backup") << sql;
        EXPECT_FALSE(dir.exists("Favoritos.xml.tmp")) << sql;
        EXPECT_FALSE(dir.exists("Favoritos.xml.new")) << sql;
    }
    EXPECT_EQ(Exec(dir, "update Nada set T=\"x\"").message(), "Error: Finding table");
    EXPECT_EQ(Exec(dir, "delete from Nada").message(), "Error: Finding table");
}

TEST_F(Statements, DeleteRemovesRecordsAndKeepsTheHeader) {
    EXPECT_EQ(Exec(dir, "delete from Favoritos where ID =6").message(), kOk);
    EXPECT_EQ(Exec(dir, "select ID from Favoritos").cells, (Rows{"ID", "5", "7"}));
    EXPECT_EQ(Exec(dir, "delete from Favoritos").message(), kOk);
    EXPECT_EQ(dir.read("Favoritos.xml"), kDecl + "\r\n" + FavHeader(7) + "</table>\r\n");
    EXPECT_EQ(Exec(dir, "insert into Favoritos(Titulo, VersoID) values(\"x\", \"y\"").message(), "8")
        << "ids continue from lastid";
}

TEST_F(Statements, CreateAndDropTables) {
    EXPECT_EQ(Exec(dir, "CREATE TABLE Notas (ID integer AUTO_INCREMENT, Texto varchar(100) NOT NULL, N int, "
                        "F double, D timestamp, PRIMARY KEY (ID))")
                  .message(),
              kOk);
    EXPECT_EQ(dir.read("Notas.xml"), crlf({kDecl,
                                           "<table fields=\"ID,Texto,N,F,D\" "
                                           "types=\"autoinc,string,integer,float,datetime\" lastid=\"-1\">",
                                           "</table>"}));
    EXPECT_EQ(Exec(dir, "insert into Notas(Texto) values(\"a\"").message(), "0");
    EXPECT_NE(dir.read("Notas.xml").find("lastid=\"0\""), std::string::npos);
    EXPECT_EQ(Exec(dir, "create table Notas (a text)").message(), "Error: Existing table");
    EXPECT_EQ(Exec(dir, "create table Otra (a blob)").message(), "Error: Finding table");
    EXPECT_FALSE(dir.exists("Otra.xml"));
    EXPECT_EQ(Exec(dir, "create table Otra (a)").message(), "Error: Finding table");

    const std::string notas = dir.read("Notas.xml");
    EXPECT_EQ(Exec(dir, "drop table Notas").message(), kOk);
    EXPECT_FALSE(dir.exists("Notas.xml"));
    EXPECT_EQ(dir.read("Notas.xml.bak"), notas) << "a dropped table survives as its backup";
    EXPECT_EQ(Exec(dir, "select * from Notas").message(), kUnknownWord) << "and stays dropped";
    EXPECT_EQ(Exec(dir, "drop table Notas").message(), "Error: Table not exists");
    EXPECT_EQ(Exec(dir, "drop table rv1960n").message(), "Error: Table not exists")
        << "DROP uses the name as written";
}

TEST_F(Statements, InterruptedRewritesAreCompletedOrDiscarded) {
    // Caught between the renames: the table is missing, its backup holds the
    // old content and ".new" the complete new content.
    const std::string next = kDecl + "\r\n" + FavHeader(8) + Record({"8", "n", "r"}) + "</table>\r\n";
    std::filesystem::rename(dir.file("Favoritos.xml"), dir.file("Favoritos.xml.bak"));
    dir.write("Favoritos.xml.new", next);
    EXPECT_EQ(Exec(dir, "select ID from favoritos").cells, (Rows{"ID", "8"}));
    EXPECT_EQ(dir.read("Favoritos.xml"), next);
    EXPECT_FALSE(dir.exists("Favoritos.xml.new"));

    // Leftovers beside an existing table never took effect.
    dir.write("Favoritos.xml.tmp", "half a table");
    dir.write("Favoritos.xml.new", Favoritos());
    EXPECT_EQ(Exec(dir, "select ID from Favoritos").cells, (Rows{"ID", "8"}));
    EXPECT_FALSE(dir.exists("Favoritos.xml.tmp"));
    EXPECT_FALSE(dir.exists("Favoritos.xml.new"));

    // A half-written new table is not resurrected.
    dir.write("Nueva.xml.tmp", kDecl + "\r\n");
    EXPECT_EQ(Exec(dir, "create table Nueva (a text)").message(), kOk);
    EXPECT_EQ(dir.read("Nueva.xml"), crlf({kDecl, "<table fields=\"A\" types=\"string\">", "</table>"}))
        << "a one-letter name is a keyword by containment and upper-cased";
}

TEST_F(Statements, SeveralStatementsRunInOrder) {
    const Outcome o = Exec(dir, "delete from Favoritos where ID = 5; select ID from Favoritos");
    EXPECT_EQ(o.cols, 1);
    EXPECT_EQ(o.cells, (Rows{"Result", kOk, "ID", "6", "7"}));
}

} // namespace
