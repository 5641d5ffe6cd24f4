// The book selection's decisions, without a window: the choice, the column
// layout, the group colours and the placement.
#include "dialogs/BookChoice.h"
#include "dialogs/SelLibroLayout.h"
#include "scripture/LibPBbl.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using mz::TBookChoice;

TEST(BookChoice, OnlyElegirAndGenesisChoose) {
    // An event: "&Elegir" with the caption of the selected button (empty:
    // none selected), or the selection of a book button by number.
    struct Event {
        QString elegir;
        int selected;
    };
    const auto elegir = [](const QString& caption) { return Event{caption, 0}; };
    const auto select = [](int number) { return Event{QString(), number}; };
    struct Case {
        const char* what;
        std::vector<Event> events;
        QString expected;
    } cases[] = {
        {"nothing yet", {}, QString()},
        {"Elegir with Proverbios", {elegir("Proverbios")}, "Proverbios"},
        {"Elegir with no button selected", {elegir(QString())}, "Proverbios"},
        {"Elegir takes the caption as it is", {elegir("San Judas")}, "San Judas"},
        {"Genesis counts at once", {select(1)}, QString::fromUtf8("Génesis")},
        {"no other book does", {select(8), select(2), select(66), select(20)}, QString()},
        {"another book after Genesis keeps it", {select(1), select(8)}, QString::fromUtf8("Génesis")},
        {"Genesis after a choice replaces it", {elegir("Rut"), select(1)}, QString::fromUtf8("Génesis")},
        {"a later Elegir wins", {select(1), select(19), elegir("Salmos")}, "Salmos"},
        {"selection without Elegir keeps the choice", {elegir("Rut"), select(19)}, "Rut"},
    };
    for (const Case& c : cases) {
        TBookChoice choice;
        for (const Event& e : c.events) {
            if (e.selected)
                choice.BookSelected(e.selected);
            else
                choice.Elegir(e.elegir);
        }
        EXPECT_EQ(choice.LibroElegido(), c.expected) << c.what;
    }
}

TEST(SelLibroLayout, TestamentsFillThreeColumnsDownThenAcross) {
    struct Case {
        int number;
        bool nuevo;
        int column, row;
    } cases[] = {
        {1, false, 0, 0},   // Génesis
        {13, false, 0, 12}, // 1 Crónicas
        {14, false, 1, 0},  // 2 Crónicas
        {26, false, 1, 12}, // Ezequiel
        {27, false, 2, 0},  // Daniel
        {39, false, 2, 12}, // Malaquías
        {40, true, 0, 0},   // San Mateo
        {48, true, 0, 8},   // Gálatas
        {49, true, 1, 0},   // Efesios
        {57, true, 1, 8},   // Filemón
        {58, true, 2, 0},   // Hebreos
        {66, true, 2, 8},   // Apocalipsis
    };
    for (const Case& c : cases) {
        const mz::BookCell cell = mz::BookButtonCell(c.number);
        EXPECT_EQ(cell.nuevoTestamento, c.nuevo) << c.number;
        EXPECT_EQ(cell.column, c.column) << c.number;
        EXPECT_EQ(cell.row, c.row) << c.number;
    }
}

TEST(SelLibroLayout, RowsAre16PixelsApartInStraightColumnsInsideTheWindow) {
    const QRect client(QPoint(0, 0), mz::kSelLibroClientSize);
    EXPECT_EQ(mz::kSelLibroClientSize, QSize(362, 476));
    for (int number = 1; number <= mz::kNumLibros; ++number) {
        const QRect place = mz::BookButtonRect(number);
        EXPECT_TRUE(client.contains(place)) << number;
        const mz::BookCell cell = mz::BookButtonCell(number);
        if (cell.row > 0) { // the book above in the same column
            const QRect above = mz::BookButtonRect(number - 1);
            EXPECT_EQ(place.left(), above.left()) << number;
            EXPECT_EQ(place.top() - above.top(), 16) << number;
        }
        for (int other = 1; other < number; ++other)
            EXPECT_FALSE(place.intersects(mz::BookButtonRect(other))) << number << " " << other;
    }
    // Column tops line up, and the New Testament's block lies below the Old's.
    EXPECT_EQ(mz::BookButtonRect(14).top(), mz::BookButtonRect(1).top());
    EXPECT_EQ(mz::BookButtonRect(58).top(), mz::BookButtonRect(40).top());
    EXPECT_GT(mz::BookButtonRect(40).top(), mz::BookButtonRect(39).bottom());
}

TEST(SelLibroLayout, EachGroupHasItsColour) {
    struct Range {
        int first, last;
        std::uint32_t bgr;
    } ranges[] = {
        {1, 5, 0x408080},   {6, 17, 0x404080},  {18, 22, 0x804000}, {23, 39, 0x408000}, {40, 43, 0x8080FF},
        {44, 44, 0x404000}, {45, 58, 0x5F214D}, {59, 65, 0xC08000}, {66, 66, 0x404000},
    };
    int covered = 0;
    for (const Range& r : ranges) {
        for (int number = r.first; number <= r.last; ++number, ++covered)
            EXPECT_EQ(mz::BookGroupColour(number), r.bgr) << number;
    }
    EXPECT_EQ(covered, mz::kNumLibros);
}

TEST(SelLibroPlacement, CentredOverTheMainWindowAnd30PixelsUp) {
    struct Case {
        QRect main;
        QSize dialog;
        QPoint expected;
    } cases[] = {
        {{100, 200, 500, 600}, {362, 476}, {169, 232}},
        {{100, 200, 501, 601}, {362, 476}, {169, 232}}, // odd remainders are dropped
        {{0, 0, 362, 476}, {362, 476}, {0, -30}},
        // The main window smaller than the dialog: the halves of -63 and -77
        // are -31 and -38 (towards zero), not -32 and -39.
        {{0, 0, 300, 400}, {363, 477}, {-31, -68}},
        {{-500, -40, 300, 400}, {363, 477}, {-531, -108}},
        {{1000, 700, 200, 100}, {362, 476}, {919, 482}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(mz::PlaceOverMainWindow(c.main, c.dialog), c.expected) << c.main.x() << "," << c.main.y();
}

TEST(SelLibroPlacement, KeepsTheWindowOnTheScreen) {
    const QRect screen(0, 0, 1280, 800);
    const QSize dialog(362, 476);
    struct Case {
        QPoint wanted, expected;
    } cases[] = {
        {{169, 232}, {169, 232}},                            // inside: unchanged
        {{0, 0}, {0, 0}},          {{918, 324}, {918, 324}}, // touching the lower right corner
        {{-31, -68}, {0, 0}},                                // above and left of the screen
        {{1000, 700}, {918, 324}},                           // below and right
    };
    for (const Case& c : cases)
        EXPECT_EQ(mz::KeepOnScreen(c.wanted, dialog, screen), c.expected)
            << c.wanted.x() << "," << c.wanted.y();

    // A screen smaller than the dialog keeps the title bar in view.
    EXPECT_EQ(mz::KeepOnScreen({50, 50}, dialog, QRect(10, 20, 300, 400)), QPoint(10, 20));
    // Screens need not start at the origin.
    EXPECT_EQ(mz::KeepOnScreen({-2000, 100}, dialog, QRect(-1920, 0, 1920, 1080)), QPoint(-1920, 100));
}

} // namespace
