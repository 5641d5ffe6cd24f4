// Speed of one display tick against the shipped verse table (31,106 verses,
// about 6.6 MB): a random verse of the Bible (one scan by ID), a favourite
// that is one verse (the favourites table, then a scan by VerseID and one by
// ID), a favourite that is a range (the favourites table, then one scan for
// the chapter), a whole long chapter, and a catalogue tick; plus the
// composition alone for a verse and a range. The peak resident memory of the
// process is reported with each.
#include "shell/DisplayTick.h"
#include "shell/PassageComposer.h"
#include "sqlxml/XmlSqlDb.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

const std::string kVerseDir = std::string(MZ_SOURCE_DIR) + "/data/";

double PeakRssMb() {
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_maxrss) / 1024.0; // kilobytes on Linux
}

// A favourites table of one record in a directory of its own.
class OneFavourite {
public:
    explicit OneFavourite(const std::string& reference) {
        char tmpl[] = "/tmp/mzbench-shell-XXXXXX";
        dir_ = std::string(::mkdtemp(tmpl)) + "/";
        std::ofstream(dir_ + "Favoritos.xml", std::ios::binary)
            << "<?xml version='1.0' encoding='ISO-8859-1'?>\r\n"
               "<table fields=\"ID,Titulo,VersoID\" types=\"autoinc,string,string\" lastid=\"1\">\r\n"
               "\t<record>\r\n\t\t<field>1</field>\r\n\t\t<field>Favorito</field>\r\n\t\t<field>"
            << reference << "</field>\r\n\t</record>\r\n</table>\r\n";
    }
    ~OneFavourite() { std::filesystem::remove_all(dir_); }
    const std::string& dir() const { return dir_; }

private:
    std::string dir_;
};

void RunTicks(benchmark::State& state, const mz::TSourceChoice& source, const std::string& exeDir,
              size_t minLines) {
    mz::TXmlSqlDb db;
    db.SetDataBase(kVerseDir);
    mz::TPassageComposer composer(db);
    composer.LineWidth = 40;
    mz::TDisplayTick tick(db, composer);
    tick.WindowsDir = kVerseDir;
    tick.ExeDir = exeDir;
    for (auto _ : state) {
        const mz::TTickResult r = tick.ShowNextPassage(source);
        if (r.Lines.size() < minLines)
            state.SkipWithError("passage not composed");
        benchmark::DoNotOptimize(r.AutoSize);
    }
    state.counters["peak_rss_MB"] = PeakRssMb();
}

void BM_Tick_VerseOfTheBible(benchmark::State& state) {
    RunTicks(state, {mz::TFuente::Biblia, {}}, kVerseDir, 2);
}
BENCHMARK(BM_Tick_VerseOfTheBible)->Unit(benchmark::kMillisecond);

void BM_Tick_FavouriteVerse(benchmark::State& state) {
    const OneFavourite fav("Gl:5:24");
    RunTicks(state, {mz::TFuente::Favoritos, {}}, fav.dir(), 4);
}
BENCHMARK(BM_Tick_FavouriteVerse)->Unit(benchmark::kMillisecond);

void BM_Tick_FavouriteRange(benchmark::State& state) {
    const OneFavourite fav("Mt:16:24-26");
    RunTicks(state, {mz::TFuente::Favoritos, {}}, fav.dir(), 14);
}
BENCHMARK(BM_Tick_FavouriteRange)->Unit(benchmark::kMillisecond);

void BM_Tick_FavouriteLongChapter(benchmark::State& state) {
    const OneFavourite fav("Sal:119:1-176");
    RunTicks(state, {mz::TFuente::Favoritos, {}}, fav.dir(), 2 + 2 * 176);
}
BENCHMARK(BM_Tick_FavouriteLongChapter)->Unit(benchmark::kMillisecond);

void BM_Tick_Promesas(benchmark::State& state) {
    RunTicks(state, {mz::TFuente::Promesas, {}}, kVerseDir, 3);
}
BENCHMARK(BM_Tick_Promesas)->Unit(benchmark::kMillisecond);

void BM_Compose(benchmark::State& state, const std::string& reference) {
    mz::TXmlSqlDb db;
    db.SetDataBase(kVerseDir);
    mz::TPassageComposer composer(db);
    composer.LineWidth = 40;
    for (auto _ : state) {
        composer.ShowReference(reference, "Abnegaci\xF3n");
        benchmark::DoNotOptimize(composer.Text.data());
    }
    state.counters["peak_rss_MB"] = PeakRssMb();
}
BENCHMARK_CAPTURE(BM_Compose, Verse, std::string("Gl:5:24"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Compose, Range, std::string("Mt:16:24-26"))->Unit(benchmark::kMillisecond);

} // namespace
