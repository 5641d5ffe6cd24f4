#include "widgets/AlertWindow.h"
#include "tests/widgets/WidgetTestSupport.h"
#include "widgets/AlertLayout.h"
#include "widgets/DrawMarkup.h"
#include "widgets/Drawing.h"
#include "widgets/ImageList.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>

namespace mz {
namespace {

// Right and bottom edges as the layout table writes them (excluded).
int rightOf(const QRect& r) {
    return r.x() + r.width();
}
int bottomOf(const QRect& r) {
    return r.y() + r.height();
}

void mouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButtons held = Qt::NoButton) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void click(QWidget* w, QPoint pos) {
    mouse(w, QEvent::MouseButtonPress, pos, Qt::LeftButton);
    mouse(w, QEvent::MouseButtonRelease, pos);
}

TEST(AlertGeometry, AutoSizeFormula) {
    // The shell's configuration: 16-pixel icons, margins 4, one message, no
    // delete or menu button.
    AlertAutoSizeInput shell;
    shell.hasImages = true;
    shell.imagesWidth = 16;
    shell.imagesHeight = 16;
    shell.marginX = 4;
    shell.marginY = 4;
    shell.showDelete = false;
    struct Case {
        int w, h;
        QSize size;
    };
    const Case cases[] = {
        {202, 78, {267, 123}}, // a 200-pixel line and 78 pixels of text
        {300, 200, {365, 245}},
        {0, 0, {65, 46}}, // an empty text: 49 wide and the minimum height 30, before the 16
    };
    for (const Case& c : cases) {
        AlertAutoSizeInput in = shell;
        in.measuredWidth = c.w;
        in.measuredHeight = c.h;
        EXPECT_EQ(computeAlertAutoSize(in), c.size) << c.w << "x" << c.h;
    }

    AlertAutoSizeInput nav = shell;
    nav.scrollerVisible = true;
    nav.measuredWidth = 10;
    nav.measuredHeight = 10;
    EXPECT_EQ(computeAlertAutoSize(nav), QSize(145 + 16, 75 + 16));
    nav.measuredHeight = 100;
    EXPECT_EQ(computeAlertAutoSize(nav).height(), 100 + 21 + 8 + 25 + 16);

    AlertAutoSizeInput bounded = shell;
    bounded.measuredWidth = 500;
    bounded.measuredHeight = 500;
    bounded.maxWidth = 400;
    bounded.maxHeight = 900; // above the computed height: no effect
    EXPECT_EQ(computeAlertAutoSize(bounded), QSize(400, 500 + 45));

    AlertAutoSizeInput bare; // no image list, delete button on
    bare.showDelete = true;
    bare.showPopup = true;
    EXPECT_EQ(computeAlertAutoSize(bare), QSize(10 + 20 + 50 + 16, 75 + 16));
}

TEST(AlertGeometry, LayoutTable) {
    AlertLayoutInput shell;
    shell.width = 267;
    shell.height = 123;
    shell.hasImages = true;
    shell.imagesWidth = 16;
    shell.marginX = 4;
    shell.marginY = 4;
    shell.showDelete = false;
    shell.messageCount = 1;
    const AlertLayout l = computeAlertLayout(shell);
    EXPECT_EQ(l.text.left(), 25);
    EXPECT_EQ(l.text.top(), 24);
    EXPECT_EQ(rightOf(l.text), 243);
    EXPECT_EQ(bottomOf(l.text), 119);
    EXPECT_EQ(l.caption, QRect(1, 1, 265, 6));
    EXPECT_EQ(l.close, QRect(246, 8, 20, 20));
    EXPECT_EQ(l.icon, QPoint(5, 16));
    EXPECT_EQ(l.scrollUp, QRect(251, 32, 12, 12));
    EXPECT_EQ(l.scrollDown, QRect(251, 83, 12, 12));

    // Three messages: the navigation strip takes a 25-pixel band.
    AlertLayoutInput nav = shell;
    nav.messageCount = 3;
    nav.scrollerVisible = true;
    nav.positionTextWidth = 40; // pw = 48
    const AlertLayout n = computeAlertLayout(nav);
    EXPECT_EQ(bottomOf(n.text), 123 - 4 - 25);
    EXPECT_EQ(n.prev, QRect(133 - 24 - 20, 97, 20, 25));
    EXPECT_EQ(n.next, QRect(133 + 24, 97, 20, 25));
    EXPECT_EQ(n.del.left(), 133 + 24 + 20);
    EXPECT_EQ(n.popup.left(), 133 + 24 + 20 + 5);

    AlertLayoutInput single = shell;
    single.showDelete = true;
    EXPECT_EQ(computeAlertLayout(single).del.left(), 133 - 10);
    EXPECT_EQ(computeAlertLayout(single).popup.left(), 133 - 10 + 25);
}

TEST(AlertGeometry, PositionText) {
    EXPECT_EQ(formatPosition(QStringLiteral("%d de %d"), 2, 3), QStringLiteral("2 de 3"));
    EXPECT_EQ(formatPosition(QStringLiteral("%d of %d"), 1, 1), QStringLiteral("1 of 1"));
    // Nothing but "%d" and "%%" is interpreted, whatever the host writes.
    EXPECT_EQ(formatPosition(QStringLiteral("%s %d%% %n %d %d"), 4, 5), QStringLiteral("%s 4% %n 5 %d"));
}

// A popup configured like the shell's, in DejaVu Sans.
class AlertWindowTest : public ::testing::Test {
protected:
    AlertWindowTest() : images_(16, 16) {
        QPixmap icon(16, 16);
        icon.fill(Qt::darkGreen);
        images_.add(icon);
        images_.add(icon);
        look_.Font = test::dejaVu(9);
        look_.MarginX = 4;
        look_.MarginY = 4;
        look_.ShowDelete = false;
        look_.ShowScrollers = true;
        look_.Hover = true;
        look_.Images = &images_;
        look_.Colors.WindowColor = 0xFFFFFF;
        look_.Colors.WindowColorTo = 0xC9D1D5;
        look_.Colors.CaptionColor = 0xC8D0D4;
        look_.Colors.CaptionColorTo = 0x8C8D8E;
        look_.Colors.BorderColor = 0x2040C0;
        look_.PositionFormat = QStringLiteral("%d de %d");
        popup_.SetAppearance(look_);
        popup_.resize(267, 123);
    }

    void setMessages(const QStringList& texts) {
        popup_.BeginUpdate();
        popup_.ClearMessages();
        for (const QString& t : texts)
            popup_.AddMessage(t, 1);
        popup_.EndUpdate();
    }

    QImage render() {
        QImage img(popup_.size(), QImage::Format_RGB32);
        img.fill(Qt::magenta);
        QPainter p(&img);
        popup_.Paint(p);
        return img;
    }

    MarkupResult measure(const QString& text, int width = 4096) {
        MarkupCanvas c;
        c.device = &popup_;
        c.font = look_.Font;
        MarkupOptions o;
        o.measureOnly = true;
        MarkupResult r;
        DrawMarkup(c, text, QRect(0, 0, width, 4096), o, &r);
        return r;
    }

    ImageList images_;
    TAlertAppearance look_;
    TAlertWindow popup_;
};

TEST_F(AlertWindowTest, AutoSizeFitsTheMeasuredText) {
    const QString text =
        QStringLiteral("<b>Juan 3:16</b><hr><br>Porque de tal manera am\u00f3 Dios al mundo,<br>"
                       "que ha dado \u00e1 su Hijo unig\u00e9nito");
    setMessages({text});
    popup_.SetAutoSize(true);
    const MarkupResult m = measure(text);
    EXPECT_EQ(popup_.size(), QSize(m.width + 65, m.height + 45));
    const AlertLayout l = popup_.Layout();
    EXPECT_EQ(rightOf(l.text), popup_.width() - 24);
    EXPECT_EQ(bottomOf(l.text), popup_.height() - 4);
    // The widest message sets the width, the tallest the height.
    setMessages({text, QStringLiteral("x<br>x<br>x<br>x<br>x<br>x<br>x")});
    popup_.RunAutoSize();
    // With two messages the navigation strip needs 145 pixels and 25 more rows.
    const int tallest = std::max(m.height, measure(QStringLiteral("x<br>x<br>x<br>x<br>x<br>x<br>x")).height);
    EXPECT_EQ(popup_.width(), std::max(145, m.width + 49) + 16);
    EXPECT_EQ(popup_.height(), std::max(75, tallest + 21 + 8 + 25) + 16);
}

TEST_F(AlertWindowTest, PaintsInOrderWithBandedGradients) {
    setMessages({QStringLiteral("<b>T\u00edtulo</b><hr><br>texto")});
    const QImage img = render();
    const int w = img.width();
    const int h = img.height();
    const QColor border = toQColor(0x2040C0);

    // The frame over the background.
    for (QPoint p : {QPoint(0, 0), QPoint(w - 1, h / 2), QPoint(w / 2, h - 1), QPoint(0, h - 1)})
        EXPECT_EQ(img.pixelColor(p), border) << p.x() << "," << p.y();

    // Each caption row has the colour of the last of the 16 bands covering
    // it; the last band reaches one row below the strip.
    const QColor c1 = toQColor(look_.Colors.CaptionColor);
    const QColor c2 = toQColor(look_.Colors.CaptionColorTo);
    for (int y = 1; y <= 7; ++y) {
        QColor expected;
        for (int i = 0; i < 16; ++i) {
            const GradientBand b = gradientBand(c1, c2, 1, 6, i, 16);
            if (y >= b.from && y < b.to)
                expected = b.color;
        }
        EXPECT_EQ(img.pixelColor(3, y), expected) << "row " << y;
    }
    // Background rows at the right edge, below the close button.
    const QColor w1 = toQColor(look_.Colors.WindowColor);
    const QColor w2 = toQColor(look_.Colors.WindowColorTo);
    for (int y : {30, 60, 100, h - 2}) {
        QColor expected;
        for (int i = 0; i < 80; ++i) {
            const GradientBand b = gradientBand(w1, w2, 0, h, i, 80);
            if (y >= b.from && y < b.to)
                expected = b.color;
        }
        EXPECT_EQ(img.pixelColor(w - 3, y), expected) << "row " << y;
    }

    // Grip dots: black square, then the white one over it, then its centre.
    const int g = (w - 34) / 2;
    EXPECT_EQ(img.pixelColor(g, 2), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(g + 2, 4), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(g + 1, 3), c2);

    // The rule under the bold title, inside the text area and clipped to it.
    const AlertLayout l = popup_.Layout();
    QFont bold = look_.Font;
    bold.setBold(true);
    const int lineHeight =
        std::max(QFontMetrics(look_.Font, &popup_).height(), QFontMetrics(bold, &popup_).height());
    const int rule = l.text.top() + lineHeight + 1;
    EXPECT_EQ(img.pixelColor(l.text.left() + 1, rule), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(l.text.right(), rule), QColor(Qt::black));
    EXPECT_NE(img.pixelColor(l.text.right() + 1, rule), QColor(Qt::black));
    // The icon at (5, 16) and the drawn close cross.
    EXPECT_EQ(img.pixelColor(6, 17), QColor(Qt::darkGreen));
    EXPECT_GT(test::countPixels(img, l.close, [](QRgb c) { return c == qRgb(0, 0, 0); }), 10);
    // No navigation strip for a single message.
    EXPECT_EQ(test::countPixels(img, QRect(0, h - 26, w, 20), test::isDark), 0);
}

TEST_F(AlertWindowTest, NavigationStripShowsThePosition) {
    setMessages({QStringLiteral("uno"), QStringLiteral("dos"), QStringLiteral("tres")});
    popup_.SetCurrentPosition(2);
    EXPECT_TRUE(popup_.Scroller().Visible());
    EXPECT_TRUE(popup_.Scroller().CanGoBack());
    EXPECT_TRUE(popup_.Scroller().CanGoForward());
    const QImage img = render();
    const AlertLayout l = popup_.Layout();
    // Something dark between the two buttons (the text "2 de 3") and both
    // arrows drawn black because both directions are possible.
    EXPECT_GT(test::countPixels(
                  img, QRect(l.prev.right() + 1, l.prev.top(), l.next.left() - l.prev.right() - 1, 25),
                  test::isDark),
              10);
    EXPECT_GT(test::countPixels(img, l.prev, test::isDark), 4);
    EXPECT_GT(test::countPixels(img, l.next, test::isDark), 4);

    int nexts = 0;
    popup_.OnNextMessage = [&](TAlertWindow*) { ++nexts; };
    click(&popup_, l.next.center());
    EXPECT_EQ(popup_.CurrentPosition(), 3);
    click(&popup_, l.next.center()); // no further: nothing happens
    EXPECT_EQ(popup_.CurrentPosition(), 3);
    EXPECT_EQ(nexts, 1);
}

TEST_F(AlertWindowTest, MessageListChanges) {
    popup_.show();
    int closes = 0;
    popup_.OnClose = [&](TAlertWindow*) { ++closes; };
    setMessages({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    popup_.SetCurrentPosition(3);
    popup_.DeleteMessage(2);
    EXPECT_EQ(popup_.CurrentPosition(), 2); // the last one stays current
    EXPECT_THROW(popup_.DeleteMessage(2), std::out_of_range);
    try {
        popup_.DeleteMessage(-1);
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "Invalid Index");
    }
    popup_.DeleteMessage(0);
    EXPECT_FALSE(popup_.Scroller().Visible());
    EXPECT_TRUE(popup_.isVisible());
    popup_.DeleteMessage(0);
    EXPECT_FALSE(popup_.isVisible()); // a popup left without messages closes
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(popup_.CurrentPosition(), 0);
}

TEST_F(AlertWindowTest, DragByTheCaptionKeepsThePressPointUnderTheMouse) {
    setMessages({QStringLiteral("texto")});
    popup_.SetPopupPos(200, 150);
    popup_.show();
    int moved = 0;
    popup_.OnWindowMoved = [&](TAlertWindow*) { ++moved; };
    mouse(&popup_, QEvent::MouseButtonPress, QPoint(40, 3), Qt::LeftButton);
    EXPECT_TRUE(popup_.Dragging());
    mouse(&popup_, QEvent::MouseMove, QPoint(100, 63), Qt::LeftButton);
    EXPECT_EQ(popup_.pos(), QPoint(260, 210));
    mouse(&popup_, QEvent::MouseButtonRelease, QPoint(40, 3));
    EXPECT_FALSE(popup_.Dragging());
    EXPECT_EQ(moved, 1);
}

TEST_F(AlertWindowTest, CloseActsOnlyWhenReleasedOnTheButton) {
    setMessages({QStringLiteral("texto")});
    popup_.show();
    int closes = 0;
    popup_.OnClose = [&](TAlertWindow*) { ++closes; };
    const QRect close = popup_.Layout().close;

    // Pressed, dragged off, released elsewhere: nothing closes.
    mouse(&popup_, QEvent::MouseButtonPress, close.center(), Qt::LeftButton);
    EXPECT_TRUE(popup_.ButtonPressed(TAlertWindow::btnClose));
    mouse(&popup_, QEvent::MouseMove, QPoint(60, 60), Qt::LeftButton);
    EXPECT_FALSE(popup_.ButtonPressed(TAlertWindow::btnClose));
    mouse(&popup_, QEvent::MouseButtonRelease, QPoint(60, 60));
    EXPECT_TRUE(popup_.isVisible());
    EXPECT_EQ(closes, 0);

    // The host may refuse.
    bool allow = false;
    popup_.OnCanClose = [&](TAlertWindow*, bool& can) { can = allow; };
    click(&popup_, close.center());
    EXPECT_TRUE(popup_.isVisible());
    allow = true;
    click(&popup_, close.center());
    EXPECT_FALSE(popup_.isVisible());
    EXPECT_EQ(closes, 1);
}

TEST_F(AlertWindowTest, ScrollArrowsStepFourPixelsUntilTheEnd) {
    QString text;
    for (int i = 1; i <= 12; ++i)
        text += QStringLiteral("l\u00ednea %1<br>").arg(i);
    setMessages({text});
    popup_.resize(300, 100);
    render();
    const AlertLayout l = popup_.Layout();
    const int h = measure(text, l.text.width()).height;
    ASSERT_GT(h, l.text.height());
    EXPECT_TRUE(popup_.CanScrollDown());
    EXPECT_FALSE(popup_.CanScrollUp());

    click(&popup_, l.scrollDown.center());
    EXPECT_EQ(popup_.ScrollOffset(), 4);
    EXPECT_TRUE(popup_.CanScrollUp());
    for (int i = 0; i < 100 && popup_.CanScrollDown(); ++i)
        click(&popup_, l.scrollDown.center());
    // Stops at the first step that brings the last line into the area.
    const int excess = h - l.text.height();
    EXPECT_EQ(popup_.ScrollOffset(), (excess + 3) / 4 * 4);
    EXPECT_FALSE(popup_.CanScrollDown());
    click(&popup_, l.scrollDown.center());
    EXPECT_EQ(popup_.ScrollOffset(), (excess + 3) / 4 * 4);

    click(&popup_, l.scrollUp.center());
    EXPECT_EQ(popup_.ScrollOffset(), (excess + 3) / 4 * 4 - 4);

    // Holding the arrow repeats the step every 100 ms.
    popup_.SetCurrentPosition(1); // back to the top
    render();
    mouse(&popup_, QEvent::MouseButtonPress, l.scrollDown.center(), Qt::LeftButton);
    QTest::qWait(350);
    EXPECT_GE(popup_.ScrollOffset(), 8);
    mouse(&popup_, QEvent::MouseButtonRelease, l.scrollDown.center());
}

TEST_F(AlertWindowTest, LinksHoverAndClick) {
    setMessages({QStringLiteral("ver <a href=\"https://example.org/zefra\">enlace</a>")});
    popup_.show();
    const AlertLayout l = popup_.Layout();
    const QFontMetrics fm(look_.Font, &popup_);
    const QPoint onLink(l.text.left() + 1 + fm.horizontalAdvance(QStringLiteral("ver ")) + 5,
                        l.text.top() + fm.height() / 2);
    mouse(&popup_, QEvent::MouseMove, onLink);
    EXPECT_EQ(popup_.HoverLink(), 1);
    EXPECT_EQ(popup_.cursor().shape(), Qt::PointingHandCursor);
    mouse(&popup_, QEvent::MouseMove, QPoint(l.text.left() + 2, l.text.top() + 2));
    EXPECT_EQ(popup_.HoverLink(), -1);
    EXPECT_EQ(popup_.cursor().shape(), Qt::ArrowCursor);

    QString anchor;
    int index = -1;
    int alertClicks = 0;
    popup_.OnAnchorClick = [&](TAlertWindow*, const QString& a, int i) {
        anchor = a;
        index = i;
    };
    popup_.OnAlertClick = [&](TAlertWindow*) { ++alertClicks; };
    click(&popup_, onLink);
    EXPECT_EQ(anchor, QStringLiteral("https://example.org/zefra"));
    EXPECT_EQ(index, 0);
    EXPECT_EQ(alertClicks, 1);
}

TEST_F(AlertWindowTest, ButtonsGetHotUnderTheMouseWithTheirHint) {
    setMessages({QStringLiteral("a"), QStringLiteral("b")});
    look_.HintCloseBtn = QStringLiteral("Cerrar zefra");
    popup_.SetAppearance(look_);
    const AlertLayout l = popup_.Layout();
    mouse(&popup_, QEvent::MouseMove, l.close.center());
    EXPECT_TRUE(popup_.ButtonHot(TAlertWindow::btnClose));
    EXPECT_EQ(popup_.toolTip(), QStringLiteral("Cerrar zefra"));
    // Previous is not hot while going back is impossible.
    mouse(&popup_, QEvent::MouseMove, l.prev.center());
    EXPECT_FALSE(popup_.ButtonHot(TAlertWindow::btnPrev));
    EXPECT_FALSE(popup_.ButtonHot(TAlertWindow::btnClose));
    EXPECT_EQ(popup_.toolTip(), QString());
    mouse(&popup_, QEvent::MouseMove, l.next.center());
    EXPECT_TRUE(popup_.ButtonHot(TAlertWindow::btnNext));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&popup_, &leave);
    EXPECT_FALSE(popup_.ButtonHot(TAlertWindow::btnNext));
}

} // namespace
} // namespace mz
