// Checks of the shipped verse table data/RV1960n.xml, read line by line the way
// the table engine reads it, against the layout the program relies on: every
// book's ID range and abbreviation, its chapters, the King James verse count of
// every chapter (with the table's four extra verses) and a few known verses.
#include "platform/Win1252.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>

namespace {

struct Record {
    int id = 0;
    std::string verseId;
    std::string text; // Windows-1252
};

struct Book {
    const char* abbr;
    int chapters;
    int firstId;
    int verses;
};

// Abbreviation, chapters, first ID and verse count of the 66 books.
const Book kBooks[] = {
    {"Gn", 50, 1, 1533},     {"Ex", 40, 1534, 1213},   {"Lv", 27, 2747, 859},     {"Nm", 36, 3606, 1288},
    {"Dt", 34, 4894, 959},   {"Jos", 24, 5853, 658},   {"Jue", 21, 6511, 618},    {"Rt", 4, 7129, 85},
    {"1S", 31, 7214, 810},   {"2S", 24, 8024, 695},    {"1R", 22, 8719, 816},     {"2R", 25, 9535, 719},
    {"1Cr", 29, 10254, 942}, {"2Cr", 36, 11196, 822},  {"Esd", 10, 12018, 280},   {"Neh", 13, 12298, 406},
    {"Est", 10, 12704, 167}, {"Job", 42, 12871, 1070}, {"Sal", 150, 13941, 2462}, {"Pr", 31, 16403, 915},
    {"Ec", 12, 17318, 222},  {"Cnt", 8, 17540, 117},   {"Is", 66, 17657, 1292},   {"Jer", 52, 18949, 1364},
    {"Lm", 5, 20313, 154},   {"Ez", 48, 20467, 1273},  {"Dn", 12, 21740, 357},    {"Os", 14, 22097, 197},
    {"Jl", 3, 22294, 73},    {"Am", 9, 22367, 146},    {"Abd", 1, 22513, 21},     {"Jon", 4, 22534, 48},
    {"Miq", 7, 22582, 105},  {"Nah", 3, 22687, 47},    {"Hab", 3, 22734, 56},     {"Sof", 3, 22790, 53},
    {"Hag", 2, 22843, 38},   {"Zac", 14, 22881, 211},  {"Mal", 4, 23092, 55},     {"Mt", 28, 23147, 1071},
    {"Mc", 16, 24218, 678},  {"Lc", 24, 24896, 1151},  {"Jn", 21, 26047, 879},    {"Hch", 28, 26926, 1007},
    {"Ro", 16, 27933, 433},  {"1Co", 16, 28366, 437},  {"2Co", 13, 28803, 258},   {"Gl", 6, 29061, 149},
    {"Ef", 6, 29210, 155},   {"Flp", 4, 29365, 104},   {"Col", 4, 29469, 95},     {"1Ts", 5, 29564, 89},
    {"2Ts", 3, 29653, 47},   {"1Ti", 6, 29700, 113},   {"2Ti", 4, 29813, 83},     {"Tit", 3, 29896, 46},
    {"Flm", 1, 29942, 25},   {"Heb", 13, 29967, 303},  {"Stg", 5, 30270, 108},    {"1P", 5, 30378, 106},
    {"2P", 3, 30484, 61},    {"1Jn", 5, 30545, 105},   {"2Jn", 1, 30650, 13},     {"3Jn", 1, 30663, 15},
    {"Jud", 1, 30678, 25},   {"Ap", 22, 30703, 404},
};

// Where the table's chapters depart from the King James verse counts.
const std::map<std::string, int> kExtraVerse = {{"Sal:47", 10}, {"2Co:13", 15}, {"1P:5", 15}, {"3Jn:1", 15}};

std::string cp1252(const char* utf8) {
    return mz::utf8ToCp1252(utf8);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The value of a column line "\t\t<field>value</field>", or nullopt when the
// line has another shape.
std::optional<std::string> field(const std::string& line) {
    static const std::string open = "\t\t<field>";
    static const std::string close = "</field>";
    if (!line.starts_with(open) || !line.ends_with(close) || line.size() < open.size() + close.size())
        return std::nullopt;
    return line.substr(open.size(), line.size() - open.size() - close.size());
}

class ShippedVerseTable : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const std::string bytes = readFile(MZ_SOURCE_DIR "/data/RV1960n.xml");
        std::vector<std::string> lines;
        size_t pos = 0;
        while (pos < bytes.size()) {
            const size_t end = bytes.find("\r\n", pos);
            if (end == std::string::npos) {
                problem_ = "the last line does not end with CR LF";
                return;
            }
            lines.push_back(bytes.substr(pos, end - pos));
            pos = end + 2;
        }
        if (lines.size() < 3) {
            problem_ = "the file is too short";
            return;
        }
        header_ = lines[1];
        for (size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].find_first_of("\r\n") != std::string::npos) {
                problem_ = "line " + std::to_string(i + 1) + " holds a bare CR or LF";
                return;
            }
        }
        declaration_ = lines[0];
        end_ = lines.back();
        for (size_t i = 2; i + 1 < lines.size(); i += 5) {
            if (i + 5 >= lines.size() || lines[i] != "\t<record>" || lines[i + 4] != "\t</record>") {
                problem_ = "record at line " + std::to_string(i + 1) + " is malformed";
                return;
            }
            auto id = field(lines[i + 1]);
            auto verseId = field(lines[i + 2]);
            auto text = field(lines[i + 3]);
            if (!id || !verseId || !text) {
                problem_ = "record at line " + std::to_string(i + 1) + " has a malformed field";
                return;
            }
            records_.push_back({std::stoi(*id), *verseId, *text});
        }
    }

    void SetUp() override { ASSERT_EQ(problem_, ""); }

    const Record& byId(int id) { return records_.at(id - 1); }

    const Record* byVerseId(const std::string& verseId) {
        for (const auto& r : records_)
            if (r.verseId == verseId)
                return &r;
        return nullptr;
    }

    static inline std::string problem_;
    static inline std::string declaration_;
    static inline std::string header_;
    static inline std::string end_;
    static inline std::vector<Record> records_;
};

TEST_F(ShippedVerseTable, HasTheTableFileShape) {
    EXPECT_EQ(declaration_, "<?xml version='1.0' encoding='ISO-8859-1'?>");
    EXPECT_EQ(header_, "<table fields=\"ID,VerseID,VerseText\" types=\"integer,string,string\">");
    EXPECT_EQ(end_, "</table>");
}

TEST_F(ShippedVerseTable, NumbersEveryVerseOnceInCanonicalOrder) {
    ASSERT_EQ(records_.size(), 31106u);
    for (size_t i = 0; i < records_.size(); ++i)
        ASSERT_EQ(records_[i].id, static_cast<int>(i + 1));
    EXPECT_EQ(kBooks[65].firstId + kBooks[65].verses - 1, 31106);
}

TEST_F(ShippedVerseTable, LaysOutEveryBookAndChapterByTheKingJamesCounts) {
    std::map<std::string, std::vector<int>> kingJames;
    std::ifstream counts(MZ_SOURCE_DIR "/tests/data/kjv-chapter-counts.tsv");
    ASSERT_TRUE(counts);
    for (std::string line; std::getline(counts, line);) {
        std::istringstream fields(line);
        std::string abbr, osis;
        fields >> abbr >> osis;
        for (int n = 0; fields >> n;)
            kingJames[abbr].push_back(n);
    }
    ASSERT_EQ(kingJames.size(), 66u);

    int expectedId = 1;
    for (const auto& book : kBooks) {
        EXPECT_EQ(book.firstId, expectedId) << book.abbr;
        std::vector<int> chapters = kingJames.at(book.abbr);
        ASSERT_EQ(static_cast<int>(chapters.size()), book.chapters) << book.abbr;
        for (int c = 1; c <= book.chapters; ++c)
            if (auto it = kExtraVerse.find(std::string(book.abbr) + ":" + std::to_string(c));
                it != kExtraVerse.end())
                chapters[c - 1] = it->second;

        // The book's records are exactly its ID range, chapter by chapter,
        // verse by verse.
        int id = book.firstId;
        for (int c = 1; c <= book.chapters; ++c) {
            for (int v = 1; v <= chapters[c - 1]; ++v, ++id) {
                const std::string expected =
                    std::string(book.abbr) + ":" + std::to_string(c) + ":" + std::to_string(v);
                ASSERT_EQ(byId(id).verseId, expected) << "ID " << id;
            }
        }
        EXPECT_EQ(id - book.firstId, book.verses) << book.abbr;
        expectedId = id;
    }
    EXPECT_EQ(expectedId, 31107);
}

TEST_F(ShippedVerseTable, HoldsCleanTextInEveryVerse) {
    for (const auto& r : records_) {
        SCOPED_TRACE(r.verseId);
        ASSERT_FALSE(r.text.empty());
        EXPECT_NE(r.text.front(), ' ');
        EXPECT_NE(r.text.back(), ' ');
        EXPECT_EQ(r.text.find("  "), std::string::npos);
        for (unsigned char c : r.text) {
            // No "<" (it would end the value), no control character, none of
            // the bytes Windows-1252 leaves undefined.
            ASSERT_NE(c, '<');
            ASSERT_GE(c, 0x20);
            ASSERT_TRUE(c != 0x7F && c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D) << int(c);
        }
        // No markup left behind: Strong's numbers, note markers.
        EXPECT_EQ(r.text.find(">"), std::string::npos);
        EXPECT_EQ(r.text.find("strong:"), std::string::npos);
    }
}

TEST_F(ShippedVerseTable, WritesChapterOpeningsInNormalCase) {
    // A verse that begins with a word in capitals followed by a word in lower
    // case is a printed chapter opening left in capitals ("EN el principio").
    auto letter = [](unsigned char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= 0xC0 && c != 0xD7 && c != 0xF7);
    };
    auto upper = [](unsigned char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
    };
    auto lower = [](unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 0xDF && c != 0xF7); };
    for (const auto& r : records_) {
        const std::string& t = r.text;
        size_t begin = 0;
        while (begin < t.size() && (t[begin] == '\xBF' || t[begin] == '\xA1' || t[begin] == '('))
            ++begin;
        size_t end = begin;
        while (end < t.size() && letter(static_cast<unsigned char>(t[end])))
            ++end;
        const bool capitals =
            end - begin >= 2 && std::all_of(t.begin() + begin, t.begin() + end,
                                            [&](char c) { return upper(static_cast<unsigned char>(c)); });
        const bool lowerFollows =
            end + 1 < t.size() && t[end] == ' ' && lower(static_cast<unsigned char>(t[end + 1]));
        EXPECT_FALSE(capitals && lowerFollows) << r.verseId << ": " << mz::cp1252ToUtf8(t);
    }
}

TEST_F(ShippedVerseTable, HoldsKnownVersesUnderTheirIdAndReference) {
    struct Known {
        int id;
        const char* verseId;
        const char* begins; // UTF-8
    };
    const Known known[] = {
        {1, "Gn:1:1", "En el principio crió Dios los cielos y la tierra."},
        {26138, "Jn:3:16", "Porque de tal manera amó Dios al mundo"},
        {22550, "Jon:1:17", "Mas Jehová había prevenido un gran pez"},
        {22551, "Jon:2:1", "Y oró Jonás desde el vientre del pez"},
        {13890, "Job:41:1", "¿Sacarás tú al leviathán con el anzuelo"},
        {13833, "Job:38:39", "¿Cazarás tú la presa para el león?"},
        {13866, "Job:40:1", "A más de eso respondió Jehová á Job"},
        {13871, "Job:40:6", "Entonces respondió Jehová á Job desde la oscuridad"},
        {30677, "3Jn:1:15", "Paz sea contigo."},
        {14636, "Sal:47:10", "Porque de Dios son los escudos de la tierra"},
        {4076, "Nm:12:16", "Y después movió el pueblo de Haseroth"},
        {4649, "Nm:29:40", "Y Moisés dijo á los hijos de Israel"},
        {29059, "2Co:13:14", "La gracia del Señor Jesucristo"},
        {29060, "2Co:13:15", "La segunda Epístola á los Corintios"},
        {30483, "1P:5:15", "Paz sea con todos vosotros"},
        {31106, "Ap:22:21", "La gracia de nuestro Señor Jesucristo sea con todos vosotros. Amén."},
    };
    for (const auto& k : known) {
        const Record& r = byId(k.id);
        EXPECT_EQ(r.verseId, k.verseId);
        EXPECT_TRUE(r.text.starts_with(cp1252(k.begins))) << k.verseId << ": " << mz::cp1252ToUtf8(r.text);
        const Record* byRef = byVerseId(k.verseId);
        ASSERT_NE(byRef, nullptr) << k.verseId;
        EXPECT_EQ(byRef->id, k.id);
    }
    // Gn 1:1 exactly, and a verse whose text the module had glued together.
    EXPECT_EQ(byId(1).text, cp1252("En el principio crió Dios los cielos y la tierra."));
    EXPECT_EQ(byVerseId("Gn:2:12")->text,
              cp1252("Y el oro de aquella tierra es bueno: hay allí también bdelio y "
                     "piedra cornerina."));
}

} // namespace
