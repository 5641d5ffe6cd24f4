// The options page "  Desplegado  ": where the passages come from and how
// often they come.
//
// The group " Fuente " holds one radio button per source, exactly one of
// them selected: the Bible, either testament, one book (its caption is the
// book's full name, "Proverbios" by design, changed through the link
// "cambiar Libro..."), the five catalogues with the young people's promises,
// and the user's favourites. The group " Frecuencia de desplegado " holds the
// interval as hours (0 to 23) and minutes (0 to 59, 15 by design) in boxes
// that cannot be typed into.
//
// The page only maps between its buttons and a source; the form decides what
// they mean and wires the link. Book names are Windows-1252 text where the
// page meets the settings. A QObject of the user-interface thread; the page
// control owns it.
#pragma once

#include "shell/PassageSource.h"

#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QRadioButton;

namespace mz {

class LinkLabel;
class TSliderSpinBox;

class TPagDesplegado : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* kCaption = "  Desplegado  ";

    explicit TPagDesplegado(QWidget* parent = nullptr);
    ~TPagDesplegado() override;

    // The buttons as the tick and "Aceptar" read them.
    TSourceButtons SourceButtons() const;
    // Selects the button of `source`; a book also becomes the book button's
    // caption.
    void SelectSource(const TSourceChoice& source);
    // The button of a source (Libro: the book's button).
    QRadioButton* Button(TFuente fuente) const;

    QGroupBox* const gbxFuente;
    QRadioButton* const rbtFteBiblia;
    QRadioButton* const rbtFteAT;
    QRadioButton* const rbtFteNT;
    QRadioButton* const rbtFteLibro;
    LinkLabel* const lblLibros;
    QRadioButton* const rbtFtePromesas;
    QRadioButton* const rbtFteTemas;
    QRadioButton* const rbtFteContextos;
    QRadioButton* const rbtFteJovenes;
    QRadioButton* const rbtFteMatrimonios;
    QRadioButton* const rbtFteHistorias;
    QRadioButton* const rbtFteFavoritos;

    QGroupBox* const gbxFrecuencia;
    QLabel* const lblCada;
    TSliderSpinBox* const edtHoras;
    QLabel* const lblHoras;
    QLabel* const lblSeparador;
    TSliderSpinBox* const edtMinutos;
    QLabel* const lblMinutos;

private:
    // Indexed by TFuente, the book's button last.
    std::array<QRadioButton*, 11> buttons_{};
};

} // namespace mz
