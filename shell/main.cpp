// The program: a passage of the Bible, now and then, at the corner of the
// screen. It lives in the tray; its controller is TfrmDlgOpcs.
#include "platform/ProgramDirs.h"
#include "scripture/uPrmApp.h"
#include "shell/uFrmDlgOpcs.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The application's title. The display name falls back to it (the
    // error box's caption) without being added to every window's caption.
    QApplication::setApplicationName(QStringLiteral("Morvek Zefra"));
    QApplication::setDesktopFileName(QStringLiteral("morvek-zefra"));
    // The program lives in the tray: closing its last window ends nothing.
    QApplication::setQuitOnLastWindowClosed(false);

    // "Kovrin.ini" lies beside the executable.
    mz::SetProgramDirectory(mz::ExecutableDirectory());

    mz::TfrmDlgOpcs form;
    QApplication::setWindowIcon(form.windowIcon());
    return app.exec();
}
