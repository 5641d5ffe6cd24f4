// The tray icon component under the offscreen platform: no tray host is
// there, so these drive the desktop object's activations by hand and look at
// what reaches it and the main form.
#include "widgets/NotifyTrayIcon.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QPixmap>
#include <QStyleHints>
#include <QSystemTrayIcon>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

class QtApp : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "test_widgets_tray";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QApplication> app_;
};
const auto* const qtApp = ::testing::AddGlobalTestEnvironment(new QtApp);

bool waitUntil(const std::function<bool()>& done, int timeoutMs = 2000) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

void settle() {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

QIcon colourIcon(Qt::GlobalColor c) {
    QPixmap p(16, 16);
    p.fill(c);
    return QIcon(p);
}

// A main form owning the icon, with a menu whose default item counts its runs.
struct Shell {
    QWidget form;
    QMenu menu;
    QAction* options = nullptr;
    int optionsRuns = 0;
    mz::TNotifyTrayIcon* tray = nullptr;

    Shell() {
        menu.addAction(QStringLiteral("&Bloquear desplegado"));
        options = menu.addAction(QStringLiteral("&Opciones..."));
        menu.setDefaultAction(options);
        QObject::connect(options, &QAction::triggered, [this] { ++optionsRuns; });
        tray = new mz::TNotifyTrayIcon(&form);
        tray->setPopupMenu(&menu);
    }
    ~Shell() { menu.hide(); }
    void activate(QSystemTrayIcon::ActivationReason r) { emit tray->systemTrayIcon()->activated(r); }
};

TEST(NotifyTrayIcon, HintAndIconReachTheDesktop) {
    Shell s;
    s.tray->setHint(QString(200, QLatin1Char('h')));
    EXPECT_EQ(s.tray->systemTrayIcon()->toolTip(), QString(127, QLatin1Char('h')));
    EXPECT_EQ(s.tray->Hint().size(), 200); // the property keeps what was written
    s.tray->setShowHint(false);
    EXPECT_TRUE(s.tray->systemTrayIcon()->toolTip().isEmpty());
    s.tray->setShowHint(true);
    s.tray->setHint(QStringLiteral("Morvek Zefra"));
    EXPECT_EQ(s.tray->systemTrayIcon()->toolTip(), QStringLiteral("Morvek Zefra"));

    // An icon that cannot be read still leaves something to click.
    EXPECT_FALSE(s.tray->systemTrayIcon()->icon().isNull());
    const QIcon red = colourIcon(Qt::red);
    s.tray->setIcon(red);
    EXPECT_EQ(s.tray->systemTrayIcon()->icon().cacheKey(), red.cacheKey());
}

TEST(NotifyTrayIcon, IconVisibleWaitsForLoading) {
    Shell s;
    s.tray->setIconVisible(true);
    EXPECT_FALSE(s.tray->systemTrayIcon()->isVisible());
    s.tray->Loaded();
    EXPECT_TRUE(s.tray->systemTrayIcon()->isVisible());
    s.tray->setIconVisible(false);
    EXPECT_FALSE(s.tray->systemTrayIcon()->isVisible());
    EXPECT_FALSE(s.tray->IconVisible());
    s.tray->ShowIcon();
    EXPECT_TRUE(s.tray->IconVisible());
}

TEST(NotifyTrayIcon, StartupAnswerDecidesTheMainForm) {
    for (const bool answer : {false, true}) {
        Shell s;
        int asked = 0;
        QObject::connect(s.tray, &mz::TNotifyTrayIcon::OnStartup, [&](bool& show) {
            ++asked;
            EXPECT_TRUE(show);
            show = answer;
        });
        s.tray->setIconVisible(true);
        s.tray->Loaded();
        settle();
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(s.form.isVisible(), answer);
        EXPECT_TRUE(s.tray->IconVisible());
    }
}

TEST(NotifyTrayIcon, MinimisingHidesIntoTheTrayAndRestoreBringsItBack) {
    Shell s;
    int minimised = 0;
    QObject::connect(s.tray, &mz::TNotifyTrayIcon::OnMinimizeToTray, [&] { ++minimised; });
    s.tray->setMinimizeToTray(true);
    s.tray->Loaded();
    s.tray->RestoreMainForm();
    ASSERT_TRUE(s.form.isVisible());

    s.form.showMinimized();
    ASSERT_TRUE(waitUntil([&] { return !s.form.isVisible(); }));
    EXPECT_EQ(minimised, 1);
    EXPECT_TRUE(s.tray->IconVisible());

    s.tray->RestoreMainForm();
    EXPECT_TRUE(s.form.isVisible());
    EXPECT_FALSE(s.form.isMinimized());
    settle();
    EXPECT_TRUE(s.form.isVisible());
    EXPECT_EQ(minimised, 1);

    // Without MinimizeToTray a minimised form stays where it is.
    s.tray->setMinimizeToTray(false);
    s.form.showMinimized();
    settle();
    EXPECT_TRUE(s.form.isVisible());
    EXPECT_EQ(minimised, 1);
}

TEST(NotifyTrayIcon, MenuOpensOnRightAndLeftClickOnlyWhileEnabled) {
    Shell s;
    s.tray->setLeftPopup(true);
    s.tray->Loaded();
    int clicks = 0;
    QObject::connect(s.tray, &mz::TNotifyTrayIcon::OnClick, [&] { ++clicks; });

    s.tray->setEnabled(false);
    s.activate(QSystemTrayIcon::Trigger);
    s.activate(QSystemTrayIcon::Context);
    s.activate(QSystemTrayIcon::DoubleClick);
    settle();
    EXPECT_FALSE(s.menu.isVisible());
    EXPECT_EQ(clicks, 0);

    s.tray->setEnabled(true);
    s.activate(QSystemTrayIcon::Context);
    EXPECT_TRUE(s.menu.isVisible());
    s.menu.hide();
    s.activate(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(s.menu.isVisible());
    EXPECT_EQ(clicks, 1);
    s.menu.hide();

    s.tray->setLeftPopup(false);
    s.activate(QSystemTrayIcon::Trigger);
    EXPECT_FALSE(s.menu.isVisible());
    EXPECT_EQ(clicks, 2);
}

TEST(NotifyTrayIcon, DoubleClickRunsTheDefaultItemAndHoldsTheSingleClick) {
    Shell s;
    s.tray->Loaded();
    int clicks = 0, dblClicks = 0;
    QObject::connect(s.tray, &mz::TNotifyTrayIcon::OnClick, [&] { ++clicks; });
    QObject::connect(s.tray, &mz::TNotifyTrayIcon::OnDblClick, [&] { ++dblClicks; });

    s.activate(QSystemTrayIcon::Trigger);
    s.activate(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(dblClicks, 1);
    EXPECT_EQ(s.optionsRuns, 1);
    // Well past the double-click time, the swallowed click never comes.
    const int dct = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    waitUntil([] { return false; }, dct + 100);
    EXPECT_EQ(clicks, 0);

    // A single click comes, but only once the double-click time is over.
    QElapsedTimer t;
    t.start();
    s.activate(QSystemTrayIcon::Trigger);
    EXPECT_EQ(clicks, 0);
    ASSERT_TRUE(waitUntil([&] { return clicks == 1; }, dct + 1000));
    EXPECT_GE(t.elapsed(), dct * 9 / 10); // coarse timers may run 5% early

    // A disabled default item does not run.
    s.options->setEnabled(false);
    s.activate(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(s.optionsRuns, 1);
}

TEST(NotifyTrayIcon, IconIndexAndCyclingFollowTheList) {
    Shell s;
    const QList<QIcon> icons{colourIcon(Qt::red), colourIcon(Qt::green), colourIcon(Qt::blue)};
    s.tray->setIconList(icons);
    s.tray->setIconIndex(7);
    EXPECT_EQ(s.tray->IconIndex(), 2);
    EXPECT_EQ(s.tray->Icon().cacheKey(), icons[2].cacheKey());
    EXPECT_EQ(s.tray->systemTrayIcon()->icon().cacheKey(), icons[2].cacheKey());

    std::vector<int> reported, shown;
    QObject::connect(s.tray, &mz::TNotifyTrayIcon::OnCycle, [&](int next) {
        reported.push_back(next);
        shown.push_back(s.tray->IconIndex());
    });
    s.tray->setCycleInterval(1);
    s.tray->setCycleIcons(true);
    EXPECT_EQ(s.tray->IconIndex(), 0);
    settle();
    EXPECT_TRUE(reported.empty()) << "cycling before loading";

    s.tray->Loaded();
    ASSERT_TRUE(waitUntil([&] { return reported.size() >= 4; }));
    reported.resize(4);
    shown.resize(4);
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 0}));
    EXPECT_EQ(reported, (std::vector<int>{1, 2, 0, 1}));

    // An interval of 0 never steps.
    s.tray->setCycleInterval(0);
    reported.clear();
    waitUntil([] { return false; }, 30);
    EXPECT_TRUE(reported.empty());
}

TEST(NotifyTrayIcon, BalloonNeedsAShownIconAndATray) {
    Shell s;
    s.tray->Loaded();
    EXPECT_FALSE(s.tray->ShowBalloonHint(QStringLiteral("Morvek Zefra"), QStringLiteral("x"), 1, 10));
    s.tray->ShowIcon();
    // The offscreen desktop has no tray and no notification service.
    EXPECT_FALSE(s.tray->ShowBalloonHint(QStringLiteral("Morvek Zefra"), QStringLiteral("x"), 1, 10));
    s.tray->HideBalloonHint();
}

} // namespace
