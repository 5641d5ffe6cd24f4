#include "sqlxml/Eval.h"

#include <gtest/gtest.h>

namespace {

using mz::tEval;
using mz::TTokenList;

const std::vector<std::string> kNames{"ID", "VerseID", "VerseText"};
const std::vector<std::string> kTypes{"autoinc", "string", "string"};

struct Case {
    TTokenList condition;
    const char* value; // placed in the tested column
    bool qualifies;
    bool reports = false; // "Error: in WHERE clause"
};

const Case kCases[] = {
    // Text column: exact and byte-ordered comparisons.
    {{"VerseID", "=", "\"Gn:1:1\""}, "Gn:1:1", true},
    {{"VerseID", "=", "\"Gn:1:1\""}, "Gn:1:10", false},
    {{"VerseID", "=", "\"Gn:1:1\""}, "gn:1:1", false},
    {{"verseid", "=", "'Gn:1:1'"}, "Gn:1:1", true},
    {{"VerseID", ">", "\"a\""}, "b", true},
    {{"VerseID", ">", "\"a\""}, "B", false},
    {{"VerseID", "<", "\"9\""}, "10", true},
    {{"VerseID", ">", "\"z\""}, "\xE9", true}, // bytes compare unsigned
    {{"VerseID", "<>", "\"x\""}, "y", false},
    // LIKE patterns.
    {{"VerseID", "LIKE", "\"Gn:1:%\""}, "Gn:1:1", true},
    {{"VerseID", "LIKE", "\"Gn:1:%\""}, "Gn:1:31", true},
    {{"VerseID", "LIKE", "\"Gn:1:%\""}, "Gn:10:1", false},
    {{"VerseID", "LIKE", "\"Gn:1:%\""}, "Gn:11:1", false},
    {{"VerseID", "LIKE", "\"%24\""}, "5:24", true},
    {{"VerseID", "LIKE", "\"%24\""}, "24", true},
    {{"VerseID", "LIKE", "\"%24\""}, "24:24", true},
    {{"VerseID", "LIKE", "\"%24\""}, "5:240", false},
    {{"VerseID", "LIKE", "\"24%\""}, "24:1", true},
    {{"VerseID", "LIKE", "\"%:2%\""}, "Gn:2:1", true},
    {{"VerseID", "LIKE", "\"%:2%\""}, "Gn:1:24", true},
    {{"VerseID", "LIKE", "\"%:2%\""}, "Gn:1:1", false},
    {{"VerseID", "LIKE", "\"Gn:1:1\""}, "Gn:1:1", false},
    {{"VerseID", "LIKE", "\"%\""}, "x", false},
    {{"VerseID", "LIKE", "\"%%\""}, "x", false},
    {{"VerseID", "LIKE", "\"\""}, "x", false},
    {{"VerseID", "LIKE", "\"gn%\""}, "Gn:1:1", false},
    // Integer column: quotes removed, numbers compared as numbers.
    {{"ID", "=", "\"123\""}, "123", true},
    {{"ID", "=", "123"}, "0123", true},
    {{"ID", "=", "'123'"}, "124", false},
    {{"ID", ">", "\"9\""}, "10", true},
    {{"ID", "<", "\"-1\""}, "-5", true},
    {{"ID", "LIKE", "\"1%\""}, "1", false, false},
    {{"ID", "=", "\"abc\""}, "1", false, true},
    {{"ID", "=", "\"1\""}, "x1", false, true},
    {{"ID", "=", "\"1\""}, "99999999999", false, true},
    // Only the first comparison counts; an empty value never qualifies.
    {{"ID", "=", "\"3\"", "AND", "ID", "=", "4"}, "3", true},
    {{"VerseText", "=", "\"\""}, "", false},
};

TEST(Eval, ComparisonsByColumnType) {
    for (const auto& c : kCases) {
        mz::TLogFile log;
        tEval e(c.condition, kNames, kTypes, log);
        std::vector<std::string> values{"7", "Gn:1:1", "En el principio"};
        values[static_cast<size_t>(e.FieldIndex)] = c.value;
        const std::string label =
            c.condition[0] + " " + c.condition[1] + " " + c.condition[2] + " on " + c.value;
        EXPECT_EQ(e.Evaluate(values), c.qualifies) << label;
        EXPECT_EQ(log.LastMessage, c.reports ? "Error: in WHERE clause" : "") << label;
    }
}

TEST(Eval, UnknownColumnIsReportedAndFailsTheFirstTest) {
    mz::TLogFile log;
    tEval e({"Titulo", "=", "\"x\""}, kNames, kTypes, log);
    EXPECT_EQ(e.FieldIndex, -1);
    EXPECT_EQ(log.LastMessage, "Error: Unknown field name in WHERE clause");
    EXPECT_THROW(e.Evaluate({"1", "2", "3"}), std::runtime_error);
}

TEST(Eval, ShortConditionFailsOnlyOnANonEmptyValue) {
    mz::TLogFile log;
    tEval e({"ID", "="}, kNames, kTypes, log);
    EXPECT_FALSE(e.Evaluate({"", "a", "b"}));
    EXPECT_THROW(e.Evaluate({"1", "a", "b"}), std::runtime_error);
    EXPECT_THROW(tEval({}, kNames, kTypes, log), std::runtime_error) << "WHERE followed by nothing";
}

TEST(Eval, ConditionEndsAtTheFirstStopWord) {
    const struct {
        TTokenList statement;
        std::optional<TTokenList> condition;
    } cases[] = {
        {{"SELECT", "*", "FROM", "t"}, std::nullopt},
        {{"SELECT", "*", "FROM", "t", "WHERE", "ID", "=", "5", "ORDER BY", "ID"},
         TTokenList{"ID", "=", "5", "ORDER BY", "ID"}},
        {{"SELECT", "*", "FROM", "t", "WHERE", "Titulo", "=", "\"x\"", "AS", "n"},
         TTokenList{"Titulo", "=", "\"x\""}},
        {{"DELETE", "FROM", "t", "WHERE", "ID", "=", "A"}, TTokenList{"ID", "="}},
        {{"DELETE", "FROM", "t", "WHERE"}, TTokenList{}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tEval::ConditionOf(c.statement), c.condition);
}

} // namespace
