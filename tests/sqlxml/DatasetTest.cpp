#include "sqlxml/XmlSqlDb.h"
#include "tests/sqlxml/Fixtures.h"

#include <gtest/gtest.h>

namespace {

using namespace mz::test;
using mz::TXmlSqlDb;

class Dataset : public ::testing::Test {
protected:
    void SetUp() override {
        dir.write("Favoritos.xml", Favoritos());
        dir.write("RV1960n.xml", Verses());
        db.SetDataBase(dir.db());
    }
    void OpenOn(const std::string& sql) {
        db.Close();
        db.SetSql(sql);
        db.Open();
    }
    TestDir dir;
    TXmlSqlDb db;
};

TEST_F(Dataset, NavigatesTheRecordsOfASelect) {
    OpenOn("select * from Favoritos");
    ASSERT_TRUE(db.Active());
    ASSERT_TRUE(db.IsCursorOpen());
    ASSERT_EQ(db.FieldCount(), 3);
    EXPECT_EQ(db.Fields(0).FieldName(), "ID");
    EXPECT_EQ(db.Fields(2).FieldName(), "VersoID");
    EXPECT_EQ(db.RecordCount(), 3);
    EXPECT_EQ(db.RecNo(), 1);
    EXPECT_TRUE(db.Bof());
    EXPECT_FALSE(db.Eof());
    EXPECT_EQ(db.FieldByName("titulo").AsString(), "Salmo 23");

    db.First();
    EXPECT_EQ(db.MoveBy(2), 2);
    EXPECT_EQ(db.FieldByName("ID").AsInteger(), 7);
    EXPECT_EQ(db.RecNo(), 3);
    EXPECT_FALSE(db.Eof());
    db.Next();
    EXPECT_TRUE(db.Eof());
    EXPECT_EQ(db.RecNo(), 3) << "Next past the last record stays on it";

    db.Prior();
    EXPECT_EQ(db.RecNo(), 2);
    EXPECT_FALSE(db.Eof());
    db.Last();
    EXPECT_TRUE(db.Eof());
    EXPECT_EQ(db.RecNo(), 3);
    EXPECT_EQ(db.MoveBy(-5), -2);
    EXPECT_TRUE(db.Bof());
    EXPECT_EQ(db.RecNo(), 1);

    // Walking the whole result the usual way.
    std::vector<std::string> ids;
    for (db.First(); !db.Eof(); db.Next())
        ids.push_back(db.FieldByName("ID").AsString());
    EXPECT_EQ(ids, (std::vector<std::string>{"5", "6", "7"}));
}

TEST_F(Dataset, NullFieldsAndConversions) {
    OpenOn("select * from Favoritos where ID = 7");
    auto& titulo = db.FieldByName("Titulo");
    EXPECT_TRUE(titulo.IsNull());
    EXPECT_EQ(titulo.AsString(), "");
    EXPECT_THROW(titulo.AsInteger(), mz::EConvertError);
    EXPECT_THROW(db.FieldByName("Nota"), mz::EDatabaseError);
    EXPECT_EQ(db.FindField("Nota"), nullptr);
}

TEST_F(Dataset, FieldSizesFollowTheWidestValueOrTheName) {
    const std::string longText(500, 'x');
    dir.write("V.xml",
              kDecl + "\r\n<table fields=\"ID,VerseID,VerseText\" types=\"integer,string,string\">\r\n" +
                  Record({"1", "Gn:1:1", "corto"}) + Record({"2", "Gn:1:2", longText}) + "</table>\r\n");
    OpenOn("select * from V");
    EXPECT_EQ(db.FieldByName("ID").Size(), 2);
    EXPECT_EQ(db.FieldByName("VerseID").Size(), 7);
    EXPECT_EQ(db.FieldByName("VerseText").Size(), 500);
    OpenOn("select * from V where ID = 1");
    EXPECT_EQ(db.FieldByName("VerseText").Size(), 9);
}

TEST_F(Dataset, StatementsOtherThanSelectYieldOneResultRecord) {
    OpenOn("insert into Favoritos(Titulo, VersoID) values(\"Fe\", \"Heb:11:1\"");
    ASSERT_EQ(db.FieldCount(), 1);
    EXPECT_EQ(db.Fields(0).FieldName(), "Result");
    EXPECT_EQ(db.RecordCount(), 1);
    EXPECT_EQ(db.FieldByName("Result").AsInteger(), 8);

    // Every open runs the statement again.
    db.Close();
    db.Open();
    EXPECT_EQ(db.FieldByName("Result").AsString(), "9");

    OpenOn("update Favoritos set Titulo=\"x\" where ID=5");
    EXPECT_EQ(db.FieldByName("Result").AsString(), "Command finished succesfully");
    OpenOn("select * from Nada");
    EXPECT_EQ(db.FieldByName("Result").AsString(), "Error: Unknown word in SQL expression");
}

TEST_F(Dataset, EscapedFailuresOpenWithoutFields) {
    for (const char* sql : {"insert into Nada(T) values(\"x\"", "", "drop table"}) {
        OpenOn(sql);
        EXPECT_TRUE(db.Active()) << sql;
        EXPECT_FALSE(db.IsCursorOpen()) << sql;
        EXPECT_EQ(db.FieldCount(), 0) << sql;
        EXPECT_EQ(db.RecordCount(), 0) << sql;
        EXPECT_TRUE(db.Eof() && db.Bof()) << sql;
    }
    db.Close();
    db.SetDataBase(dir.db() + "nowhere/");
    db.SetSql("select * from Favoritos");
    db.Open();
    EXPECT_FALSE(db.IsCursorOpen());
}

TEST_F(Dataset, EmptyResultKeepsItsFields) {
    OpenOn("select * from Favoritos where ID = 99");
    EXPECT_EQ(db.FieldCount(), 3);
    EXPECT_EQ(db.RecordCount(), 0);
    EXPECT_TRUE(db.Eof());
    EXPECT_TRUE(db.Bof());
    EXPECT_EQ(db.RecNo(), 0);
    EXPECT_EQ(db.FieldByName("Titulo").AsString(), "");
    EXPECT_THROW(db.Resync(), mz::EDatabaseError);
}

TEST_F(Dataset, RecNoSetterHonoursItsBound) {
    dir.write("F.xml", kDecl + "\r\n" + FavHeader(5) + Record({"1", "a", ""}) + Record({"2", "b", ""}) +
                           Record({"3", "c", ""}) + Record({"4", "d", ""}) + Record({"5", "e", ""}) +
                           "</table>\r\n");
    OpenOn("select * from F");
    const struct {
        int set;
        int expect; // RecNo afterwards, starting from record 2
    } cases[] = {{0, 1}, {1, 1}, {3, 3}, {4, 2}, {5, 2}, {-1, 2}};
    for (const auto& c : cases) {
        db.First();
        db.Next();
        db.SetRecNo(c.set);
        EXPECT_EQ(db.RecNo(), c.expect) << "SetRecNo(" << c.set << ")";
    }
}

TEST_F(Dataset, BookmarksAreRecordNumbers) {
    OpenOn("select * from Favoritos");
    db.Last();
    const auto mark = db.GetBookmark();
    EXPECT_EQ(mark, 3);
    db.First();
    db.GotoBookmark(mark);
    EXPECT_EQ(db.FieldByName("ID").AsString(), "7");
    EXPECT_THROW(db.GotoBookmark(4), mz::EDatabaseError);
    try {
        db.GotoBookmark(0);
        FAIL();
    } catch (const mz::EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "Bookmark not found");
    }
}

TEST_F(Dataset, ObserversHearChangesUnlessControlsAreDisabled) {
    std::vector<mz::TDataEvent> heard;
    const int id = db.Subscribe([&](mz::TDataEvent e) { heard.push_back(e); });
    OpenOn("select * from Favoritos");
    db.DisableControls();
    db.DisableControls();
    for (db.First(); !db.Eof(); db.Next()) {
    }
    db.EnableControls();
    EXPECT_EQ(heard, (std::vector<mz::TDataEvent>{mz::TDataEvent::Opened}));
    db.EnableControls();
    EXPECT_EQ(heard.back(), mz::TDataEvent::DataSetChanged);
    db.Unsubscribe(id);
    db.Close();
    EXPECT_EQ(heard.back(), mz::TDataEvent::DataSetChanged);
}

TEST_F(Dataset, EachOpenClearsTheLastMessage) {
    OpenOn("select * from Nada");
    EXPECT_EQ(db.Log().LastMessage, "Error: Unknown word in SQL expression");
    OpenOn("select * from Favoritos");
    EXPECT_EQ(db.FieldCount(), 3) << "an earlier failure does not spoil the next open";
    EXPECT_EQ(db.Log().LastMessage, "");
    EXPECT_EQ(db.Log().Count(), 2);
    EXPECT_NE(db.Log().Lines()[0].find("Command finished succesfully"), std::string::npos);
    EXPECT_EQ(db.Log().FileName, "xmlsqldb.log");
}

} // namespace
