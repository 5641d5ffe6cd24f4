// Speed of the alert window's text and the cost of a fade.
//
// A typical passage message is a bold heading with its rule and an empty
// line, then a verse of 300 characters wrapped at 40 characters per line the
// way the program wraps verses. Measuring and drawing it must stay well under
// a millisecond. A fade with the program's values (0 to 220 in steps of 2,
// 10 ms apart, on the real clock) should cost only a few percent of one core:
// the fade counter reports the process's processor time over the wall time.
//
// Run by hand: build/bench/widgets/bench_widgets (offscreen by default).
#include "widgets/AlertWindow.h"
#include "widgets/DrawMarkup.h"
#include "widgets/FadeAlertWindow.h"
#include "widgets/ImageList.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <ctime>

namespace {

using namespace mz;

QString passage() {
    // Salmos 46:1-4 (Reina-Valera 1909), cut to 300 characters.
    const QString verse =
        QStringLiteral(
            "DIOS es nuestro amparo y fortaleza, nuestro pronto auxilio en las tribulaciones. Por tanto no "
            "temeremos aunque la tierra sea removida; aunque se traspasen los montes al coraz\u00f3n de la "
            "mar. "
            "Bram\u00e1n, turb\u00e1nse sus aguas; temblar\u00e1n los montes \u00e1 causa de su braveza. "
            "(Selah.) "
            "Del r\u00edo sus conductos alegrar\u00e1n la ciudad de Dios, el santuario de las tiendas del "
            "Alt\u00edsimo.")
            .left(300);
    QString text = QStringLiteral("<b>Salmos 46:1</b><hr><br>");
    QString rest = verse;
    while (rest.size() > 40) {
        const qsizetype blank = rest.indexOf(QLatin1Char(' '), 40);
        if (blank < 0)
            break;
        text += rest.left(blank + 1) + QStringLiteral("<br>");
        rest.remove(0, blank + 1);
    }
    return text + rest;
}

QFont passageFont() {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSize(8);
    return f;
}

void BM_MeasurePassage(benchmark::State& state) {
    const QString text = passage();
    QImage device(400, 300, QImage::Format_RGB32);
    MarkupCanvas canvas;
    canvas.device = &device;
    canvas.font = passageFont();
    MarkupOptions o;
    o.measureOnly = true;
    o.hoverStyle = true;
    for (auto _ : state) {
        MarkupResult r;
        DrawMarkup(canvas, text, QRect(25, 24, 4096, 4096), o, &r);
        benchmark::DoNotOptimize(r.height);
    }
}
BENCHMARK(BM_MeasurePassage)->Unit(benchmark::kMicrosecond);

void BM_DrawPassage(benchmark::State& state) {
    const QString text = passage();
    QImage img(320, 160, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    MarkupCanvas canvas;
    canvas.painter = &p;
    canvas.font = passageFont();
    MarkupOptions o;
    o.hoverStyle = true;
    for (auto _ : state) {
        MarkupResult r;
        DrawMarkup(canvas, text, QRect(25, 24, 280, 130), o, &r);
        benchmark::DoNotOptimize(r.height);
    }
}
BENCHMARK(BM_DrawPassage)->Unit(benchmark::kMicrosecond);

void BM_HitTestPassage(benchmark::State& state) {
    const QString text = passage() + QStringLiteral(" <a href=\"https://example.org\">m\u00e1s</a>");
    MarkupCanvas canvas;
    canvas.font = passageFont();
    MarkupOptions o;
    o.hitTest = true;
    o.point = QPoint(60, 90);
    for (auto _ : state) {
        MarkupResult r;
        benchmark::DoNotOptimize(DrawMarkup(canvas, text, QRect(25, 24, 280, 1130), o, &r));
    }
}
BENCHMARK(BM_HitTestPassage)->Unit(benchmark::kMicrosecond);

// The whole popup: auto size, then one paint (gradients, frame, caption,
// icon, the measuring for scrolling and the text).
void BM_SizeAndPaintPopup(benchmark::State& state) {
    ImageList icons(16, 16);
    QPixmap icon(16, 16);
    icon.fill(Qt::darkBlue);
    icons.add(icon);
    icons.add(icon);
    TAlertWindow popup;
    TAlertAppearance look;
    look.Font = passageFont();
    look.MarginX = 4;
    look.MarginY = 4;
    look.ShowDelete = false;
    look.ShowScrollers = true;
    look.Hover = true;
    look.Images = &icons;
    popup.SetAppearance(look);
    popup.BeginUpdate();
    popup.AddMessage(passage(), 1);
    popup.EndUpdate();
    for (auto _ : state) {
        popup.SetAutoSize(true);
        QImage img(popup.size(), QImage::Format_RGB32);
        QPainter p(&img);
        popup.Paint(p);
        benchmark::DoNotOptimize(img.bits());
    }
}
BENCHMARK(BM_SizeAndPaintPopup)->Unit(benchmark::kMicrosecond);

double processCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

// One fade-in on the real clock, with the event loop running as in the
// program; reports the processor time used as a share of one core.
void BM_FadeIn(benchmark::State& state) {
    TFadeAlertWindow alert;
    alert.SetManualCountdown(true);
    alert.SetWorkArea([] { return QRect(0, 0, 1280, 800); });
    alert.SetFont(passageFont());
    alert.SetAutoSize(true);
    alert.SetFadeTime(10);
    alert.SetFadeStep(2);
    alert.SetAlphaStart(0);
    alert.SetAlphaEnd(220);
    alert.AlertMessages().Add()->Text().Add(passage());
    double cpu = 0;
    double wall = 0;
    for (auto _ : state) {
        if (alert.Popup())
            alert.Popup()->hide();
        QElapsedTimer t;
        t.start();
        const double c0 = processCpuSeconds();
        alert.Show();
        // Blocks until the next event, as the program's event loop does.
        while (alert.FadeRunning())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        cpu += processCpuSeconds() - c0;
        wall += static_cast<double>(t.nsecsElapsed()) / 1e9;
    }
    state.counters["fade_s"] = wall / static_cast<double>(state.iterations());
    state.counters["cpu_%_of_core"] = 100.0 * cpu / wall;
}
BENCHMARK(BM_FadeIn)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
