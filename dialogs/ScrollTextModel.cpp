#include "dialogs/ScrollTextModel.h"

#include <QFontMetrics>

namespace mz {

void ScrollTextModel::SetFont(const QString& name, const ScrollFont& font) {
    m_fonts.insert(name, font);
    ++m_revision;
}

const ScrollFont& ScrollTextModel::Font(const QString& name) const {
    auto found = m_fonts.constFind(name);
    return found == m_fonts.constEnd() ? m_defaultFont : *found;
}

void ScrollTextModel::SetLines(const QStringList& lines) {
    m_rawLines = lines;
    ++m_revision;
}

QVector<ScrollTextModel::Line> ScrollTextModel::Lines() const {
    QVector<Line> lines;
    lines.reserve(m_rawLines.size());
    QString current;
    for (const QString& raw : m_rawLines) {
        QString text = raw;
        if (raw.startsWith(QLatin1Char('<'))) {
            const qsizetype close = raw.indexOf(QLatin1Char('>'));
            if (close > 1 && m_fonts.contains(raw.mid(1, close - 1))) {
                current = raw.mid(1, close - 1);
                text = raw.mid(close + 1);
            }
        }
        lines.push_back({text, current});
    }
    return lines;
}

namespace {

// The words of a line filled greedily into rows no wider than `width`.
QStringList fillRows(const QStringList& words, int width, const QFontMetrics& metrics) {
    QStringList rows;
    QString row;
    for (const QString& word : words) {
        const QString longer = row.isEmpty() ? word : row + QLatin1Char(' ') + word;
        if (!row.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            rows << row;
            row = word;
        } else {
            row = longer;
        }
    }
    rows << row;
    return rows;
}

// As few rows as the greedy fill needs, but of even widths, so that a line
// just too wide for the view does not leave a lone word on its last row.
QStringList wrap(const QString& line, int width, const QFontMetrics& metrics) {
    const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QStringList greedy = fillRows(words, width, metrics);
    int narrow = 0; // too narrow for that many rows
    int wide = width;
    while (wide - narrow > 1) {
        const int middle = (narrow + wide) / 2;
        if (fillRows(words, middle, metrics).size() <= greedy.size())
            wide = middle;
        else
            narrow = middle;
    }
    return fillRows(words, wide, metrics);
}

} // namespace

QVector<ScrollTextModel::Row> ScrollTextModel::Layout(int width) const {
    QVector<Row> rows;
    int top = 0;
    for (const Line& line : Lines()) {
        const QFontMetrics metrics(Font(line.fontName).font);
        const QStringList texts = metrics.horizontalAdvance(line.text) <= width
                                      ? QStringList{line.text}
                                      : wrap(line.text, width, metrics);
        for (const QString& text : texts) {
            rows.push_back({text, line.fontName, top, metrics.height()});
            top += metrics.height();
        }
    }
    return rows;
}

int ScrollTextModel::TotalHeight(const QVector<Row>& rows) {
    return rows.isEmpty() ? 0 : rows.back().top + rows.back().height;
}

bool ScrollTextModel::Step(int viewHeight, int textHeight) {
    ++m_offset;
    return m_offset >= viewHeight + textHeight;
}

} // namespace mz
