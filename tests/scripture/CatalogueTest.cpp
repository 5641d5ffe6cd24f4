// Checks of the five compiled catalogues: the title runs and counts, the
// examples that must be there, and the form of every reference against the
// book table and the verses of each chapter.
#include "platform/Win1252.h"
#include "scripture/LibPBbl.h"
#include "scripture/uPasajes.h"
#include "tests/scripture/CatalogueTitles.h"
#include "tests/scripture/VerseCounts.h"

#include <gtest/gtest.h>

#include <charconv>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace {

using mz::TPasaje;
using mz::test::ExpectedTitle;

struct Catalogue {
    const char* name;
    std::span<const TPasaje> table;
    std::span<const ExpectedTitle> titles;
    std::size_t entries;
    std::size_t distinctTitles;
};

const Catalogue kCatalogues[] = {
    {"Temas", mz::Temas, mz::test::kTemasTitles, 736, 114},
    {"Contextos", mz::Contextos, mz::test::kContextosTitles, 332, 63},
    {"Promesas", mz::Promesas, mz::test::kPromesasTitles, 421, 108},
    {"Matrimonios", mz::Matrimonios, mz::test::kMatrimoniosTitles, 83, 81},
    {"Historias", mz::Historias, mz::test::kHistoriasTitles, 335, 102},
};

// Titles are Windows-1252; messages show them in UTF-8, a carriage return as "\r".
std::string shown(std::string_view cp1252) {
    std::string s = mz::cp1252ToUtf8(cp1252);
    for (std::size_t at = s.find('\r'); at != std::string::npos; at = s.find('\r', at))
        s.replace(at, 1, "\\r");
    return s;
}

struct TitleRun {
    std::string_view titulo;
    std::vector<std::string_view> referencias;
};

std::vector<TitleRun> runsOf(std::span<const TPasaje> table) {
    std::vector<TitleRun> runs;
    for (const TPasaje& p : table) {
        if (runs.empty() || runs.back().titulo != p.Titulo)
            runs.push_back({p.Titulo, {}});
        runs.back().referencias.push_back(p.Referencia);
    }
    return runs;
}

// The expected lists themselves must add up to the catalogue sizes.
TEST(CatalogueTitleList, AddsUpToTheCatalogueSizes) {
    std::size_t all = 0;
    for (const Catalogue& c : kCatalogues) {
        std::size_t entries = 0;
        std::set<std::string_view> distinct;
        for (const ExpectedTitle& t : c.titles) {
            entries += static_cast<std::size_t>(t.entradas);
            distinct.insert(t.titulo);
            EXPECT_LE(t.titulo.size(), 64u) << shown(t.titulo);
        }
        EXPECT_EQ(entries, c.entries) << c.name;
        EXPECT_EQ(distinct.size(), c.distinctTitles) << c.name;
        all += entries;
    }
    EXPECT_EQ(all, 1907u);
}

// Holds once the authored catalogues are complete: every table has exactly
// the titles in order, each with its number of entries.
TEST(CatalogueContent, TitlesAndCountsAsListed) {
    for (const Catalogue& c : kCatalogues) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.table.size(), c.entries);
        const std::vector<TitleRun> runs = runsOf(c.table);
        const std::size_t n = std::min(runs.size(), c.titles.size());
        for (std::size_t i = 0; i < n; ++i) {
            const ExpectedTitle& want = c.titles[i];
            if (runs[i].titulo != want.titulo) {
                ADD_FAILURE() << "run " << i + 1 << " is \"" << shown(runs[i].titulo) << "\", expected \""
                              << shown(want.titulo) << "\"";
                break; // everything after a missing or extra run is off by one
            }
            EXPECT_EQ(runs[i].referencias.size(), static_cast<std::size_t>(want.entradas))
                << "entries of \"" << shown(want.titulo) << "\" (run " << i + 1 << ")";
        }
        EXPECT_EQ(runs.size(), c.titles.size()) << "title runs";
    }
}

TEST(CatalogueExamples, GivenEntriesArePresent) {
    const struct {
        std::span<const TPasaje> table;
        const char* titulo; // UTF-8, "\r" as the carriage return
        const char* referencia;
    } examples[] = {
        {mz::Temas, "Aborto", "Is:49:1-5"},
        {mz::Temas, "Aborto", "Jer:1:5"},
        {mz::Temas, "Aborto", "Sal:139:13-16"},
        {mz::Contextos, "¿Duda de su fe en Dios?", "1Jn:5:13-15"},
        {mz::Contextos, "¿Duda de su fe en Dios?", "Heb:11:1-40"},
        {mz::Promesas, "Abnegación", "Gl:5:24"},
        {mz::Promesas, "Abnegación", "Mt:16:24-26"},
        {mz::Matrimonios, "...y serán una sola carne", "Ec:4:11"},
        {mz::Matrimonios, "Bendición para el esposo,\rencontrar mujer que no conoció varón", "Cnt:4:12"},
        {mz::Historias, "Agar e Ismael", "Gn:16:1-15"},
        {mz::Historias, "Agar e Ismael", "Gn:21:9-21"},
        {mz::Historias, "Alboroto en Éfeso", "Hch:19:23-41"},
    };
    for (const auto& e : examples) {
        const std::string titulo = mz::utf8ToCp1252(e.titulo);
        const bool found = std::any_of(e.table.begin(), e.table.end(), [&](const TPasaje& p) {
            return p.Titulo == titulo && p.Referencia == e.referencia;
        });
        EXPECT_TRUE(found) << e.titulo << " / " << e.referencia;
    }
}

std::optional<int> number(std::string_view text) {
    // Plain decimal digits without a leading zero, as the verse table writes them.
    if (text.empty() || text.front() == '0' || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// Why a reference is not one the composition can show, or empty when it is.
std::string referenceProblem(std::string_view ref) {
    mz::TBrkApart parts;
    parts.BreakString = ":";
    parts.BaseString = ref;
    parts.BreakApart();
    if (parts.Pieces.size() != 3 || ref.find_first_of(" \t\r") != std::string_view::npos ||
        ref.find("::") != std::string_view::npos || ref.front() == ':' || ref.back() == ':')
        return "not book:chapter:verse";
    const mz::TLibro* libro = mz::LibroPorAbrev(parts.Pieces[0]);
    if (libro == nullptr)
        return "unknown book";
    const std::optional<int> chapter = number(parts.Pieces[1]);
    if (!chapter || *chapter > libro->Capitulos)
        return "no such chapter";
    const int verses = mz::test::kVersesPerChapter.at(libro->Abrev)[static_cast<std::size_t>(*chapter - 1)];
    const std::string_view versePart = parts.Pieces[2];
    const std::size_t dash = versePart.find('-');
    const std::optional<int> first = number(versePart.substr(0, dash));
    const std::optional<int> last =
        dash == std::string_view::npos ? first : number(versePart.substr(dash + 1));
    if (!first || !last)
        return "verse is not a number or a range of two numbers";
    if (dash != std::string_view::npos && *first >= *last)
        return "range does not rise";
    if (*last > verses)
        return "chapter has " + std::to_string(verses) + " verses";
    return {};
}

TEST(CatalogueReferences, TheCheckCatchesBadForms) {
    const std::pair<const char*, bool> cases[] = {
        {"Gn:1:1", true},      {"Sal:139:13-16", true}, {"Sal:47:10", true}, {"3Jn:1:15", true},
        {"Heb:11:1-40", true}, {"Ap:22:21", true},      {"Gn:50:26", true},  {"Gn:1", false},
        {"Gn:1:1:1", false},   {"Gn::1:1", false},      {"Gn:1:1 ", false},  {"Gn: 1:1", false},
        {"gn:1:1", false},     {"Xx:1:1", false},       {"Gn:0:1", false},   {"Gn:51:1", false},
        {"Gn:1:0", false},     {"Gn:1:32", false},      {"Gn:01:1", false},  {"Gn:1:5-5", false},
        {"Gn:1:6-5", false},   {"Gn:1:1-", false},      {"Gn:1:-3", false},  {"Gn:1:1-2-3", false},
        {"Gn:1:1-32", false},  {"Sal:47:11", false},    {"Abd:2:1", false},  {":Gn:1:1", false},
    };
    for (const auto& [ref, good] : cases)
        EXPECT_EQ(referenceProblem(ref).empty(), good) << ref << ": " << referenceProblem(ref);
}

TEST(CatalogueReferences, EveryReferenceNamesExistingVerses) {
    for (const Catalogue& c : kCatalogues)
        for (const TPasaje& p : c.table) {
            const std::string problem = referenceProblem(p.Referencia);
            EXPECT_TRUE(problem.empty())
                << c.name << ", \"" << shown(p.Titulo) << "\": " << p.Referencia << ": " << problem;
        }
}

TEST(CatalogueReferences, SortedAndDistinctWithinATitle) {
    for (const Catalogue& c : kCatalogues) {
        std::map<std::string_view, std::set<std::string_view>> seen;
        for (const TitleRun& run : runsOf(c.table)) {
            for (std::size_t i = 1; i < run.referencias.size(); ++i)
                EXPECT_LT(run.referencias[i - 1], run.referencias[i])
                    << c.name << ", \"" << shown(run.titulo) << "\": out of order or repeated";
            for (std::string_view ref : run.referencias)
                EXPECT_TRUE(seen[run.titulo].insert(ref).second)
                    << c.name << ", \"" << shown(run.titulo) << "\": " << ref << " twice";
        }
    }
}

TEST(CatalogueTitles, FitThePopUpAndHoldOnlyLineBreaks) {
    for (const Catalogue& c : kCatalogues)
        for (const TPasaje& p : c.table) {
            EXPECT_FALSE(p.Titulo.empty()) << c.name;
            EXPECT_LE(p.Titulo.size(), 64u) << c.name << ", \"" << shown(p.Titulo) << '"';
            for (char ch : p.Titulo)
                EXPECT_TRUE(static_cast<unsigned char>(ch) >= 0x20 || ch == '\r')
                    << c.name << ", \"" << shown(p.Titulo) << "\": control character";
        }
}

TEST(Catalogues, SourceKeysSelectTheirTables) {
    const std::pair<const char*, std::span<const TPasaje>> keys[] = {
        {"Temas", mz::Temas},      {"Contextos", mz::Contextos},     {"Promesas", mz::Promesas},
        {"Jovenes", mz::Promesas}, {"Matrimonios", mz::Matrimonios}, {"Historias", mz::Historias},
    };
    for (const auto& [key, table] : keys) {
        const auto got = mz::PasajesDeFuente(key);
        EXPECT_EQ(got.data(), table.data()) << key;
        EXPECT_EQ(got.size(), table.size()) << key;
        EXPECT_FALSE(got.empty()) << key;
    }
    for (const char* key : {"", "Biblia", "AT", "Favoritos", "Proverbios", "temas", "J\xF3venes"})
        EXPECT_TRUE(mz::PasajesDeFuente(key).empty()) << key;
}

TEST(Catalogues, EveryEntryCanBeDrawn) {
    // The shell draws an index uniformly over the whole table.
    mz::SeedRandom(11);
    for (const Catalogue& c : kCatalogues) {
        std::set<std::size_t> drawn;
        for (std::size_t i = 0; i < 40 * c.table.size() + 100; ++i)
            drawn.insert(mz::RandomIndex(c.table.size()));
        EXPECT_EQ(drawn.size(), c.table.size()) << c.name;
    }
}

} // namespace
