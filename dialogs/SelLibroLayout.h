// The design of the book selection window: where its 66 book buttons go,
// the colour of each book's group, and where the window opens.
//
// The window's client area is 362 × 476. Each testament has a block headed by
// its picture and name; below it the testament's books stand in three columns,
// filled top to bottom and then left to right in canonical order, one row
// every 16 pixels: the 39 books of the Old Testament in columns of 13, the 27
// of the New in columns of 9. "&Elegir" sits at the lower right.
//
// Books are numbered from 1 in canonical order; a number outside 1 to 66 is
// the caller's fault. Plain functions of value types; any thread may call them.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>

namespace mz {

inline constexpr QSize kSelLibroClientSize{362, 476};

struct BookCell {
    bool nuevoTestamento;
    int column; // 0 to 2
    int row;    // from 0, the top of the column
};

BookCell BookButtonCell(int number);

// The book button's place in the window's client area.
QRect BookButtonRect(int number);

// The text colour of the book's button, 0xBBGGRR: one colour for each group
// of books, and one for "Hechos" and "Apocalipsis", which stand directly
// under their testament.
std::uint32_t BookGroupColour(int number);

// Where the window's frame opens over the main window's frame: centred on it
// across, centred and then 30 pixels higher down. Halves are integer
// divisions that drop the remainder towards zero, also when the main window
// is the smaller one.
QPoint PlaceOverMainWindow(const QRect& mainFrame, const QSize& dialogFrame);

// `topLeft` moved just enough for a frame of that size to lie inside the
// screen's free area; where the frame is larger than the area its top left
// corner, with the title bar, stays inside.
QPoint KeepOnScreen(const QPoint& topLeft, const QSize& dialogFrame, const QRect& available);

} // namespace mz
