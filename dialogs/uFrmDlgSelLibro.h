// The book selection dialog: the user picks the one book that serves as the
// source of passages, among 66 radio buttons captioned with the books' full
// names, and the program gets that name back from SelectBook.
//
// TfrmDlgSelLibro is the window. It writes the user's choice into a
// TBookChoice it is given and does not own, which must outlive it; its buttons
// keep their selection between showings. TBookSelector keeps one such window
// (made on first use) and the choice for as long as it lives; SelectBook and
// LibroElegido below use the program's own selector.
//
// The window opens over the main window it is made for, which owns it as its
// Qt parent; without a main window it opens over the primary screen and is
// deleted when the application quits.
//
// QObjects of the user-interface thread.
#pragma once

#include "dialogs/BookChoice.h"
#include "scripture/LibPBbl.h"

#include <QDialog>
#include <QPointer>
#include <QString>

#include <array>

class QButtonGroup;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

namespace mz {

class TfrmDlgSelLibro : public QDialog {
    Q_OBJECT

public:
    TfrmDlgSelLibro(TBookChoice& choice, QWidget* mainWindow = nullptr);
    ~TfrmDlgSelLibro() override;

    // The button of book `number`, counted from 1 in canonical order.
    QRadioButton* rbtLibro(int number) const { return m_rbtLibros.at(number - 1); }

    // The selected book button, or null.
    QRadioButton* SelectedButton() const;

    QLabel* const imgAntiguo;
    QLabel* const lblAntiguo;
    QFrame* const bvlAntiguo;
    QLabel* const imgNuevo;
    QLabel* const lblNuevo;
    QFrame* const bvlNuevo;
    QFrame* const bvlBoton;
    QPushButton* const btnElegir;
    // Makes the 66 buttons one group of which exactly one is selected; their
    // ids are the book numbers.
    QButtonGroup* const grpLibros;

private:
    void btnElegirClick();
    void rbtLibroToggled(int number, bool checked);
    void PlaceOver(QWidget* mainWindow);

    TBookChoice& m_choice;
    std::array<QRadioButton*, kNumLibros> m_rbtLibros{};
};

// One book selection dialog, made on first use and shown again on each use,
// and the choice it writes.
class TBookSelector {
public:
    TBookSelector() = default;
    ~TBookSelector();
    TBookSelector(const TBookSelector&) = delete;
    TBookSelector& operator=(const TBookSelector&) = delete;

    // Shows the dialog modally, with the hourglass up while it is being made,
    // and returns LibroElegido once it closes (empty text if no book was ever
    // chosen). The dialog is made for `mainWindow` on the first call; later
    // calls show the same one, unless its main window has gone since.
    QString SelectBook(QWidget* mainWindow);

    const QString& LibroElegido() const { return m_choice.LibroElegido(); }

    // The dialog, or null before the first use.
    TfrmDlgSelLibro* Dialog() const { return m_dialog.data(); }

private:
    TBookChoice m_choice;
    QPointer<TfrmDlgSelLibro> m_dialog;
};

// The program's selector, which lives for the whole run.
QString SelectBook(QWidget* mainWindow);
QString LibroElegido();

} // namespace mz
