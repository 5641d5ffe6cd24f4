// The tray icon on a real X desktop: each test starts its own Xvfb on a free
// display, trayer as the tray host and the tray_probe program, drives the
// mouse with xdotool, reads the probe's reports and the window tree, and
// stops everything it started. The children die with the test if it dies.
#include "tests/XDesktop.h"

#include <gtest/gtest.h>

namespace {

using mz::test::kEventTimeoutMs;
using mz::test::kStartTimeoutMs;
using mz::test::NewChild;
using mz::test::Stop;

class TrayDesktop : public ::testing::Test {
protected:
    void SetUp() override {
        if (const auto tool = mz::test::XDesktop::Missing())
            GTEST_SKIP() << *tool << " is not installed (scripts/setup installs it)";
        // Displays 130 to 139 first; beyond them only when all are taken.
        ASSERT_TRUE(desk_.StartXvfb(130)) << "no free display for Xvfb";
        ASSERT_TRUE(desk_.StartTrayer()) << "trayer never showed: " << desk_.TrayerOutput().toStdString();
        startProbe();
        ASSERT_TRUE(waitForLine("startup", kStartTimeoutMs)) << allLines();
        ASSERT_TRUE(waitDocked()) << allLines();
    }

    void TearDown() override {
        if (probe_ && probe_->state() == QProcess::Running) {
            probe_->write("quit\n");
            probe_->waitForFinished(3000);
        }
        Stop(probe_);
        desk_.Shutdown();
    }

    // --- the desktop ---------------------------------------------------

    void xdotool(const QStringList& args) {
        ASSERT_TRUE(desk_.Xdotool(args)) << "xdotool " << args.join(' ').toStdString();
    }

    void startProbe(const QStringList& args = {}) {
        probe_ = NewChild();
        probe_->setProcessEnvironment(desk_.Env());
        probe_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        probe_->start(QStringLiteral(MZ_TRAY_PROBE), args);
        ASSERT_TRUE(probe_->waitForStarted(kStartTimeoutMs));
    }

    // The window tree: trayer's panel, and the probe's icon window docked in
    // it (a descendant of the panel), in root coordinates.
    struct Tree {
        QRect panel;
        std::optional<QRect> icon;
    };

    std::optional<Tree> panel() {
        const auto tray = desk_.Panel();
        if (!tray)
            return std::nullopt;
        Tree t{tray->panel, std::nullopt};
        for (const auto& w : tray->docked)
            if (w.name == "tray_probe")
                t.icon = w.rect;
        return t;
    }

    // Mapped top-level windows of the probe at least this big.
    QList<QRect> probeWindows(int minW, int minH) {
        QList<QRect> out;
        const auto tree = desk_.RunX("xwininfo", {"-root", "-children"});
        if (!tree)
            return out;
        static const QRegularExpression line(R"("tray_probe": \(.*\)\s+(\d+)x(\d+)\+(-?\d+)\+(-?\d+))");
        for (const QString& l : tree->split('\n')) {
            const auto m = line.match(l);
            if (m.hasMatch() && m.captured(1).toInt() >= minW && m.captured(2).toInt() >= minH)
                out.append(QRect(m.captured(3).toInt(), m.captured(4).toInt(), m.captured(1).toInt(),
                                 m.captured(2).toInt()));
        }
        return out;
    }

    // --- the probe's reports --------------------------------------------

    template <class Pred> bool waitFor(Pred done, int timeoutMs) {
        return mz::test::WaitFor(done, timeoutMs);
    }

    void readProbe() {
        if (!probe_)
            return;
        probe_->waitForReadyRead(20);
        while (probe_->canReadLine())
            lines_.append(QString::fromUtf8(probe_->readLine()).trimmed());
    }

    // Waits for the next report starting with `prefix`, skipping (and so
    // consuming) the reports before it.
    std::optional<QString> waitForLine(const QString& prefix, int timeoutMs = kEventTimeoutMs) {
        QElapsedTimer t;
        t.start();
        for (;;) {
            readProbe();
            while (next_ < lines_.size()) {
                const QString l = lines_[next_++];
                if (l == prefix || l.startsWith(prefix + ' '))
                    return l;
            }
            if (t.elapsed() > timeoutMs || probe_->state() != QProcess::Running)
                return std::nullopt;
        }
    }

    // The reports that arrive within `ms`, consumed.
    QStringList linesWithin(int ms) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms)
            readProbe();
        const QStringList out = lines_.mid(next_);
        next_ = lines_.size();
        return out;
    }

    std::string allLines() {
        readProbe();
        return ("probe said:\n" + lines_.join('\n')).toStdString();
    }

    void command(const char* cmd) {
        probe_->write(cmd);
        probe_->write("\n");
        probe_->waitForBytesWritten(1000);
    }

    static QRect rectOf(const QString& report) {
        const QStringList f = report.split(' ');
        return f.size() == 5 ? QRect(f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt()) : QRect();
    }

    // Waits until the icon sits in trayer's panel and the probe reports that
    // very place; returns it as `icon_`.
    bool waitDocked() {
        return waitFor(
            [&] {
                std::optional<QString> l;
                while ((l = waitForLine("docked", 0)))
                    icon_ = rectOf(*l);
                const auto t = panel();
                return t && t->icon && *t->icon == icon_ && t->panel.contains(icon_);
            },
            kStartTimeoutMs);
    }

    QString at(const QPoint& p) const { return QString::number(p.x()) + ' ' + QString::number(p.y()); }

    mz::test::XDesktop desk_;
    std::unique_ptr<QProcess> probe_;
    QStringList lines_;
    qsizetype next_ = 0;
    QRect icon_;
};

TEST_F(TrayDesktop, IconDocksWithItsTooltip) {
    EXPECT_EQ(icon_.size(), QSize(22, 22));
    xdotool({"mousemove", QString::number(icon_.center().x()), QString::number(icon_.center().y())});
    const auto tip = waitForLine("tooltip");
    ASSERT_TRUE(tip) << allLines();
    EXPECT_EQ(*tip, "tooltip Morvek Zefra");
}

TEST_F(TrayDesktop, LeftAndRightClickOpenTheMenuAtTheCursor) {
    const QPoint c = icon_.center();
    for (const char* button : {"1", "3"}) {
        xdotool({"mousemove", QString::number(c.x()), QString::number(c.y()), "click", button});
        const auto down = waitForLine("down");
        ASSERT_TRUE(down) << "button " << button << "\n" << allLines();
        EXPECT_EQ(*down, QStringLiteral("down %1 ").arg(button[0] == '1' ? 1 : 2) + at(c));
        const auto menu = waitForLine("menu");
        ASSERT_TRUE(menu) << "button " << button << "\n" << allLines();
        // The menu opens from the cursor, pushed up and left to stay on screen.
        const QRect m = rectOf(*menu);
        EXPECT_TRUE(m.adjusted(-2, -2, 2, 2).contains(c)) << menu->toStdString();
        EXPECT_LE(m.bottom(), 800);
        xdotool({"key", "Escape"});
        ASSERT_TRUE(waitForLine("menu-hidden")) << allLines();
    }
}

TEST_F(TrayDesktop, DisabledIconIgnoresClicks) {
    command("disable");
    ASSERT_TRUE(waitForLine("enabled")) << allLines();
    const QPoint c = icon_.center();
    xdotool({"mousemove", QString::number(c.x()), QString::number(c.y()), "click", "1", "click", "3"});
    const QStringList after = linesWithin(400);
    EXPECT_TRUE(after.filter(QRegularExpression("^(down|menu|click)")).isEmpty())
        << after.join('\n').toStdString();

    command("enable");
    ASSERT_TRUE(waitForLine("enabled")) << allLines();
    xdotool({"click", "3"});
    EXPECT_TRUE(waitForLine("menu")) << allLines();
}

TEST_F(TrayDesktop, DoubleClickRunsTheDefaultItemWithoutAClick) {
    command("no-left-popup");
    ASSERT_TRUE(waitForLine("left-popup")) << allLines();
    const QPoint c = icon_.center();
    // One click: reported once the double-click time is over.
    xdotool({"mousemove", QString::number(c.x()), QString::number(c.y()), "click", "1"});
    ASSERT_TRUE(waitForLine("click")) << allLines();

    xdotool({"click", "--repeat", "2", "--delay", "60", "1"});
    ASSERT_TRUE(waitForLine("dblclick")) << allLines();
    ASSERT_TRUE(waitForLine("options")) << allLines();
    const QStringList after = linesWithin(800);
    EXPECT_TRUE(after.filter(QRegularExpression("^(click|menu)")).isEmpty())
        << after.join('\n').toStdString();
}

TEST_F(TrayDesktop, BalloonIsAcceptedAndShownBesideTheIcon) {
    command("balloon");
    const auto answer = waitForLine("balloon");
    ASSERT_TRUE(answer) << allLines();
    EXPECT_EQ(*answer, "balloon 1");
    QList<QRect> shown;
    ASSERT_TRUE(waitFor([&] { return !(shown = probeWindows(100, 40)).isEmpty(); }, kEventTimeoutMs));
    // Right beside the icon, pointing at it.
    EXPECT_TRUE(shown.first().adjusted(-40, -40, 40, 40).intersects(icon_))
        << shown.first().x() << "," << shown.first().y();

    command("hide-balloon");
    EXPECT_TRUE(waitFor([&] { return probeWindows(100, 40).isEmpty(); }, kEventTimeoutMs));
}

TEST_F(TrayDesktop, ABalloonAtStartWaitsForTheIconsPlace) {
    // Right after the icon is shown the tray host has not placed it yet; a
    // balloon shown then must still come up beside the icon, not at the
    // screen's corner.
    probe_->write("quit\n");
    probe_->waitForFinished(3000);
    Stop(probe_);
    startProbe({QStringLiteral("--balloon-at-start")});
    ASSERT_TRUE(waitForLine("startup", kStartTimeoutMs)) << allLines();
    const auto answer = waitForLine("balloon");
    ASSERT_TRUE(answer) << allLines();
    EXPECT_EQ(*answer, "balloon 1");
    ASSERT_TRUE(waitDocked()) << allLines();
    QList<QRect> shown;
    ASSERT_TRUE(waitFor([&] { return !(shown = probeWindows(100, 40)).isEmpty(); }, kEventTimeoutMs));
    EXPECT_TRUE(shown.first().adjusted(-40, -40, 40, 40).intersects(icon_))
        << shown.first().x() << "," << shown.first().y();
}

TEST_F(TrayDesktop, IconDocksAgainWhenTheTrayHostRestarts) {
    desk_.StopTrayer();
    ASSERT_TRUE(waitForLine("undocked")) << allLines();
    ASSERT_TRUE(desk_.StartTrayer());
    ASSERT_TRUE(waitDocked()) << allLines();

    xdotool({"mousemove", QString::number(icon_.center().x()), QString::number(icon_.center().y())});
    const auto tip = waitForLine("tooltip");
    ASSERT_TRUE(tip) << allLines();
    EXPECT_EQ(*tip, "tooltip Morvek Zefra");
}

} // namespace
