// A small tray program for the desktop test: it shows the program's tray icon
// with a menu and reports on standard output, one line per event, what
// happens to it. Commands arrive on standard input, one per line.
//
// Reports:  startup | docked X Y W H | undocked | tooltip TEXT |
//           menu X Y W H | menu-hidden | options (the menu's default item) |
//           down BUTTON X Y | click | dblclick | balloon 0|1 | balloon-click |
//           enabled 0|1 | left-popup 0|1
// Commands: balloon | hide-balloon | enable | disable | left-popup |
//           no-left-popup | quit
// With the argument --balloon-at-start the probe shows a balloon right after
// its icon is put into the tray, as the program greets the user at start.
#include "widgets/NotifyTrayIcon.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QSocketNotifier>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

void report(const QString& line) {
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

QString rectText(const QRect& r) {
    return QStringLiteral("%1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QIcon probeIcon() {
    QPixmap p(22, 22);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setBrush(QColor(0x2b, 0x57, 0x9a));
    g.setPen(Qt::NoPen);
    g.drawEllipse(2, 2, 18, 18);
    return QIcon(p);
}

// Reports tooltips and the menu appearing, wherever they come from.
class Watcher : public QObject {
public:
    explicit Watcher(QMenu* menu) : menu_(menu) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* w = static_cast<QWidget*>(watched);
            if (w->windowType() == Qt::ToolTip && !QToolTip::text().isEmpty() && w->isWindow())
                report(QStringLiteral("tooltip ") + QToolTip::text());
            if (w == menu_)
                QTimer::singleShot(0, menu_, [m = menu_] { report("menu " + rectText(m->geometry())); });
        } else if (event->type() == QEvent::Hide && watched == menu_) {
            report(QStringLiteral("menu-hidden"));
        }
        return false;
    }

private:
    QMenu* menu_;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    QWidget form;
    form.setWindowTitle(QStringLiteral("Opciones"));
    QMenu menu;
    menu.addAction(QStringLiteral("&Bloquear desplegado"));
    QAction* options = menu.addAction(QStringLiteral("&Opciones..."));
    QObject::connect(options, &QAction::triggered, [] { report(QStringLiteral("options")); });
    menu.setDefaultAction(options);
    menu.addSeparator();
    menu.addAction(QStringLiteral("&Terminar"), &app, &QCoreApplication::quit);

    Watcher watcher(&menu);
    app.installEventFilter(&watcher);

    auto* tray = new mz::TNotifyTrayIcon(&form);
    tray->setHint(QStringLiteral("Morvek Zefra"));
    tray->setIcon(probeIcon());
    tray->setIconVisible(true);
    tray->setPopupMenu(&menu);
    tray->setLeftPopup(true);
    tray->setMinimizeToTray(true);
    QObject::connect(tray, &mz::TNotifyTrayIcon::OnStartup, [](bool& show) {
        show = false;
        report(QStringLiteral("startup"));
    });
    QObject::connect(tray, &mz::TNotifyTrayIcon::OnClick, [] { report(QStringLiteral("click")); });
    QObject::connect(tray, &mz::TNotifyTrayIcon::OnDblClick, [] { report(QStringLiteral("dblclick")); });
    QObject::connect(tray, &mz::TNotifyTrayIcon::OnBalloonHintClick,
                     [] { report(QStringLiteral("balloon-click")); });
    QObject::connect(tray, &mz::TNotifyTrayIcon::OnMouseDown,
                     [](Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
                         report(QStringLiteral("down %1 %2 %3").arg(int(b)).arg(x).arg(y));
                     });
    tray->Loaded();
    if (QCoreApplication::arguments().contains(QStringLiteral("--balloon-at-start"))) {
        const bool ok =
            tray->ShowBalloonHint(QStringLiteral("Morvek Zefra"), QStringLiteral("al empezar"), 1, 10);
        report(QStringLiteral("balloon %1").arg(ok ? 1 : 0));
    }

    // Docking is the desktop's business; watch the icon's place on screen.
    QRect docked;
    QTimer dockWatch;
    QObject::connect(&dockWatch, &QTimer::timeout, [&] {
        const QRect now = tray->systemTrayIcon()->geometry();
        if (now == docked)
            return;
        docked = now;
        report(now.isValid() ? "docked " + rectText(now) : QStringLiteral("undocked"));
    });
    dockWatch.start(25);

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    std::string pending;
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buf[256];
        const ssize_t n = ::read(STDIN_FILENO, buf, sizeof buf);
        if (n <= 0) {
            QCoreApplication::quit();
            return;
        }
        pending.append(buf, static_cast<size_t>(n));
        for (size_t eol; (eol = pending.find('\n')) != std::string::npos;) {
            const std::string cmd = pending.substr(0, eol);
            pending.erase(0, eol + 1);
            if (cmd == "balloon") {
                const bool ok = tray->ShowBalloonHint(QStringLiteral("Morvek Zefra"),
                                                      QStringLiteral("Para más opciones haga clic con el\r"
                                                                     "botón derecho del mouse..."),
                                                      1, 10);
                report(QStringLiteral("balloon %1").arg(ok ? 1 : 0));
            } else if (cmd == "hide-balloon") {
                tray->HideBalloonHint();
            } else if (cmd == "enable" || cmd == "disable") {
                tray->setEnabled(cmd == "enable");
                report(QStringLiteral("enabled %1").arg(tray->Enabled() ? 1 : 0));
            } else if (cmd == "left-popup" || cmd == "no-left-popup") {
                tray->setLeftPopup(cmd == "left-popup");
                report(QStringLiteral("left-popup %1").arg(tray->LeftPopup() ? 1 : 0));
            } else if (cmd == "quit") {
                QCoreApplication::quit();
            }
        }
    });
    return app.exec();
}
