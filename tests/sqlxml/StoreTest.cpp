#include "sqlxml/AwkLine.h"
#include "sqlxml/LogFile.h"
#include "sqlxml/StrGrid.h"
#include "tests/sqlxml/TestDir.h"

#include <gtest/gtest.h>

namespace {

using mz::TStrGrid;

TEST(StrGrid, RowsTagsAndDeletion) {
    mz::TLogFile log;
    TStrGrid g(log);
    g.ColCount = 2;
    g.AddRow({"ID", "Titulo"});
    for (int r = 1; r <= 4; ++r)
        g.AddRow({std::to_string(r), "t" + std::to_string(r)});
    for (int r = 0; r < 5; ++r)
        g.SetRowObject(r, r + 10);
    EXPECT_EQ(g.RowCount, 5);
    EXPECT_EQ(g.Cell(1, 3), "t3");
    EXPECT_EQ(g.IndexOfObject(13), 3);
    EXPECT_EQ(g.IndexOfObject(99), -1);
    EXPECT_EQ(g.IndexOfObject(0), -1);

    g.DeleteRow(0);
    EXPECT_EQ(g.RowCount, 4);
    EXPECT_EQ(g.Cell(0, 0), "1");
    EXPECT_EQ(g.IndexOfObject(13), 2) << "tags move with their rows";
    EXPECT_EQ(g.Cells().size(), 8u);
}

TEST(StrGrid, AppendGridOntoAnEmptyStoreCopiesIt) {
    mz::TLogFile log;
    TStrGrid a(log), b(log);
    b.ColCount = 1;
    b.SetResultMessage("Command finished succesfully");
    a.AppendGrid(b);
    EXPECT_EQ(a.Cells(), b.Cells());
    EXPECT_EQ(a.RowCount, 2);
    EXPECT_EQ(a.ColCount, 1);
}

TEST(StrGrid, StripQuotesTreatsBothEndsIndependently) {
    const std::pair<const char*, const char*> cases[] = {
        {"\"abc\"", "abc"}, {"'abc'", "abc"}, {"\"abc", "abc"}, {"abc\"", "abc"}, {"\"abc'", "abc"},
        {"\"", ""},         {"", ""},         {"abc", "abc"},   {"\"\"", ""},     {"a\"b", "a\"b"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(TStrGrid::StripQuotes(in), out) << in;
}

TEST(AwkLine, PiecesAtSeparators) {
    const struct {
        const char* text;
        std::vector<std::string> pieces;
    } cases[] = {
        {"a,,b,", {"a", "", "b"}},
        {",", {""}},
        {"", {}},
        {"ID,Titulo,VersoID", {"ID", "Titulo", "VersoID"}},
        {"\"a,b\"", {"\"a", "b\""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(mz::tAwkline(c.text, ",").Pieces, c.pieces) << c.text;
}

TEST(StrGrid, HeaderReadingAndWriting) {
    const struct {
        const char* line;
        std::vector<std::string> names, types;
        bool hasLastId;
        int nextId;
        const char* formatted; // written back with the next id
    } cases[] = {
        {"<table fields=\"ID,Titulo,VersoID\" types=\"autoinc,string,string\" lastid=\"7\">",
         {"ID", "Titulo", "VersoID"},
         {"autoinc", "string", "string"},
         true,
         8,
         "<table fields=\"ID,Titulo,VersoID\" types=\"autoinc,string,string\" lastid=\"8\">"},
        {"<table fields=\"ID,VerseID,VerseText\" types=\"integer,string,string\">",
         {"ID", "VerseID", "VerseText"},
         {"integer", "string", "string"},
         false,
         -1,
         "<table fields=\"ID,VerseID,VerseText\" types=\"integer,string,string\">"},
        {"<TABLE FIELDS=\"a,b\" TYPES=\"AUTOINC,string\" LASTID=\"-1\">",
         {"a", "b"},
         {"AUTOINC", "string"},
         true,
         0,
         "<table fields=\"a,b\" types=\"AUTOINC,string\">"},
        {"<table  fields=\"a,,b,\" types=\"x\" lastid=\"3\">",
         {"a", "", "b"},
         {"x"},
         true,
         4,
         "<table fields=\"a,,b\" types=\"x\">"},
    };
    for (const auto& c : cases) {
        mz::TLogFile log;
        TStrGrid g(log);
        EXPECT_EQ(g.ParseHeader(c.line), c.hasLastId) << c.line;
        EXPECT_EQ(g.FieldNames, c.names) << c.line;
        EXPECT_EQ(g.FieldTypes, c.types) << c.line;
        EXPECT_EQ(g.ColCount, static_cast<int>(c.names.size()));
        EXPECT_EQ(g.NextId, c.nextId) << c.line;
        EXPECT_EQ(g.FormatHeader(), c.formatted) << c.line;
        ASSERT_EQ(g.FieldNamesUpper.size(), g.FieldNames.size());
        for (size_t i = 0; i < g.FieldNames.size(); ++i)
            EXPECT_EQ(g.FieldNamesUpper[i], mz::UpperAscii(g.FieldNames[i]));
    }
}

TEST(StrGrid, FindTableFileIgnoresCaseAndKeepsTheDirectorysSpelling) {
    mz::test::TestDir dir;
    dir.write("RV1960n.xml", "");
    dir.write("Favoritos.xml.bak", "");
    mz::TLogFile log;
    TStrGrid g(log);
    g.DataBase = dir.db();
    EXPECT_EQ(g.FindTableFile("rv1960n.xml"), "RV1960n.xml");
    EXPECT_EQ(g.FindTableFile("Favoritos.xml"), "");
    g.DataBase = dir.db() + "missing/";
    EXPECT_THROW(g.FindTableFile("RV1960n.xml"), std::runtime_error);
}

TEST(LogFile, KeepsTheNewestTenLinesOnTop) {
    mz::TLogFile log;
    const auto t0 = std::chrono::system_clock::from_time_t(1700000000);
    log.SetClock([t0] { return t0; });
    for (int i = 1; i <= 11; ++i)
        EXPECT_EQ(log.Add("m" + std::to_string(i)), std::min(i, 10) - 1);
    ASSERT_EQ(log.Count(), 10);
    EXPECT_EQ(log.Lines().front(), mz::TLogFile::Stamp(t0) + " m11");
    EXPECT_EQ(log.Lines().back(), mz::TLogFile::Stamp(t0) + " m2");
    EXPECT_TRUE(log.LastMessage.empty()) << "plain Add does not set the last message";

    log.Report("Error: Finding table");
    log.LastMessage.clear();
    log.Report("Error: Finding table");
    EXPECT_EQ(log.LastMessage, "Error: Finding table");
    EXPECT_EQ(log.FileName, "xmlsqldb.log");

    log.SetPath("/opt/zefra");
    EXPECT_EQ(log.Path(), "/opt/zefra/");
    log.SetPath("/opt/zefra/");
    EXPECT_EQ(log.Path(), "/opt/zefra/");
}

} // namespace
