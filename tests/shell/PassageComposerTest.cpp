#include "shell/PassageComposer.h"
#include "sqlxml/XmlSqlDb.h"
#include "tests/shell/ShellFixtures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using mz::EPassageError;
using mz::TPassageComposer;
using mz::test::cp;
using Lines = std::vector<std::string>;

Lines cpLines(const Lines& utf8) {
    Lines out;
    for (const auto& l : utf8)
        out.push_back(cp(l));
    return out;
}

// The composer over the shipped verse table, opened once for the suite.
class ShippedTable : public ::testing::Test {
protected:
    void SetUp() override {
        db.SetDataBase(mz::test::ShippedDir());
        composer.LineWidth = 40;
    }
    mz::TXmlSqlDb db;
    TPassageComposer composer{db};
};

TEST_F(ShippedTable, RangeListsTitleHeadingAndEachVerseWrapped) {
    composer.ShowReference("Mt:16:24-26", cp("Abnegación"));
    EXPECT_EQ(composer.Text, cpLines({
                                 "<b>Abnegación</b><br>",
                                 "<b>Mt 16:24-26</b><hr><br>",
                                 "<b>24. </b>",
                                 "Entonces Jesús dijo á sus discípulos: Si <br>",
                                 "alguno quiere venir en pos de mí, niéguese <br>",
                                 "á sí mismo, y tome su cruz, y sígame.<br>",
                                 "<b>25. </b>",
                                 "Porque cualquiera que quisiere salvar su <br>",
                                 "vida, la perderá, y cualquiera que perdiere <br>",
                                 "su vida por causa de mí, la hallará.<br>",
                                 "<b>26. </b>",
                                 "Porque ¿de qué aprovecha al hombre, si granjeare <br>",
                                 "todo el mundo, y perdiere su alma? O ¿qué <br>",
                                 "recompensa dará el hombre por su alma?<br>",
                             }));
    EXPECT_EQ(composer.Text[0], "<b>Abnegaci\xF3n</b><br>"); // one byte for the accent
}

TEST_F(ShippedTable, SingleVerseShowsTheBooksShortNameAndNoFinalBreak) {
    composer.ShowReference("Gl:5:24", cp("Abnegación"));
    EXPECT_EQ(composer.Text, cpLines({
                                 "<b>Abnegación</b><br>",
                                 "<b>Gálatas 5:24</b><hr><br>",
                                 "Porque los que son de Cristo, han crucificado <br>",
                                 "la carne con los afectos y concupiscencias.",
                             }));
}

TEST_F(ShippedTable, VerseByNumberAndVerseNumberOfAReference) {
    EXPECT_EQ(composer.FindVerseNumber("Mt:16:24"), 23698);
    EXPECT_EQ(composer.FindVerseNumber("Ap:22:21"), 31106);
    composer.ShowVerse(29189);
    EXPECT_EQ(composer.Text, cpLines({
                                 "<b>Gálatas 5:24</b><hr><br>",
                                 "Porque los que son de Cristo, han crucificado <br>",
                                 "la carne con los afectos y concupiscencias.",
                             }));
}

TEST(FindBreak, IsTheFirstBlankAfterTheWidth) {
    struct Case {
        const char* text;
        const char* sep;
        int width;
        int expected;
    };
    const Case cases[] = {
        {"abcde fgh", " ", 5, 6},     // the blank right after the width
        {"abcde fgh", " ", 4, 6},     // the same blank, found from inside the word
        {"ab cdefgh ij", " ", 3, 10}, // a blank within the width does not count
        {"abcdefgh", " ", 3, 0},      // none after the width
        {"abc", " ", 3, 0},           // the width reaches the end
        {"a b c", " ", 0, 2},         // width 0: the first blank
        {"a b c", " ", -4, 2},        // a negative width counts as 0
        {"abc def", "", 2, 0},        // an empty separator is never found
        {"a--b--c", "--", 2, 4},      // the tail starts at width + length of separator
    };
    for (const Case& c : cases)
        EXPECT_EQ(TPassageComposer::FindBreak(c.text, c.sep, c.width), c.expected)
            << c.text << " / " << c.width;
}

TEST(Wrap, BreaksAfterTheWidthAtABlankThatStaysInTheLine) {
    struct Case {
        std::string text;
        int width;
        Lines lines;
        std::string last;
    };
    const std::string w25 = "Bienaventurados los pobre"; // 25 characters
    const std::string w40 = "Y dijo Dios: Sea la luz: y fue la luz!!!";
    ASSERT_EQ(w25.size(), 25u);
    ASSERT_EQ(w40.size(), 40u);
    const Case cases[] = {
        // Width 25 and a blank at 26: the first line is the first 26
        // characters, the blank included.
        {w25 + " de espiritu", 25, {w25 + " <br>"}, "de espiritu"},
        // Exactly the width: one piece, no break added.
        {w40, 40, {}, w40},
        // No blank after the width: the text stays whole, however long.
        {"Pa " + std::string(60, 'x'), 5, {}, "Pa " + std::string(60, 'x')},
        // Width 0: one word a line, each with its blank, but the last.
        {"Jesus lloro hoy", 0, {"Jesus <br>", "lloro <br>"}, "hoy"},
        // Every line holds at least width + 1 characters.
        {"uno dos tres cuatro cinco", 6, {"uno dos <br>", "tres cuatro <br>"}, "cinco"},
        {"", 0, {}, ""},
    };
    for (const Case& c : cases) {
        Lines lines;
        EXPECT_EQ(TPassageComposer::Wrap(c.text, c.width, lines), c.last) << c.text;
        EXPECT_EQ(lines, c.lines) << c.text;
    }
}

TEST(ContainsText, FindsThePartAnywhere) {
    EXPECT_TRUE(TPassageComposer::ContainsText("-", "24-26"));
    EXPECT_TRUE(TPassageComposer::ContainsText("-", "-"));
    EXPECT_FALSE(TPassageComposer::ContainsText("-", "24"));
    EXPECT_FALSE(TPassageComposer::ContainsText("", "24"));
}

class SmallTable : public ::testing::Test {
protected:
    void SetUp() override {
        mz::test::WriteSmallVerseTable(dir);
        db.SetDataBase(dir.dir());
        composer.LineWidth = 40;
        // Lines of an earlier passage, to see what a composition keeps.
        composer.Text = {"earlier"};
    }
    mz::test::TableDir dir;
    mz::TXmlSqlDb db;
    TPassageComposer composer{db};
};

TEST_F(SmallTable, ARangeListsExactlyItsVersesOfTheChapter) {
    composer.ShowReference("Gl:5:2-4", "T");
    EXPECT_EQ(composer.Text,
              cpLines({"<b>T</b><br>", "<b>Gl 5:2-4</b><hr><br>", "<b>2. </b>",
                       "He aquí, yo Pablo os digo.<br>", "<b>3. </b>", "Y otra vez vuelvo á protestar.<br>",
                       "<b>4. </b>", "Vacíos sois de Cristo.<br>"}));
    // The dataset is left open on the chapter's query.
    EXPECT_EQ(db.Sql(), "select * from RV1960n where VerseID like \"Gl:5:%\" Order By ID");
    EXPECT_EQ(db.RecordCount(), 5);
}

TEST_F(SmallTable, EachCompositionLeavesTheDatasetOnItsLastStatement) {
    composer.ShowVerse(29167);
    EXPECT_EQ(db.Sql(), "select * from RV1960n where ID = \"29167\"");
    EXPECT_EQ(composer.FindVerseNumber("Gl:5:3"), 29168);
    EXPECT_EQ(db.Sql(), "select * from RV1960n where VerseID = \"Gl:5:3\"");
    composer.ShowReference("Gl:5:3", "T");
    EXPECT_EQ(db.Sql(), "select * from RV1960n where ID = \"29168\"");
    EXPECT_TRUE(db.Active());
    EXPECT_EQ(db.FieldByName("VerseID").AsString(), "Gl:5:3");
}

TEST_F(SmallTable, ARangeBeyondTheChapterStopsAtItsEnd) {
    composer.ShowReference("Gl:5:4-9", "T");
    EXPECT_EQ(composer.Text.size(), 6u);
    EXPECT_EQ(composer.Text[4], "<b>5. </b>");
}

TEST_F(SmallTable, AReverseRangeHasOnlyTitleAndHeading) {
    composer.ShowReference("Gl:5:4-2", "T");
    EXPECT_EQ(composer.Text, Lines({"<b>T</b><br>", "<b>Gl 5:4-2</b><hr><br>"}));
}

TEST_F(SmallTable, TheTitleIsPassedOnUnchanged) {
    const std::string title = cp("Bendición para el esposo,\rencontrar \"mujer\"");
    composer.ShowReference("Ef:1:1", title);
    EXPECT_EQ(composer.Text[0], "<b>" + title + "</b><br>");
    EXPECT_EQ(composer.Text[1], cp("<b>Efesios 1:1</b><hr><br>"));
}

TEST_F(SmallTable, AReferenceOfOtherThanThreeFieldsDoesNotExist) {
    for (const char* ref : {"", "Gl:5", "Gl:5:1:2", "Gl", ":::", "Gl::5"}) {
        composer.Text = {"earlier"};
        composer.ShowReference(ref, "T");
        EXPECT_EQ(composer.Text, Lines({std::string(TPassageComposer::kNoSuchReference)})) << ref;
    }
    EXPECT_EQ(composer.Text[0], cp("La referencia bíblica no existe !"));
    // Leading and doubled colons are empty pieces and drop out.
    composer.ShowReference(":Gl::5:1", "T");
    EXPECT_EQ(composer.Text[1], cp("<b>Gálatas 5:1</b><hr><br>"));
}

TEST_F(SmallTable, FailuresNameWhatIsMissingAndKeepEarlierLines) {
    struct Case {
        const char* reference;
        const char* message; // UTF-8
        Lines kept;          // the lines left in Text
    };
    const Case cases[] = {
        {"Gl:5:9", "El versículo \"Gl:5:9\" no está en la tabla de versículos.", {"earlier"}},
        {"Gl:x:1", "El versículo \"Gl:x:1\" no está en la tabla de versículos.", {"earlier"}},
        {"Gl:5:a-3", "'a' no es un número de versículo válido en la referencia \"Gl:5:a-3\".", {"earlier"}},
        {"Gl:5:1-b", "'b' no es un número de versículo válido en la referencia \"Gl:5:1-b\".", {"earlier"}},
        {"Gl:5:2-", "Falta un número de versículo en la referencia \"Gl:5:2-\".", {"earlier"}},
        {"Gl:5:-", "Falta un número de versículo en la referencia \"Gl:5:-\".", {"earlier"}},
        // The chapter is looked up after the title and the heading are added.
        {"Gl:9:1-3",
         "El capítulo \"Gl:9\" no está en la tabla de versículos.",
         {"<b>T</b><br>", "<b>Gl 9:1-3</b><hr><br>"}},
    };
    for (const Case& c : cases) {
        composer.Text = {"earlier"};
        try {
            composer.ShowReference(c.reference, "T");
            ADD_FAILURE() << c.reference << " composed";
        } catch (const EPassageError& e) {
            EXPECT_EQ(e.what(), cp(c.message)) << c.reference;
        }
        EXPECT_EQ(composer.Text, c.kept) << c.reference;
    }
}

TEST_F(SmallTable, AVerseNumberWithoutRowFails) {
    for (int n : {0, 2, -1}) {
        try {
            composer.ShowVerse(n);
            ADD_FAILURE() << n << " composed";
        } catch (const EPassageError& e) {
            EXPECT_EQ(e.what(),
                      cp("El versículo número " + std::to_string(n) + " no está en la tabla de versículos."));
        }
        EXPECT_EQ(composer.Text, Lines{"earlier"});
    }
}

TEST_F(SmallTable, AReferenceCannotChangeTheStatement) {
    // A quote would end the statement's value early; "#" starts a comment
    // and "%" is a wildcard. None of them is in a VerseID, so each is simply
    // not found, and no other verse is shown.
    for (const char* ref : {"Gn:1:1\" or ID > \"0", "Gl:5:1#", "%:5:1-3", "Gl:%:1-3", "Gl:5 :1"}) {
        composer.Text = {"earlier"};
        EXPECT_THROW(composer.ShowReference(ref, "T"), EPassageError) << ref;
        EXPECT_NE(composer.Text.size(), 5u) << ref;
    }
}

TEST(PassageComposer, AMissingVerseTableIsReportedWithTheEnginesMessage) {
    mz::test::TableDir empty;
    mz::TXmlSqlDb db;
    db.SetDataBase(empty.dir());
    TPassageComposer composer(db);
    try {
        composer.ShowVerse(1);
        FAIL() << "composed without a table";
    } catch (const EPassageError& e) {
        const std::string what = e.what();
        EXPECT_NE(what.find(cp("No se pudo leer la tabla de versículos RV1960n")), std::string::npos) << what;
        EXPECT_NE(what.find(empty.dir()), std::string::npos) << what;
        EXPECT_NE(what.find("\": Error"), std::string::npos) << what; // the engine's message
    }
}

} // namespace
