#include "dialogs/ScrollText.h"
#include "dialogs/ScrollTextModel.h"
#include "tests/dialogs/FakeTimerClock.h"

#include <QCoreApplication>
#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

using mz::ScrollFont;
using mz::ScrollTextModel;
using mz::test::FakeTimerClock;
using mz::test::workerCaughtUp;

ScrollTextModel modelWithFonts() {
    ScrollTextModel model;
    QFont big;
    big.setPointSize(20);
    model.SetFont("Verso", {big, Qt::blue, {}, {}, {}});
    model.SetFont("Texto", {QFont(), Qt::gray, {}, {}, {}});
    return model;
}

TEST(ScrollTextModel, AFontTagSwitchesFromItsLineOn) {
    ScrollTextModel model = modelWithFonts();
    model.SetLines({"antes", "<Verso>uno", "dos", "", "<Otra>tres", "<Texto>", "<Verso", "<>cuatro"});
    struct Expected {
        const char* text;
        const char* font;
    };
    const Expected expected[] = {
        {"antes", ""}, {"uno", "Verso"},        {"dos", "Verso"},
        {"", "Verso"}, {"<Otra>tres", "Verso"}, // not a defined font: shown as it stands
        {"", "Texto"}, {"<Verso", "Texto"},     {"<>cuatro", "Texto"},
    };
    const auto lines = model.Lines();
    ASSERT_EQ(lines.size(), std::size(expected));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].text, expected[i].text) << i;
        EXPECT_EQ(lines[i].fontName, expected[i].font) << i;
    }
}

TEST(ScrollTextModel, StacksRowsAndWrapsLinesWiderThanTheView) {
    ScrollTextModel model = modelWithFonts();
    const QFontMetrics big(model.Font("Verso").font);
    const QFontMetrics plain(model.Font("Texto").font);
    const QString longLine = "palabra palabra palabra palabra palabra palabra";
    const int width = big.horizontalAdvance("palabra palabra") + 2;
    const QString hugeWord = "Supercalifragilisticoespialidoso";
    model.SetLines({"<Texto>corta", "", "<Verso>" + longLine, hugeWord});

    const auto rows = model.Layout(width);
    ASSERT_EQ(rows.size(), 6);
    EXPECT_EQ(rows[0].text, "corta");
    EXPECT_EQ(rows[1].text, "");
    EXPECT_EQ(rows[1].height, plain.height()); // an empty line keeps its height
    for (int i = 2; i <= 4; ++i) {
        EXPECT_EQ(rows[i].text, "palabra palabra") << i;
        EXPECT_EQ(rows[i].fontName, "Verso");
        EXPECT_LE(big.horizontalAdvance(rows[i].text), width);
    }
    EXPECT_EQ(rows[5].text, hugeWord); // a word is never cut
    int top = 0;
    for (const auto& row : rows) {
        EXPECT_EQ(row.top, top);
        top += row.height;
    }
    EXPECT_EQ(ScrollTextModel::TotalHeight(rows), top);
    EXPECT_EQ(ScrollTextModel::TotalHeight({}), 0);
}

TEST(ScrollTextModel, WrapsIntoRowsOfEvenWidth) {
    ScrollTextModel model = modelWithFonts();
    const QFontMetrics metrics(model.Font("Texto").font);
    model.SetLines({"<Texto>aaaa bbbb cccc dddd"});
    // Three words fit: a greedy fill would leave "dddd" alone.
    const auto rows = model.Layout(metrics.horizontalAdvance("aaaa bbbb cccc"));
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].text, "aaaa bbbb");
    EXPECT_EQ(rows[1].text, "cccc dddd");
}

TEST(ScrollTextModel, EndsWhenTheTextHasLeftTheView) {
    ScrollTextModel model;
    for (int step = 1; step < 150 + 40; ++step)
        ASSERT_FALSE(model.Step(150, 40)) << step;
    EXPECT_TRUE(model.Step(150, 40));
    EXPECT_EQ(model.Offset(), 190);
    model.Restart();
    EXPECT_EQ(model.Offset(), 0);
}

class ScrollTextTest : public ::testing::Test {
protected:
    ScrollTextTest()
        : clock(new FakeTimerClock), service(std::unique_ptr<mz::TimerClock>(clock)),
          text(std::make_unique<mz::TScrollText>(nullptr, service)) {
        text->resize(268, 150);
        text->model().SetFont("Texto", {QFont(), Qt::gray, {}, {}, {}});
        text->model().SetLines({"<Texto>uno", "dos"});
    }

    FakeTimerClock* clock; // owned by the service
    mz::TimerService service;
    std::unique_ptr<mz::TScrollText> text;
};

TEST_F(ScrollTextTest, StepsThroughTheTimerServiceWhileShown) {
    EXPECT_EQ(text->stepInterval(), 60u);
    EXPECT_FALSE(text->isStepping());
    text->show();
    EXPECT_TRUE(text->isStepping());

    clock->Set(60);
    ASSERT_TRUE(workerCaughtUp(*clock));
    QCoreApplication::processEvents();
    EXPECT_EQ(text->model().Offset(), 1);

    text->hide();
    EXPECT_FALSE(text->isStepping());
    clock->Set(120);
    ASSERT_TRUE(workerCaughtUp(*clock));
    QCoreApplication::processEvents();
    EXPECT_EQ(text->model().Offset(), 1);
}

TEST_F(ScrollTextTest, WaitsThreeSecondsAfterTheTextHasLeftThenStartsAgain) {
    text->show();
    const int textHeight = 2 * QFontMetrics(QFont()).height();
    for (int step = 0; step < 150 + textHeight; ++step) {
        ASSERT_FALSE(text->isWaitingToRestart()) << step;
        text->Step();
    }
    EXPECT_FALSE(text->isStepping());
    EXPECT_TRUE(text->isWaitingToRestart());
    EXPECT_EQ(text->restartDelay(), 3000);

    text->Restart();
    EXPECT_EQ(text->model().Offset(), 0);
    EXPECT_TRUE(text->isStepping());
}

TEST_F(ScrollTextTest, HidingDuringTheRestartDelayStartsAgainFromTheBottom) {
    text->show();
    while (!text->isWaitingToRestart())
        text->Step();
    text->hide();
    EXPECT_FALSE(text->isWaitingToRestart());
    text->show();
    EXPECT_TRUE(text->isStepping());
    EXPECT_EQ(text->model().Offset(), 0);
}

} // namespace
