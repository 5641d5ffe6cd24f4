#include "tools/bibleimport/Numbering.h"

#include <gtest/gtest.h>

namespace {

using mz::bibleimport::NumberingPlan;
using mz::bibleimport::NumberingRule;
using mz::bibleimport::parseNumbering;
using mz::bibleimport::VerseRef;

const std::vector<std::string> kBooks = {"Gn", "Job", "1S"};

TEST(BibleImportNumbering, ReadsEveryKindOfStatement) {
    const std::string text = "# a comment\r\n"
                             "drop-capitals\r\n"
                             "\r\n"
                             "Gn:12:16 = Gn:13:1\n"
                             "Job:39:27-40:5 = Job:39:30 / \"Ella habita\"\n"
                             "    # comments may sit among continuation lines\n"
                             "    / \"Y respondió\"\n"
                             "1S:14:18 = 1S:14:18 + 1S:14:19\n"
                             "Gn:13:1-31 = Gn:13:2-32\n";
    std::string error;
    auto plan = parseNumbering(text, kBooks, error);
    ASSERT_TRUE(plan) << error;
    EXPECT_TRUE(plan->dropCapitals);
    ASSERT_EQ(plan->rules.size(), 4u);

    const auto& move = plan->rules[0];
    EXPECT_EQ(move.line, 4);
    EXPECT_EQ(move.kind, NumberingRule::Kind::Move);
    EXPECT_EQ(move.target.first, (VerseRef{0, 12, 16}));
    EXPECT_EQ(move.target.last, (VerseRef{0, 12, 16}));
    EXPECT_EQ(move.source.first, (VerseRef{0, 13, 1}));

    const auto& split = plan->rules[1];
    EXPECT_EQ(split.line, 5);
    EXPECT_EQ(split.kind, NumberingRule::Kind::Split);
    EXPECT_EQ(split.target.first, (VerseRef{1, 39, 27}));
    EXPECT_EQ(split.target.last, (VerseRef{1, 40, 5}));
    EXPECT_EQ(split.source.first, (VerseRef{1, 39, 30}));
    EXPECT_EQ(split.anchors, (std::vector<std::string>{"Ella habita", "Y respondió"}));

    const auto& join = plan->rules[2];
    EXPECT_EQ(join.line, 8);
    EXPECT_EQ(join.kind, NumberingRule::Kind::Join);
    EXPECT_EQ(join.joined, (std::vector<VerseRef>{{2, 14, 18}, {2, 14, 19}}));

    const auto& range = plan->rules[3];
    EXPECT_EQ(range.target.last, (VerseRef{0, 13, 31}));
    EXPECT_EQ(range.source.first, (VerseRef{0, 13, 2}));
    EXPECT_EQ(range.source.last, (VerseRef{0, 13, 32}));
}

TEST(BibleImportNumbering, NamesTheLineOfAFaultyStatement) {
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"# x\nXx:1:1 = Gn:1:1", "línea 2: no hay libro \"Xx\""},
        {"gn:1:1 = Gn:1:1", "línea 1: no hay libro \"gn\""},
        {"Gn:1:1 Gn:1:2", "línea 1: falta el \"=\" entre el destino y el origen"},
        {"Gn:1 = Gn:1:1", "línea 1: se espera una referencia LIBRO:CAPÍTULO:VERSÍCULO"},
        {"Gn:1:0 = Gn:1:1", "línea 1: se espera una referencia LIBRO:CAPÍTULO:VERSÍCULO"},
        {"Gn:1:5-2 = Gn:1:1", "línea 1: rango al revés"},
        {"Gn:1:1- = Gn:1:1", "línea 1: rango incompleto"},
        {"Gn:1:1-2 = Gn:1:1 + Gn:1:2", "línea 1: los versículos unidos van a un solo versículo"},
        {"Gn:1:1 = Gn:1:1-2 + Gn:1:3", "línea 1: solo se unen versículos sueltos"},
        {"Gn:1:1-2 = Gn:1:1-2 / \"a\"", "línea 1: solo se divide un versículo suelto"},
        {"Gn:1:1-2 = Gn:1:1 / \"\"", "línea 1: tras \"/\" va un texto entre comillas"},
        {"Gn:1:1-2 = Gn:1:1 / \"abierto", "línea 1: tras \"/\" va un texto entre comillas"},
        {"Gn:1:1 = Gn:1:1 extra", "línea 1: sobra texto al final"},
        {"drop-capitals please", "línea 1: después de drop-capitals no va nada"},
        {"Gn:1:1-2 = Gn:1:1\n  / \"a\" x", "línea 1: sobra texto al final"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(parseNumbering(c.text, kBooks, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
}

TEST(BibleImportNumbering, AnEmptyFileIsAnEmptyPlan) {
    std::string error;
    auto plan = parseNumbering("# nothing to do\n\n", kBooks, error);
    ASSERT_TRUE(plan);
    EXPECT_FALSE(plan->dropCapitals);
    EXPECT_TRUE(plan->rules.empty());
}

} // namespace
