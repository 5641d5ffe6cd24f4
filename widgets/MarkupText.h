// Text-level helpers of the markup renderer: preparing a message before
// layout, decoding the entities of a run, the "&" prefix rule, and reading
// tags and their attributes. Pure functions on strings; any thread.
#pragma once

#include "widgets/Colors.h"

#include <QString>
#include <QStringView>
#include <QVector>

namespace mz::markup {

struct PreparedText {
    QString text;
    bool ampersands = true; // "&x" underlines x and "&&" shows one "&"
};

// Before any line is built: decide the "&" rule (off for a text holding
// " & "), replace the nine named entities, turn "<#...>" into "#..." text and
// carriage returns into "<BR>", and drop line feeds. "&amp;" becomes "&&"
// while the "&" rule is on and a plain "&" while it is off, so it always
// shows as one ampersand.
PreparedText prepareText(const QString& text);

// "&nbsp;", "&lt;" and "&gt;" within one run.
QString decodeRunEntities(QStringView run);

// A run as shown: with the "&" rule on, the "&" of "&x" disappears and x is
// underlined, "&&" shows one "&" and a lone "&" at the end vanishes.
struct ShownText {
    QString text;
    QVector<int> underlined; // positions in `text`
};
ShownText applyPrefixes(const QString& run, bool ampersands);

// Upper-cases ASCII letters only, so positions stay the same.
QString asciiUpper(QStringView s);

// The text between the double quotes that follow `name` in the tag. `upper`
// is the upper-cased tag used to find the name; the value is taken from
// `tag` at the same place, so callers choose whether case is kept.
// `found` tells whether the name occurs at all.
QString attribute(const QString& upper, const QString& tag, QStringView name, bool* found = nullptr);

// The text between the first two double quotes of the tag (a link's text).
QString firstQuoted(const QString& tag);

// The digits at the start of the text as a number (0 when there are none).
int leadingNumber(QStringView s);

// A colour attribute: "#RRGGBB" or a colour name in either case.
TColor parseColor(const QString& value);

} // namespace mz::markup
