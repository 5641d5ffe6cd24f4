// The verse layout of the program's verse table.
//
// The table numbers every verse of the 66 books consecutively from 1 in
// canonical order, and names each one "abbreviation:chapter:verse" (Gn:1:1).
// A Layout holds the books in that order, each with its abbreviation, the OSIS
// name SWORD modules give it, its Spanish name for messages and the number of
// verses of every chapter; IDs follow from the order alone.
//
// `tableBooks()` is the fixed book table the program relies on (its book
// catalogue): abbreviation, chapter count, first ID and verse count of each
// book, with the book's OSIS name. `standardLayout()`
// builds the full chapter layout from the King James chapter sizes, which the
// Reina-Valera editions follow, with the table's four differences from them:
// Sal 47 has 10 verses (the Spanish editions number the last clause of 47:9
// as 47:10), 3Jn 1 has 15 ("Paz sea contigo" begins 1:15), and 2Co 13 and
// 1P 5 have 15 each (one more verse each in the table, at the end of the
// book so that no other verse of either book moves). It checks the result
// against tableBooks(), so that no import can drift from it.
//
// Layouts are plain values; any thread may use a const one.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mz::bibleimport {

struct VerseRef {
    int book = 0; // index into the layout's books
    int chapter = 0;
    int verse = 0;
    auto operator<=>(const VerseRef&) const = default;
};

struct LayoutBook {
    std::string abbr;
    std::string osis;
    std::string name; // UTF-8, for messages
    std::vector<int> chapterVerses;
};

class Layout {
public:
    explicit Layout(std::vector<LayoutBook> books);

    const std::vector<LayoutBook>& books() const { return books_; }
    int bookCount() const { return static_cast<int>(books_.size()); }

    // -1 when there is no such book. Abbreviations compare exactly.
    int findAbbr(std::string_view abbr) const;
    int findOsis(std::string_view osis) const;

    int chapterCount(int book) const;
    // 0 for a chapter the book does not have.
    int verseCount(int book, int chapter) const;
    int bookVerseCount(int book) const;
    int firstId(int book) const { return firstIds_[book]; }
    int totalVerses() const { return total_; }

    bool contains(const VerseRef& r) const;
    int idOf(const VerseRef& r) const;

    // The next verse in canonical order within the same book; nullopt after
    // the book's last verse.
    std::optional<VerseRef> next(const VerseRef& r) const;

    // "Gn:1:1": the table's VerseID.
    std::string verseId(const VerseRef& r) const;

private:
    std::vector<LayoutBook> books_;
    std::vector<int> firstIds_;
    int total_ = 0;
};

struct TableBook {
    std::string abbr;
    std::string osis;
    std::string name; // UTF-8
    int chapters;
    int firstId;
    int verses;
};

const std::array<TableBook, 66>& tableBooks();

// Chapter sizes of a versification, by OSIS book name.
using VersificationSizes = std::map<std::string, std::vector<int>, std::less<>>;

// The table's layout from `kingJames`, the chapter sizes of the King James
// versification. Fails, naming the books, when a book is missing from it or
// its chapters or total differ from tableBooks().
std::optional<Layout> standardLayout(const VersificationSizes& kingJames, std::string& error);

} // namespace mz::bibleimport
