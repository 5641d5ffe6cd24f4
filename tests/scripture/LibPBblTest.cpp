#include "scripture/LibPBbl.h"
#include "platform/Win1252.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Test texts are written in UTF-8 and compared as Windows-1252 bytes.
std::string cp(const char* utf8) {
    return mz::utf8ToCp1252(utf8);
}

TEST(Libros, VerseIdsCoverTheBibleInOrder) {
    ASSERT_EQ(mz::Libros.size(), 66u);
    int next = 1;
    for (const mz::TLibro& l : mz::Libros) {
        EXPECT_EQ(l.PrimerID, next) << l.Abrev;
        next = l.UltimoID() + 1;
    }
    EXPECT_EQ(next - 1, 31106);
    EXPECT_EQ(mz::Libros[38].UltimoID(), 23146);
    EXPECT_EQ(mz::Libros[39].PrimerID, 23147);
}

TEST(Libros, RowsHoldTheirNamesAndNumbers) {
    struct Row {
        int no;
        const char *nombre, *corto, *abrev;
        int capitulos, primer, num;
        const char *testamento, *grupo;
    };
    // Every group boundary, every accented name and the rows whose names differ.
    const Row rows[] = {
        {1, "Génesis", "Génesis", "Gn", 50, 1, 1533, "AT", "Pentateuco"},
        {2, "Exodo", "Exodo", "Ex", 40, 1534, 1213, "AT", "Pentateuco"},
        {3, "Levítico", "Levítico", "Lv", 27, 2747, 859, "AT", "Pentateuco"},
        {4, "Números", "Números", "Nm", 36, 3606, 1288, "AT", "Pentateuco"},
        {6, "Josué", "Josué", "Jos", 24, 5853, 658, "AT", "Libros históricos"},
        {9, "1 Samuel", "1 Samuel", "1S", 31, 7214, 810, "AT", "Libros históricos"},
        {13, "1 Crónicas", "1 Crónicas", "1Cr", 29, 10254, 942, "AT", "Libros históricos"},
        {14, "2 Crónicas", "2 Crónicas", "2Cr", 36, 11196, 822, "AT", "Libros históricos"},
        {16, "Nehemías", "Nehemías", "Neh", 13, 12298, 406, "AT", "Libros históricos"},
        {17, "Ester", "Ester", "Est", 10, 12704, 167, "AT", "Libros históricos"},
        {18, "Job", "Job", "Job", 42, 12871, 1070, "AT", "Libros sapienciales y poéticos"},
        {19, "Salmos", "Salmos", "Sal", 150, 13941, 2462, "AT", "Libros sapienciales y poéticos"},
        {21, "Eclesiastés", "Eclesiastés", "Ec", 12, 17318, 222, "AT", "Libros sapienciales y poéticos"},
        {22, "Cantares", "Cantares", "Cnt", 8, 17540, 117, "AT", "Libros sapienciales y poéticos"},
        {23, "Isaías", "Isaías", "Is", 66, 17657, 1292, "AT", "Libros proféticos"},
        {24, "Jeremías", "Jeremías", "Jer", 52, 18949, 1364, "AT", "Libros proféticos"},
        {30, "Amós", "Amós", "Am", 9, 22367, 146, "AT", "Libros proféticos"},
        {31, "Abdías", "Abdías", "Abd", 1, 22513, 21, "AT", "Libros proféticos"},
        {32, "Jonás", "Jonás", "Jon", 4, 22534, 48, "AT", "Libros proféticos"},
        {34, "Nahúm", "Nahúm", "Nah", 3, 22687, 47, "AT", "Libros proféticos"},
        {36, "Sofonías", "Sofonías", "Sof", 3, 22790, 53, "AT", "Libros proféticos"},
        {38, "Zacarías", "Zacarías", "Zac", 14, 22881, 211, "AT", "Libros proféticos"},
        {39, "Malaquías", "Malaquías", "Mal", 4, 23092, 55, "AT", "Libros proféticos"},
        {40, "San Mateo", "Mateo", "Mt", 28, 23147, 1071, "NT", "Los 4 evangelios"},
        {43, "San Juan", "Juan", "Jn", 21, 26047, 879, "NT", "Los 4 evangelios"},
        {44, "Hechos", "Hechos", "Hch", 28, 26926, 1007, "NT", ""},
        {45, "Romanos", "Romanos", "Ro", 16, 27933, 433, "NT", "Epistolas de San Pablo"},
        {48, "Gálatas", "Gálatas", "Gl", 6, 29061, 149, "NT", "Epistolas de San Pablo"},
        {50, "Filipenses", "Filipenses", "Flp", 4, 29365, 104, "NT", "Epistolas de San Pablo"},
        {57, "Filemón", "Filemón", "Flm", 1, 29942, 25, "NT", "Epistolas de San Pablo"},
        {58, "Hebreos", "Hebreos", "Heb", 13, 29967, 303, "NT", "Epistolas de San Pablo"},
        {59, "Santiago", "Santiago", "Stg", 5, 30270, 108, "NT", "Epistolas católicas"},
        {60, "1 San Pedro", "1 Pedro", "1P", 5, 30378, 106, "NT", "Epistolas católicas"},
        {64, "3 San Juan", "3 Juan", "3Jn", 1, 30663, 15, "NT", "Epistolas católicas"},
        {65, "San Judas", "Judas", "Jud", 1, 30678, 25, "NT", "Epistolas católicas"},
        {66, "Apocalipsis", "Apocalipsis", "Ap", 22, 30703, 404, "NT", ""},
    };
    for (const Row& r : rows) {
        const mz::TLibro& l = mz::Libros[r.no - 1];
        EXPECT_EQ(l.Nombre, cp(r.nombre)) << r.no;
        EXPECT_EQ(l.NombreCorto, cp(r.corto)) << r.no;
        EXPECT_EQ(l.Abrev, r.abrev) << r.no;
        EXPECT_EQ(l.Capitulos, r.capitulos) << r.no;
        EXPECT_EQ(l.PrimerID, r.primer) << r.no;
        EXPECT_EQ(l.NumVersos, r.num) << r.no;
        EXPECT_EQ(l.Testamento, r.testamento) << r.no;
        EXPECT_EQ(l.Grupo, cp(r.grupo)) << r.no;
    }
}

TEST(Libros, OnlyTenFullNamesDifferAndKeysAreUnique) {
    std::vector<int> differing;
    std::set<std::string_view> names, shorts, abbrs;
    for (int i = 0; i < 66; ++i) {
        const mz::TLibro& l = mz::Libros[i];
        if (l.Nombre != l.NombreCorto)
            differing.push_back(i + 1);
        names.insert(l.Nombre);
        shorts.insert(l.NombreCorto);
        abbrs.insert(l.Abrev);
        EXPECT_EQ(l.Abrev.find_first_of(" :-"), std::string_view::npos) << l.Abrev;
    }
    EXPECT_EQ(differing, (std::vector<int>{40, 41, 42, 43, 60, 61, 62, 63, 64, 65}));
    EXPECT_EQ(names.size(), 66u);
    EXPECT_EQ(shorts.size(), 66u);
    EXPECT_EQ(abbrs.size(), 66u);
}

TEST(BookLookups, RefBookAbbr) {
    const std::pair<const char*, const char*> cases[] = {
        {"Gn:1:1", "Gn"}, {"1Co:13:4-7", "1Co"}, {"Gn", "Gn"}, {":1:1", "1"}, {"::Ap:1", "Ap"},
    };
    for (const auto& [ref, abbr] : cases)
        EXPECT_EQ(mz::RefBookAbbr(ref), abbr) << ref;
    EXPECT_THROW(mz::RefBookAbbr(""), std::invalid_argument);
    EXPECT_THROW(mz::RefBookAbbr(":::"), std::invalid_argument);
}

TEST(BookLookups, NameConversions) {
    struct Case {
        std::string (*fn)(std::string_view);
        const char* name;
        const char* input;
        const char* expected;
    };
    const Case cases[] = {
        {mz::AbbrToShortName, "AbbrToShortName", "Mt", "Mateo"},
        {mz::AbbrToShortName, "AbbrToShortName", "3Jn", "3 Juan"},
        {mz::AbbrToShortName, "AbbrToShortName", "Gn", "Génesis"},
        {mz::AbbrToShortName, "AbbrToShortName", "mt", ""},
        {mz::AbbrToShortName, "AbbrToShortName", "", ""},
        {mz::FullNameToAbbr, "FullNameToAbbr", "San Mateo", "Mt"},
        {mz::FullNameToAbbr, "FullNameToAbbr", "Mateo", ""},
        {mz::FullNameToAbbr, "FullNameToAbbr", "Exodo", "Ex"},
        {mz::FullNameToAbbr, "FullNameToAbbr", "Éxodo", ""},
        {mz::FullNameToAbbr, "FullNameToAbbr", "Nahúm", "Nah"},
        {mz::FullNameToAbbr, "FullNameToAbbr", "Proverbios", "Pr"},
        {mz::FullNameToAbbr, "FullNameToAbbr", "proverbios", ""},
        {mz::FullNameToAbbr, "FullNameToAbbr", "Job", "Job"},
        {mz::ShortToFullName, "ShortToFullName", "Judas", "San Judas"},
        {mz::ShortToFullName, "ShortToFullName", "2 Pedro", "2 San Pedro"},
        {mz::ShortToFullName, "ShortToFullName", "1 Juan", "1 San Juan"},
        {mz::ShortToFullName, "ShortToFullName", "Génesis", "Génesis"},
        {mz::ShortToFullName, "ShortToFullName", "San Mateo", "San Mateo"},
        {mz::ShortToFullName, "ShortToFullName", "juan", "juan"},
        {mz::ShortToFullName, "ShortToFullName", "", ""},
        {mz::ChapterCount, "ChapterCount", "Sal:1:1", "150"},
        {mz::ChapterCount, "ChapterCount", "Sal", "150"},
        {mz::ChapterCount, "ChapterCount", "Abd:1:1", "1"},
        {mz::ChapterCount, "ChapterCount", "Ap:22:1-21", "22"},
        {mz::ChapterCount, "ChapterCount", "Xyz:1:1", ""},
        {mz::ChapterCount, "ChapterCount", ":1:1", ""},
        {mz::ChapterCount, "ChapterCount", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.fn(cp(c.input)), cp(c.expected)) << c.name << "(\"" << c.input << "\")";
}

// Each row maps every abbreviation and every full name to itself through the
// conversions, so no row can be out of step with another.
TEST(BookLookups, EveryBookRoundTrips) {
    for (const mz::TLibro& l : mz::Libros) {
        EXPECT_EQ(mz::FullNameToAbbr(l.Nombre), l.Abrev);
        EXPECT_EQ(mz::AbbrToShortName(l.Abrev), l.NombreCorto);
        EXPECT_EQ(mz::ShortToFullName(l.NombreCorto), l.Nombre);
        EXPECT_EQ(mz::ChapterCount(std::string(l.Abrev) + ":1:1"), std::to_string(l.Capitulos));
        EXPECT_EQ(mz::LibroPorAbrev(l.Abrev), &l);
    }
}

struct Range {
    const char* key;
    int first, last;
};

// Draws `n` IDs for `key` and returns how often each came up.
std::map<int, int> draw(const char* key, int n) {
    std::map<int, int> seen;
    for (int i = 0; i < n; ++i)
        ++seen[mz::RandomVerseID(key)];
    return seen;
}

TEST(RandomVerseID, ReachesBothEndsAndNothingOutside) {
    const Range ranges[] = {
        {"Gn", 1, 1533},  {"Flp", 29365, 29468}, {"Ap", 30703, 31106}, {"Abd", 22513, 22533},
        {"AT", 1, 23146}, {"NT", 23147, 31106},  {"Bbl", 1, 31106},
    };
    mz::SeedRandom(20240601);
    for (const Range& r : ranges) {
        // Enough draws that missing an end by chance is below one in e^30.
        const int n = 30 * (r.last - r.first + 1);
        const auto seen = draw(r.key, n);
        EXPECT_EQ(seen.begin()->first, r.first) << r.key;
        EXPECT_EQ(seen.rbegin()->first, r.last) << r.key;
    }
}

TEST(RandomVerseID, IsUniformOverASmallBook) {
    // 21 verses, 21,000 draws: each count is 1000 +- 31 (one deviation); a
    // biased or shifted draw lands far outside 800 to 1200.
    mz::SeedRandom(7);
    const auto seen = draw("Abd", 21000);
    ASSERT_EQ(seen.size(), 21u);
    for (const auto& [id, count] : seen) {
        EXPECT_GE(count, 800) << id;
        EXPECT_LE(count, 1200) << id;
    }
}

TEST(RandomVerseID, UnknownKeysGiveZero) {
    for (const char* key : {"", "Biblia", "Filipenses", "gn", "Bbl ", "At"})
        EXPECT_EQ(mz::RandomVerseID(key), 0) << key;
}

TEST(RandomVerseID, SeedingRepeatsAndRandomizeVaries) {
    auto sequence = [] {
        std::vector<std::size_t> s;
        for (int i = 0; i < 8; ++i)
            s.push_back(mz::RandomIndex(1u << 30));
        return s;
    };
    mz::SeedRandom(42);
    const auto a = sequence();
    mz::SeedRandom(42);
    EXPECT_EQ(sequence(), a);
    // Back-to-back re-seeds from the clock still give different sequences.
    mz::Randomize();
    const auto b = sequence();
    mz::Randomize();
    EXPECT_NE(sequence(), b);
}

TEST(RandomIndex, CoversTheRangeAndZeroIsSafe) {
    EXPECT_EQ(mz::RandomIndex(0), 0u);
    EXPECT_EQ(mz::RandomIndex(1), 0u);
    mz::SeedRandom(3);
    std::set<std::size_t> seen;
    for (int i = 0; i < 3000; ++i)
        seen.insert(mz::RandomIndex(83));
    EXPECT_EQ(seen.size(), 83u);
    EXPECT_EQ(*seen.rbegin(), 82u);
}

} // namespace
