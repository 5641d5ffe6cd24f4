#include "dialogs/SelLibroLayout.h"

#include "scripture/LibPBbl.h"

#include <algorithm>
#include <string_view>

namespace mz {

namespace {

constexpr int kColumns = 3;
// The middle columns hold the longest names ("Lamentaciones",
// "1 Tesalonicenses"), so they are the widest; the last holds short ones.
constexpr int kColumnLeft[kColumns] = {16, 128, 252};
constexpr int kColumnWidth[kColumns] = {108, 120, 102};
constexpr int kRowPitch = 16;
// The top of the first row of each testament's block.
constexpr int kFirstTopAT = 42;
constexpr int kFirstTopNT = 290;

// The number of books before the testament's first, and its number of books.
struct Testament {
    int before;
    int count;
};

Testament testamentOf(bool nuevo) {
    int antiguos = 0;
    for (const TLibro& libro : Libros)
        antiguos += libro.Testamento == "AT" ? 1 : 0;
    return nuevo ? Testament{antiguos, kNumLibros - antiguos} : Testament{0, antiguos};
}

struct GroupColour {
    std::string_view grupo;
    std::uint32_t bgr;
};

// Group names as the book table spells them (Windows-1252); the empty group is
// that of the books directly under their testament.
constexpr GroupColour kGroupColours[] = {
    {"Pentateuco", 0x408080},
    {"Libros hist\xF3ricos", 0x404080},
    {"Libros sapienciales y po\xE9ticos", 0x804000},
    {"Libros prof\xE9ticos", 0x408000},
    {"Los 4 evangelios", 0x8080FF},
    {"", 0x404000},
    {"Epistolas de San Pablo", 0x5F214D},
    {"Epistolas cat\xF3licas", 0xC08000},
};

} // namespace

BookCell BookButtonCell(int number) {
    const bool nuevo = Libros[number - 1].Testamento == "NT";
    const Testament testament = testamentOf(nuevo);
    const int rows = (testament.count + kColumns - 1) / kColumns;
    const int index = number - 1 - testament.before;
    return {nuevo, index / rows, index % rows};
}

QRect BookButtonRect(int number) {
    const BookCell cell = BookButtonCell(number);
    const int top = cell.nuevoTestamento ? kFirstTopNT : kFirstTopAT;
    return {kColumnLeft[cell.column], top + cell.row * kRowPitch, kColumnWidth[cell.column], kRowPitch};
}

std::uint32_t BookGroupColour(int number) {
    const std::string_view grupo = Libros[number - 1].Grupo;
    for (const GroupColour& group : kGroupColours) {
        if (group.grupo == grupo)
            return group.bgr;
    }
    return 0; // every group of the table has its colour above
}

QPoint PlaceOverMainWindow(const QRect& mainFrame, const QSize& dialogFrame) {
    // C++ integer division truncates towards zero, as the rule asks.
    return {mainFrame.left() + (mainFrame.width() - dialogFrame.width()) / 2,
            mainFrame.top() + (mainFrame.height() - dialogFrame.height()) / 2 - 30};
}

QPoint KeepOnScreen(const QPoint& topLeft, const QSize& dialogFrame, const QRect& available) {
    const int x = std::max(available.left(),
                           std::min(topLeft.x(), available.left() + available.width() - dialogFrame.width()));
    const int y = std::max(
        available.top(), std::min(topLeft.y(), available.top() + available.height() - dialogFrame.height()));
    return {x, y};
}

} // namespace mz
