// TDisplayTick: one tick of the display timer, without the alert window.
//
// ShowNextPassage re-seeds the random generator, draws one passage from the
// source the form read from its radio group, has the composer build the
// message's lines, and decides whether the alert window may size itself
// (AutoSize: the message has no more lines than LineWidth). The form then
// puts the lines into message 0 and shows the window.
//
// The draws: a catalogue source picks one of its entries, each equally
// likely ("Jovenes" draws on the promises); the favourites source opens the
// table "Favoritos" in ExeDir, switches the dataset's DataBase back to
// WindowsDir while that result stays open, and picks one record, each equally
// likely; the Bible, a testament or a book draws a verse number in its range.
// An empty favourites table composes "La referencia bíblica no existe !".
//
// The caller owns the dataset and the composer and keeps them alive; both
// are used on the user-interface thread only. A failure (a passage that
// cannot be composed, a book name that is not in the book table, a table that
// cannot be read) throws a std::exception whose message is Windows-1252 text
// for the standard error box; the tick then ends without a result and the
// next one starts afresh. The dataset's DataBase must be WindowsDir when a
// tick starts (the form sets it at creation and whenever the options window
// hides); a favourites tick sets it back to WindowsDir itself, failure or not.
#pragma once

#include "scripture/uPasajes.h"
#include "shell/PassageSource.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mz {

class TXmlSqlDb;
class TPassageComposer;

struct TTickResult {
    std::vector<std::string> Lines; // message 0's text, Windows-1252
    bool AutoSize = false;
};

// What the last tick drew, before composing it.
struct TDraw {
    TFuente Fuente = TFuente::Libro;
    std::span<const TPasaje> Catalogue; // the catalogue drawn from, if any
    std::size_t Index = 0;              // the entry or favourite record drawn (from 0)
    std::string Titulo;                 // a catalogue entry's or favourite's title
    std::string Referencia;             // its reference
    int VerseNumber = 0;                // the verse drawn for the Bible, a testament or a book
};

class TDisplayTick {
public:
    static constexpr std::string_view kFavouritesTable = "Favoritos";

    TDisplayTick(TXmlSqlDb& xmlDB, TPassageComposer& composer);
    TDisplayTick(const TDisplayTick&) = delete;
    TDisplayTick& operator=(const TDisplayTick&) = delete;

    // The verse table's directory and the favourites table's, each ending
    // in the path separator.
    std::string WindowsDir;
    std::string ExeDir;
    // Called first in every tick: a fresh seed from the clock. Tests put a
    // fixed seed here for repeatable draws.
    std::function<void()> Reseed;

    TTickResult ShowNextPassage(const TSourceChoice& source);

    // Draws one entry of `catalogue` and composes it.
    void PickCatalogueEntry(std::span<const TPasaje> catalogue);
    // Draws one favourite and composes it.
    void ShowFavourite();

    // Whether the alert window may size itself for a message of `lineCount`
    // lines: the count, compared as a plain number with the line width, is
    // not greater than it.
    static bool AutoSizeFor(std::size_t lineCount, int lineWidth);

    const TDraw& LastDraw() const { return draw_; }

private:
    void ShowRandomVerse(std::string_view key);

    TXmlSqlDb& xmlDB;
    TPassageComposer& composer_;
    TDraw draw_;
};

} // namespace mz
