#include "scripture/LibPBbl.h"

#include <algorithm>
#include <chrono>
#include <random>
#include <stdexcept>

namespace mz {

// Windows-1252 bytes. A literal is split where a hex digit follows a hex
// escape ("Nehem\xED" "as"), since the escape would swallow the digit.
// clang-format off
constexpr std::array<TLibro, kNumLibros> Libros = {{
    {"G\xE9nesis", "G\xE9nesis", "Gn", 50, 1, 1533, "AT", "Pentateuco"},
    {"Exodo", "Exodo", "Ex", 40, 1534, 1213, "AT", "Pentateuco"},
    {"Lev\xEDtico", "Lev\xEDtico", "Lv", 27, 2747, 859, "AT", "Pentateuco"},
    {"N\xFAmeros", "N\xFAmeros", "Nm", 36, 3606, 1288, "AT", "Pentateuco"},
    {"Deuteronomio", "Deuteronomio", "Dt", 34, 4894, 959, "AT", "Pentateuco"},
    {"Josu\xE9", "Josu\xE9", "Jos", 24, 5853, 658, "AT", "Libros hist\xF3ricos"},
    {"Jueces", "Jueces", "Jue", 21, 6511, 618, "AT", "Libros hist\xF3ricos"},
    {"Rut", "Rut", "Rt", 4, 7129, 85, "AT", "Libros hist\xF3ricos"},
    {"1 Samuel", "1 Samuel", "1S", 31, 7214, 810, "AT", "Libros hist\xF3ricos"},
    {"2 Samuel", "2 Samuel", "2S", 24, 8024, 695, "AT", "Libros hist\xF3ricos"},
    {"1 Reyes", "1 Reyes", "1R", 22, 8719, 816, "AT", "Libros hist\xF3ricos"},
    {"2 Reyes", "2 Reyes", "2R", 25, 9535, 719, "AT", "Libros hist\xF3ricos"},
    {"1 Cr\xF3nicas", "1 Cr\xF3nicas", "1Cr", 29, 10254, 942, "AT", "Libros hist\xF3ricos"},
    {"2 Cr\xF3nicas", "2 Cr\xF3nicas", "2Cr", 36, 11196, 822, "AT", "Libros hist\xF3ricos"},
    {"Esdras", "Esdras", "Esd", 10, 12018, 280, "AT", "Libros hist\xF3ricos"},
    {"Nehem\xED" "as", "Nehem\xED" "as", "Neh", 13, 12298, 406, "AT", "Libros hist\xF3ricos"},
    {"Ester", "Ester", "Est", 10, 12704, 167, "AT", "Libros hist\xF3ricos"},
    {"Job", "Job", "Job", 42, 12871, 1070, "AT", "Libros sapienciales y po\xE9ticos"},
    {"Salmos", "Salmos", "Sal", 150, 13941, 2462, "AT", "Libros sapienciales y po\xE9ticos"},
    {"Proverbios", "Proverbios", "Pr", 31, 16403, 915, "AT", "Libros sapienciales y po\xE9ticos"},
    {"Eclesiast\xE9s", "Eclesiast\xE9s", "Ec", 12, 17318, 222, "AT", "Libros sapienciales y po\xE9ticos"},
    {"Cantares", "Cantares", "Cnt", 8, 17540, 117, "AT", "Libros sapienciales y po\xE9ticos"},
    {"Isa\xED" "as", "Isa\xED" "as", "Is", 66, 17657, 1292, "AT", "Libros prof\xE9ticos"},
    {"Jerem\xED" "as", "Jerem\xED" "as", "Jer", 52, 18949, 1364, "AT", "Libros prof\xE9ticos"},
    {"Lamentaciones", "Lamentaciones", "Lm", 5, 20313, 154, "AT", "Libros prof\xE9ticos"},
    {"Ezequiel", "Ezequiel", "Ez", 48, 20467, 1273, "AT", "Libros prof\xE9ticos"},
    {"Daniel", "Daniel", "Dn", 12, 21740, 357, "AT", "Libros prof\xE9ticos"},
    {"Oseas", "Oseas", "Os", 14, 22097, 197, "AT", "Libros prof\xE9ticos"},
    {"Joel", "Joel", "Jl", 3, 22294, 73, "AT", "Libros prof\xE9ticos"},
    {"Am\xF3s", "Am\xF3s", "Am", 9, 22367, 146, "AT", "Libros prof\xE9ticos"},
    {"Abd\xED" "as", "Abd\xED" "as", "Abd", 1, 22513, 21, "AT", "Libros prof\xE9ticos"},
    {"Jon\xE1s", "Jon\xE1s", "Jon", 4, 22534, 48, "AT", "Libros prof\xE9ticos"},
    {"Miqueas", "Miqueas", "Miq", 7, 22582, 105, "AT", "Libros prof\xE9ticos"},
    {"Nah\xFAm", "Nah\xFAm", "Nah", 3, 22687, 47, "AT", "Libros prof\xE9ticos"},
    {"Habacuc", "Habacuc", "Hab", 3, 22734, 56, "AT", "Libros prof\xE9ticos"},
    {"Sofon\xED" "as", "Sofon\xED" "as", "Sof", 3, 22790, 53, "AT", "Libros prof\xE9ticos"},
    {"Hageo", "Hageo", "Hag", 2, 22843, 38, "AT", "Libros prof\xE9ticos"},
    {"Zacar\xED" "as", "Zacar\xED" "as", "Zac", 14, 22881, 211, "AT", "Libros prof\xE9ticos"},
    {"Malaqu\xED" "as", "Malaqu\xED" "as", "Mal", 4, 23092, 55, "AT", "Libros prof\xE9ticos"},
    {"San Mateo", "Mateo", "Mt", 28, 23147, 1071, "NT", "Los 4 evangelios"},
    {"San Marcos", "Marcos", "Mc", 16, 24218, 678, "NT", "Los 4 evangelios"},
    {"San Lucas", "Lucas", "Lc", 24, 24896, 1151, "NT", "Los 4 evangelios"},
    {"San Juan", "Juan", "Jn", 21, 26047, 879, "NT", "Los 4 evangelios"},
    {"Hechos", "Hechos", "Hch", 28, 26926, 1007, "NT", ""},
    {"Romanos", "Romanos", "Ro", 16, 27933, 433, "NT", "Epistolas de San Pablo"},
    {"1 Corintios", "1 Corintios", "1Co", 16, 28366, 437, "NT", "Epistolas de San Pablo"},
    {"2 Corintios", "2 Corintios", "2Co", 13, 28803, 258, "NT", "Epistolas de San Pablo"},
    {"G\xE1latas", "G\xE1latas", "Gl", 6, 29061, 149, "NT", "Epistolas de San Pablo"},
    {"Efesios", "Efesios", "Ef", 6, 29210, 155, "NT", "Epistolas de San Pablo"},
    {"Filipenses", "Filipenses", "Flp", 4, 29365, 104, "NT", "Epistolas de San Pablo"},
    {"Colosenses", "Colosenses", "Col", 4, 29469, 95, "NT", "Epistolas de San Pablo"},
    {"1 Tesalonicenses", "1 Tesalonicenses", "1Ts", 5, 29564, 89, "NT", "Epistolas de San Pablo"},
    {"2 Tesalonicenses", "2 Tesalonicenses", "2Ts", 3, 29653, 47, "NT", "Epistolas de San Pablo"},
    {"1 Timoteo", "1 Timoteo", "1Ti", 6, 29700, 113, "NT", "Epistolas de San Pablo"},
    {"2 Timoteo", "2 Timoteo", "2Ti", 4, 29813, 83, "NT", "Epistolas de San Pablo"},
    {"Tito", "Tito", "Tit", 3, 29896, 46, "NT", "Epistolas de San Pablo"},
    {"Filem\xF3n", "Filem\xF3n", "Flm", 1, 29942, 25, "NT", "Epistolas de San Pablo"},
    {"Hebreos", "Hebreos", "Heb", 13, 29967, 303, "NT", "Epistolas de San Pablo"},
    {"Santiago", "Santiago", "Stg", 5, 30270, 108, "NT", "Epistolas cat\xF3licas"},
    {"1 San Pedro", "1 Pedro", "1P", 5, 30378, 106, "NT", "Epistolas cat\xF3licas"},
    {"2 San Pedro", "2 Pedro", "2P", 3, 30484, 61, "NT", "Epistolas cat\xF3licas"},
    {"1 San Juan", "1 Juan", "1Jn", 5, 30545, 105, "NT", "Epistolas cat\xF3licas"},
    {"2 San Juan", "2 Juan", "2Jn", 1, 30650, 13, "NT", "Epistolas cat\xF3licas"},
    {"3 San Juan", "3 Juan", "3Jn", 1, 30663, 15, "NT", "Epistolas cat\xF3licas"},
    {"San Judas", "Judas", "Jud", 1, 30678, 25, "NT", "Epistolas cat\xF3licas"},
    {"Apocalipsis", "Apocalipsis", "Ap", 22, 30703, 404, "NT", ""},
}};
// clang-format on

namespace {

constexpr bool versesAreContiguous() {
    int next = 1;
    for (const TLibro& l : Libros) {
        if (l.PrimerID != next || l.NumVersos <= 0 || l.Capitulos <= 0)
            return false;
        next = l.UltimoID() + 1;
    }
    return next == kTotalVersos + 1 && Libros[38].UltimoID() == kUltimoIDAT;
}
static_assert(versesAreContiguous(),
              "verse IDs must run 1 to 31,106 without gaps, the Old Testament to 23,146");

template <typename Column> const TLibro* findRow(std::string_view value, Column column) {
    const auto it =
        std::find_if(Libros.begin(), Libros.end(), [&](const TLibro& l) { return l.*column == value; });
    return it == Libros.end() ? nullptr : &*it;
}

std::mt19937_64& generator() {
    static std::mt19937_64 engine{std::random_device{}()};
    return engine;
}

int drawBetween(int first, int last) {
    return std::uniform_int_distribution<int>(first, last)(generator());
}

} // namespace

const TLibro* LibroPorAbrev(std::string_view abbr) {
    return findRow(abbr, &TLibro::Abrev);
}

TBrkApart& LibBrkApart() {
    static TBrkApart splitter;
    return splitter;
}

std::string RefBookAbbr(std::string_view ref) {
    TBrkApart& s = LibBrkApart();
    s.AllowEmptyString = false;
    s.CaseSensitive = false;
    s.Pieces.clear();
    s.BreakString = ":";
    s.BaseString = ref;
    s.BreakApart();
    if (s.Pieces.empty())
        throw std::invalid_argument("Referencia sin libro: \"" + std::string(ref) + "\"");
    return s.Pieces.front();
}

std::string AbbrToShortName(std::string_view abbr) {
    const TLibro* l = findRow(abbr, &TLibro::Abrev);
    return l ? std::string(l->NombreCorto) : std::string();
}

std::string FullNameToAbbr(std::string_view fullName) {
    const TLibro* l = findRow(fullName, &TLibro::Nombre);
    return l ? std::string(l->Abrev) : std::string();
}

std::string ShortToFullName(std::string_view shortName) {
    // Only the Gospels and the letters of Peter, John and Jude have a full name
    // of their own; for every other row both columns are equal.
    const TLibro* l = findRow(shortName, &TLibro::NombreCorto);
    return l ? std::string(l->Nombre) : std::string(shortName);
}

std::string ChapterCount(std::string_view ref) {
    // A reference with no piece at all names no book: "not found" like any
    // unknown book, since callers only test for empty text here.
    if (ref.find_first_not_of(':') == std::string_view::npos)
        return {};
    const TLibro* l = LibroPorAbrev(RefBookAbbr(ref));
    return l ? std::to_string(l->Capitulos) : std::string();
}

int RandomVerseID(std::string_view key) {
    if (key == "Bbl")
        return drawBetween(1, kTotalVersos);
    if (key == "AT")
        return drawBetween(1, kUltimoIDAT);
    if (key == "NT")
        return drawBetween(kUltimoIDAT + 1, kTotalVersos);
    if (const TLibro* l = LibroPorAbrev(key))
        return drawBetween(l->PrimerID, l->UltimoID());
    return 0;
}

std::size_t RandomIndex(std::size_t n) {
    if (n == 0)
        return 0;
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(generator());
}

void Randomize() {
    // The clock alone repeats when two ticks fall within its resolution; the
    // counter keeps such seeds apart.
    static std::uint64_t calls = 0;
    const auto now = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    const auto mono = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    ++calls;
    std::seed_seq seq{static_cast<std::uint32_t>(now),   static_cast<std::uint32_t>(now >> 32),
                      static_cast<std::uint32_t>(mono),  static_cast<std::uint32_t>(mono >> 32),
                      static_cast<std::uint32_t>(calls), static_cast<std::uint32_t>(calls >> 32)};
    generator().seed(seq);
}

void SeedRandom(std::uint64_t seed) {
    generator().seed(seed);
}

} // namespace mz
