#include "tools/bibleimport/Layout.h"

#include "platform/Win1252.h"
#include "scripture/LibPBbl.h"

#include <numeric>

namespace mz::bibleimport {

Layout::Layout(std::vector<LayoutBook> books) : books_(std::move(books)) {
    int next = 1;
    for (const auto& b : books_) {
        firstIds_.push_back(next);
        next += std::accumulate(b.chapterVerses.begin(), b.chapterVerses.end(), 0);
    }
    total_ = next - 1;
}

int Layout::findAbbr(std::string_view abbr) const {
    for (size_t i = 0; i < books_.size(); ++i)
        if (books_[i].abbr == abbr)
            return static_cast<int>(i);
    return -1;
}

int Layout::findOsis(std::string_view osis) const {
    for (size_t i = 0; i < books_.size(); ++i)
        if (books_[i].osis == osis)
            return static_cast<int>(i);
    return -1;
}

int Layout::chapterCount(int book) const {
    return static_cast<int>(books_[book].chapterVerses.size());
}

int Layout::verseCount(int book, int chapter) const {
    if (book < 0 || book >= bookCount() || chapter < 1 || chapter > chapterCount(book))
        return 0;
    return books_[book].chapterVerses[chapter - 1];
}

int Layout::bookVerseCount(int book) const {
    const auto& c = books_[book].chapterVerses;
    return std::accumulate(c.begin(), c.end(), 0);
}

bool Layout::contains(const VerseRef& r) const {
    return r.verse >= 1 && r.verse <= verseCount(r.book, r.chapter);
}

int Layout::idOf(const VerseRef& r) const {
    int id = firstIds_[r.book];
    for (int c = 1; c < r.chapter; ++c)
        id += verseCount(r.book, c);
    return id + r.verse - 1;
}

std::optional<VerseRef> Layout::next(const VerseRef& r) const {
    if (r.verse < verseCount(r.book, r.chapter))
        return VerseRef{r.book, r.chapter, r.verse + 1};
    for (int c = r.chapter + 1; c <= chapterCount(r.book); ++c)
        if (verseCount(r.book, c) > 0)
            return VerseRef{r.book, c, 1};
    return std::nullopt;
}

std::string Layout::verseId(const VerseRef& r) const {
    return books_[r.book].abbr + ":" + std::to_string(r.chapter) + ":" + std::to_string(r.verse);
}

const std::array<TableBook, 66>& tableBooks() {
    // The program's own book table, with the name SWORD gives each book.
    static constexpr std::array<const char*, 66> kOsis = {
        "Gen",   "Exod", "Lev",  "Num",  "Deut", "Josh", "Judg",  "Ruth",   "1Sam",   "2Sam",  "1Kgs",
        "2Kgs",  "1Chr", "2Chr", "Ezra", "Neh",  "Esth", "Job",   "Ps",     "Prov",   "Eccl",  "Song",
        "Isa",   "Jer",  "Lam",  "Ezek", "Dan",  "Hos",  "Joel",  "Amos",   "Obad",   "Jonah", "Mic",
        "Nah",   "Hab",  "Zeph", "Hag",  "Zech", "Mal",  "Matt",  "Mark",   "Luke",   "John",  "Acts",
        "Rom",   "1Cor", "2Cor", "Gal",  "Eph",  "Phil", "Col",   "1Thess", "2Thess", "1Tim",  "2Tim",
        "Titus", "Phlm", "Heb",  "Jas",  "1Pet", "2Pet", "1John", "2John",  "3John",  "Jude",  "Rev"};
    static const std::array<TableBook, 66> kBooks = [] {
        std::array<TableBook, 66> books;
        for (size_t i = 0; i < books.size(); ++i) {
            const TLibro& l = Libros[i];
            books[i] = TableBook{std::string(l.Abrev), kOsis[i],   cp1252ToUtf8(l.Nombre),
                                 l.Capitulos,          l.PrimerID, l.NumVersos};
        }
        return books;
    }();
    return kBooks;
}

namespace {

struct ChapterSize {
    const char* abbr;
    int chapter;
    int verses;
};

// Where the table departs from the King James chapter sizes.
constexpr ChapterSize kTableChapters[] = {{"Sal", 47, 10}, {"2Co", 13, 15}, {"1P", 5, 15}, {"3Jn", 1, 15}};

} // namespace

std::optional<Layout> standardLayout(const VersificationSizes& kingJames, std::string& error) {
    std::vector<LayoutBook> books;
    std::string differ;
    auto note = [&differ](const std::string& name, const std::string& what) {
        differ += differ.empty() ? "" : ", ";
        differ += std::string(name) + " (" + what + ")";
    };
    for (const auto& t : tableBooks()) {
        LayoutBook b{t.abbr, t.osis, t.name, {}};
        if (auto it = kingJames.find(t.osis); it != kingJames.end())
            b.chapterVerses = it->second;
        for (const auto& c : kTableChapters)
            if (b.abbr == c.abbr && c.chapter <= static_cast<int>(b.chapterVerses.size()))
                b.chapterVerses[c.chapter - 1] = c.verses;
        const int total = std::accumulate(b.chapterVerses.begin(), b.chapterVerses.end(), 0);
        if (b.chapterVerses.empty())
            note(t.name, "falta en la versificación");
        else if (static_cast<int>(b.chapterVerses.size()) != t.chapters)
            note(t.name, std::to_string(b.chapterVerses.size()) + " capítulos, se esperan " +
                             std::to_string(t.chapters));
        else if (total != t.verses)
            note(t.name, std::to_string(total) + " versículos, se esperan " + std::to_string(t.verses));
        books.push_back(std::move(b));
    }
    if (!differ.empty()) {
        error = "la versificación King James de SWORD no da la de la tabla; difieren " + differ;
        return std::nullopt;
    }
    Layout layout(std::move(books));
    for (int i = 0; i < layout.bookCount(); ++i) {
        if (layout.firstId(i) != tableBooks()[i].firstId) {
            error = "la versificación King James de SWORD no da la de la tabla; " +
                    std::string(tableBooks()[i].name) + " empieza en el " + std::to_string(layout.firstId(i));
            return std::nullopt;
        }
    }
    return layout;
}

} // namespace mz::bibleimport
