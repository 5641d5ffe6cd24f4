// The tray icon on a real X desktop: each test starts its own Xvfb on a free
// display, trayer as the tray host and the tray_probe program, drives the
// mouse with xdotool, reads the probe's reports and the window tree, and
// stops everything it started. The children die with the test if it dies.
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <optional>
#include <sys/prctl.h>

namespace {

constexpr int kStartTimeoutMs = 10000;
constexpr int kEventTimeoutMs = 5000;

std::unique_ptr<QProcess> newChild() {
    auto p = std::make_unique<QProcess>();
    p->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    return p;
}

void stop(std::unique_ptr<QProcess>& p) {
    if (!p)
        return;
    if (p->state() != QProcess::NotRunning) {
        p->terminate();
        if (!p->waitForFinished(3000)) {
            p->kill();
            p->waitForFinished(3000);
        }
    }
    p.reset();
}

class TrayDesktop : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* tool : {"Xvfb", "trayer", "xdotool", "xwininfo", "xdpyinfo"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                GTEST_SKIP() << tool << " is not installed (scripts/setup installs it)";
        }
        ASSERT_TRUE(runtimeDir_.isValid());
        ASSERT_TRUE(startXvfb()) << "no free display for Xvfb";
        startTrayer();
        ASSERT_TRUE(waitFor([&] { return panel().has_value(); }, kStartTimeoutMs)) << "trayer never showed";
        startProbe();
        ASSERT_TRUE(waitForLine("startup", kStartTimeoutMs)) << allLines();
        ASSERT_TRUE(waitDocked()) << allLines();
    }

    void TearDown() override {
        if (probe_ && probe_->state() == QProcess::Running) {
            probe_->write("quit\n");
            probe_->waitForFinished(3000);
        }
        stop(probe_);
        stop(trayer_);
        stop(xvfb_);
    }

    // --- the desktop ---------------------------------------------------

    QProcessEnvironment desktopEnv() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // Keep the probe on the plain X tray of this display: no session bus
        // (whose notifier would take the icon), no other desktop's settings.
        for (const char* var : {"WAYLAND_DISPLAY", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION",
                                "QT_QPA_PLATFORMTHEME", "XAUTHORITY"})
            env.remove(QString::fromLatin1(var));
        env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + runtimeDir_.filePath("no-bus"));
        env.insert("DISPLAY", display_);
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("XDG_RUNTIME_DIR", runtimeDir_.path());
        return env;
    }

    // Output of a short X client, or nothing when it fails.
    std::optional<QString> runX(const QString& program, const QStringList& args) {
        QProcess p;
        p.setProcessEnvironment(desktopEnv());
        p.start(program, args);
        if (!p.waitForFinished(kStartTimeoutMs) || p.exitStatus() != QProcess::NormalExit ||
            p.exitCode() != 0)
            return std::nullopt;
        return QString::fromLocal8Bit(p.readAllStandardOutput());
    }

    void xdotool(const QStringList& args) {
        ASSERT_TRUE(runX("xdotool", args).has_value()) << "xdotool " << args.join(' ').toStdString();
    }

    static qint64 lockOwner(int display) {
        QFile lock(QStringLiteral("/tmp/.X%1-lock").arg(display));
        if (!lock.open(QIODevice::ReadOnly))
            return -1;
        bool ok = false;
        const qint64 pid = lock.readAll().trimmed().toLongLong(&ok);
        return ok ? pid : -1;
    }

    bool startXvfb() {
        // Displays 130 to 139 first; beyond them only when all are taken.
        for (int n = 130; n < 200; ++n) {
            display_ = QStringLiteral(":%1").arg(n);
            xvfb_ = newChild();
            xvfb_->setProcessChannelMode(QProcess::MergedChannels);
            xvfb_->start("Xvfb", {display_, "-screen", "0", "1280x800x24", "-nolisten", "tcp"});
            if (!xvfb_->waitForStarted(kStartTimeoutMs))
                return false;
            // Either our server answers, or it gives up because the display is
            // taken. The answer must come from our server, not from one that
            // held the display first: the display's lock file names its owner.
            const bool up = waitFor(
                [&] {
                    // Without an event loop only a wait notices the exit.
                    return xvfb_->waitForFinished(10) ||
                           (lockOwner(n) == xvfb_->processId() && runX("xdpyinfo", {}).has_value());
                },
                kStartTimeoutMs);
            if (up && xvfb_->state() == QProcess::Running)
                return true;
            stop(xvfb_);
        }
        return false;
    }

    void startTrayer() {
        trayer_ = newChild();
        trayer_->setProcessEnvironment(desktopEnv());
        trayer_->setProcessChannelMode(QProcess::MergedChannels);
        trayer_->start("trayer",
                       {"--edge", "bottom", "--align", "right", "--widthtype", "request", "--height", "24"});
        ASSERT_TRUE(trayer_->waitForStarted(kStartTimeoutMs));
    }

    void startProbe(const QStringList& args = {}) {
        probe_ = newChild();
        probe_->setProcessEnvironment(desktopEnv());
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
        const auto tree = runX("xwininfo", {"-root", "-tree"});
        if (!tree)
            return std::nullopt;
        static const QRegularExpression line(
            R"re(^(\s*)0x[0-9a-f]+ (?:"([^"]*)")?.*\s(\d+)x(\d+)[+-]-?\d+[+-]-?\d+\s+\+(-?\d+)\+(-?\d+)\s*$)re");
        std::optional<Tree> found;
        qsizetype panelIndent = -1;
        for (const QString& l : tree->split('\n')) {
            const auto m = line.match(l);
            if (!m.hasMatch())
                continue;
            const qsizetype indent = m.capturedLength(1);
            const QRect r(m.captured(5).toInt(), m.captured(6).toInt(), m.captured(3).toInt(),
                          m.captured(4).toInt());
            if (panelIndent >= 0 && indent <= panelIndent)
                panelIndent = -1; // left the panel's subtree
            if (m.captured(2) == "panel" && l.contains(R"(("panel" "trayer"))")) {
                found = Tree{r, std::nullopt};
                panelIndent = indent;
            } else if (panelIndent >= 0 && m.captured(2) == "tray_probe") {
                found->icon = r;
            }
        }
        return found;
    }

    // Mapped top-level windows of the probe at least this big.
    QList<QRect> probeWindows(int minW, int minH) {
        QList<QRect> out;
        const auto tree = runX("xwininfo", {"-root", "-children"});
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
        QElapsedTimer t;
        t.start();
        while (!done()) {
            if (t.elapsed() > timeoutMs)
                return false;
            QThread::msleep(20);
        }
        return true;
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

    QTemporaryDir runtimeDir_;
    QString display_;
    std::unique_ptr<QProcess> xvfb_, trayer_, probe_;
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
    stop(probe_);
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
    stop(trayer_);
    ASSERT_TRUE(waitForLine("undocked")) << allLines();
    startTrayer();
    ASSERT_TRUE(waitDocked()) << allLines();

    xdotool({"mousemove", QString::number(icon_.center().x()), QString::number(icon_.center().y())});
    const auto tip = waitForLine("tooltip");
    ASSERT_TRUE(tip) << allLines();
    EXPECT_EQ(*tip, "tooltip Morvek Zefra");
}

} // namespace
