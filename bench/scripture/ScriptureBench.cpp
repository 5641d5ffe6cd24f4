// The costs the display tick and the options dialog pay in this library: a
// random verse and its heading, a catalogue pick, and loading and saving the
// settings (the save flushes the file to disk before it replaces the old one).
#include "scripture/LibPBbl.h"
#include "scripture/uPasajes.h"
#include "scripture/uPrmApp.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

void BM_RandomVerseWithReseed(benchmark::State& state) {
    for (auto _ : state) {
        mz::Randomize();
        benchmark::DoNotOptimize(mz::RandomVerseID("Bbl"));
    }
}
BENCHMARK(BM_RandomVerseWithReseed);

void BM_HeadingOfAVerseId(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(mz::AbbrToShortName(mz::RefBookAbbr("Ap:22:21")));
}
BENCHMARK(BM_HeadingOfAVerseId);

void BM_FullNameToAbbrLastBook(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(mz::FullNameToAbbr("Apocalipsis"));
}
BENCHMARK(BM_FullNameToAbbrLastBook);

void BM_CataloguePick(benchmark::State& state) {
    for (auto _ : state) {
        const auto table = mz::PasajesDeFuente("Temas");
        benchmark::DoNotOptimize(table[mz::RandomIndex(table.size())]);
    }
}
BENCHMARK(BM_CataloguePick);

struct SettingsFile {
    std::string dir;
    mz::TIniList ini;
    SettingsFile() {
        std::string pattern = (std::filesystem::temp_directory_path() / "mz-bench-XXXXXX").string();
        dir = ::mkdtemp(pattern.data());
        std::ofstream(dir + "/Kovrin.ini", std::ios::binary) << "";
        ini.SetTitle("Kovrin");
        ini.SetIniFilename(dir + "/Kovrin.ini");
        mz::TPrmApp prm;
        mz::LoadPrmApp(prm, ini);
        mz::SavePrmApp(prm, ini);
    }
    ~SettingsFile() { std::filesystem::remove_all(dir); }
};

void BM_LoadPrmApp(benchmark::State& state) {
    SettingsFile f;
    mz::TPrmApp prm;
    for (auto _ : state)
        mz::LoadPrmApp(prm, f.ini);
}
BENCHMARK(BM_LoadPrmApp);

void BM_SavePrmApp(benchmark::State& state) {
    SettingsFile f;
    mz::TPrmApp prm;
    mz::LoadPrmApp(prm, f.ini);
    for (auto _ : state) {
        ++prm.Segundos;
        mz::SavePrmApp(prm, f.ini);
    }
}
BENCHMARK(BM_SavePrmApp)->Unit(benchmark::kMicrosecond);

} // namespace
