// The book the user last chose in the book selection dialog, and the rules by
// which the dialog's events change it.
//
// LibroElegido is empty until a choice is made and then holds a book's full
// name, as its button shows it. Only two events set it: "&Elegir", which takes
// the selected button's caption, and the selection of "Génesis", which counts
// at once, before "&Elegir" is pressed. Closing the dialog any other way
// leaves it as it was. It changes nothing else, so a caller may keep it for
// the whole run while dialogs that use it come and go.
//
// A plain value; the user-interface thread uses it.
#pragma once

#include <QString>

namespace mz {

// The book whose button is selected when the dialog is made, and the choice
// of "&Elegir" when, against that, no button is selected: "Proverbios".
inline constexpr int kLibroInicial = 20;
// The book whose selection chooses it at once: "Génesis".
inline constexpr int kLibroInmediato = 1;

class TBookChoice {
public:
    // Empty text until a book was chosen.
    const QString& LibroElegido() const { return m_libroElegido; }

    // "&Elegir": the caption of the selected book button, or empty text when
    // no button is selected, which chooses "Proverbios".
    void Elegir(const QString& selectedCaption);

    // A book button became selected (by a click, an arrow key or the program);
    // `number` counts the books from 1 in canonical order. Only "Génesis",
    // book 1, is chosen this way.
    void BookSelected(int number);

private:
    QString m_libroElegido;
};

} // namespace mz
