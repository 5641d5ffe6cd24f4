// The content and the motion of a scrolling text, apart from its widget.
//
// The text is a list of lines drawn in named fonts. A line that begins with
// a defined font's name in angle brackets ("<Verso>...") switches to that
// font from that line on; the tag is not shown. A tag naming no defined font
// is shown as it stands. Lines before the first switch use DefaultFont.
//
// Layout cuts a line wider than the view at blanks into as few rows as fit,
// of even widths (a single word wider than the view stays whole), and stacks
// the rows; an empty line is a row of its font's height.
//
// The text moves up through the view: at offset 0 its top is at the view's
// bottom edge, and each Step raises it by one pixel until it has left the
// view at the top; then Step reports the end and the owner restarts it.
//
// A plain value of the user-interface thread (font metrics need the
// application's fonts).
#pragma once

#include <QColor>
#include <QFont>
#include <QMap>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

namespace mz {

struct ScrollFont {
    QFont font;
    QColor color;
    // The shadow is drawn first, shifted by `shadowOffset`; none when null.
    QPoint shadowOffset;
    QColor shadowColor;
    // A top-to-bottom gradient that fills each row's glyphs in place of
    // `color`.
    std::optional<std::pair<QColor, QColor>> gradient;
};

class ScrollTextModel {
public:
    struct Line {
        QString text;
        QString fontName; // empty: the default font
    };
    struct Row {
        QString text;
        QString fontName;
        int top;
        int height;
    };

    void SetFont(const QString& name, const ScrollFont& font);
    const ScrollFont& Font(const QString& name) const;
    QStringList FontNames() const { return m_fonts.keys(); }
    void SetDefaultFont(const ScrollFont& font) {
        m_defaultFont = font;
        ++m_revision;
    }

    void SetLines(const QStringList& lines);
    const QStringList& RawLines() const { return m_rawLines; }
    // The lines with their font tags resolved.
    QVector<Line> Lines() const;

    // Rows for a view `width` pixels wide, from the top of the text.
    QVector<Row> Layout(int width) const;
    static int TotalHeight(const QVector<Row>& rows);

    int Offset() const { return m_offset; }
    // One pixel up; true when the text has just left a view of
    // `viewHeight` pixels holding `textHeight` pixels of text.
    bool Step(int viewHeight, int textHeight);
    void Restart() { m_offset = 0; }

    // Changes with every change of the lines or fonts, so that a layout can
    // be kept until then.
    int Revision() const { return m_revision; }

private:
    QMap<QString, ScrollFont> m_fonts;
    ScrollFont m_defaultFont;
    QStringList m_rawLines;
    int m_offset = 0;
    int m_revision = 0;
};

} // namespace mz
