#include "tools/bibleimport/VerseTable.h"

#include <gtest/gtest.h>

namespace {

using namespace mz::bibleimport;

Layout toyLayout() {
    return Layout({{"Gn", "Gen", "Génesis", {2}}, {"Ex", "Exod", "Exodo", {1}}});
}

TEST(BibleImportVerseTable, WritesTheFileByteForByte) {
    const std::vector<TableVerse> verses = {
        {{0, 1, 1}, "En el principio crió Dios los cielos y la tierra."},
        {{0, 1, 2}, "«Sea» & \"luz\" > nada, €"},
        {{1, 1, 1}, "Estos son los nombres"},
    };
    std::string error;
    const auto file = formatVerseTable(toyLayout(), verses, error);
    ASSERT_TRUE(file) << error;
    EXPECT_EQ(*file, "<?xml version='1.0' encoding='ISO-8859-1'?>\r\n"
                     "<table fields=\"ID,VerseID,VerseText\" types=\"integer,string,string\">\r\n"
                     "\t<record>\r\n"
                     "\t\t<field>1</field>\r\n"
                     "\t\t<field>Gn:1:1</field>\r\n"
                     "\t\t<field>En el principio cri\xF3 Dios los cielos y la tierra.</field>\r\n"
                     "\t</record>\r\n"
                     "\t<record>\r\n"
                     "\t\t<field>2</field>\r\n"
                     "\t\t<field>Gn:1:2</field>\r\n"
                     "\t\t<field>\xABSea\xBB & \"luz\" > nada, \x80</field>\r\n"
                     "\t</record>\r\n"
                     "\t<record>\r\n"
                     "\t\t<field>3</field>\r\n"
                     "\t\t<field>Ex:1:1</field>\r\n"
                     "\t\t<field>Estos son los nombres</field>\r\n"
                     "\t</record>\r\n"
                     "</table>\r\n");
}

TEST(BibleImportVerseTable, FindsWhatAValueCannotHold) {
    struct Case {
        const char* text;
        const char* problem;
    };
    const Case cases[] = {
        {"Gracia y paz, “hermanos” — Amén…", ""},
        {"", "texto vacío"},
        {"a < b", "«<» no cabe en un valor de la tabla"},
        {"uno\ndos", "U+000A no cabe en un valor de la tabla"},
        {"tab\tuno", "U+0009 no cabe en un valor de la tabla"},
        {"en el principio (ἀρχή)", "«ἀ» (U+1F00) no cabe en Windows-1252"},
        {"bad \xFF byte", "«\xEF\xBF\xBD» (U+FFFD) no cabe en Windows-1252"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tableTextProblem(c.text), c.problem) << c.text;
}

TEST(BibleImportVerseTable, RefusesATableItCannotStoreAndNamesTheVerse) {
    std::string error;
    const auto file = formatVerseTable(toyLayout(), {{{0, 1, 1}, "bien"}, {{0, 1, 2}, "λόγος"}}, error);
    EXPECT_FALSE(file);
    EXPECT_EQ(error, "Gn:1:2: «λ» (U+03BB) no cabe en Windows-1252");
}

} // namespace
