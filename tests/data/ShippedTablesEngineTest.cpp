// The shipped tables as the program reads them: through the engine, with the
// statements the program issues, and every catalogue reference against the
// verse table.
#include "scripture/LibPBbl.h"
#include "scripture/uPasajes.h"
#include "sqlxml/XmlSqlDb.h"

#include <gtest/gtest.h>

#include <set>

namespace {

const std::string kData = std::string(MZ_SOURCE_DIR) + "/data/";

TEST(ShippedTables, TheProgramsStatementsOnTheVerseTable) {
    mz::TXmlSqlDb db;
    db.SetDataBase(kData);

    db.SetSql("select * from RV1960n where ID = \"26138\"");
    db.Open();
    ASSERT_EQ(db.RecordCount(), 1);
    EXPECT_EQ(db.FieldByName("VerseID").AsString(), "Jn:3:16");
    db.Close();

    db.SetSql("select * from RV1960n where VerseID = \"Gn:1:1\"");
    db.Open();
    ASSERT_EQ(db.RecordCount(), 1);
    EXPECT_EQ(db.FieldByName("ID").AsInteger(), 1);
    EXPECT_EQ(db.FieldByName("VerseText").AsString(), "En el principio cri\xF3 Dios los cielos y la tierra.");
    db.Close();

    db.SetSql("select * from RV1960n where VerseID like \"Sal:23:%\" Order By ID");
    db.Open();
    ASSERT_EQ(db.RecordCount(), 6);
    int previous = 0;
    for (db.First(); !db.Eof(); db.Next()) {
        EXPECT_GT(db.FieldByName("ID").AsInteger(), previous);
        previous = db.FieldByName("ID").AsInteger();
    }
    db.Close();

    db.SetSql("select * from Favoritos");
    db.Open();
    ASSERT_EQ(db.FieldCount(), 3);
    EXPECT_EQ(db.Fields(1).FieldName(), "Titulo");
    EXPECT_EQ(db.RecordCount(), 0);
}

TEST(ShippedTables, EveryCatalogueReferenceNamesVersesOfTheTable) {
    mz::TXmlSqlDb db;
    db.SetDataBase(kData);
    db.SetSql("select VerseID from RV1960n");
    db.Open();
    ASSERT_EQ(db.RecordCount(), 31106);
    std::set<std::string> verses;
    for (int r = 0; r < db.RecordCount(); ++r)
        verses.insert(db.Value(r, 0));

    const std::pair<const char*, std::span<const mz::TPasaje>> catalogues[] = {
        {"Temas", mz::Temas},         {"Contextos", mz::Contextos},
        {"Promesas", mz::Promesas},   {"Matrimonios", mz::Matrimonios},
        {"Historias", mz::Historias},
    };
    for (const auto& [name, table] : catalogues) {
        for (const mz::TPasaje& p : table) {
            const std::string ref(p.Referencia);
            const size_t second = ref.find(':', ref.find(':') + 1);
            ASSERT_NE(second, std::string::npos) << name << " " << ref;
            const std::string chapter = ref.substr(0, second + 1);
            const std::string range = ref.substr(second + 1);
            const size_t dash = range.find('-');
            const std::string first = range.substr(0, dash);
            EXPECT_TRUE(verses.count(chapter + first)) << name << ": " << ref;
            if (dash != std::string::npos) {
                EXPECT_TRUE(verses.count(chapter + range.substr(dash + 1))) << name << ": " << ref;
            }
        }
    }
}

} // namespace
