#include "widgets/MarkupText.h"

#include <array>

namespace mz::markup {

namespace {

struct Entity {
    const char16_t* name;
    const char16_t* replacement;
};

} // namespace

PreparedText prepareText(const QString& source) {
    PreparedText out;
    out.text = source;
    out.ampersands = !source.contains(QLatin1String(" & "));

    const std::array<Entity, 9> entities{{
        {u"&amp;", out.ampersands ? u"&&" : u"&"},
        {u"&quot;", u"\""},
        {u"&sect;", u"\u00A7"},
        {u"&permil;", u"\u2030"},
        {u"&reg;", u"\u00AE"},
        {u"&copy;", u"\u00A9"},
        {u"&para;", u"\u00B6"},
        {u"&trade;", u"\u2122"},
        {u"&euro;", u"\u20AC"},
    }};
    // Each replacement is shorter than its entity, so this ends.
    for (bool again = true; again;) {
        again = false;
        for (const Entity& e : entities) {
            const QString name = QString::fromUtf16(e.name);
            const qsizetype at = out.text.indexOf(name, 0, Qt::CaseInsensitive);
            if (at >= 0) {
                out.text.replace(at, name.size(), QString::fromUtf16(e.replacement));
                again = true;
            }
        }
    }

    const qsizetype hash = out.text.indexOf(QLatin1String("<#"));
    if (hash >= 0) {
        out.text.remove(hash, 1);
        const qsizetype close = out.text.indexOf(QLatin1Char('>'), hash);
        if (close >= 0)
            out.text.remove(close, 1);
    }

    out.text.replace(QLatin1Char('\r'), QLatin1String("<BR>"));
    out.text.remove(QLatin1Char('\n'));
    return out;
}

QString decodeRunEntities(QStringView run) {
    if (!run.contains(QLatin1Char('&')))
        return run.toString();
    QString s = run.toString();
    s.replace(QLatin1String("&nbsp;"), QLatin1String(" "), Qt::CaseInsensitive);
    s.replace(QLatin1String("&lt;"), QLatin1String("<"), Qt::CaseInsensitive);
    s.replace(QLatin1String("&gt;"), QLatin1String(">"), Qt::CaseInsensitive);
    return s;
}

ShownText applyPrefixes(const QString& run, bool ampersands) {
    ShownText out;
    if (!ampersands || !run.contains(QLatin1Char('&'))) {
        out.text = run;
        return out;
    }
    out.text.reserve(run.size());
    for (qsizetype i = 0; i < run.size(); ++i) {
        if (run[i] != QLatin1Char('&')) {
            out.text += run[i];
            continue;
        }
        if (i + 1 >= run.size())
            break;
        ++i;
        if (run[i] != QLatin1Char('&'))
            out.underlined.push_back(static_cast<int>(out.text.size()));
        out.text += run[i];
    }
    return out;
}

QString asciiUpper(QStringView s) {
    QString out = s.toString();
    for (QChar& c : out)
        if (c.unicode() >= 'a' && c.unicode() <= 'z')
            c = QChar(static_cast<char16_t>(c.unicode() - 32));
    return out;
}

QString attribute(const QString& upper, const QString& tag, QStringView name, bool* found) {
    const qsizetype at = upper.indexOf(name);
    if (found)
        *found = at >= 0;
    if (at < 0)
        return {};
    const qsizetype open = upper.indexOf(QLatin1Char('"'), at + name.size());
    if (open < 0)
        return {};
    const qsizetype close = upper.indexOf(QLatin1Char('"'), open + 1);
    if (close < 0)
        return {};
    return tag.mid(open + 1, close - open - 1);
}

QString firstQuoted(const QString& tag) {
    const qsizetype open = tag.indexOf(QLatin1Char('"'));
    if (open < 0)
        return {};
    const qsizetype close = tag.indexOf(QLatin1Char('"'), open + 1);
    if (close < 0)
        return {};
    return tag.mid(open + 1, close - open - 1);
}

int leadingNumber(QStringView s) {
    long long n = 0;
    for (QChar c : s) {
        if (c.unicode() < '0' || c.unicode() > '9')
            break;
        n = n * 10 + (c.unicode() - '0');
        if (n > 1'000'000)
            return 1'000'000; // keeps absurd sizes from overflowing
    }
    return static_cast<int>(n);
}

TColor parseColor(const QString& value) {
    if (value.startsWith(QLatin1Char('#')))
        return ColorFromHex(value);
    return ColorFromName(value.toLower());
}

} // namespace mz::markup
