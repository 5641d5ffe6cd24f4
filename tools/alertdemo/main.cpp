// alertdemo: shows a sample passage in the alert window as the program
// configures it, in any of the ten styles and six positions.
#include "tools/alertdemo/AlertDemo.h"
#include "widgets/NotifyTrayIcon.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QMenu>
#include <QPalette>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <memory>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("alertdemo"));
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser args;
    args.setApplicationDescription(QStringLiteral("Muestra un zefra de ejemplo en la ventana de alerta."));
    args.addHelpOption();
    const QCommandLineOption style(QStringLiteral("alert-style"),
                                   QStringLiteral("Estilo 0 a 9 (3: Office 2003 Classic)."),
                                   QStringLiteral("n"), QStringLiteral("3"));
    const QCommandLineOption position(
        QStringLiteral("position"),
        QStringLiteral("Posición 0 a 5: arriba izquierda, arriba derecha, abajo izquierda, abajo derecha, "
                       "preestablecida, centro."),
        QStringLiteral("n"), QStringLiteral("3"));
    const QCommandLineOption cycle(QStringLiteral("cycle"),
                                   QStringLiteral("Recorre los diez estilos y luego las seis posiciones."));
    const QCommandLineOption seconds(QStringLiteral("seconds"),
                                     QStringLiteral("Segundos por paso al recorrer."), QStringLiteral("s"),
                                     QStringLiteral("4"));
    const QCommandLineOption stay(QStringLiteral("stay"), QStringLiteral("Deja el zefra en pantalla."));
    const QCommandLineOption backdrop(
        QStringLiteral("backdrop"),
        QStringLiteral("Pone un fondo de escritorio liso (para capturas sin escritorio)."));
    const QCommandLineOption quitAfter(QStringLiteral("quit-after"),
                                       QStringLiteral("Termina tras s segundos."), QStringLiteral("s"));
    const QCommandLineOption tray(
        QStringLiteral("tray"),
        QStringLiteral("Pone el icono en el área de notificación, con su menú y un globo."));
    args.addOptions({style, position, cycle, seconds, stay, backdrop, quitAfter, tray});
    args.process(app);

    const int s = args.value(style).toInt();
    const int p = args.value(position).toInt();
    if (s < 0 || s > 9 || p < 0 || p > 5) {
        std::fprintf(stderr, "alertdemo: --alert-style 0-9, --position 0-5\n");
        return 2;
    }

    // A bare X server shows a black root window; a plain window behind the
    // popup stands in for a desktop.
    std::unique_ptr<QWidget> desk;
    if (args.isSet(backdrop)) {
        desk = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint);
        desk->setAttribute(Qt::WA_ShowWithoutActivating);
        QPalette pal = desk->palette();
        pal.setColor(QPalette::Window, QColor(0x3a, 0x6e, 0xa5));
        desk->setPalette(pal);
        desk->setAutoFillBackground(true);
        desk->setGeometry(QGuiApplication::primaryScreen()->geometry());
        desk->show();
    }

    mz::AlertDemo demo;
    demo.Alert().OnAnchorClick = [](mz::TFadeAlertWindow*, const QString& anchor, mz::TMsgCollectionItem*) {
        std::printf("link: %s\n", qPrintable(anchor));
    };
    demo.Alert().OnClose = [](mz::TFadeAlertWindow*) { std::printf("closed\n"); };
    demo.SetStay(args.isSet(stay));
    if (args.isSet(cycle))
        demo.StartCycle(args.value(seconds).toInt());
    else
        demo.ShowPassage(static_cast<mz::TFadeAlertWindowStyle>(s), static_cast<mz::TWindowPosition>(p));
    // The program's icon in the tray: a left or right click opens a menu that
    // shows another passage or quits, and a balloon greets as the program does.
    QMenu menu;
    std::unique_ptr<mz::TNotifyTrayIcon> icon;
    if (args.isSet(tray)) {
        menu.addAction(QIcon(QStringLiteral(":/artwork/menu-0-programa.png")), QStringLiteral("&Otro zefra"),
                       &demo, &mz::AlertDemo::ShowNext);
        menu.addSeparator();
        menu.addAction(QIcon(QStringLiteral(":/artwork/menu-5-terminar.png")), QStringLiteral("&Terminar"),
                       &app, &QCoreApplication::quit);
        icon = std::make_unique<mz::TNotifyTrayIcon>();
        icon->setIcon(QIcon(QStringLiteral(":/artwork/morvek-zefra-22.png")));
        icon->setHint(QStringLiteral("Morvek Zefra"));
        icon->setPopupMenu(&menu);
        icon->setLeftPopup(true);
        icon->setIconVisible(true);
        icon->Loaded();
        icon->ShowBalloonHint(
            QStringLiteral("Morvek Zefra"),
            QStringLiteral("Para más opciones haga clic con el\nbotón derecho del mouse..."), 1, 10);
    }
    if (args.isSet(quitAfter))
        QTimer::singleShot(args.value(quitAfter).toInt() * 1000, &app, &QCoreApplication::quit);
    return app.exec();
}
