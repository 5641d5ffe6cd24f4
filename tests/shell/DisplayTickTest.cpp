#include "shell/DisplayTick.h"
#include "scripture/LibPBbl.h"
#include "shell/PassageComposer.h"
#include "sqlxml/XmlSqlDb.h"
#include "tests/shell/ShellFixtures.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using mz::EPassageError;
using mz::TDisplayTick;
using mz::TFuente;
using mz::TPassageComposer;
using mz::TSourceChoice;
using mz::test::cp;
using Lines = std::vector<std::string>;

// A tick whose verse table and favourites table live in two directories, as
// the program's do; every tick re-seeds with a new fixed seed.
class Tick : public ::testing::Test {
protected:
    void SetUp() override {
        useVerseDir(verses.dir());
        mz::test::WriteSmallVerseTable(verses);
        tick.ExeDir = exe.dir();
        composer.LineWidth = 40;
        tick.Reseed = [this] { mz::SeedRandom(++reseeds); };
    }
    void useVerseDir(const std::string& dir) {
        tick.WindowsDir = dir;
        db.SetDataBase(dir);
    }

    mz::test::TableDir verses, exe;
    mz::TXmlSqlDb db;
    TPassageComposer composer{db};
    TDisplayTick tick{db, composer};
    int reseeds = 0;
};

const TSourceChoice kFavoritos{TFuente::Favoritos, {}};

TEST_F(Tick, OneFavouriteIsShownAtEveryTick) {
    exe.favourites({{"7", "Mi favorito", "Gl:5:2-3"}});
    for (int i = 0; i < 4; ++i) {
        const mz::TTickResult r = tick.ShowNextPassage(kFavoritos);
        EXPECT_EQ(r.Lines, (Lines{"<b>Mi favorito</b><br>", "<b>Gl 5:2-3</b><hr><br>", "<b>2. </b>",
                                  cp("He aquí, yo Pablo os digo.<br>"), "<b>3. </b>",
                                  cp("Y otra vez vuelvo á protestar.<br>")}));
        EXPECT_TRUE(r.AutoSize);
        // The verse table is read from its own directory again.
        EXPECT_EQ(db.DataBase(), verses.dir());
    }
    EXPECT_EQ(reseeds, 4);
}

TEST_F(Tick, EveryFavouriteComesUp) {
    exe.favourites({{"1", "uno", "Gl:5:1"}, {"2", "dos", "Gl:5:2"}, {"3", "tres", "Ef:1:1"}});
    std::set<std::string> titles;
    for (int i = 0; i < 40; ++i) {
        const mz::TTickResult r = tick.ShowNextPassage(kFavoritos);
        titles.insert(tick.LastDraw().Titulo);
        EXPECT_EQ(r.Lines[0], "<b>" + tick.LastDraw().Titulo + "</b><br>");
    }
    EXPECT_EQ(titles, (std::set<std::string>{"uno", "dos", "tres"}));
}

TEST_F(Tick, NoFavouriteShowsThatTheReferenceDoesNotExist) {
    exe.favourites({});
    const mz::TTickResult r = tick.ShowNextPassage(kFavoritos);
    EXPECT_EQ(r.Lines, Lines{std::string(TPassageComposer::kNoSuchReference)});
    EXPECT_TRUE(r.AutoSize);
    EXPECT_EQ(db.DataBase(), verses.dir());
}

TEST_F(Tick, AMissingFavouritesTableFailsAndLeavesTheVerseDirectory) {
    try {
        tick.ShowNextPassage(kFavoritos);
        FAIL() << "a tick without a favourites table";
    } catch (const EPassageError& e) {
        const std::string what = e.what();
        EXPECT_NE(what.find("No se pudo leer la tabla de favoritos Favoritos"), std::string::npos) << what;
        EXPECT_NE(what.find("\": Error"), std::string::npos) << what; // the engine's message
    }
    EXPECT_EQ(db.DataBase(), verses.dir());
    // The next tick starts afresh.
    exe.favourites({{"1", "uno", "Gl:5:1"}});
    EXPECT_EQ(tick.ShowNextPassage(kFavoritos).Lines[0], "<b>uno</b><br>");
}

TEST_F(Tick, AutoSizeIsOnWhileTheLinesDoNotOutnumberTheWidth) {
    // Title, heading, and five verses of a number line and one text line.
    exe.favourites({{"1", "cap", "Gl:5:1-5"}});
    const mz::TTickResult r = tick.ShowNextPassage(kFavoritos);
    EXPECT_EQ(r.Lines.size(), 12u);
    EXPECT_TRUE(r.AutoSize);

    struct Case {
        size_t lines;
        int width;
        bool autoSize;
    };
    const Case cases[] = {{12, 40, true}, {12, 12, true}, {13, 12, false},
                          {0, 0, true},   {1, 0, false},  {0, -1, false}};
    for (const Case& c : cases)
        EXPECT_EQ(TDisplayTick::AutoSizeFor(c.lines, c.width), c.autoSize)
            << c.lines << " lines, width " << c.width;
}

TEST_F(Tick, EveryCatalogueEntryComesUpFirstAndLastIncluded) {
    const mz::TPasaje entries[] = {{"a", "Gl:5:1"}, {"b", "Gl:5:2-3"}, {"c", "Gl:5:4"}, {"d", "Ef:1:1"}};
    std::set<size_t> drawn;
    mz::SeedRandom(3);
    for (int i = 0; i < 60; ++i) {
        tick.PickCatalogueEntry(entries);
        drawn.insert(tick.LastDraw().Index);
        EXPECT_EQ(composer.Text[0], "<b>" + tick.LastDraw().Titulo + "</b><br>");
        EXPECT_EQ(tick.LastDraw().Referencia, entries[tick.LastDraw().Index].Referencia);
    }
    EXPECT_EQ(drawn, (std::set<size_t>{0, 1, 2, 3}));
}

TEST_F(Tick, ABookThatIsNotInTheBookTableFailsWithItsName) {
    for (const char* name : {"Mateo", "", "proverbios"}) {
        try {
            tick.ShowNextPassage({TFuente::Libro, name});
            ADD_FAILURE() << name;
        } catch (const EPassageError& e) {
            EXPECT_EQ(e.what(), cp("El libro \"" + std::string(name) +
                                   "\" no está en la lista de libros de la Biblia."));
        }
    }
    EXPECT_EQ(reseeds, 3);
}

// Ticks against the shipped verse table.
class ShippedTick : public Tick {
protected:
    void SetUp() override {
        Tick::SetUp();
        useVerseDir(mz::test::ShippedDir());
    }
};

TEST_F(ShippedTick, EachCatalogueSourceDrawsFromItsCatalogue) {
    struct Case {
        TFuente fuente;
        std::span<const mz::TPasaje> catalogue;
    };
    const Case cases[] = {
        {TFuente::Promesas, mz::Promesas},       {TFuente::Temas, mz::Temas},
        {TFuente::Contextos, mz::Contextos},     {TFuente::Jovenes, mz::Promesas},
        {TFuente::Matrimonios, mz::Matrimonios}, {TFuente::Historias, mz::Historias},
    };
    for (const Case& c : cases) {
        const mz::TTickResult r = tick.ShowNextPassage({c.fuente, {}});
        const mz::TDraw& d = tick.LastDraw();
        EXPECT_EQ(d.Catalogue.data(), c.catalogue.data()) << static_cast<int>(c.fuente);
        EXPECT_EQ(d.Catalogue.size(), c.catalogue.size());
        ASSERT_GE(r.Lines.size(), 3u);
        EXPECT_EQ(r.Lines[0], "<b>" + d.Titulo + "</b><br>");
    }
}

TEST_F(ShippedTick, BibleTestamentsAndBooksDrawAVerseOfTheirRange) {
    struct Case {
        TSourceChoice source;
        int first, last;
        const char* headingStart; // UTF-8; empty for any book
    };
    const Case cases[] = {
        {{TFuente::Biblia, {}}, 1, 31106, ""},
        {{TFuente::AT, {}}, 1, 23146, ""},
        {{TFuente::NT, {}}, 23147, 31106, ""},
        {{TFuente::Libro, cp("San Mateo")}, 23147, 24217, "<b>Mateo "},
        {{TFuente::Libro, cp("Génesis")}, 1, 1533, "<b>Génesis "},
    };
    for (const Case& c : cases) {
        const mz::TTickResult r = tick.ShowNextPassage(c.source);
        const int n = tick.LastDraw().VerseNumber;
        EXPECT_GE(n, c.first);
        EXPECT_LE(n, c.last);
        ASSERT_GE(r.Lines.size(), 2u);
        EXPECT_TRUE(r.Lines[0].starts_with(cp(c.headingStart))) << r.Lines[0];
        EXPECT_TRUE(r.Lines[0].ends_with("</b><hr><br>")) << r.Lines[0];
    }
}

TEST_F(ShippedTick, AfterAFavouriteTheNextTickReadsTheVerseTable) {
    exe.favourites({{"1", "Salmo", "Sal:119:1-176"}});
    const mz::TTickResult r = tick.ShowNextPassage(kFavoritos);
    // A whole long chapter has more lines than the width.
    EXPECT_GT(r.Lines.size(), 2u + 2 * 176);
    EXPECT_FALSE(r.AutoSize);
    EXPECT_EQ(db.DataBase(), mz::test::ShippedDir());
    const mz::TTickResult next = tick.ShowNextPassage({TFuente::NT, {}});
    EXPECT_TRUE(next.AutoSize);
    EXPECT_GE(tick.LastDraw().VerseNumber, 23147);
}

} // namespace
