#include "scripture/PasajesSource.h"
#include "scripture/uPasajes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mz::fixture {
// Compiled by the build from fixtures/Tricky.tsv and fixtures/Empty.tsv.
extern const std::span<const TPasaje> Tricky;
extern const std::span<const TPasaje> Empty;
} // namespace mz::fixture

namespace {

// Every byte of a title survives the trip from the UTF-8 source through the
// generated C++ into the program: quotes, backslashes, the "\r" escape, the
// typographic quotes, an accent before a hex digit, a trailing blank, "??="
// (once a trigraph), a byte-order mark, a CR LF line end and a missing final
// line end.
TEST(CatalogueGenerator, CompiledTablesKeepEveryByte) {
    const std::pair<const char*, const char*> expected[] = {
        {"Dice \"s\xED\"", "Gn:1:1"},
        {"a\\b", "Gn:1:2"},
        {"Bendici\xF3n para el esposo,\rencontrar mujer", "Cnt:4:12"},
        {"Todas sus promesas son \x93Si\x94", "2Co:1:20"},
        {"\xBF"
         "Est\xE1 ansioso y afligido?",
         "Flp:4:6-7"},
        {"Sabidur\xED"
         "a en \xC9"
         "feso",
         "Hch:19:1"},
        {"Enfermedad ", "Stg:5:14-15"},
        {"?\?=trigraph", "Gn:1:3"},
        {"\xDAltimo", "Ap:22:21"},
    };
    ASSERT_EQ(mz::fixture::Tricky.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(mz::fixture::Tricky[i].Titulo, expected[i].first) << i;
        EXPECT_EQ(mz::fixture::Tricky[i].Referencia, expected[i].second) << i;
    }
    EXPECT_TRUE(mz::fixture::Empty.empty());
}

TEST(CatalogueGenerator, RejectsDamagedLinesNamingFileAndLine) {
    const std::pair<std::string, std::string> cases[] = {
        {"A\tGn:1:1\nAborto Jer:1:5\n", "Temas.tsv:2: no tab between title and reference"},
        {"A\tGn:1:1\n\nB\tGn:1:2\n", "Temas.tsv:2: empty line"},
        {"A\tGn:1:1\n\r\n", "Temas.tsv:2: empty line"},
        {"A\tGn:1:1\tGn:1:2\n", "Temas.tsv:1: more than one tab"},
        {"\tGn:1:1\n", "Temas.tsv:1: empty title"},
        {"A\t\n", "Temas.tsv:1: empty reference"},
        {"A\x01\tGn:1:1\n", "Temas.tsv:1: control character"},
        {"A\rB\tGn:1:1\n", "Temas.tsv:1: control character"},
        {"\xCE\xA9\tGn:1:1\n", "Temas.tsv:1: invalid UTF-8 or a character that Windows-1252 lacks"},
        {"A\t\xC3Gn:1:1\n", "Temas.tsv:1: invalid UTF-8 or a character that Windows-1252 lacks"},
        {"\xE9\tGn:1:1\n", "Temas.tsv:1: invalid UTF-8 or a character that Windows-1252 lacks"},
    };
    for (const auto& [text, message] : cases) {
        std::vector<mz::PasajeFuente> out;
        std::string error;
        EXPECT_FALSE(mz::ParsePasajesSource(text, "Temas.tsv", out, error)) << testing::PrintToString(text);
        EXPECT_EQ(error, message);
    }
}

TEST(CatalogueGenerator, AcceptsLineEndVariants) {
    for (const char* text : {"A\tGn:1:1\nB\tGn:1:2\n", "A\tGn:1:1\r\nB\tGn:1:2\r\n", "A\tGn:1:1\nB\tGn:1:2",
                             "\xEF\xBB\xBF"
                             "A\tGn:1:1\nB\tGn:1:2\n"}) {
        std::vector<mz::PasajeFuente> out;
        std::string error;
        ASSERT_TRUE(mz::ParsePasajesSource(text, "f", out, error)) << error;
        ASSERT_EQ(out.size(), 2u);
        EXPECT_EQ(out[0].Titulo, "A");
        EXPECT_EQ(out[1].Referencia, "Gn:1:2");
    }
}

} // namespace
