#include "widgets/FadeAlertWindow.h"
#include "platform/UserStore.h"
#include "tests/widgets/WidgetTestSupport.h"
#include "widgets/AlertLayout.h"
#include "widgets/AlertStyles.h"
#include "widgets/AlertWindow.h"
#include "widgets/FadeThread.h"
#include "widgets/ImageList.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

namespace mz {
namespace {

// Time that passes only when the fade thread sleeps, so a fade runs at once
// and its waits can be counted.
class FakeClock : public FadeClock {
public:
    qint64 NowMs() override { return now_.load(); }
    void SleepMs(int ms) override {
        now_ += ms;
        ++sleeps_;
        std::this_thread::yield();
    }
    int sleeps() const { return sleeps_.load(); }

private:
    std::atomic<qint64> now_{0};
    std::atomic<int> sleeps_{0};
};

void mouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButtons held = Qt::NoButton) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void leave(QWidget* w) {
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(w, &e);
}

// 0, 0, 2, ... 218, 220: the fade-in thread's steps with the shell's values.
std::vector<int> fadeIn(int from = 0, int to = 220, int step = 2) {
    std::vector<int> v{from};
    for (int a = from; a < to; a += step)
        v.push_back(a);
    v.push_back(to);
    return v;
}

// A show from hidden: Show applies AlphaStart itself, then the fade-in runs.
std::vector<int> showFromHidden() {
    std::vector<int> v{0};
    const std::vector<int> in = fadeIn();
    v.insert(v.end(), in.begin(), in.end());
    return v;
}

// Runs the event loop until `done` holds, waking as soon as an event comes
// (QTest::qWaitFor would poll only every 10 ms).
template <class Pred> bool runUntil(Pred done, int timeoutMs = 10000) {
    QElapsedTimer t;
    t.start();
    QTimer wake; // lets the loop look at the clock now and then
    wake.start(20);
    while (!done()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

const QRect kWorkArea(0, 0, 1280, 800);

// The alert window as the shell configures it, on a fixed work area.
class FadeAlertWindowTest : public ::testing::Test {
protected:
    FadeAlertWindowTest() : images_(16, 16), clock_(std::make_shared<FakeClock>()) {
        for (int i = 0; i < 7; ++i) {
            QPixmap icon(16, 16);
            icon.fill(QColor(30 * i, 100, 50));
            images_.add(icon);
        }
        alert_ = std::make_unique<TFadeAlertWindow>();
        TFadeAlertWindow& a = *alert_;
        a.SetFadeClock(clock_);
        a.SetManualCountdown(true);
        a.SetWorkArea([] { return kWorkArea; });
        a.SetOpacityObserver([this](int v) {
            applied_.push_back(v);
            if (onApplied_)
                onApplied_(v);
        });
        a.SetAlwaysOnTop(false);
        a.SetAutoHide(true);
        a.SetAutoSize(true);
        a.SetAutoDelete(false);
        a.SetDisplayTime(10000);
        a.SetFadeTime(10);
        a.SetFadeStep(2);
        a.SetAlphaStart(0);
        a.SetAlphaEnd(220);
        a.SetWindowPosition(wpRightBottom);
        a.SetScreenMarginX(5);
        a.SetScreenMarginY(5);
        a.SetMarginX(4);
        a.SetMarginY(4);
        a.SetPopupLeft(100);
        a.SetPopupTop(100);
        a.SetPopupWidth(300);
        a.SetPopupHeight(250);
        a.SetStyle(asOffice2003Classic);
        a.SetFont(test::dejaVu(8));
        a.SetHover(true);
        a.SetShowScrollers(true);
        a.SetShowDelete(false);
        a.SetShowPopup(false);
        a.SetPositionFormat(QStringLiteral("%d de %d"));
        a.SetRegistryKey(QStringLiteral("\\Kovrin"));
        a.SetImages(&images_);
        TMsgCollectionItem* item = a.AlertMessages().Add();
        item->SetImageIndex(1);
        setPassage(QStringLiteral("Juan 3:16"));
    }

    void setPassage(const QString& heading) {
        TMsgLines& lines = alert_->AlertMessages().Item(0)->Text();
        lines.Clear();
        lines.Add(QStringLiteral("<b>") + heading + QStringLiteral("</b><hr><br>"));
        lines.Add(QStringLiteral("Porque de tal manera am\u00f3 Dios al<br>"));
        lines.Add(QStringLiteral("mundo, que ha dado \u00e1 su Hijo<br>"));
        lines.Add(QStringLiteral("unig\u00e9nito"));
    }

    bool settle() {
        return runUntil([&] { return !alert_->FadeRunning(); });
    }

    // Shows from hidden and waits until the fade-in has ended.
    void showAndSettle() {
        alert_->Show();
        ASSERT_TRUE(settle());
        applied_.clear();
    }

    void tick(int times) {
        for (int i = 0; i < times; ++i)
            alert_->CountdownTick();
    }

    TAlertWindow* popup() const { return alert_->Popup(); }

    ImageList images_;
    std::shared_ptr<FakeClock> clock_;
    std::unique_ptr<TFadeAlertWindow> alert_;
    std::vector<int> applied_;
    std::function<void(int)> onApplied_;
};

TEST(AlertPlacement, EveryPositionOnAWorkArea) {
    // A work area with a task bar at the left and at the top.
    const QRect area(40, 30, 1240, 770); // left 40, top 30, right 1280, bottom 800
    struct Case {
        TWindowPosition position;
        QPoint at;
    };
    const Case cases[] = {
        {wpLeftTop, {40 + 5 + 2, 30 + 5}},
        {wpRightTop, {1280 - 267 - 5 - 2, 30 + 5}},
        {wpLeftBottom, {40 + 5 + 2, 800 - 123 - 5}},
        {wpRightBottom, {1280 - 267 - 5 - 2, 800 - 123 - 5}},
        {wpPreset, {321, 654}},
        // Centred on the extent measured from the screen origin.
        {wpCenter, {(1280 - 40 - 267 - 5) / 2, (800 - (30 + 123 + 5)) / 2}},
    };
    for (const Case& c : cases) {
        AlertPlacementInput in;
        in.position = c.position;
        in.workArea = area;
        in.popup = QSize(267, 123);
        in.screenMarginX = 5;
        in.screenMarginY = 5;
        in.preset = QPoint(321, 654);
        EXPECT_EQ(computePlacement(in), c.at) << c.position;
    }
}

TEST_F(FadeAlertWindowTest, ShowFromHiddenFadesInAtTheLowerRight) {
    alert_->Show();
    EXPECT_TRUE(alert_->FadeRunning());
    ASSERT_TRUE(settle());
    EXPECT_EQ(applied_, showFromHidden());
    EXPECT_EQ(clock_->sleeps(), 110 * 10); // 110 waits of 10 ms
    ASSERT_NE(popup(), nullptr);
    EXPECT_TRUE(popup()->isVisible());
    EXPECT_EQ(popup()->x() + popup()->width(), 1280 - 7);
    EXPECT_EQ(popup()->y() + popup()->height(), 800 - 5);
    EXPECT_NEAR(popup()->windowOpacity(), 220 / 255.0, 0.01);
    EXPECT_EQ(alert_->CurrentOpacity(), 220);
    // The display time counts from the end of the fade-in.
    EXPECT_TRUE(alert_->CountdownActive());
    EXPECT_EQ(alert_->ElapsedDisplayTime(), 0);
    EXPECT_EQ(popup()->MessageText(0), alert_->AlertMessages().Item(0)->Text().Joined());
}

TEST_F(FadeAlertWindowTest, ShowWhileShownRefreshesInPlace) {
    showAndSettle();
    tick(30);
    EXPECT_EQ(alert_->ElapsedDisplayTime(), 300);
    const QSize before = popup()->size();
    setPassage(QStringLiteral("1 Corintios 13:4 (un t\u00edtulo bastante m\u00e1s largo)"));
    alert_->Show();
    EXPECT_TRUE(applied_.empty()); // the opacity stays
    EXPECT_FALSE(alert_->FadeRunning());
    EXPECT_EQ(alert_->ElapsedDisplayTime(), 0);
    EXPECT_TRUE(alert_->CountdownActive());
    // Re-measured and re-placed at the corner.
    EXPECT_GT(popup()->width(), before.width());
    EXPECT_EQ(popup()->x() + popup()->width(), 1280 - 7);
    EXPECT_TRUE(popup()->MessageText(0).contains(QStringLiteral("Corintios")));
}

TEST_F(FadeAlertWindowTest, ShowWhileFadingInRefreshesWithoutRestarting) {
    onApplied_ = [&](int v) {
        if (v == 100 && alert_->FadingIn())
            alert_->Show();
    };
    alert_->Show();
    ASSERT_TRUE(settle());
    EXPECT_EQ(applied_, showFromHidden());
}

TEST_F(FadeAlertWindowTest, ShowWhileHoveredKeepsItOpaque) {
    showAndSettle();
    mouse(popup(), QEvent::MouseMove, QPoint(50, 50));
    EXPECT_TRUE(alert_->Hovered());
    EXPECT_EQ(applied_.back(), 255);
    EXPECT_FALSE(alert_->CountdownActive());
    applied_.clear();
    alert_->Show();
    EXPECT_TRUE(applied_.empty());
    EXPECT_FALSE(alert_->FadeRunning());
    EXPECT_NEAR(popup()->windowOpacity(), 1.0, 0.01);
    EXPECT_FALSE(alert_->CountdownActive());
}

TEST_F(FadeAlertWindowTest, ShowDuringFadeOutStartsAFreshFadeIn) {
    alert_->SetDisplayTime(30);
    showAndSettle();
    onApplied_ = [&](int v) {
        if (v == 100 && !alert_->FadingIn())
            alert_->Show();
    };
    int autoHides = 0;
    alert_->OnAutoHide = [&](TFadeAlertWindow*) { ++autoHides; };
    tick(3);
    EXPECT_EQ(autoHides, 1);
    ASSERT_TRUE(settle());
    std::vector<int> expected;
    for (int a = 220; a >= 100; a -= 2)
        expected.push_back(a);
    const std::vector<int> in = showFromHidden();
    expected.insert(expected.end(), in.begin(), in.end());
    EXPECT_EQ(applied_, expected); // the stopped fade-out applies nothing more
    EXPECT_TRUE(popup()->isVisible());
    EXPECT_TRUE(alert_->FadingIn());
    EXPECT_TRUE(alert_->CountdownActive());
}

TEST_F(FadeAlertWindowTest, HoverRescuesAFadingOutPopup) {
    alert_->SetDisplayTime(30);
    showAndSettle();
    onApplied_ = [&](int v) {
        if (v == 150 && !alert_->FadingIn())
            mouse(popup(), QEvent::MouseMove, QPoint(40, 40));
    };
    tick(3);
    ASSERT_TRUE(settle());
    // Fully opaque (applied before and after stopping the fade), and
    // nothing after it.
    ASSERT_GE(applied_.size(), 3u);
    EXPECT_EQ(std::vector<int>(applied_.end() - 3, applied_.end()), (std::vector<int>{150, 255, 255}));
    EXPECT_TRUE(popup()->isVisible());
    EXPECT_TRUE(alert_->Hovered());
    EXPECT_FALSE(alert_->CountdownActive());

    // Leaving: AlphaEnd for a full display time, then the fade-out.
    onApplied_ = nullptr;
    applied_.clear();
    leave(popup());
    EXPECT_EQ(applied_, std::vector<int>{220});
    EXPECT_TRUE(alert_->CountdownActive());
    EXPECT_EQ(alert_->ElapsedDisplayTime(), 0);
    tick(2);
    EXPECT_FALSE(alert_->FadeRunning());
    tick(1);
    EXPECT_TRUE(alert_->FadeRunning());
    ASSERT_TRUE(settle());
    EXPECT_FALSE(popup()->isVisible());
    EXPECT_EQ(applied_.back(), 0);
}

TEST_F(FadeAlertWindowTest, OpaqueStartShowsAtOnce) {
    alert_->SetAlphaStart(255);
    alert_->Show();
    EXPECT_FALSE(alert_->FadeRunning());
    EXPECT_EQ(applied_, std::vector<int>{255});
    EXPECT_TRUE(popup()->isVisible());
    EXPECT_TRUE(alert_->CountdownActive());
}

TEST_F(FadeAlertWindowTest, ZeroDisplayTimeFadesOutAtTheFirstTickAfterTheFadeIn) {
    alert_->SetDisplayTime(0);
    int autoHides = 0;
    alert_->OnAutoHide = [&](TFadeAlertWindow*) { ++autoHides; };
    onApplied_ = [&](int v) {
        if (v == 50 && alert_->FadingIn())
            tick(5); // ticks during the fade-in do not end the display
    };
    alert_->Show();
    ASSERT_TRUE(settle());
    EXPECT_EQ(autoHides, 0);
    EXPECT_EQ(applied_, showFromHidden());
    onApplied_ = nullptr;
    tick(1);
    EXPECT_EQ(autoHides, 1);
    EXPECT_TRUE(alert_->FadeRunning());
    EXPECT_FALSE(alert_->FadingIn());
    ASSERT_TRUE(settle());
    EXPECT_FALSE(popup()->isVisible());
}

TEST_F(FadeAlertWindowTest, CloseHidesAtOnceAndKeepsTheCountdown) {
    alert_->SetDisplayTime(50);
    showAndSettle();
    int closes = 0;
    int autoHides = 0;
    alert_->OnClose = [&](TFadeAlertWindow*) { ++closes; };
    alert_->OnAutoHide = [&](TFadeAlertWindow*) { ++autoHides; };
    tick(2);
    const QPoint close = popup()->Layout().close.center();
    mouse(popup(), QEvent::MouseButtonPress, close, Qt::LeftButton);
    mouse(popup(), QEvent::MouseButtonRelease, close);
    EXPECT_FALSE(popup()->isVisible());
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(applied_.empty()); // no fading
    EXPECT_TRUE(alert_->CountdownActive());
    EXPECT_EQ(alert_->ElapsedDisplayTime(), 20);

    tick(3);
    EXPECT_EQ(autoHides, 1);
    ASSERT_TRUE(settle());
    EXPECT_FALSE(popup()->isVisible());

    // The next show is a full one with a fade-in.
    applied_.clear();
    alert_->Show();
    ASSERT_TRUE(settle());
    EXPECT_EQ(applied_, showFromHidden());
    EXPECT_TRUE(popup()->isVisible());
}

TEST_F(FadeAlertWindowTest, ShowAfterClosingDuringTheFadeInShowsAgain) {
    bool closed = false;
    onApplied_ = [&](int v) {
        if (v == 100 && alert_->FadingIn() && !closed) {
            closed = true;
            const QPoint close = popup()->Layout().close.center();
            mouse(popup(), QEvent::MouseButtonPress, close, Qt::LeftButton);
            mouse(popup(), QEvent::MouseButtonRelease, close);
            EXPECT_FALSE(popup()->isVisible());
            applied_.clear();
            alert_->Show();
        }
    };
    alert_->Show();
    ASSERT_TRUE(settle());
    EXPECT_TRUE(popup()->isVisible());
    EXPECT_EQ(applied_, showFromHidden());
}

TEST_F(FadeAlertWindowTest, DragMakesThePositionPreset) {
    showAndSettle();
    const QPoint start = popup()->pos();
    mouse(popup(), QEvent::MouseButtonPress, QPoint(30, 3), Qt::LeftButton);
    mouse(popup(), QEvent::MouseMove, QPoint(30 - 200, 3 - 150), Qt::LeftButton);
    mouse(popup(), QEvent::MouseButtonRelease, QPoint(30 - 200, 3 - 150));
    EXPECT_EQ(alert_->WindowPosition(), wpPreset);
    EXPECT_EQ(alert_->PopupLeft(), start.x() - 200);
    EXPECT_EQ(alert_->PopupTop(), start.y() - 150);
    popup()->hide();
    alert_->Show();
    EXPECT_EQ(popup()->pos(), QPoint(start.x() - 200, start.y() - 150));
}

TEST_F(FadeAlertWindowTest, StylesSetTheNineColours) {
    const TFadeAlertWindowStyle styles[] = {asOffice2003Blue,    asOffice2003Silver, asOffice2003Olive,
                                            asOffice2003Classic, asOffice2007Luna,   asOffice2007Obsidian,
                                            asWindowsXP,         asWhidbey,          asOffice2007Silver};
    for (TFadeAlertWindowStyle s : styles) {
        alert_->SetGradientDirection(gdHorizontal);
        alert_->SetStyle(s);
        EXPECT_EQ(alert_->Colors(), *styleColors(s)) << s;
        EXPECT_EQ(alert_->GradientDirection(), gdVertical);
    }
    EXPECT_EQ(styleColors(asOffice2003Blue)->WindowColor, 0xFADAC4u);
    EXPECT_EQ(styleColors(asOffice2003Classic)->BorderColor, clActiveCaption);
    EXPECT_EQ(styleColors(asWindowsXP)->CaptionColorTo, clHighlight);
    EXPECT_EQ(styleColors(asOffice2007Silver)->BorderColor, 0x74706Fu);

    // asCustom keeps the colours.
    alert_->SetBorderColor(0x123456);
    alert_->SetStyle(asCustom);
    EXPECT_EQ(alert_->BorderColor(), 0x123456u);

    // A new component starts in asOffice2003Blue without theme adaptation.
    TFadeAlertWindow fresh;
    EXPECT_EQ(fresh.Style(), asOffice2003Blue);
    EXPECT_EQ(fresh.Colors(), *styleColors(asOffice2003Blue));
    EXPECT_FALSE(fresh.AutoThemeAdapt());

    // A visible popup takes a new style at once.
    showAndSettle();
    alert_->SetStyle(asOffice2007Luna);
    EXPECT_EQ(popup()->Appearance().Colors, *styleColors(asOffice2007Luna));

    // No theme service answers here: adaptation chooses the classic style.
    EXPECT_EQ(styleForColorScheme(QString()), asOffice2003Classic);
    EXPECT_EQ(styleForColorScheme(QStringLiteral("HomeStead")), asOffice2003Olive);
    alert_->SetAutoThemeAdapt(true);
    popup()->hide();
    alert_->Show();
    EXPECT_EQ(alert_->Style(), asOffice2003Classic);
}

TEST_F(FadeAlertWindowTest, LiveUpdateReachesAVisiblePopup) {
    showAndSettle();
    TMsgLines& lines = alert_->AlertMessages().Item(0)->Text();
    lines.Clear();
    EXPECT_EQ(popup()->MessageText(0), QString());
    lines.Add(QStringLiteral("<b>Salmos 23:1</b>"));
    EXPECT_EQ(popup()->MessageText(0), QStringLiteral("<b>Salmos 23:1</b>"));
    EXPECT_TRUE(popup()->isVisible());
}

TEST_F(FadeAlertWindowTest, DeletingMessages) {
    alert_->AlertMessages().Add()->Text().Add(QStringLiteral("segundo"));
    showAndSettle();
    EXPECT_EQ(popup()->MessageCount(), 2);
    try {
        alert_->DeleteMessage(2);
        FAIL() << "no error";
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "Invalid Index");
    }
    bool allow = false;
    std::vector<int> deleted;
    alert_->OnCanDeleteMessage = [&](TFadeAlertWindow*, int, bool& can) { can = allow; };
    alert_->OnDeleteMessage = [&](TFadeAlertWindow*, int index) { deleted.push_back(index); };
    alert_->DeleteMessage(0);
    EXPECT_EQ(alert_->AlertMessages().Count(), 2);
    allow = true;
    alert_->DeleteMessage(0);
    EXPECT_EQ(alert_->AlertMessages().Count(), 1);
    EXPECT_EQ(popup()->MessageCount(), 1);
    EXPECT_EQ(popup()->MessageText(0), QStringLiteral("segundo"));
    EXPECT_EQ(deleted, std::vector<int>{0});
}

TEST_F(FadeAlertWindowTest, AnchorClickReportsTheMessageItem) {
    alert_->AlertMessages().Item(0)->Text().Assign(
        {QStringLiteral("<a href=\"https://example.org\">sitio</a>")});
    showAndSettle();
    QString anchor;
    TMsgCollectionItem* item = nullptr;
    alert_->OnAnchorClick = [&](TFadeAlertWindow*, const QString& a, TMsgCollectionItem* i) {
        anchor = a;
        item = i;
    };
    const QRect text = popup()->Layout().text;
    const QPoint onLink(text.left() + 5, text.top() + 5);
    mouse(popup(), QEvent::MouseButtonPress, onLink, Qt::LeftButton);
    mouse(popup(), QEvent::MouseButtonRelease, onLink);
    EXPECT_EQ(anchor, QStringLiteral("https://example.org"));
    EXPECT_EQ(item, alert_->AlertMessages().Item(0));
}

// A store that cannot open its key.
class UnreachableStore : public UserStore {
public:
    explicit UnreachableStore(const QString& file) : UserStore(file) {}
    std::optional<int> readInt(const QString&, const QString&) override { return std::nullopt; }
    bool writeInt(const QString&, const QString&, int) override {
        ++writes;
        return false;
    }
    int writes = 0;
};

TEST_F(FadeAlertWindowTest, PositionRoundTripInTheUserStore) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    UserStore store(dir.filePath(QStringLiteral("user.conf")));
    alert_->SetUserStore(&store);

    // Before the first show the stored preset values are written.
    alert_->SetPopupLeft(123);
    alert_->SetPopupTop(456);
    alert_->SavePosition();
    // The shell's key has a doubled separator; it lands on one clean path.
    EXPECT_EQ(store.readInt(QStringLiteral("SOFTWARE/Kovrin/ALERT"), QStringLiteral("X")), 123);
    EXPECT_EQ(store.readInt(QStringLiteral("\\SOFTWARE\\Kovrin\\ALERT"), QStringLiteral("Y")), 456);

    // Once shown, the popup's own position is saved.
    showAndSettle();
    alert_->SavePosition();
    TFadeAlertWindow other;
    other.SetUserStore(&store);
    other.SetRegistryKey(QStringLiteral("\\Kovrin"));
    other.LoadPosition();
    EXPECT_EQ(other.PopupLeft(), popup()->x());
    EXPECT_EQ(other.PopupTop(), popup()->y());

    // An empty key uses the default name.
    TFadeAlertWindow unnamed;
    unnamed.SetUserStore(&store);
    unnamed.SetPopupLeft(7);
    unnamed.SavePosition();
    EXPECT_EQ(store.readInt(QStringLiteral("SOFTWARE/FadeAlertWindow/ALERT"), QStringLiteral("X")), 7);

    // A store that cannot be reached changes nothing.
    UnreachableStore broken(dir.filePath(QStringLiteral("broken.conf")));
    TFadeAlertWindow cut;
    cut.SetUserStore(&broken);
    cut.SetPopupLeft(11);
    cut.SetPopupTop(22);
    cut.LoadPosition();
    EXPECT_EQ(cut.PopupLeft(), 11);
    EXPECT_EQ(cut.PopupTop(), 22);
    cut.SavePosition();
    EXPECT_EQ(broken.writes, 1); // gave up after the first value
}

TEST_F(FadeAlertWindowTest, PersistPositionSavesWhenThePopupGoes) {
    QTemporaryDir dir;
    UserStore store(dir.filePath(QStringLiteral("user.conf")));
    alert_->SetUserStore(&store);
    alert_->SetPersistPosition(true);
    showAndSettle();
    const QPoint at = popup()->pos();
    alert_.reset();
    EXPECT_EQ(store.readInt(QStringLiteral("SOFTWARE/Kovrin/ALERT"), QStringLiteral("X")), at.x());

    TFadeAlertWindow next;
    next.SetUserStore(&store);
    next.SetRegistryKey(QStringLiteral("\\Kovrin"));
    next.SetPersistPosition(true);
    next.Loaded();
    EXPECT_EQ(next.PopupTop(), at.y());
}

// Workers waiting for the user-interface thread must not hold up destruction.
TEST_F(FadeAlertWindowTest, DestroyingDuringAFadeDoesNotHang) {
    alert_->Show();
    // No events processed: the worker is waiting for its first steps.
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_TRUE(alert_->FadeRunning());
    alert_.reset();

    // The same with real time, half-way through a fade-out.
    TFadeAlertWindow real;
    real.SetWorkArea([] { return kWorkArea; });
    real.SetFadeTime(2);
    real.SetDisplayTime(0);
    real.SetManualCountdown(true);
    real.AlertMessages().Add()->Text().Add(QStringLiteral("x"));
    real.Show();
    ASSERT_TRUE(runUntil([&] { return !real.FadeRunning(); }));
    real.CountdownTick();
    EXPECT_TRUE(real.FadeRunning());
    QTest::qWait(30);
    EXPECT_TRUE(real.FadeRunning());
}

TEST_F(FadeAlertWindowTest, QuittingDuringAFadeStopsIt) {
    alert_->SetFadeClock(std::make_shared<SteadyFadeClock>());
    QTimer::singleShot(0, [&] {
        alert_->Show();
        QTimer::singleShot(50, qApp, &QCoreApplication::quit);
    });
    QApplication::exec();
    EXPECT_FALSE(alert_->FadeRunning());
    // The component stays usable afterwards.
    alert_->SetFadeClock(clock_);
    popup()->hide();
    alert_->Show();
    EXPECT_TRUE(settle());
}

} // namespace
} // namespace mz
