#include "tools/bibleimport/PlainText.h"

#include <gtest/gtest.h>

namespace {

using mz::bibleimport::osisToPlain;
using mz::bibleimport::tidyBlanks;

struct Case {
    const char* what;
    const char* osis;
    const char* plain;
};

const Case kMarkup[] = {
    {"words and Strong's numbers",
     R"(<w lemma="strong:H7225">EN el principio</w> <w lemma="strong:H1254">crió</w>)",
     "EN el principio crió"},
    {"a word with two Strong's numbers", R"(en <w lemma="strong:G2424 G5547">Jesucristo</w>. Amén.)",
     "en Jesucristo. Amén."},
    {"notes go with everything inside them",
     R"(the heaven<note type="x"><reference osisRef="Gen.1.1">1.1</reference> Heb. heavens</note> and)",
     "the heaven and"},
    {"editorial headings go", R"(<title type="section">La creación</title>Y dijo Dios)", "Y dijo Dios"},
    {"canonical titles stay", R"(<title canonical="true">Salmo de David.</title>Jehová es)",
     "Salmo de David. Jehová es"},
    {"entities", "A &amp; B &quot;c&quot; &#241; &#xE9; &apos;", "A & B \"c\" ñ é '"},
    {"line breaks and milestones separate words",
     R"(uno<lb/>dos<milestone type="line"/>tres<chapter eID="x"/>)", "uno dos tres"},
    {"other markup does not", "bien<hi type=\"italic\">aventurado</hi>", "bienaventurado"},
    {"chapter end markers at the end", R"(fin. <chapter eID="Gen.1"/><div eID="g" type="x-p"/>)", "fin."},
};

const Case kAddedWords[] = {
    {"blank on both sides", "hay allí<transChange type=\"added\">también</transChange><w>bdelio</w> y",
     "hay allí también bdelio y"},
    {"several added words", "engendró<transChange type=\"added\">un hijo</transChange>á su semejanza",
     "engendró un hijo á su semejanza"},
    {"no blank before punctuation", "Abram<transChange type=\"added\">de allí</transChange>, caminando",
     "Abram de allí, caminando"},
    {"blanks already there stay single",
     "las aguas que <transChange type=\"added\">están</transChange> debajo", "las aguas que están debajo"},
    {"pronoun on a verb with an accent", "sáca<transChange type=\"added\">lo</transChange> de este lugar",
     "sácalo de este lugar"},
    {"pronoun on an infinitive", "deberá pagar<transChange type=\"added\">la</transChange>.",
     "deberá pagarla."},
    {"pronoun on an imperative in -d", "vosotros? Dad<transChange type=\"added\">nos</transChange> esos",
     "vosotros? Dadnos esos"},
    {"pronoun on a short imperative",
     "Por tanto di<transChange type=\"added\">les</transChange>:", "Por tanto diles:"},
    {"pronoun joined and a blank after it",
     "y díjo<transChange type=\"added\">le</transChange><w>Dios</w>:", "y díjole Dios:"},
    {"a name inside a sentence takes no pronoun",
     "la cual Josué<transChange type=\"added\">los</transChange> circuncidó", "la cual Josué los circuncidó"},
    {"a word that is no verb", "Y no<transChange type=\"added\">lo</transChange>hizo saber",
     "Y no lo hizo saber"},
    {"an accented word that is no verb", "Y cuánto<transChange type=\"added\">nos</transChange>ayudó",
     "Y cuánto nos ayudó"},
    {"a preposition in -r", "por<transChange type=\"added\">lo</transChange> tanto", "por lo tanto"},
    {"added words inside a note are gone with it",
     "fin<note>x<transChange type=\"added\">y</transChange>z</note>de", "finde"},
};

TEST(BibleImportPlainText, RemovesMarkup) {
    for (const auto& c : kMarkup)
        EXPECT_EQ(osisToPlain(c.osis), c.plain) << c.what;
}

TEST(BibleImportPlainText, SeparatesAddedWordsFromTheirNeighbours) {
    for (const auto& c : kAddedWords)
        EXPECT_EQ(osisToPlain(c.osis), c.plain) << c.what;
}

TEST(BibleImportPlainText, LeavesSingleBlanksOnly) {
    const Case cases[] = {
        {"runs, tabs and line ends", "  uno \t dos\r\n tres  ", "uno dos tres"},
        {"no-break and narrow blanks",
         "uno\xC2\xA0"
         "dos\xE2\x80\xAF"
         "tres",
         "uno dos tres"},
        {"invisible characters go", "u\xE2\x80\x8Bno\x01 dos\xEF\xBB\xBF", "uno dos"},
        {"only blanks", " \t ", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tidyBlanks(c.osis), c.plain) << c.what;
        EXPECT_EQ(osisToPlain(c.osis), c.plain) << c.what;
    }
}

TEST(BibleImportPlainText, KeepsWhatIsNotMarkupForTheTableCheck) {
    // A lone "<" or an encoded one reaches the text, so that the table check
    // can name the verse instead of the text silently losing a character.
    EXPECT_EQ(osisToPlain("a &lt; b"), "a < b");
    EXPECT_EQ(osisToPlain("a < b"), "a < b");
}

} // namespace
