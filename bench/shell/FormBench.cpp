// The running program's costs, on the controller form with the shipped verse
// table: one whole display tick (the draw, the composition, message 0, the
// auto size and Show, which measures and places the popup) for a single verse
// and for ranges; and the processor time the program takes while it waits
// for its next tick.
#include "platform/ProgramDirs.h"
#include "platform/UserStore.h"
#include "scripture/uPrmApp.h"
#include "shell/uFrmDlgOpcs.h"
#include "widgets/FadeAlertWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace {

const std::string kData = std::string(MZ_SOURCE_DIR) + "/data/";

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

double CpuSeconds() {
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// The program directory of a fresh install, with the settings given and one
// favourite, in a temporary directory; and the form on it.
class Program {
public:
    Program(const std::string& fuente, const std::string& favourite) {
        char tmpl[] = "/tmp/mzbench-form-XXXXXX";
        dir_ = std::string(::mkdtemp(tmpl)) + "/";
        std::string ini = Read(kData + "Kovrin.ini");
        ini.replace(ini.find("Proverbios"), 10, fuente);
        std::ofstream(dir_ + "Kovrin.ini", std::ios::binary) << ini;
        std::ofstream(dir_ + "Favoritos.xml", std::ios::binary)
            << "<?xml version='1.0' encoding='ISO-8859-1'?>\r\n"
               "<table fields=\"ID,Titulo,VersoID\" types=\"autoinc,string,string\" lastid=\"1\">\r\n"
               "\t<record>\r\n\t\t<field>1</field>\r\n\t\t<field>Favorito</field>\r\n\t\t<field>"
            << favourite << "</field>\r\n\t</record>\r\n</table>\r\n";
        mz::SetProgramDirectory(dir_);
        store_ = std::make_unique<mz::UserStore>(QString::fromStdString(dir_ + "store.conf"));
        form_ = std::make_unique<mz::TfrmDlgOpcs>(mz::TFormEnvironment{dir_, kData, store_.get()});
    }
    ~Program() {
        form_.reset();
        std::filesystem::remove_all(dir_);
    }
    mz::TfrmDlgOpcs& form() { return *form_; }

private:
    std::string dir_;
    std::unique_ptr<mz::UserStore> store_;
    std::unique_ptr<mz::TfrmDlgOpcs> form_;
};

void Tick(benchmark::State& state, const std::string& fuente, const std::string& favourite) {
    Program program(fuente, favourite);
    for (auto _ : state) {
        program.form().ShowNextPassage();
        QCoreApplication::processEvents(); // the fade's hand-offs
    }
}

void BM_TickVerseOfTheBible(benchmark::State& state) {
    Tick(state, "Biblia", "Gn:1:1");
}
BENCHMARK(BM_TickVerseOfTheBible)->Unit(benchmark::kMillisecond);

void BM_TickFavouriteVerse(benchmark::State& state) {
    Tick(state, "Favoritos", "Jn:3:16");
}
BENCHMARK(BM_TickFavouriteVerse)->Unit(benchmark::kMillisecond);

void BM_TickFavouriteRange(benchmark::State& state) {
    Tick(state, "Favoritos", "Mt:16:24-26");
}
BENCHMARK(BM_TickFavouriteRange)->Unit(benchmark::kMillisecond);

void BM_TickLongestChapter(benchmark::State& state) {
    Tick(state, "Favoritos", "Sal:119:1-176");
}
BENCHMARK(BM_TickLongestChapter)->Unit(benchmark::kMillisecond);

void BM_TickCatalogue(benchmark::State& state) {
    Tick(state, "Promesas", "Gn:1:1");
}
BENCHMARK(BM_TickCatalogue)->Unit(benchmark::kMillisecond);

// The program waiting in the tray for its next passage: the processor time it
// takes per second of waiting.
void BM_IdleBetweenTicks(benchmark::State& state) {
    Program program("Biblia", "Gn:1:1");
    // A passage on screen has faded in and out again.
    program.form().ShowNextPassage();
    program.form().ZefraWindow->SetDisplayTime(0);
    QEventLoop settle;
    QTimer::singleShot(3000, &settle, &QEventLoop::quit);
    settle.exec();
    state.counters["countdown"] = program.form().ZefraWindow->CountdownActive();
    state.counters["fading"] = program.form().ZefraWindow->FadeRunning();
    double cpu = 0;
    double wall = 0;
    for (auto _ : state) {
        const double before = CpuSeconds();
        QElapsedTimer t;
        t.start();
        QEventLoop loop;
        QTimer::singleShot(1000, &loop, &QEventLoop::quit);
        loop.exec();
        cpu += CpuSeconds() - before;
        wall += static_cast<double>(t.elapsed()) / 1000.0;
    }
    state.counters["cpu_ms_per_s"] = wall > 0 ? cpu * 1000.0 / wall : 0;
}
BENCHMARK(BM_IdleBetweenTicks)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
