#include "tools/bibleimport/Renumber.h"

#include <gtest/gtest.h>

namespace {

using namespace mz::bibleimport;

// Two small books: A with chapters of 3 and 2 verses, B with one of 2.
Layout toyLayout() {
    return Layout({{"A", "BookA", "Libro A", {3, 2}}, {"B", "BookB", "Libro B", {2}}});
}

SourceBook book(std::vector<std::vector<std::string>> chapters) {
    return SourceBook{true, std::move(chapters)};
}

NumberingPlan plan(const std::string& text) {
    std::string error;
    auto parsed = parseNumbering(text, {"A", "B"}, error);
    EXPECT_TRUE(parsed) << error;
    return parsed.value_or(NumberingPlan{});
}

std::vector<std::string> texts(const RenumberResult& r) {
    std::vector<std::string> out;
    for (const auto& v : r.verses)
        out.push_back(v.text);
    return out;
}

TEST(BibleImportRenumber, TakesVersesOfTheSameNumberWhenNoRuleSaysOtherwise) {
    const Layout layout = toyLayout();
    const SourceBible source{{book({{"a1", "a2", "a3"}, {"a4", "a5"}}), book({{"b1", "b2"}})}};
    const RenumberResult r = renumber(layout, NumberingPlan{}, source);
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(texts(r), (std::vector<std::string>{"a1", "a2", "a3", "a4", "a5", "b1", "b2"}));
    ASSERT_EQ(r.verses.size(), 7u);
    EXPECT_EQ(r.verses[5].ref, (VerseRef{1, 1, 1}));
    EXPECT_EQ(layout.idOf(r.verses[5].ref), 6);
    EXPECT_EQ(layout.verseId(r.verses[5].ref), "B:1:1");
}

TEST(BibleImportRenumber, MovesAChapterThatStartsAVerseEarly) {
    // The module leaves A 1:3 empty, starts chapter 2 with it and holds the
    // chapter's last two verses in one.
    const SourceBible source{
        {book({{"a1", "a2", ""}, {"a3", "a4", "Fourth. Fifth and last."}}), book({{"b1", "b2"}})}};
    const RenumberResult r = renumber(toyLayout(),
                                      plan("A:1:3 = A:2:1\n"
                                           "A:2:1 = A:2:2\n"),
                                      source);
    // A 2:2 has no text of its own any more and the module's A 2:3 is left over.
    EXPECT_EQ(r.error, "no cabe en la numeración de la tabla; difieren Libro A (falta 2:2)");
    EXPECT_FALSE(r.planError);

    const RenumberResult fixed = renumber(toyLayout(),
                                          plan("A:1:3 = A:2:1\n"
                                               "A:2:1 = A:2:2\n"
                                               "A:2:2 = A:2:3\n"),
                                          source);
    ASSERT_EQ(fixed.error, "");
    EXPECT_EQ(texts(fixed),
              (std::vector<std::string>{"a1", "a2", "a3", "a4", "Fourth. Fifth and last.", "b1", "b2"}));
}

TEST(BibleImportRenumber, SplitsAtTheQuotedTextsAndJoinsWithOneBlank) {
    const SourceBible source{
        {book({{"a1", "a2 part one", "a2 part two"}, {"x; y, and z.", ""}}), book({{"b1", "b2"}})}};
    const RenumberResult r = renumber(toyLayout(),
                                      plan("A:1:2 = A:1:2 + A:1:3\n"
                                           "A:1:3-2:2 = A:2:1 / \"y,\" / \"and z\"\n"),
                                      source);
    ASSERT_EQ(r.error, "");
    // Pieces after the first begin with a capital, like every verse.
    EXPECT_EQ(texts(r),
              (std::vector<std::string>{"a1", "a2 part one a2 part two", "x;", "Y,", "And z.", "b1", "b2"}));
}

TEST(BibleImportRenumber, NamesTheRuleThatCannotBeApplied) {
    const SourceBible source{{book({{"a1", "one two one", "a3"}, {"a4", ""}}), book({{"b1", "b2"}})}};
    struct Case {
        const char* rules;
        const char* error;
    };
    const Case cases[] = {
        {"A:1:2-3 = A:1:2 / \"three\"", "línea 1: no se encuentra \"three\" en A:1:2"},
        {"A:1:2-3 = A:1:2 / \"one\"", "línea 1: \"one\" aparece más de una vez en A:1:2"},
        {"A:1:1-3 = A:1:2 / \"two\" / \"one two\"",
         "línea 1: no se encuentra \"one two\" en A:1:2 en su orden"},
        {"A:1:2-3 = A:1:2 / \"one two\"", "línea 1: un trozo de A:1:2 queda vacío"},
        {"A:1:2 = A:1:2 / \"two\"", "línea 1: dividir en 2 trozos no da los 1 versículos del destino"},
        {"A:1:1-2 = A:1:3", "línea 1: el origen tiene 1 versículos y el destino 2"},
        {"A:2:2 = A:2:2", "línea 1: A:2:2 no tiene texto en el módulo"},
        {"A:2:2 = A:3:1", "línea 1: el módulo no tiene A:3:1"},
        {"A:3:1 = A:1:1", "línea 1: el destino A:3:1 no está en la tabla"},
        {"A:1:1 = A:1:1\nA:1:2 = A:1:1", "línea 2: A:1:1 ya lo toma la línea 1"},
        {"A:1:1 = A:1:1\nA:1:1 = A:1:2", "línea 2: el destino A:1:1 ya tiene texto de otra línea"},
    };
    for (const auto& c : cases) {
        const RenumberResult r = renumber(toyLayout(), plan(c.rules), source);
        EXPECT_EQ(r.error, c.error) << c.rules;
        EXPECT_TRUE(r.planError) << c.rules;
        EXPECT_TRUE(r.verses.empty()) << c.rules;
    }
}

TEST(BibleImportRenumber, NamesEveryBookThatDoesNotFit) {
    struct Case {
        const char* what;
        SourceBible source;
        const char* error;
    };
    const Case cases[] = {
        {"a verse without text and a verse too many",
         {{book({{"a1", "a2", "a3"}, {"a4", ""}}), book({{"b1", "b2", "b3"}})}},
         "no cabe en la numeración de la tabla; difieren Libro A (falta 2:2), Libro B (sobra 1:3)"},
        {"a missing chapter",
         {{book({{"a1", "a2", "a3"}}), book({{"b1", "b2"}})}},
         "no cabe en la numeración de la tabla; difieren Libro A (falta 2:1)"},
        {"a missing book",
         {{book({{"a1", "a2", "a3"}, {"a4", "a5"}}), SourceBook{}}},
         "no cabe en la numeración de la tabla; difieren Libro B (no está en el módulo)"},
    };
    for (const auto& c : cases) {
        const RenumberResult r = renumber(toyLayout(), NumberingPlan{}, c.source);
        EXPECT_EQ(r.error, c.error) << c.what;
        EXPECT_FALSE(r.planError) << c.what;
        EXPECT_TRUE(r.verses.empty()) << c.what;
    }
}

} // namespace
