#include "widgets/DrawMarkup.h"
#include "tests/widgets/WidgetTestSupport.h"
#include "widgets/ImageList.h"
#include "widgets/MarkupText.h"
#include "widgets/PictureContainer.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include <gtest/gtest.h>

#include <functional>

namespace mz {
namespace {

using test::countPixels;
using test::isBluish;
using test::isDark;
using test::isReddish;

// Renders onto a white image in DejaVu Sans 12 pt; expectations come from the
// same font's metrics on the same image, so they hold on any machine.
class DrawMarkupTest : public ::testing::Test {
protected:
    DrawMarkupTest() : img_(600, 400, QImage::Format_RGB32), font_(test::dejaVu(12)) {
        img_.fill(Qt::white);
        bold_ = font_;
        bold_.setBold(true);
    }

    QFontMetrics fm() const { return QFontMetrics(font_, const_cast<QImage*>(&img_)); }
    QFontMetrics fmBold() const { return QFontMetrics(bold_, const_cast<QImage*>(&img_)); }
    int adv(const QString& s) const { return fm().horizontalAdvance(s); }
    int advBold(const QString& s) const { return fmBold().horizontalAdvance(s); }
    // Width of a text measured run by run, the runs separated by "|".
    int runs(const QString& s, bool bold = false) const {
        int w = 0;
        for (const QString& run : s.split(QLatin1Char('|')))
            w += bold ? advBold(run) : adv(run);
        return w;
    }
    int h() const { return fm().height(); }

    MarkupCanvas canvas(QPainter* p) const {
        MarkupCanvas c;
        c.painter = p;
        c.device = &img_;
        c.font = font_;
        return c;
    }

    MarkupResult measure(const QString& text, int areaWidth = 4096) const {
        MarkupOptions o;
        o.measureOnly = true;
        MarkupResult r;
        DrawMarkup(canvas(nullptr), text, QRect(0, 0, areaWidth, 4096), o, &r);
        return r;
    }

    MarkupResult draw(const QString& text, const QRect& area, MarkupOptions o = {}) {
        QPainter p(&img_);
        MarkupResult r;
        DrawMarkup(canvas(&p), text, area, o, &r);
        return r;
    }

    MarkupResult hit(const QString& text, QPoint point) const {
        MarkupOptions o;
        o.hitTest = true;
        o.point = point;
        MarkupResult r;
        DrawMarkup(canvas(nullptr), text, QRect(0, 0, 500, 300), o, &r);
        return r;
    }

    // First row, from the top, holding a dark pixel within the columns.
    int firstDarkRow(int x0, int x1) const {
        for (int y = 0; y < img_.height(); ++y)
            for (int x = x0; x <= x1; ++x)
                if (isDark(img_.pixel(x, y)))
                    return y;
        return -1;
    }

    QImage img_;
    QFont font_;
    QFont bold_;
};

TEST_F(DrawMarkupTest, BoldTextIsMeasuredBold) {
    const QString heading = QStringLiteral("G\u00e9nesis 1:1");
    const QString asRuns = QStringLiteral("G\u00e9nesis |1:1");
    ASSERT_NE(runs(asRuns, true), runs(asRuns));
    EXPECT_EQ(measure(QStringLiteral("<b>") + heading + QStringLiteral("</b>")).width,
              runs(asRuns, true) + 2);
    EXPECT_EQ(measure(heading).width, runs(asRuns) + 2);
    // Without a stack, nested bold ends at the first closing tag.
    EXPECT_EQ(measure(QStringLiteral("<b><b>ab</b>cd</b>")).width,
              advBold(QStringLiteral("ab")) + adv(QStringLiteral("cd")) + 2);
}

TEST_F(DrawMarkupTest, ShellHeadingHasRuleOnSecondRowBelowAndEmptyLine) {
    const QRect area(10, 10, 400, 200);
    const QString text = QStringLiteral("<b>Juan 3:16</b><hr><br>Porque de tal manera");
    const MarkupResult r = draw(text, area);
    // Heading, an empty line, the verse.
    EXPECT_EQ(r.height, 3 * h());

    const int rule = area.top() + h() + 1;
    const int right = area.x() + area.width();
    // One black row from the line's left edge (area left + 1) to the area's right edge.
    for (int x = area.left() + 1; x < right; ++x)
        ASSERT_EQ(img_.pixel(x, rule), qRgb(0, 0, 0)) << "x " << x;
    EXPECT_NE(img_.pixel(area.left(), rule), qRgb(0, 0, 0));
    EXPECT_NE(img_.pixel(right, rule), qRgb(0, 0, 0));
    // The row directly under the line and the one under the rule stay clear
    // right of the heading text.
    EXPECT_EQ(img_.pixel(right - 5, rule - 1), qRgb(255, 255, 255));
    EXPECT_EQ(img_.pixel(right - 5, rule + 1), qRgb(255, 255, 255));
    // The verse starts on the third line.
    EXPECT_GE(firstDarkRow(area.left(), area.left() + 30), area.top());
    EXPECT_GT(countPixels(img_, QRect(area.left(), area.top() + 2 * h(), 60, h()), isDark), 0);
    EXPECT_EQ(countPixels(img_, QRect(area.left(), rule + 1, 300, h() - 1), isDark), 0);
}

TEST_F(DrawMarkupTest, WrapsBeforeTheWordThatWouldReachTheEdge) {
    const QString text = QStringLiteral("uno dos tres");
    const int upToTres = runs(QStringLiteral("uno |dos |tres"));
    const int firstLine = runs(QStringLiteral("uno |dos ")) - adv(QStringLiteral(" "));
    // The available width is the area's width less one pixel.
    struct Case {
        int avail;
        int lines;
        int width;
    };
    const Case cases[] = {
        // "tres" would end exactly at the edge: it goes to the next line, and
        // the first line's trailing blank is not counted.
        {upToTres, 2, firstLine + 2},
        // One pixel more and it fits.
        {upToTres + 1, 1, upToTres + 2},
    };
    for (const Case& c : cases) {
        const MarkupResult r = measure(text, c.avail + 1);
        EXPECT_EQ(r.height, c.lines * h()) << c.avail;
        EXPECT_EQ(r.width, c.width) << c.avail;
    }
}

TEST_F(DrawMarkupTest, WordWiderThanTheLineStaysAfterWhatIsThere) {
    const QString longWord = QStringLiteral("Jehov\u00e1-jireh-nissi-shalom");
    const int avail = adv(longWord) - 10;
    const MarkupResult r = measure(QStringLiteral("ab ") + longWord, avail + 1);
    EXPECT_EQ(r.height, h());
    EXPECT_EQ(r.width, adv(QStringLiteral("ab ")) + adv(longWord) + 2);
}

TEST_F(DrawMarkupTest, WordSplitByATagStaysTogether) {
    // "ab" fits at the end of the line, the bold rest would not: it stays.
    const int avail = adv(QStringLiteral("xxx ")) + adv(QStringLiteral("ab")) + 1;
    const MarkupResult split = measure(QStringLiteral("xxx ab<b>cdef</b>"), avail + 1);
    EXPECT_EQ(split.height, h());
    EXPECT_EQ(split.width,
              adv(QStringLiteral("xxx ")) + adv(QStringLiteral("ab")) + advBold(QStringLiteral("cdef")) + 2);
    // A blank before the tag is a word boundary again.
    const MarkupResult apart =
        measure(QStringLiteral("xxx ab <b>cdef</b>"), avail + adv(QStringLiteral(" ")) + 1);
    EXPECT_EQ(apart.height, 2 * h());
}

TEST_F(DrawMarkupTest, EntitiesWithinRuns) {
    // &nbsp; joins two words into one run that does not break.
    const int narrow = adv(QStringLiteral("aa ")) + 2;
    EXPECT_EQ(measure(QStringLiteral("aa bb"), narrow).height, 2 * h());
    const MarkupResult joined = measure(QStringLiteral("aa&nbsp;bb"), narrow);
    EXPECT_EQ(joined.height, h());
    EXPECT_EQ(joined.width, adv(QStringLiteral("aa bb")) + 2);
    // &lt;b&gt; shows the tag's text instead of switching bold on.
    EXPECT_EQ(measure(QStringLiteral("&lt;b&gt;x")).width, adv(QStringLiteral("<b>x")) + 2);
}

TEST_F(DrawMarkupTest, AmpersandRules) {
    struct Case {
        const char* text;
        QString shown; // as measured, run by run
    };
    const Case cases[] = {
        // "&amp;" shows one ampersand.
        {"a &amp; b", QStringLiteral("a |& |b")},
        // A bare " & " turns the "&" rule off for the whole text.
        {"a & b&c", QStringLiteral("a |& |b&c")},
        // With the rule off, "&amp;" still shows one ampersand.
        {"a & b &amp; c", QStringLiteral("a |& |b |& |c")},
        // A bare "&" between letters does not show.
        {"a&b", QStringLiteral("ab")},
        {"a&&b", QStringLiteral("a&b")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(measure(QString::fromUtf8(c.text)).width, runs(c.shown) + 2) << c.text;

    // The letter after a bare "&" is underlined: ink on the underline row
    // under the b, none under the a.
    const QRect area(20, 20, 300, 100);
    draw(QStringLiteral("a&b"), area);
    const int baseline = area.top() + h() - fm().descent();
    const int uy = baseline + std::max(1, fm().underlinePos());
    const int ax = area.left() + 1;
    const int bx = ax + adv(QStringLiteral("a"));
    EXPECT_GT(countPixels(img_, QRect(bx, uy, adv(QStringLiteral("b")), 1), isDark),
              adv(QStringLiteral("b")) / 2);
    EXPECT_EQ(countPixels(img_, QRect(ax, uy, adv(QStringLiteral("a")) - 1, 1), isDark), 0);
}

TEST_F(DrawMarkupTest, NamedEntities) {
    struct Case {
        const char* entity;
        char16_t shown;
    };
    const Case cases[] = {{"&quot;", u'"'},       {"&sect;", u'\u00A7'}, {"&PERMIL;", u'\u2030'},
                          {"&reg;", u'\u00AE'},   {"&copy;", u'\u00A9'}, {"&para;", u'\u00B6'},
                          {"&trade;", u'\u2122'}, {"&euro;", u'\u20AC'}};
    for (const Case& c : cases) {
        const QString text = QStringLiteral("x") + QLatin1String(c.entity) + QLatin1String(c.entity);
        EXPECT_EQ(markup::prepareText(text).text, QStringLiteral("x") + QChar(c.shown) + QChar(c.shown))
            << c.entity;
    }
    EXPECT_EQ(measure(QStringLiteral("&permil;")).width, adv(QString(QChar(0x2030))) + 2);
    // "<#...>" shows as text, carriage returns break lines, line feeds vanish.
    EXPECT_EQ(markup::prepareText(QStringLiteral("<#1>a\r\nb")).text, QStringLiteral("#1a<BR>b"));
}

TEST_F(DrawMarkupTest, LineBreaksAndLineHeights) {
    // Two leading breaks give two empty lines of the height of "gh".
    EXPECT_EQ(measure(QStringLiteral("<br><br>x")).height, 3 * h());
    // A break at the very end adds no line.
    EXPECT_EQ(measure(QStringLiteral("x<br>")).height, h());
    // An empty text is one line high.
    EXPECT_EQ(measure(QString()).height, h());

    const QRect area(0, 0, 300, 200);
    draw(QStringLiteral("<br><br>x"), area);
    EXPECT_GE(firstDarkRow(0, 40), 2 * h());
}

TEST_F(DrawMarkupTest, WidthOutputIsWidestLineFirstSeenPlusTwo) {
    // Line widths built exactly with the indent tag.
    struct Case {
        int first;
        int second;
        int width;
    };
    const Case cases[] = {{100, 101, 102}, {100, 102, 102}, {100, 103, 105}, {101, 100, 103}};
    for (const Case& c : cases) {
        const QString text = QStringLiteral("<ind x=\"%1\"><br><ind x=\"%2\">").arg(c.first).arg(c.second);
        EXPECT_EQ(measure(text).width, c.width) << c.first << " " << c.second;
    }
}

TEST_F(DrawMarkupTest, HitTestingLinks) {
    const QString text = QStringLiteral("ab <a href=\"uno\">one</a> - <a href=\"dos\">two</a>");
    const int y = h() / 2;
    const int lineLeft = 1;
    const int oneStart = lineLeft + adv(QStringLiteral("ab "));
    const int twoStart =
        oneStart + adv(QStringLiteral("one")) + adv(QStringLiteral(" ")) + adv(QStringLiteral("- "));

    const MarkupResult second = hit(text, QPoint(twoStart + 3, y));
    EXPECT_TRUE(second.hit);
    EXPECT_EQ(second.anchor, QStringLiteral("dos"));
    EXPECT_EQ(second.hitLink, 2);
    EXPECT_EQ(second.hitRect.left(), twoStart);
    EXPECT_EQ(second.hitRect.right() + 1, twoStart + adv(QStringLiteral("two")));
    EXPECT_EQ(second.linkCount, 2);

    const MarkupResult first = hit(text, QPoint(oneStart + 2, y));
    EXPECT_TRUE(first.hit);
    EXPECT_EQ(first.anchor, QStringLiteral("uno"));
    EXPECT_EQ(first.hitLink, 1);

    struct Miss {
        const char* where;
        QPoint point;
    };
    const Miss misses[] = {
        {"left of the first link", QPoint(oneStart - 4, y)},
        {"between the links", QPoint(twoStart - adv(QStringLiteral("- ")) / 2, y)},
        {"below the line", QPoint(twoStart + 3, h() + 2)},
        {"on the line's top row", QPoint(twoStart + 3, 0)},
    };
    for (const Miss& m : misses) {
        const MarkupResult r = hit(text, m.point);
        EXPECT_FALSE(r.hit) << m.where;
    }
    // A link on the second line keeps its number.
    const MarkupResult below =
        hit(QStringLiteral("<a href=\"a\">x</a><br><a href=\"b\">link</a>"), QPoint(5, h() + h() / 2));
    EXPECT_TRUE(below.hit);
    EXPECT_EQ(below.hitLink, 2);
    EXPECT_EQ(below.anchor, QStringLiteral("b"));
}

TEST_F(DrawMarkupTest, LinksTakeTheLinkColourAndUnderlineOnlyWhenHoveredInHoverStyle) {
    const QString text = QStringLiteral("<a href=\"x\">enlace</a>");
    const int baseline = h() - fm().descent();
    const QRect underline(2, baseline + 1, adv(QStringLiteral("enlace")) - 2,
                          std::max(2, fm().descent() - 1));
    auto underlined = [&](int hoverLink) {
        img_.fill(Qt::white);
        MarkupOptions o;
        o.hoverStyle = true;
        o.hoverLink = hoverLink;
        o.linkColor = clBlue;
        draw(text, QRect(0, 0, 300, 100), o);
        EXPECT_GT(countPixels(img_, QRect(0, 0, 300, h()), isBluish), 10);
        EXPECT_EQ(countPixels(img_, QRect(0, 0, 300, h()), isDark), 0);
        // Rows below the baseline hold only the underline (no descenders in "enlace").
        return countPixels(img_, underline, isBluish) > adv(QStringLiteral("enlace")) / 2;
    };
    EXPECT_FALSE(underlined(-1));
    EXPECT_TRUE(underlined(1));
}

TEST_F(DrawMarkupTest, FontColourNamesAndHexValues) {
    struct Case {
        const char* color;
        bool red;
    };
    const Case cases[] = {
        {"clRed", true}, {"#FF0000", true}, {"#ff0000", true}, {"red", false}, {"clBlack", false}};
    for (const Case& c : cases) {
        img_.fill(Qt::white);
        draw(QStringLiteral("<font color=\"%1\">MMMM</font>").arg(QLatin1String(c.color)),
             QRect(0, 0, 300, 100));
        const QRect ink(0, 0, 300, h());
        if (c.red) {
            EXPECT_GT(countPixels(img_, ink, isReddish), 20) << c.color;
            EXPECT_EQ(countPixels(img_, ink, isDark), 0) << c.color;
        } else {
            EXPECT_EQ(countPixels(img_, ink, isReddish), 0) << c.color;
            EXPECT_GT(countPixels(img_, ink, isDark), 20) << c.color;
        }
    }
    EXPECT_EQ(ColorFromHex(QStringLiteral("#123456")), 0x563412u);
    EXPECT_EQ(ColorFromName(QStringLiteral("clbtnface")), clBtnFace);
    EXPECT_EQ(ColorFromName(QStringLiteral("nonsense")), clBlack);
}

TEST(Colors, ValuesAndSystemColours) {
    EXPECT_EQ(toQColor(0x0000FF), QColor(255, 0, 0)); // 0xBBGGRR
    EXPECT_EQ(toQColor(0x563412), QColor(0x12, 0x34, 0x56));
    EXPECT_FALSE(toQColor(clNone).isValid());
    EXPECT_EQ(fromQColor(QColor(0x12, 0x34, 0x56)), 0x563412u);
    // System colours resolve through the palette when drawn.
    const QPalette pal = QGuiApplication::palette();
    EXPECT_EQ(toQColor(clBtnFace), pal.color(QPalette::Active, QPalette::Button));
    EXPECT_EQ(toQColor(clHighlight), pal.color(QPalette::Active, QPalette::Highlight));
    EXPECT_EQ(toQColor(ColorFromName(QStringLiteral("clinfobk"))),
              pal.color(QPalette::Active, QPalette::ToolTipBase));
    EXPECT_EQ(toQColor(clSystemColor + 200), pal.color(QPalette::Active, QPalette::WindowText));
}

TEST_F(DrawMarkupTest, MalformedMarkupNeverFails) {
    struct Case {
        const char* text;
        const char* shown;
    };
    const Case cases[] = {
        {"ab<b cd", "ab"},                  // unterminated tag drops the rest
        {"ab<", "ab"},                      // a lone "<" at the end
        {"ab<q>cd", "ab|cd"},               // unknown tag removed
        {"ab<font size=\"x\">cd", "ab|cd"}, // bad number: no size change
        {"<a>x</a>", "x"},                  // link without quotes
    };
    for (const Case& c : cases)
        EXPECT_EQ(measure(QString::fromUtf8(c.text)).width, runs(QString::fromUtf8(c.shown)) + 2) << c.text;
    EXPECT_EQ(hit(QStringLiteral("<a>link</a>"), QPoint(5, h() / 2)).anchor, QString());
}

TEST_F(DrawMarkupTest, OtherTagsChangeTheLayout) {
    ImageList images(16, 16);
    QPixmap icon(16, 16);
    icon.fill(Qt::red);
    images.add(icon);
    PictureContainer pictures;
    QPixmap picture(30, 10);
    picture.fill(Qt::green);
    pictures.add(QStringLiteral("cruz"), picture);

    QFont italic = font_;
    italic.setItalic(true);
    QFont big = font_;
    big.setPointSize(16);
    QFont huge = font_;
    huge.setPointSize(20);
    auto width = [&](const QFont& f, const char* s) {
        return QFontMetrics(f, &img_).horizontalAdvance(QString::fromLatin1(s));
    };
    auto height = [&](const QFont& f) { return QFontMetrics(f, &img_).height(); };

    struct Case {
        const char* text;
        int width;
        int height;
    };
    const Case cases[] = {
        {"<i>ab</i>", width(italic, "ab") + 2, h()},
        {"<u>ab</u><s>cd</s>", width(font_, "ab") + width(font_, "cd") + 2, h()},
        {"<font size=\"5\">ab</font>", width(big, "ab") + 2, height(big)},
        {"<font size=\"20\">ab</font>cd", width(huge, "ab") + width(font_, "cd") + 2, height(huge)},
        {"<sub>ab</sub>", width(font_, "ab") + 2, h() + h() / 4},
        {"<sup>ab</sup><sub>c</sub>", width(font_, "ab") + width(font_, "c") + 2, h() + 2 * (h() / 4)},
        {"<ul><li>ab", 12 + width(font_, "ab") + 2, 2 * h()},
        {"<ul><ul><li>ab</li></ul>cd", 24 + width(font_, "ab") + 2, 4 * h()},
        {"<ind x=\"50\">ab", 50 + width(font_, "ab") + 2, h()},
        {"<img src=\"IDX:0\">ab", 16 + width(font_, "ab") + 2, std::max(h(), 16)},
        {"<img src=\"IDX:3\">", 0, h()}, // outside the list: no room
        {"<img src=\"cruz\">", 30 + 2, h()},
        {"<img src=\"cruz\" width=\"40\" height=\"50\">", 40 + 2, 50},
        {"<img src=\"https://example.org/a.png\">", 0, h()},
        {"<p align=\"right\">ab</p>cd", width(font_, "ab") + 2, 2 * h()},
    };
    for (const Case& c : cases) {
        MarkupCanvas cv = canvas(nullptr);
        MarkupOptions o;
        o.measureOnly = true;
        o.images = &images;
        o.pictures = &pictures;
        MarkupResult r;
        DrawMarkup(cv, QString::fromLatin1(c.text), QRect(0, 0, 4096, 4096), o, &r);
        EXPECT_EQ(r.width, c.width) << c.text;
        EXPECT_EQ(r.height, c.height) << c.text;
    }

    // Alignment moves the line: a right-aligned link sits at the right edge.
    MarkupOptions o;
    o.hitTest = true;
    const QString right = QStringLiteral("<p align=\"right\"><a href=\"r\">ab</a>");
    MarkupResult r;
    o.point = QPoint(496, h() / 2);
    EXPECT_TRUE(DrawMarkup(canvas(nullptr), right, QRect(0, 0, 500, 300), o, &r));
    EXPECT_EQ(r.hitRect.right() + 1, 500);
    o.point = QPoint(4, h() / 2);
    EXPECT_FALSE(DrawMarkup(canvas(nullptr), right, QRect(0, 0, 500, 300), o, &r));
}

TEST_F(DrawMarkupTest, DrawingEffects) {
    const QColor highlight = toQColor(clHighlight);
    struct Case {
        const char* text;
        bool blink;
        std::function<bool(QRgb)> ink;
        bool present;
    };
    const Case cases[] = {
        {"<hi>MMMM</hi>", true, [&](QRgb c) { return QColor(c) == highlight; }, true},
        {"<e>MMMM</e>", true, [](QRgb c) { return c == qRgb(255, 0, 0); }, true},
        {"<shad>MMMM</shad>", true,
         [](QRgb c) { return qRed(c) == qGreen(c) && qRed(c) > 100 && qRed(c) < 160; }, true},
        {"<font bgcolor=\"#00FF00\">MMMM</font>", true, [](QRgb c) { return c == qRgb(0, 255, 0); }, true},
        {"<p bgcolor=\"#00FF00\">MMMM", true, [](QRgb c) { return c == qRgb(0, 255, 0); }, true},
        // In the blink-off phase blinking text takes the (transparent) background.
        {"<blink>MMMM</blink>", false, isDark, false},
        {"<blink>MMMM</blink>", true, isDark, true},
    };
    for (const Case& c : cases) {
        img_.fill(Qt::white);
        MarkupOptions o;
        o.blink = c.blink;
        draw(QString::fromLatin1(c.text), QRect(0, 0, 300, 100), o);
        const int n = countPixels(img_, QRect(0, 0, 300, h() + 3), c.ink);
        if (c.present)
            EXPECT_GT(n, 4) << c.text;
        else
            EXPECT_EQ(n, 0) << c.text;
    }
}

TEST_F(DrawMarkupTest, HiddenTextTakesNoWidth) {
    EXPECT_EQ(measure(QStringLiteral("ab<z>secret</z>cd")).width, runs(QStringLiteral("ab|cd")) + 2);
}

} // namespace
} // namespace mz
