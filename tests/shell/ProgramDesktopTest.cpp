// The program on a real X desktop, as a user meets it: installed in a
// prefix of its own, started with a one-second interval on an Xvfb with
// trayer as the tray host. No window opens at start but the tray icon; a
// passage fades in at the lower right of the work area; blocking through the
// tray menu stops the passages; "Terminar" ends the program cleanly and the
// alert window's position is in the per-user store.
#include "tests/XDesktop.h"

#include <QDir>
#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

using namespace mz::test;

constexpr QSize kScreen(1280, 800);

// The layout an installation has, with a settings file of a one-second
// interval and two seconds on screen.
class Installed {
public:
    Installed() {
        const QString app = dir_.filePath("lib/morvek-zefra");
        const QString share = dir_.filePath("share/morvek-zefra");
        QDir().mkpath(app);
        QDir().mkpath(share);
        QDir().mkpath(dir_.filePath("home"));
        QDir().mkpath(dir_.filePath("config"));
        ok_ = QFile::copy(QStringLiteral(MZ_PROGRAM), app + "/morvek-zefra") &&
              QFile::copy(QStringLiteral(MZ_DATA) + "/RV1960n.xml", share + "/RV1960n.xml") &&
              QFile::copy(QStringLiteral(MZ_DATA) + "/Favoritos.xml", app + "/Favoritos.xml") &&
              QFile::copy(QStringLiteral(MZ_DATA) + "/leeme.htm", app + "/leeme.htm");
        QFile ini(app + "/Kovrin.ini");
        ok_ = ok_ && ini.open(QIODevice::WriteOnly) &&
              ini.write("; "
                        "Kovrin\r\n\r\n\r\n[Fuente]\r\nFuenteVersos=Promesas\r\n\r\n[Frecuencia]\r\nSegundos="
                        "1\r\n\r\n"
                        "[ZefraWnd]\r\nDesplegado=2\r\nAutoHide=1\r\nIcono=0\r\nEstilo=3\r\nAmplitud=40\r\n"
                        "Posicion=1\r\n") > 0;
    }
    bool ok() const { return ok_; }
    QString program() const { return dir_.filePath("lib/morvek-zefra/morvek-zefra"); }
    QString path(const QString& rel) const { return dir_.filePath(rel); }

private:
    QTemporaryDir dir_;
    bool ok_ = false;
};

class ProgramOnDesktop : public ::testing::Test {
protected:
    void SetUp() override {
        if (const auto tool = XDesktop::Missing())
            GTEST_SKIP() << *tool << " is not installed (scripts/setup installs it)";
        ASSERT_TRUE(installed_.ok());
        ASSERT_TRUE(desk_.StartXvfb(150, kScreen)) << "no free display for Xvfb";
        // The tray at the top, so nothing lies over the popup's corner.
        ASSERT_TRUE(desk_.StartTrayer(QStringLiteral("top")))
            << "trayer never showed: " << desk_.TrayerOutput().toStdString();
    }
    void TearDown() override {
        Stop(program_);
        desk_.Shutdown();
    }

    void startProgram() {
        QProcessEnvironment env = desk_.Env();
        env.insert("HOME", installed_.path("home"));
        env.insert("XDG_CONFIG_HOME", installed_.path("config"));
        program_ = NewChild();
        program_->setProcessEnvironment(env);
        program_->setProcessChannelMode(QProcess::ForwardedChannels);
        program_->setWorkingDirectory(installed_.path("home")); // anywhere but beside the program
        program_->start(installed_.program(), {});
        ASSERT_TRUE(program_->waitForStarted(kStartTimeoutMs));
    }

    // The program's visible windows (WM_CLASS instance "morvek-zefra").
    QList<QRect> visibleWindows() {
        QList<QRect> out;
        const auto ids = desk_.RunX("xdotool", {"search", "--onlyvisible", "--classname", "morvek-zefra"});
        if (!ids)
            return out;
        for (const QString& id : ids->split('\n', Qt::SkipEmptyParts)) {
            const auto geo = desk_.RunX("xdotool", {"getwindowgeometry", "--shell", id});
            if (!geo)
                continue;
            QRect r;
            for (const QString& kv : geo->split('\n', Qt::SkipEmptyParts)) {
                const auto pair = kv.split('=');
                if (pair.size() != 2)
                    continue;
                const int v = pair[1].toInt();
                if (pair[0] == "X")
                    r.moveLeft(v);
                else if (pair[0] == "Y")
                    r.moveTop(v);
                else if (pair[0] == "WIDTH")
                    r.setWidth(v);
                else if (pair[0] == "HEIGHT")
                    r.setHeight(v);
            }
            out.append(r);
        }
        return out;
    }

    std::optional<QRect> passage() {
        // The popup is the program's window at the lower right; the tray
        // icon's own window sits in trayer's panel at the top.
        for (const QRect& r : visibleWindows())
            if (r.width() > 100 && r.height() > 40 && r.bottom() > kScreen.height() / 2)
                return r;
        return std::nullopt;
    }

    std::optional<QRect> trayIcon() {
        const auto tray = desk_.Panel();
        if (!tray)
            return std::nullopt;
        for (const auto& w : tray->docked)
            if (w.rect.width() >= 16 && w.rect.width() <= 24)
                return w.rect;
        return std::nullopt;
    }

    // Opens the tray menu with a left click and chooses an item by its
    // access key.
    void menuCommand(const QString& key) {
        const auto icon = trayIcon();
        ASSERT_TRUE(icon);
        ASSERT_TRUE(desk_.Xdotool({"mousemove", QString::number(icon->center().x()),
                                   QString::number(icon->center().y()), "click", "1"}));
        QThread::msleep(600); // the menu opens after the double-click time
        ASSERT_TRUE(desk_.Xdotool({"key", key}));
    }

    Installed installed_;
    XDesktop desk_;
    std::unique_ptr<QProcess> program_;
};

TEST_F(ProgramOnDesktop, ShowsPassagesAtTheCornerBlocksAndExits) {
    startProgram();
    ASSERT_TRUE(WaitFor([&] { return trayIcon().has_value(); }, kStartTimeoutMs)) << "the icon never docked";

    // No window at start but the tray icon and its greeting: the options
    // window stays hidden.
    for (const XWindow& w : desk_.Windows())
        EXPECT_NE(w.name, "Opciones...") << "the options window is there at start";

    // A passage within the interval, 5 pixels above the bottom and 7 from the
    // right of the work area (the whole screen, without a window manager).
    std::optional<QRect> shown;
    ASSERT_TRUE(WaitFor([&] { return (shown = passage()).has_value(); }, 4000)) << "no passage was shown";
    EXPECT_EQ(kScreen.width() - (shown->x() + shown->width()), 7);
    EXPECT_EQ(kScreen.height() - (shown->y() + shown->height()), 5);

    // Blocked: the passage on screen runs out and no other follows.
    menuCommand(QStringLiteral("b"));
    ASSERT_TRUE(WaitFor([&] { return !passage().has_value(); }, 8000)) << "the passage never went";
    QThread::msleep(2500);
    EXPECT_FALSE(passage().has_value()) << "a passage came while blocked";

    // "Terminar": the program ends cleanly and the position is kept.
    menuCommand(QStringLiteral("t"));
    ASSERT_TRUE(program_->waitForFinished(8000)) << "the program did not end";
    EXPECT_EQ(program_->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program_->exitCode(), 0);
    QSettings store(installed_.path("config") + "/MorvekZefra/UserStore.conf", QSettings::IniFormat);
    const QStringList keys = store.allKeys();
    EXPECT_TRUE(keys.filter(QRegularExpression("ALERT/X$")).size() == 1) << keys.join(' ').toStdString();
    EXPECT_TRUE(keys.filter(QRegularExpression("ALERT/Y$")).size() == 1) << keys.join(' ').toStdString();
}

} // namespace
