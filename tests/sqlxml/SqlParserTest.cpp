#include "sqlxml/SqlParser.h"

#include <gtest/gtest.h>

namespace {

using mz::tSqlParser;
using mz::TTokenList;

struct ParseCase {
    const char* name;
    std::string text;
    std::vector<TTokenList> statements;
    bool selectOrInsert; // the list also goes through the comma and parenthesis steps
};

// The statements the program itself issues, and the texts whose tokens are
// easy to get wrong.
const ParseCase kCases[] = {
    {"chapter of Genesis",
     "select * from RV1960n where VerseID like \"Gn:1:%\" Order By ID",
     {{"SELECT", "*", "FROM", "RV1960n", "WHERE", "VerseID", "LIKE", "\"Gn:1:%\"", "ORDER BY", "ID"}},
     true},
    {"verse by number",
     "select * from RV1960n where ID = \"123\"",
     {{"SELECT", "*", "FROM", "RV1960n", "WHERE", "ID", "=", "\"123\""}},
     true},
    {"verse by reference",
     "select * from RV1960n where VerseID = \"Gn:1:1\"",
     {{"SELECT", "*", "FROM", "RV1960n", "WHERE", "VerseID", "=", "\"Gn:1:1\""}},
     true},
    {"favourite insert without closing parenthesis",
     "insert into Favoritos(Titulo, VersoID) values(\"T\", \"Gn:1:1\"",
     {{"INSERT", "INTO", "Favoritos", "Titulo,VersoID", "VALUES", "\"T\",\"Gn:1:1\""}},
     true},
    {"closing parenthesis right after the last quote stays in the value",
     "insert into Favoritos(Titulo, VersoID) values(\"T\", \"Gn:1:1\")",
     {{"INSERT", "INTO", "Favoritos", "Titulo,VersoID", "VALUES", "\"T\",\"Gn:1:1\")"}},
     true},
    {"closing parenthesis set off by a blank",
     "insert into Favoritos(Titulo, VersoID) values(\"T\", \"Gn:1:1\" )",
     {{"INSERT", "INTO", "Favoritos", "Titulo,VersoID", "VALUES", "\"T\",\"Gn:1:1\""}},
     true},
    {"update with parentheses inside the quoted title",
     "update Favoritos set Titulo=\"Salmo 23 (parte)\" where ID= 5",
     {{"UPDATE", "Favoritos", "SET", "Titulo", "=", "\"Salmo 23 (parte)\"", "WHERE", "ID", "=", "5"}},
     false},
    {"delete with a final semicolon",
     "delete from Favoritos where ID =7;",
     {{"DELETE", "FROM", "Favoritos", "WHERE", "ID", "=", "7"}},
     false},
    {"a # inside quotes cuts the text and drops the open quote",
     "select * from Favoritos where Titulo = \"a#b\"",
     {{"SELECT", "*", "FROM", "Favoritos", "WHERE", "Titulo", "="}},
     true},
    {"a comment runs to the line feed and takes it",
     "select *# all columns\nfrom Favoritos",
     {{"SELECT", "*", "FROM", "Favoritos"}},
     true},
    {"single quotes do not protect operators",
     "select * from t where VersoID = 'Gn:1:1'",
     {{"SELECT", "*", "FROM", "T", "WHERE", "VersoID", "=", "'Gn", ":", "1", ":", "1'"}},
     true},
    {"two statements",
     "select * from a;select * from b;",
     {{"SELECT", "*", "FROM", "A"}, {"SELECT", "*", "FROM", "B"}},
     false},
    {"one-letter names and DESC are keywords by containment, id is not",
     "select id,name from c order by name desc",
     {{"SELECT", "id,name", "FROM", "C", "ORDER BY", "name", "DESC"}},
     true},
    {"only the first ORDER BY merges",
     "select * from x order by order by",
     {{"SELECT", "*", "FROM", "x", "ORDER BY", "ORDER", "BY"}},
     false},
    {"a quote opening inside a token keeps the blanks of its run",
     "update F set Titulo=\"a b\" where ID=1",
     {{"UPDATE", "F", "SET", "Titulo", "=", "\"a b\"", "WHERE", "ID", "=", "1"}},
     false},
    {"separators inside a double-quoted value survive",
     "select * from F where Titulo = \"x\ty\"",
     {{"SELECT", "*", "FROM", "F", "WHERE", "Titulo", "=", "\"x\ty\""}},
     false},
    {"create table",
     "CREATE TABLE t (ID integer AUTO_INCREMENT, Titulo varchar(100))",
     {{"CREATE", "TABLE", "T", "(", "ID", "integer", "AUTO_INCREMENT", ",", "Titulo", "varchar", "(", "100",
       ")", ")"}},
     false},
};

TEST(SqlParser, TokenListsPerStatement) {
    for (const auto& c : kCases) {
        tSqlParser p;
        p.Parse(c.text);
        ASSERT_EQ(p.StatementCount(), static_cast<int>(c.statements.size())) << c.name;
        for (int i = 0; i < p.StatementCount(); ++i) {
            TTokenList tokens = *p.Statement(i);
            if (c.selectOrInsert) {
                tSqlParser::MergeCommaLists(tokens);
                tSqlParser::StripParentheses(tokens);
            }
            EXPECT_EQ(tokens, c.statements[static_cast<size_t>(i)]) << c.name;
        }
        EXPECT_EQ(p.Statement(p.StatementCount()), nullptr);
    }
}

TEST(SqlParser, AnUnclosedQuoteSwallowsTheRestAndIsDropped) {
    tSqlParser p;
    p.Parse("update Favoritos set Titulo=\"abc where ID=5");
    ASSERT_EQ(p.StatementCount(), 1);
    EXPECT_EQ(*p.Statement(0), (TTokenList{"UPDATE", "Favoritos", "SET"}));
}

TEST(SqlParser, EmptyTextHasNoStatement) {
    tSqlParser p;
    p.Parse("  \r\n\t# only a comment");
    EXPECT_EQ(p.StatementCount(), 0);
}

TEST(SqlParser, KeywordListsAreTestedByContainment) {
    const struct {
        const char* token;
        bool keyword;
        bool stop;
    } cases[] = {
        {"A", true, true},         {"as", true, true},         {"IN", true, true},
        {"INT", true, true},       {"ORD", true, true},        {",", true, true},
        {"BY", true, false},       {"LIKE", true, false},      {"ORDER BY", false, false},
        {"ID", false, false},      {"DISTINCT", false, false}, {"KEY", false, false},
        {"PRIMARY", false, false}, {"\"AS\"", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tSqlParser::InKeywordList(c.token), c.keyword) << c.token;
        EXPECT_EQ(tSqlParser::InWhereStopList(mz::UpperAscii(c.token)), c.stop) << c.token;
    }
}

TEST(SqlParser, IndexOfIgnoresCaseAndFindsTheFirst) {
    const TTokenList t{"SELECT", "from", "x", "FROM", "y"};
    EXPECT_EQ(tSqlParser::IndexOf(t, "FROM"), 1);
    EXPECT_EQ(tSqlParser::IndexOf(t, "where"), -1);
}

} // namespace
