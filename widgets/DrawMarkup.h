// The alert window's text markup: layout, drawing, measuring and hit-testing.
//
// A message is a text in a small HTML-like markup. DrawMarkup lays it out line
// by line inside a rectangle and, by mode, draws it, only measures it, or
// finds the link under a point. The alert window uses the three modes to paint
// the current message, to size itself and to decide about scrolling, and to
// find the link under the mouse.
//
// The language, briefly: <b> </b> bold, <i> </i>, <u> </u>, <s> </s>, <br>
// line break, <hr> a black rule under the line (it also ends the line),
// <a href="x"> </a> links numbered 1, 2, ... through the whole text,
// <font face size color bgcolor>, <p align indent bgcolor bgcolorto>, <sub>,
// <sup>, <z> hidden text, <shad> shadow, <e> error zigzag, <hi> highlight,
// <ind x>, <of x>, <ul> <li> lists, <body>, <blink>, <r a> rotation and <img>
// with "IDX:n" (image list) or a name (picture container), width, height and
// align. Tags are case-insensitive and recognised by their first letters; a tag
// that matches nothing is removed. The entities &amp; &quot; &sect; &permil;
// &reg; &copy; &para; &trade; &euro; &nbsp; &lt; and &gt; are understood. An
// "&" before a character underlines that character and "&&" shows one "&",
// unless the text holds " & " somewhere, which turns that off for all of it.
// Carriage returns break lines, line feeds are ignored.
//
// Layout in brief: a line is built from runs (a word with its trailing blank,
// or the text up to the next tag) until the next run no longer fits: a run
// fits while the line stays narrower than the available width, a run wider
// than the whole line stays where it is, and the rest of a word split by a tag
// stays with its start. Each line is measured first and then drawn (or
// hit-tested) over exactly the text the measuring consumed, so both passes
// agree. The measured width is the widest line (without its trailing blank)
// plus 2; the height is the sum of the line heights.
//
// Malformed markup never fails: an unterminated tag drops the rest of the text,
// a link without quotes has an empty link text, a bad number reads as the
// digits before the first non-digit, an unknown colour name gives black and a
// missing picture takes no room. Pictures by address and shell icons are not
// supported and take no room.
//
// The caller owns everything passed in; nothing is kept after the call. The
// painter's state is left as it was. User-interface thread only (fonts).
#pragma once

#include "widgets/Colors.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;
class QPaintDevice;

namespace mz {

class ImageList;
class PictureContainer;

// Where and in which base font a text is rendered. The base font and colour
// are what closing tags fall back to; the brush colour is the text
// background (clNone: transparent).
struct MarkupCanvas {
    QPainter* painter = nullptr;          // needed to draw; may be null to measure or hit-test
    const QPaintDevice* device = nullptr; // for font metrics without a painter (null: the screen)
    QFont font;
    TColor fontColor = clBlack;
    TColor brushColor = clNone;
};

struct MarkupOptions {
    const ImageList* images = nullptr;
    const PictureContainer* pictures = nullptr;
    QPoint point;       // tested in hit-test mode (canvas coordinates)
    int focusLink = -1; // 0-based link to frame with a focus rectangle
    int hoverLink = -1; // 1-based link under the mouse
    int shadowOffset = 1;
    bool hitTest = false;     // nothing drawn; the point is tested
    bool measureOnly = false; // nothing drawn; every line measured however low the area
    bool print = false;       // list pictures stretched by `resolution`
    bool selected = false;    // colour tags and link colours ignored
    bool blink = true;        // false: text inside <blink> takes the background colour
    bool hoverStyle = false;  // links underlined only while they are the hover link
    bool wordWrap = true;     // false: lines break at tags only, cut text ends in an ellipsis
    double resolution = 1.0;
    TColor linkColor = clBlue;
    TColor hoverColor = clNone;     // background of the hover link
    TColor hoverFontColor = clNone; // text colour of the hover link
    TColor shadowColor = clGray;
    int lineSpacing = 0;
};

struct MarkupResult {
    bool hit = false;    // a link lies at the point (hit-test mode)
    QString anchor;      // that link's text
    QString focusAnchor; // the focus link's text
    int width = 0;       // widest line + 2
    int height = 0;      // sum of line heights
    int linkCount = 0;
    int hitLink = -1; // 1-based number of the link at the point, -1 for none
    QRect hitRect;    // its extent on the hit line
};

// Renders `text` into `area` (left and top included, right and bottom
// excluded) and answers whether a link lies at the point (hit-test mode).
bool DrawMarkup(const MarkupCanvas& canvas, const QString& text, const QRect& area,
                const MarkupOptions& options, MarkupResult* result = nullptr);

} // namespace mz
