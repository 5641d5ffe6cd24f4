#include "tools/bibleimport/Layout.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

using namespace mz::bibleimport;

// The King James chapter sizes, as the shipped table's tests know them.
VersificationSizes kingJames() {
    std::ifstream in(MZ_SOURCE_DIR "/tests/data/kjv-chapter-counts.tsv");
    EXPECT_TRUE(in);
    VersificationSizes sizes;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string abbr, osis;
        fields >> abbr >> osis;
        int n = 0;
        while (fields >> n)
            sizes[osis].push_back(n);
    }
    return sizes;
}

TEST(BibleImportLayout, BuildsTheTableLayoutFromTheKingJamesChapters) {
    std::string error;
    const auto layout = standardLayout(kingJames(), error);
    ASSERT_TRUE(layout) << error;
    EXPECT_EQ(layout->bookCount(), 66);
    EXPECT_EQ(layout->totalVerses(), 31106);
    EXPECT_EQ(layout->verseCount(layout->findAbbr("Sal"), 47), 10);
    EXPECT_EQ(layout->verseCount(layout->findAbbr("3Jn"), 1), 15);
    EXPECT_EQ(layout->verseCount(layout->findAbbr("2Co"), 13), 15);
    EXPECT_EQ(layout->verseCount(layout->findAbbr("1P"), 5), 15);
    const VerseRef jn316{layout->findAbbr("Jn"), 3, 16};
    EXPECT_EQ(layout->idOf(jn316), 26138);
    EXPECT_EQ(layout->verseId(jn316), "Jn:3:16");
    EXPECT_EQ(layout->idOf({layout->findAbbr("Ap"), 22, 21}), 31106);
    EXPECT_EQ(layout->findOsis("Ps"), layout->findAbbr("Sal"));
}

TEST(BibleImportLayout, RefusesAVersificationThatDoesNotGiveTheTable) {
    std::string error;
    VersificationSizes sizes = kingJames();
    sizes.erase("Gen");
    sizes["Jude"].push_back(3);
    sizes["Ps"][22] += 1;
    EXPECT_FALSE(standardLayout(sizes, error));
    EXPECT_EQ(error,
              "la versificación King James de SWORD no da la de la tabla; difieren Génesis (falta en la "
              "versificación), Salmos (2463 versículos, se esperan 2462), San Judas (2 capítulos, se "
              "esperan 1)");
}

TEST(BibleImportLayout, StepsThroughChaptersInOrder) {
    const Layout layout({{"A", "A", "A", {2, 0, 1}}});
    EXPECT_EQ(layout.next({0, 1, 1}), (VerseRef{0, 1, 2}));
    EXPECT_EQ(layout.next({0, 1, 2}), (VerseRef{0, 3, 1}));
    EXPECT_EQ(layout.next({0, 3, 1}), std::nullopt);
    EXPECT_FALSE(layout.contains({0, 2, 1}));
}

} // namespace
