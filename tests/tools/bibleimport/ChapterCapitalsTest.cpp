#include "tools/bibleimport/ChapterCapitals.h"

#include <gtest/gtest.h>

namespace {

using mz::bibleimport::NameIndex;
using mz::bibleimport::normaliseOpening;

// Moisés and Jehová are written with a capital inside sentences; dijo,
// doce and sus are not.
NameIndex names() {
    NameIndex index;
    index.add("Y habló Jehová á Moisés, diciendo: Di á Aarón que sus hijos");
    index.add("Entonces dijo Moisés: doce piedras, y Jehová dijo");
    index.add("de doce años");
    return index;
}

struct Case {
    bool chapterStart;
    const char* text;
    const char* expected;
};

TEST(BibleImportChapterCapitals, WritesTheOpeningWordInNormalCase) {
    const NameIndex index = names();
    const Case cases[] = {
        {true, "EN el principio crió Dios", "En el principio crió Dios"},
        {true, "Y MOISÉS dijo á los hijos", "Y Moisés dijo á los hijos"},
        {true, "Y DIJO Moisés", "Y dijo Moisés"},
        {true, "DE DOCE años era Manasés", "De doce años era Manasés"},
        {true, "Y Á SUS discípulos", "Y á sus discípulos"},
        {true, "¡AY de mí!", "¡Ay de mí!"},
        {true, "PABLO, apóstol", "Pablo, apóstol"},
        {true, "Salmo de David. RESPÓNDEME cuando clamo", "Salmo de David. Respóndeme cuando clamo"},
        {true, "ALEPH. BIENAVENTURADOS los perfectos", "ALEPH. Bienaventurados los perfectos"},
        {true, "Y dijo Dios", "Y dijo Dios"},
        {false, "HUBO en los días de Herodes", "Hubo en los días de Herodes"},
        {false, "¿CAZARÁS tú la presa?", "¿Cazarás tú la presa?"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(normaliseOpening(c.text, c.chapterStart, index), c.expected) << c.text;
}

TEST(BibleImportChapterCapitals, LeavesCapitalsInsideAChapterAlone) {
    const NameIndex index = names();
    const char* texts[] = {
        "Yo soy JEHOVÁ tu Dios",        // emphasis inside a verse
        "Y JEHOVÁ dijo",                // a name in capitals after "Y"
        "BETH ¿Con qué limpiará",       // a label before a capitalised word
        "MENE, MENE, TEKEL, UPHARSIN.", // an inscription
    };
    for (const char* t : texts)
        EXPECT_EQ(normaliseOpening(t, false, index), t);
}

TEST(BibleImportChapterCapitals, CountsNamesOnlyInsideSentences) {
    NameIndex index;
    // At the start of a sentence every word is capitalised: that says nothing.
    index.add("Luego vino. Luego fué. Luego dijo.");
    EXPECT_FALSE(index.isName(U"luego"));
    index.add("y Balaam dijo, y vino Balaam");
    EXPECT_TRUE(index.isName(U"balaam"));
    index.add("balaam balaam balaam");
    EXPECT_FALSE(index.isName(U"balaam"));
}

} // namespace
