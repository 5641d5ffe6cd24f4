// The book selection dialog on the offscreen platform: its design, and the
// choices SelectBook returns when the user acts in the modal dialog.
#include "dialogs/SelLibroLayout.h"
#include "dialogs/uFrmDlgSelLibro.h"
#include "platform/DesktopStyle.h"
#include "platform/QtText.h"
#include "scripture/LibPBbl.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using mz::TBookChoice;
using mz::TBookSelector;
using mz::TfrmDlgSelLibro;

const QString kGenesis = QString::fromUtf8("Génesis");

// Calls SelectBook and, once the dialog is up, does what the user would.
// `act` must close the dialog; should it not, the dialog is closed for it and
// the test fails rather than hangs.
QString selectWith(TBookSelector& selector, QWidget* mainWindow, std::function<void(TfrmDlgSelLibro&)> act) {
    bool acted = false;
    QTimer::singleShot(0, [&] {
        TfrmDlgSelLibro* dialog = selector.Dialog();
        if (!dialog || !dialog->isVisible())
            return; // the failure shows below; without a dialog exec cannot be waiting
        acted = true;
        EXPECT_TRUE(dialog->isModal());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the hourglass stays while the dialog shows";
        act(*dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the dialog did not close";
            dialog->reject();
        }
    });
    const QString chosen = selector.SelectBook(mainWindow);
    EXPECT_TRUE(acted) << "the dialog was not shown";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    return chosen;
}

// The user's actions.
void pressElegir(TfrmDlgSelLibro& dialog) {
    dialog.btnElegir->click();
}
void closeByTitleBar(TfrmDlgSelLibro& dialog) {
    dialog.close();
}
std::function<void(TfrmDlgSelLibro&)> clickThen(int number, void (*then)(TfrmDlgSelLibro&)) {
    return [number, then](TfrmDlgSelLibro& dialog) {
        dialog.rbtLibro(number)->click();
        then(dialog);
    };
}

class SelLibroTest : public ::testing::Test {
protected:
    SelLibroTest() {
        mainWindow.setGeometry(100, 150, 500, 420);
        mainWindow.show();
    }
    QWidget mainWindow;
};

TEST_F(SelLibroTest, HasItsDesign) {
    TBookChoice choice;
    TfrmDlgSelLibro dialog(choice, &mainWindow);
    EXPECT_EQ(dialog.windowTitle(), "Seleccionar Libro...");
    EXPECT_EQ(dialog.size(), QSize(362, 476));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_EQ(dialog.font().family(), mz::desktopFamily("Tahoma"));
    EXPECT_EQ(dialog.font().pointSize(), 8);
    EXPECT_EQ(dialog.parentWidget(), &mainWindow);

    EXPECT_EQ(dialog.lblAntiguo->text(), "Antiguo Testamento");
    EXPECT_EQ(dialog.lblNuevo->text(), "Nuevo Testamento");
    EXPECT_TRUE(dialog.lblAntiguo->font().bold());
    EXPECT_TRUE(dialog.lblNuevo->font().bold());
    EXPECT_EQ(dialog.btnElegir->text(), "&Elegir");

    // Everything inside the client area; the button at the lower right, below
    // its rule and every book; the rules right of the testament names.
    const QRect client = dialog.rect();
    for (const QWidget* w : dialog.findChildren<QWidget*>())
        EXPECT_TRUE(client.contains(w->geometry())) << w->metaObject()->className();
    const QRect button = dialog.btnElegir->geometry();
    EXPECT_GT(client.right() - button.right(), 0);
    EXPECT_LT(client.right() - button.right(), 16);
    EXPECT_LT(client.bottom() - button.bottom(), 16);
    EXPECT_GT(button.top(), dialog.bvlBoton->geometry().bottom());
    EXPECT_GT(dialog.bvlBoton->geometry().top(), dialog.rbtLibro(66)->geometry().bottom());
    EXPECT_GT(dialog.bvlAntiguo->geometry().left(), dialog.lblAntiguo->geometry().right());
    EXPECT_GT(dialog.bvlNuevo->geometry().left(), dialog.lblNuevo->geometry().right());
    EXPECT_GT(dialog.imgNuevo->geometry().top(), dialog.rbtLibro(39)->geometry().bottom());
    EXPECT_LT(dialog.imgNuevo->geometry().bottom(), dialog.rbtLibro(40)->geometry().top());
    EXPECT_EQ(dialog.imgAntiguo->size(), QSize(32, 32));
    EXPECT_EQ(dialog.imgNuevo->size(), QSize(32, 32));
}

TEST_F(SelLibroTest, ShowsTheTestamentPictures) {
    // The artwork is compiled into this test program.
    TBookChoice choice;
    TfrmDlgSelLibro dialog(choice, &mainWindow);
    for (const QLabel* picture : {dialog.imgAntiguo, dialog.imgNuevo}) {
        const QPixmap pixmap = picture->pixmap();
        ASSERT_FALSE(pixmap.isNull());
        EXPECT_EQ(pixmap.deviceIndependentSize(), QSizeF(32, 32));
    }
}

TEST_F(SelLibroTest, BooksAreOneGroupInTheirColoursAndPlaces) {
    TBookChoice choice;
    TfrmDlgSelLibro dialog(choice, &mainWindow);
    EXPECT_TRUE(dialog.grpLibros->exclusive());
    ASSERT_EQ(dialog.grpLibros->buttons().size(), mz::kNumLibros);
    for (int number = 1; number <= mz::kNumLibros; ++number) {
        const QRadioButton* button = dialog.rbtLibro(number);
        const mz::TLibro& libro = mz::Libros[number - 1];
        EXPECT_EQ(button->text(), mz::fromCp1252(libro.Nombre)) << number;
        // The caption is what the shell turns into the book's abbreviation.
        EXPECT_EQ(mz::FullNameToAbbr(mz::toCp1252(button->text())), libro.Abrev) << number;
        EXPECT_EQ(dialog.grpLibros->id(const_cast<QRadioButton*>(button)), number);
        EXPECT_EQ(button->geometry(), mz::BookButtonRect(number)) << number;
        EXPECT_LE(button->sizeHint().width(), button->width()) << "caption cut short: " << number;
        EXPECT_EQ(button->palette().color(QPalette::WindowText),
                  mz::colorFromBgr(mz::BookGroupColour(number)))
            << number;
    }
    EXPECT_EQ(dialog.rbtLibro(1)->text(), kGenesis);
    EXPECT_EQ(dialog.rbtLibro(65)->text(), "San Judas");
    EXPECT_EQ(mz::FullNameToAbbr(mz::toCp1252(dialog.rbtLibro(1)->text())), "Gn");

    // Proverbios at first, and exactly one at any time.
    EXPECT_EQ(dialog.SelectedButton(), dialog.rbtLibro(20));
    EXPECT_EQ(dialog.SelectedButton()->text(), "Proverbios");
    dialog.rbtLibro(8)->click();
    dialog.rbtLibro(8)->click();
    EXPECT_EQ(dialog.SelectedButton(), dialog.rbtLibro(8));
    EXPECT_FALSE(dialog.rbtLibro(20)->isChecked());
    EXPECT_EQ(choice.LibroElegido(), QString()) << "selecting is not choosing";
}

TEST_F(SelLibroTest, TabsFromElegirThroughTheBooksInOrder) {
    TBookChoice choice;
    TfrmDlgSelLibro dialog(choice, &mainWindow);
    // The focus chain, leaving out what never takes focus.
    QList<QWidget*> order;
    QWidget* w = &dialog;
    do {
        w = w->nextInFocusChain();
        if (w != &dialog && w->focusPolicy() != Qt::NoFocus)
            order.append(w);
    } while (w != &dialog);
    ASSERT_EQ(order.size(), 1 + mz::kNumLibros);
    EXPECT_EQ(order[0], dialog.btnElegir);
    for (int number = 1; number <= mz::kNumLibros; ++number)
        EXPECT_EQ(order[number], dialog.rbtLibro(number)) << number;
}

TEST_F(SelLibroTest, ArrowKeyOntoGenesisChoosesIt) {
    TBookChoice choice;
    TfrmDlgSelLibro dialog(choice, &mainWindow);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.rbtLibro(2)->click(); // Exodo, just below Génesis
    dialog.rbtLibro(2)->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), dialog.rbtLibro(2));
    EXPECT_EQ(choice.LibroElegido(), QString());

    // Down to Levítico chooses nothing; back up twice reaches Génesis.
    for (const int key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Up}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(QApplication::focusWidget(), &press);
        if (key == Qt::Key_Down) {
            EXPECT_EQ(dialog.SelectedButton(), dialog.rbtLibro(3));
            EXPECT_EQ(choice.LibroElegido(), QString());
        }
    }
    EXPECT_EQ(dialog.SelectedButton(), dialog.rbtLibro(1));
    EXPECT_EQ(choice.LibroElegido(), kGenesis);
}

TEST_F(SelLibroTest, FirstUseElegirAtOnceReturnsProverbios) {
    TBookSelector selector;
    EXPECT_EQ(selector.Dialog(), nullptr);
    EXPECT_EQ(selectWith(selector, &mainWindow, pressElegir), "Proverbios");
    EXPECT_EQ(selector.LibroElegido(), "Proverbios");
}

TEST_F(SelLibroTest, ClosingByTheTitleBarKeepsThePreviousChoice) {
    struct Case {
        const char* what;
        std::function<void(TfrmDlgSelLibro&)> before; // a first use, or none
        std::function<void(TfrmDlgSelLibro&)> act;
        QString expected;
    } cases[] = {
        {"first use, no choice", nullptr, closeByTitleBar, QString()},
        {"first use, Genesis", nullptr, clickThen(1, closeByTitleBar), kGenesis},
        {"first use, Rut", nullptr, clickThen(8, closeByTitleBar), QString()},
        {"after Salmos, Rut", clickThen(19, pressElegir), clickThen(8, closeByTitleBar), "Salmos"},
        {"after Salmos, Genesis", clickThen(19, pressElegir), clickThen(1, closeByTitleBar), kGenesis},
        {"after Salmos, Genesis then Rut", clickThen(19, pressElegir),
         [](TfrmDlgSelLibro& dialog) {
             dialog.rbtLibro(1)->click();
             dialog.rbtLibro(8)->click();
             dialog.close();
         },
         kGenesis},
        {"after Salmos, Escape", clickThen(19, pressElegir), [](TfrmDlgSelLibro& dialog) { dialog.reject(); },
         "Salmos"},
    };
    for (const Case& c : cases) {
        TBookSelector selector;
        if (c.before)
            selectWith(selector, &mainWindow, c.before);
        EXPECT_EQ(selectWith(selector, &mainWindow, c.act), c.expected) << c.what;
    }
}

TEST_F(SelLibroTest, TheSameDialogOpensWithTheLastSelection) {
    TBookSelector selector;
    EXPECT_EQ(selectWith(selector, &mainWindow, clickThen(66, pressElegir)), "Apocalipsis");
    const TfrmDlgSelLibro* first = selector.Dialog();

    // Rut selected and the window closed: Rut is selected on the next use,
    // and "&Elegir" then chooses it.
    EXPECT_EQ(selectWith(selector, &mainWindow,
                         [](TfrmDlgSelLibro& dialog) {
                             EXPECT_EQ(dialog.SelectedButton(), dialog.rbtLibro(66));
                             dialog.rbtLibro(8)->click();
                             dialog.close();
                         }),
              "Apocalipsis");
    EXPECT_EQ(selectWith(selector, &mainWindow,
                         [](TfrmDlgSelLibro& dialog) {
                             EXPECT_EQ(dialog.SelectedButton(), dialog.rbtLibro(8));
                             dialog.btnElegir->click();
                         }),
              "Rut");
    EXPECT_EQ(selector.Dialog(), first);
}

TEST_F(SelLibroTest, OpensOverTheMainWindowWhereItIsFirstMade) {
    TBookSelector selector;
    QRect shownAt;
    const auto noteAndClose = [&](TfrmDlgSelLibro& dialog) {
        shownAt = dialog.frameGeometry();
        dialog.close();
    };
    // Frames, as the window system draws them, are placed by the rule.
    selectWith(selector, &mainWindow, noteAndClose);
    const QRect main = mainWindow.frameGeometry();
    EXPECT_GT(shownAt.width(), 362) << "the frame is counted in";
    EXPECT_EQ(shownAt.left(), main.left() + (main.width() - shownAt.width()) / 2);
    EXPECT_EQ(shownAt.top(), main.top() + (main.height() - shownAt.height()) / 2 - 30);
    EXPECT_GT(shownAt.top(), mainWindow.screen()->availableGeometry().top());

    // Made once: moving the main window does not move it.
    const QRect first = shownAt;
    mainWindow.move(300, 200);
    selectWith(selector, &mainWindow, noteAndClose);
    EXPECT_EQ(shownAt, first);
}

TEST_F(SelLibroTest, StaysOnTheScreenNearItsTopEdge) {
    mainWindow.setGeometry(100, 20, 500, 300); // the rule puts the top near 20 − 88 − 30
    TBookChoice choice;
    TfrmDlgSelLibro dialog(choice, &mainWindow);
    EXPECT_EQ(dialog.pos().y(), mainWindow.screen()->availableGeometry().top());
    EXPECT_GT(dialog.pos().x(), mainWindow.frameGeometry().left()) << "only moved down";
}

TEST_F(SelLibroTest, ANewDialogWhenTheMainWindowWentAndTheChoiceStays) {
    TBookSelector selector;
    {
        QWidget other;
        other.setGeometry(50, 50, 400, 400);
        other.show();
        EXPECT_EQ(selectWith(selector, &other, clickThen(1, closeByTitleBar)), kGenesis);
        EXPECT_EQ(selector.Dialog()->parentWidget(), &other);
    }
    EXPECT_EQ(selector.Dialog(), nullptr);
    EXPECT_EQ(selectWith(selector, &mainWindow,
                         [](TfrmDlgSelLibro& dialog) {
                             EXPECT_EQ(dialog.SelectedButton(), dialog.rbtLibro(20));
                             dialog.close();
                         }),
              kGenesis);
    EXPECT_EQ(selector.Dialog()->parentWidget(), &mainWindow);
}

TEST_F(SelLibroTest, WithoutAMainWindowOpensOnTheScreen) {
    TBookSelector selector;
    EXPECT_EQ(selectWith(selector, nullptr, pressElegir), "Proverbios");
    ASSERT_NE(selector.Dialog(), nullptr);
    EXPECT_EQ(selector.Dialog()->parentWidget(), nullptr);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(selector.Dialog()->frameGeometry()));
}

TEST(SelLibroProgram, TheProgramsSelectorKeepsTheChoice) {
    QWidget mainWindow;
    mainWindow.setGeometry(100, 150, 500, 420);
    mainWindow.show();
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<TfrmDlgSelLibro*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->rbtLibro(44)->click();
        dialog->btnElegir->click();
    });
    EXPECT_EQ(mz::SelectBook(&mainWindow), "Hechos");
    EXPECT_EQ(mz::LibroElegido(), "Hechos");
}

} // namespace
