// Test entry point for the widget tests: a QApplication on the platform the
// environment names (offscreen under ctest) with DejaVu Sans loaded from its
// files, so that measurements hold on any machine.
#include "tests/widgets/WidgetTestSupport.h"

#include <QApplication>
#include <QFontDatabase>

#include <gtest/gtest.h>

#include <cstdlib>

namespace mz::test {

QFont dejaVu(int pointSize) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSize(pointSize);
    f.setStyleStrategy(QFont::NoFontMerging);
    return f;
}

} // namespace mz::test

namespace {

// The offscreen platform cannot raise windows or change their opacity and
// says so at every attempt; the tests read the requested values instead.
QtMessageHandler defaultHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    defaultHandler = qInstallMessageHandler(quietHandler);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (const char* file :
         {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSans-Oblique.ttf", "DejaVuSans-BoldOblique.ttf"}) {
        const QString path = QStringLiteral("/usr/share/fonts/truetype/dejavu/") + QLatin1String(file);
        if (QFontDatabase::addApplicationFont(path) < 0) {
            fprintf(stderr, "cannot load %s (package fonts-dejavu-core)\n", qPrintable(path));
            return EXIT_FAILURE;
        }
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
