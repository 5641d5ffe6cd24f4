// The source of the passages: which radio button of the options window's
// source group is selected, and the settings value that stands for it.
//
// The settings store the source as text (FuenteVersos): one of the ten keys
// "Biblia", "AT", "NT", "Promesas", "Temas", "Contextos", "Jovenes",
// "Matrimonios", "Historias", "Favoritos", compared exactly, or else the full
// name of one book, which also becomes the caption of the book's button.
//
// The form reads its radio group into TSourceButtons. The tick and "Aceptar"
// test the buttons in different orders (the tick the catalogues first, then
// the favourites, then the Bible and testaments; "Aceptar" the Bible and
// testaments first); with an exclusive group both find the same button, and
// with none selected both take the book.
//
// Plain values and functions without state; any thread.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace mz {

// In the order the tick tests the buttons; Libro stands for the book button,
// which is taken when none of the others is selected.
enum class TFuente {
    Promesas,
    Temas,
    Contextos,
    Jovenes,
    Matrimonios,
    Historias,
    Favoritos,
    Biblia,
    AT,
    NT,
    Libro
};

struct TSourceChoice {
    TFuente Fuente = TFuente::Libro;
    // The book's full name when Fuente is Libro (Windows-1252), else empty.
    std::string Libro;

    bool operator==(const TSourceChoice&) const = default;
};

// The settings key of a source other than Libro ("Jovenes" for Jovenes);
// empty for Libro.
std::string_view FuenteKey(TFuente fuente);

// The source a settings value selects: a key, or else a book by its name.
TSourceChoice SourceFromSetting(std::string_view fuenteVersos);

// The checked state of the source buttons, as the form reads them.
struct TSourceButtons {
    // Indexed by TFuente; the book button has no entry, it is the fallback.
    std::array<bool, 10> Checked{};
    std::string LibroCaption;

    bool& operator[](TFuente f) { return Checked[static_cast<size_t>(f)]; }
    bool operator[](TFuente f) const { return Checked[static_cast<size_t>(f)]; }
    // Checks exactly the button of `choice` (and takes its book name).
    static TSourceButtons Of(const TSourceChoice& choice);
};

// The source of a tick: the first checked button in the tick's order.
TSourceChoice TickSource(const TSourceButtons& buttons);

// The settings value "Aceptar" stores: the first checked button in the
// order Biblia, AT, NT, Promesas, Temas, Contextos, Jovenes, Matrimonios,
// Historias, Favoritos; else the book button's caption.
std::string AcceptedSetting(const TSourceButtons& buttons);

} // namespace mz
