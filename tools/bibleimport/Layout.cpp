#include "Layout.h"

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
    static const std::array<TableBook, 66> kBooks = {{
        {"Gn", "Gen", "Génesis", 50, 1, 1533},
        {"Ex", "Exod", "Exodo", 40, 1534, 1213},
        {"Lv", "Lev", "Levítico", 27, 2747, 859},
        {"Nm", "Num", "Números", 36, 3606, 1288},
        {"Dt", "Deut", "Deuteronomio", 34, 4894, 959},
        {"Jos", "Josh", "Josué", 24, 5853, 658},
        {"Jue", "Judg", "Jueces", 21, 6511, 618},
        {"Rt", "Ruth", "Rut", 4, 7129, 85},
        {"1S", "1Sam", "1 Samuel", 31, 7214, 810},
        {"2S", "2Sam", "2 Samuel", 24, 8024, 695},
        {"1R", "1Kgs", "1 Reyes", 22, 8719, 816},
        {"2R", "2Kgs", "2 Reyes", 25, 9535, 719},
        {"1Cr", "1Chr", "1 Crónicas", 29, 10254, 942},
        {"2Cr", "2Chr", "2 Crónicas", 36, 11196, 822},
        {"Esd", "Ezra", "Esdras", 10, 12018, 280},
        {"Neh", "Neh", "Nehemías", 13, 12298, 406},
        {"Est", "Esth", "Ester", 10, 12704, 167},
        {"Job", "Job", "Job", 42, 12871, 1070},
        {"Sal", "Ps", "Salmos", 150, 13941, 2462},
        {"Pr", "Prov", "Proverbios", 31, 16403, 915},
        {"Ec", "Eccl", "Eclesiastés", 12, 17318, 222},
        {"Cnt", "Song", "Cantares", 8, 17540, 117},
        {"Is", "Isa", "Isaías", 66, 17657, 1292},
        {"Jer", "Jer", "Jeremías", 52, 18949, 1364},
        {"Lm", "Lam", "Lamentaciones", 5, 20313, 154},
        {"Ez", "Ezek", "Ezequiel", 48, 20467, 1273},
        {"Dn", "Dan", "Daniel", 12, 21740, 357},
        {"Os", "Hos", "Oseas", 14, 22097, 197},
        {"Jl", "Joel", "Joel", 3, 22294, 73},
        {"Am", "Amos", "Amós", 9, 22367, 146},
        {"Abd", "Obad", "Abdías", 1, 22513, 21},
        {"Jon", "Jonah", "Jonás", 4, 22534, 48},
        {"Miq", "Mic", "Miqueas", 7, 22582, 105},
        {"Nah", "Nah", "Nahúm", 3, 22687, 47},
        {"Hab", "Hab", "Habacuc", 3, 22734, 56},
        {"Sof", "Zeph", "Sofonías", 3, 22790, 53},
        {"Hag", "Hag", "Hageo", 2, 22843, 38},
        {"Zac", "Zech", "Zacarías", 14, 22881, 211},
        {"Mal", "Mal", "Malaquías", 4, 23092, 55},
        {"Mt", "Matt", "San Mateo", 28, 23147, 1071},
        {"Mc", "Mark", "San Marcos", 16, 24218, 678},
        {"Lc", "Luke", "San Lucas", 24, 24896, 1151},
        {"Jn", "John", "San Juan", 21, 26047, 879},
        {"Hch", "Acts", "Hechos", 28, 26926, 1007},
        {"Ro", "Rom", "Romanos", 16, 27933, 433},
        {"1Co", "1Cor", "1 Corintios", 16, 28366, 437},
        {"2Co", "2Cor", "2 Corintios", 13, 28803, 258},
        {"Gl", "Gal", "Gálatas", 6, 29061, 149},
        {"Ef", "Eph", "Efesios", 6, 29210, 155},
        {"Flp", "Phil", "Filipenses", 4, 29365, 104},
        {"Col", "Col", "Colosenses", 4, 29469, 95},
        {"1Ts", "1Thess", "1 Tesalonicenses", 5, 29564, 89},
        {"2Ts", "2Thess", "2 Tesalonicenses", 3, 29653, 47},
        {"1Ti", "1Tim", "1 Timoteo", 6, 29700, 113},
        {"2Ti", "2Tim", "2 Timoteo", 4, 29813, 83},
        {"Tit", "Titus", "Tito", 3, 29896, 46},
        {"Flm", "Phlm", "Filemón", 1, 29942, 25},
        {"Heb", "Heb", "Hebreos", 13, 29967, 303},
        {"Stg", "Jas", "Santiago", 5, 30270, 108},
        {"1P", "1Pet", "1 San Pedro", 5, 30378, 106},
        {"2P", "2Pet", "2 San Pedro", 3, 30484, 61},
        {"1Jn", "1John", "1 San Juan", 5, 30545, 105},
        {"2Jn", "2John", "2 San Juan", 1, 30650, 13},
        {"3Jn", "3John", "3 San Juan", 1, 30663, 15},
        {"Jud", "Jude", "San Judas", 1, 30678, 25},
        {"Ap", "Rev", "Apocalipsis", 22, 30703, 404},
    }};
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
    auto note = [&differ](const char* name, const std::string& what) {
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
