// A real X desktop for one test: its own Xvfb on a free display, trayer as
// the tray host, X clients (xwininfo, xdotool) run against it, and everything
// stopped again when the desktop goes. Children die with the test process if
// it dies. The program under test is started by the test with env().
//
// Needs Xvfb, trayer, xdotool, xwininfo and xdpyinfo (scripts/setup installs
// them); Available() says whether they are there.
#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <memory>
#include <optional>
#include <sys/prctl.h>

namespace mz::test {

inline constexpr int kStartTimeoutMs = 10000;
inline constexpr int kEventTimeoutMs = 5000;

inline std::unique_ptr<QProcess> NewChild() {
    auto p = std::make_unique<QProcess>();
    p->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    return p;
}

inline void Stop(std::unique_ptr<QProcess>& p) {
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

template <class Pred> bool WaitFor(Pred done, int timeoutMs) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QThread::msleep(20);
    }
    return true;
}

// One window of the X window tree, in root coordinates.
struct XWindow {
    int indent = 0; // depth in the tree, as xwininfo indents it
    QString name;
    QString classes; // the WM_CLASS text as xwininfo shows it, ("instance" "class")
    QRect rect;
};

class XDesktop {
public:
    XDesktop() = default;
    ~XDesktop() { Shutdown(); }
    XDesktop(const XDesktop&) = delete;
    XDesktop& operator=(const XDesktop&) = delete;

    static std::optional<const char*> Missing() {
        for (const char* tool : {"Xvfb", "trayer", "xdotool", "xwininfo", "xdpyinfo"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                return tool;
        return std::nullopt;
    }

    // Starts Xvfb on the first free display from `firstDisplay` on. The
    // server must not reset when its last client leaves: the readiness probe
    // is such a client, and a tray host connecting during the reset fails.
    bool StartXvfb(int firstDisplay, QSize size = QSize(1280, 800)) {
        if (!runtimeDir_.isValid())
            return false;
        for (int n = firstDisplay; n < firstDisplay + 70; ++n) {
            display_ = QStringLiteral(":%1").arg(n);
            xvfb_ = NewChild();
            xvfb_->setProcessChannelMode(QProcess::MergedChannels);
            xvfb_->start("Xvfb", {display_, "-screen", "0",
                                  QStringLiteral("%1x%2x24").arg(size.width()).arg(size.height()),
                                  "-nolisten", "tcp", "-noreset"});
            if (!xvfb_->waitForStarted(kStartTimeoutMs))
                return false;
            // Either our server answers, or it gives up because the display is
            // taken. The answer must come from our server, not from one that
            // held the display first: the display's lock file names its owner.
            const bool up = WaitFor(
                [&] {
                    // Without an event loop only a wait notices the exit.
                    return xvfb_->waitForFinished(10) ||
                           (LockOwner(n) == xvfb_->processId() && RunX("xdpyinfo", {}).has_value());
                },
                kStartTimeoutMs);
            if (up && xvfb_->state() == QProcess::Running)
                return true;
            Stop(xvfb_);
        }
        return false;
    }

    // Starts trayer at an edge of the screen ("bottom", "top") and waits for
    // its panel. A tray host that gives up at once is started again once.
    bool StartTrayer(const QString& edge = QStringLiteral("bottom")) {
        for (int attempt = 0; attempt < 2; ++attempt) {
            trayer_ = NewChild();
            trayer_->setProcessEnvironment(Env());
            trayer_->setProcessChannelMode(QProcess::MergedChannels);
            trayer_->start("trayer",
                           {"--edge", edge, "--align", "right", "--widthtype", "request", "--height", "24"});
            if (!trayer_->waitForStarted(kStartTimeoutMs))
                return false;
            if (WaitFor([&] { return trayer_->waitForFinished(10) || Panel().has_value(); },
                        kStartTimeoutMs) &&
                trayer_->state() == QProcess::Running)
                return true;
            trayerOutput_ += QString::fromLocal8Bit(trayer_->readAll());
            Stop(trayer_);
        }
        return false;
    }
    // What trayer said before it gave up, for a failure message.
    const QString& TrayerOutput() const { return trayerOutput_; }
    void StopTrayer() { Stop(trayer_); }

    void Shutdown() {
        Stop(trayer_);
        Stop(xvfb_);
    }

    // The environment of a program on this desktop: the plain X tray of this
    // display, no session bus (whose notifier would take the icon), no other
    // desktop's settings.
    QProcessEnvironment Env() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* var : {"WAYLAND_DISPLAY", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION",
                                "QT_QPA_PLATFORMTHEME", "XAUTHORITY"})
            env.remove(QString::fromLatin1(var));
        env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + runtimeDir_.filePath("no-bus"));
        env.insert("DISPLAY", display_);
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("XDG_RUNTIME_DIR", runtimeDir_.path());
        return env;
    }

    const QString& Display() const { return display_; }

    // Output of a short X client, or nothing when it fails.
    std::optional<QString> RunX(const QString& program, const QStringList& args) const {
        QProcess p;
        p.setProcessEnvironment(Env());
        p.start(program, args);
        if (!p.waitForFinished(kStartTimeoutMs) || p.exitStatus() != QProcess::NormalExit ||
            p.exitCode() != 0)
            return std::nullopt;
        return QString::fromLocal8Bit(p.readAllStandardOutput());
    }

    bool Xdotool(const QStringList& args) const { return RunX("xdotool", args).has_value(); }

    // The whole window tree.
    std::vector<XWindow> Windows() const {
        std::vector<XWindow> out;
        const auto tree = RunX("xwininfo", {"-root", "-tree"});
        if (!tree)
            return out;
        static const QRegularExpression line(
            R"re(^(\s*)0x[0-9a-f]+ (?:"([^"]*)")?:? ?(\(.*\))?\s+(\d+)x(\d+)[+-]-?\d+[+-]-?\d+\s+\+(-?\d+)\+(-?\d+)\s*$)re");
        for (const QString& l : tree->split('\n')) {
            const auto m = line.match(l);
            if (!m.hasMatch())
                continue;
            out.push_back(XWindow{static_cast<int>(m.capturedLength(1)), m.captured(2), m.captured(3),
                                  QRect(m.captured(6).toInt(), m.captured(7).toInt(), m.captured(4).toInt(),
                                        m.captured(5).toInt())});
        }
        return out;
    }

    // Trayer's panel, and the windows docked in it (its descendants).
    struct Tray {
        QRect panel;
        std::vector<XWindow> docked;
    };
    std::optional<Tray> Panel() const {
        std::optional<Tray> found;
        int panelIndent = -1;
        for (const XWindow& w : Windows()) {
            if (panelIndent >= 0 && w.indent <= panelIndent)
                panelIndent = -1; // left the panel's subtree
            if (w.name == "panel" && w.classes.contains(R"(("panel" "trayer"))")) {
                found = Tray{w.rect, {}};
                panelIndent = w.indent;
            } else if (panelIndent >= 0) {
                found->docked.push_back(w);
            }
        }
        return found;
    }

private:
    static qint64 LockOwner(int display) {
        QFile lock(QStringLiteral("/tmp/.X%1-lock").arg(display));
        if (!lock.open(QIODevice::ReadOnly))
            return -1;
        bool ok = false;
        const qint64 pid = lock.readAll().trimmed().toLongLong(&ok);
        return ok ? pid : -1;
    }

    QTemporaryDir runtimeDir_;
    QString display_;
    QString trayerOutput_;
    std::unique_ptr<QProcess> xvfb_, trayer_;
};

} // namespace mz::test
