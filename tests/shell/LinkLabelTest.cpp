#include "shell/LinkLabel.h"
#include "platform/ErrorBox.h"
#include "platform/LinkOpener.h"
#include "shell/Addresses.h"

#include <QAction>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <vector>

namespace {

const QColor kBlue(0, 0, 255);
const QColor kNavy(0, 0, 128);
const QColor kPurple(128, 0, 128);

// Records the links the label would open and the error boxes it would show.
class LinkLabelTest : public ::testing::Test {
protected:
    LinkLabelTest() {
        m_previousOpener = mz::setLinkOpenHandler([this](const QUrl& url) {
            opened.push_back(url.toString());
            return true;
        });
        m_previousBox = mz::setErrorBoxHandler([this](const QString& text) { errors.push_back(text); });
    }
    ~LinkLabelTest() override {
        mz::setLinkOpenHandler(m_previousOpener);
        mz::setErrorBoxHandler(m_previousBox);
    }

    static void hover(mz::LinkLabel& label, bool on) {
        if (on) {
            QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
            QCoreApplication::sendEvent(&label, &enter);
        } else {
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(&label, &leave);
        }
    }

    static void mouse(mz::LinkLabel& label, QEvent::Type type, Qt::MouseButton button, QPointF at) {
        QMouseEvent event(type, at, label.mapToGlobal(at), button,
                          type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&label, &event);
    }

    static void click(mz::LinkLabel& label, Qt::MouseButton button = Qt::LeftButton) {
        mouse(label, QEvent::MouseButtonPress, button, QPointF(2, 2));
        mouse(label, QEvent::MouseButtonRelease, button, QPointF(2, 2));
    }

    static QColor shownColour(const mz::LinkLabel& label) {
        return label.palette().color(QPalette::WindowText);
    }

    std::vector<QString> opened;
    std::vector<QString> errors;

private:
    mz::LinkOpenHandler m_previousOpener;
    mz::ErrorBoxHandler m_previousBox;
};

TEST_F(LinkLabelTest, StartsAsALinkToTheWebSite) {
    mz::LinkLabel label;
    EXPECT_EQ(label.text(), "Sitio oficial Tarvelnix");
    EXPECT_EQ(label.HyperLink(), mz::kWebSite);
    EXPECT_FALSE(label.Visited());
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);

    EXPECT_EQ(label.HoverLinkFont().color, kBlue);
    EXPECT_EQ(label.LinkFont().color, kNavy);
    EXPECT_EQ(label.VisitedLinkFont().color, kPurple);
    for (const mz::TextFont* font : {&label.HoverLinkFont(), &label.LinkFont(), &label.VisitedLinkFont()})
        EXPECT_TRUE(font->font.underline());
    EXPECT_EQ(shownColour(label), kNavy);
    EXPECT_TRUE(label.font().underline());
}

TEST_F(LinkLabelTest, ShowsTheFontOfItsState) {
    struct Case {
        bool visited;
        bool hovered;
        QColor shown;
    };
    const Case cases[] = {
        {false, false, kNavy},
        {true, false, kPurple},
        {false, true, kBlue},
        {true, true, kBlue}, // hovering wins over visited
    };
    for (const Case& c : cases) {
        mz::LinkLabel label;
        label.setVisited(c.visited);
        hover(label, c.hovered);
        EXPECT_EQ(label.Hovered(), c.hovered);
        EXPECT_EQ(shownColour(label), c.shown) << c.visited << c.hovered;
    }
}

TEST_F(LinkLabelTest, LeavingAVisitedLabelRestoresTheVisitedFont) {
    mz::LinkLabel label;
    label.setVisited(true);
    hover(label, true);
    hover(label, false);
    EXPECT_EQ(shownColour(label), kPurple);
}

TEST_F(LinkLabelTest, ANewFontShowsAtOnceOnlyWhenItIsTheOneInUse) {
    mz::LinkLabel label;
    QFont bold = label.font();
    bold.setBold(true);
    bold.setPointSize(13);

    label.setVisitedLinkFont({bold, Qt::red}); // not in use: not visited
    EXPECT_EQ(shownColour(label), kNavy);
    EXPECT_NE(label.font().pointSize(), 13);

    label.setVisited(true);
    EXPECT_EQ(shownColour(label), QColor(Qt::red));
    EXPECT_EQ(label.font().pointSize(), 13);
    EXPECT_TRUE(label.font().bold());

    label.setLinkFont({bold, Qt::green}); // the visited font stays in use
    EXPECT_EQ(shownColour(label), QColor(Qt::red));
}

TEST_F(LinkLabelTest, ChangingHyperLinkClearsVisitedAndFillsAnEmptyCaption) {
    mz::LinkLabel label;
    label.setVisited(true);
    label.setHyperLink(mz::kWebSite); // the same link
    EXPECT_TRUE(label.Visited());

    label.setHyperLink("https://otro.example.org/");
    EXPECT_FALSE(label.Visited());
    EXPECT_EQ(shownColour(label), kNavy);
    EXPECT_EQ(label.text(), "Sitio oficial Tarvelnix"); // a caption stays

    label.setText(QString());
    label.setHyperLink("https://tercero.example.org/");
    EXPECT_EQ(label.text(), "https://tercero.example.org/");
}

TEST_F(LinkLabelTest, LaunchOpensHyperLinkAndMarksOnlyWithText) {
    struct Case {
        const char* hyperLink;
        const char* text;
        bool throws;
        bool visited;
    };
    const Case cases[] = {
        {"https://morvek-zefra.example.org/", "", false, false},
        {"https://morvek-zefra.example.org/", "  ", false, false},
        {"https://morvek-zefra.example.org/", "?", false, true},
        {"https://morvek-zefra.example.org/", "https://otro.example.org/", false, true},
        {"", "", true, false},
        {"   ", "", true, false},
        // The text is never opened: with no HyperLink there is nothing to
        // open, and the label must not claim a visit.
        {"", "https://otro.example.org/", true, false},
    };
    for (const Case& c : cases) {
        opened.clear();
        mz::LinkLabel label;
        label.setHyperLink(c.hyperLink);
        if (c.throws) {
            try {
                label.Launch(c.text);
                ADD_FAILURE() << "no error for " << c.hyperLink << " / " << c.text;
            } catch (const mz::LinkLaunchError& error) {
                EXPECT_STREQ(error.what(), "No link for launching web browser.");
            }
            EXPECT_TRUE(opened.empty());
        } else {
            label.Launch(c.text);
            ASSERT_EQ(opened.size(), 1u) << c.text;
            EXPECT_EQ(opened[0], c.hyperLink);
        }
        EXPECT_EQ(label.Visited(), c.visited) << c.hyperLink << " / " << c.text;
    }
}

TEST_F(LinkLabelTest, OpeningAnyLinkThroughTheLabelLeavesItOnTheWebSite) {
    mz::LinkLabel label;
    label.setHyperLink("/opt/mz/leeme.htm");
    label.Launch("?");
    label.setHyperLink(mz::kWebSite);
    EXPECT_EQ(opened, std::vector<QString>{"file:///opt/mz/leeme.htm"});
    EXPECT_EQ(label.HyperLink(), mz::kWebSite);
    EXPECT_FALSE(label.Visited());

    label.Launch(mz::kWebSite); // "Visitenos en el Internet"
    EXPECT_TRUE(label.Visited());
    EXPECT_EQ(shownColour(label), kPurple);
}

TEST_F(LinkLabelTest, AClickOpensTheLinkUnlessTheLabelHasItsOwnClick) {
    struct Case {
        const char* name;
        bool handler;
        bool action;
        const char* hyperLink;
        bool opens;
    };
    const Case cases[] = {
        {"plain", false, false, "https://morvek-zefra.example.org/", true},
        {"handler", true, false, "https://morvek-zefra.example.org/", false},
        {"action", false, true, "https://morvek-zefra.example.org/", false},
        {"no link", false, false, "", false},
    };
    for (const Case& c : cases) {
        opened.clear();
        mz::LinkLabel label;
        label.setHyperLink(c.hyperLink);
        QAction action;
        int triggered = 0;
        int clicked = 0;
        QObject::connect(&action, &QAction::triggered, [&] { ++triggered; });
        if (c.action)
            label.setAction(&action);
        if (c.handler)
            QObject::connect(&label, &mz::LinkLabel::clicked, [&] { ++clicked; });

        click(label);
        EXPECT_EQ(opened.size(), c.opens ? 1u : 0u) << c.name;
        EXPECT_EQ(triggered, c.action ? 1 : 0) << c.name;
        EXPECT_EQ(clicked, c.handler ? 1 : 0) << c.name;
        EXPECT_FALSE(label.Visited()) << c.name; // a click never marks the label
        EXPECT_TRUE(errors.empty()) << c.name;
    }
}

TEST_F(LinkLabelTest, OnlyACompleteLeftClickCounts) {
    mz::LinkLabel label;
    label.resize(100, 20);
    click(label, Qt::RightButton);
    mouse(label, QEvent::MouseButtonRelease, Qt::LeftButton, QPointF(2, 2)); // no press before
    mouse(label, QEvent::MouseButtonPress, Qt::LeftButton, QPointF(2, 2));
    mouse(label, QEvent::MouseButtonRelease, Qt::LeftButton, QPointF(300, 2)); // released outside
    EXPECT_TRUE(opened.empty());
}

TEST_F(LinkLabelTest, AClickWithABlankLinkShowsTheErrorBox) {
    mz::LinkLabel label;
    label.setHyperLink("   ");
    click(label);
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(errors, std::vector<QString>{"No link for launching web browser."});
}

} // namespace
