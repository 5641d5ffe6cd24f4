// Speed of the table engine on a table the shape and size of the verse table
// (31,106 records, about 6 MB) and on a favourites table of 1,000 records,
// next to a baseline that only reads the verse file line by line.
#include "sqlxml/TableFile.h"
#include "sqlxml/XmlSqlDb.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

constexpr int kVerses = 31106;
constexpr int kFavourites = 1000;

std::string RandomText(std::mt19937& rng) {
    static const char* words[] = {"y",      "el",      "de",     "la",    "que",    "en",      "Jehová",
                                  "Dios",   "tierra",  "sobre",  "hijos", "pueblo", "dijo",    "como",
                                  "porque", "todo",    "casa",   "rey",   "Israel", "corazón", "mano",
                                  "día",    "palabra", "camino", "santo", "vida",   "paz",     "misericordia",
                                  "fe",     "amor",    "gloria", "siervo"};
    // Most verses are about 150 characters, a few reach 500.
    std::uniform_int_distribution<int> usual(80, 220), long_(300, 500);
    std::uniform_int_distribution<int> w(0, sizeof words / sizeof *words - 1);
    const int target = rng() % 50 == 0 ? long_(rng) : usual(rng);
    std::string t;
    while (static_cast<int>(t.size()) < target)
        t += (t.empty() ? "" : " ") + std::string(words[w(rng)]);
    return t + ".";
}

struct Fixture {
    std::string dir;
    std::string favourites; // the favourites table's bytes, to restore it
    Fixture() {
        char tmpl[] = "/tmp/mzbench-XXXXXX";
        dir = std::string(::mkdtemp(tmpl)) + "/";
        std::mt19937 rng(42);
        std::ofstream v(dir + "RV1960n.xml", std::ios::binary);
        v << "<?xml version='1.0' encoding='ISO-8859-1'?>\r\n"
          << "<table fields=\"ID,VerseID,VerseText\" types=\"autoinc,string,string\" lastid=\"" << kVerses
          << "\">\r\n";
        int book = 1, chapter = 1, verse = 0;
        for (int id = 1; id <= kVerses; ++id) {
            if (++verse > 25 + static_cast<int>(rng() % 20)) {
                verse = 1;
                if (++chapter > 30) {
                    chapter = 1;
                    ++book;
                }
            }
            v << "\t<record>\r\n\t\t<field>" << id << "</field>\r\n\t\t<field>L" << book << ":" << chapter
              << ":" << verse << "</field>\r\n\t\t<field>" << RandomText(rng)
              << "</field>\r\n\t</record>\r\n";
        }
        v << "</table>\r\n";
        v.close();

        favourites = "<?xml version='1.0' encoding='ISO-8859-1'?>\r\n"
                     "<table fields=\"ID,Titulo,VersoID\" types=\"autoinc,string,string\" lastid=\"" +
                     std::to_string(kFavourites) + "\">\r\n";
        for (int id = 1; id <= kFavourites; ++id)
            favourites += "\t<record>\r\n\t\t<field>" + std::to_string(id) +
                          "</field>\r\n\t\t<field>Favorito " + std::to_string(id) +
                          "</field>\r\n\t\t<field>Sal:23:" + std::to_string(id % 6 + 1) +
                          "</field>\r\n\t</record>\r\n";
        favourites += "</table>\r\n";
        RestoreFavourites();
    }
    ~Fixture() { std::filesystem::remove_all(dir); }
    void RestoreFavourites() const { std::ofstream(dir + "Favoritos.xml", std::ios::binary) << favourites; }
};

const Fixture& Data() {
    static Fixture f;
    return f;
}

void RunQuery(benchmark::State& state, const std::string& sql, int expectRecords) {
    mz::TXmlSqlDb db;
    db.SetDataBase(Data().dir);
    db.SetSql(sql);
    for (auto _ : state) {
        db.Open();
        if (expectRecords >= 0 && db.RecordCount() != expectRecords)
            state.SkipWithError("unexpected result");
        benchmark::DoNotOptimize(db.RecordCount());
        db.Close();
    }
}

void BM_Baseline_ReadLines(benchmark::State& state) {
    for (auto _ : state) {
        std::ifstream in(Data().dir + "RV1960n.xml", std::ios::binary);
        std::string line;
        size_t n = 0;
        while (std::getline(in, line))
            ++n;
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_Baseline_ReadLines)->Unit(benchmark::kMillisecond);

// The engine's own line reader alone, without classifying the lines.
void BM_EngineReader_Lines(benchmark::State& state) {
    for (auto _ : state) {
        mz::TLineReader reader(mz::DefaultFileLayer().OpenRead(Data().dir + "RV1960n.xml"));
        std::string_view line;
        size_t n = 0;
        while (reader.Next(line))
            ++n;
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_EngineReader_Lines)->Unit(benchmark::kMillisecond);

void BM_Select_ById(benchmark::State& state) {
    RunQuery(state, "select * from RV1960n where ID = \"15553\"", 1);
}
BENCHMARK(BM_Select_ById)->Unit(benchmark::kMillisecond);

void BM_Select_ByVerseId(benchmark::State& state) {
    RunQuery(state, "select * from RV1960n where VerseID = \"L12:5:3\"", 1);
}
BENCHMARK(BM_Select_ByVerseId)->Unit(benchmark::kMillisecond);

void BM_Select_Chapter(benchmark::State& state) {
    RunQuery(state, "select * from RV1960n where VerseID like \"L12:5:%\" Order By ID", -1);
}
BENCHMARK(BM_Select_Chapter)->Unit(benchmark::kMillisecond);

void BM_Select_WholeTable(benchmark::State& state) {
    RunQuery(state, "select * from RV1960n", kVerses);
}
BENCHMARK(BM_Select_WholeTable)->Unit(benchmark::kMillisecond);

void BM_Favourites(benchmark::State& state, const std::string& sql) {
    mz::TXmlSqlDb db;
    db.SetDataBase(Data().dir);
    db.SetSql(sql);
    for (auto _ : state) {
        state.PauseTiming();
        Data().RestoreFavourites();
        state.ResumeTiming();
        db.Open();
        if (db.FieldCount() != 1 || db.Fields(0).AsString().rfind("Error", 0) == 0)
            state.SkipWithError("statement failed");
        db.Close();
    }
}
BENCHMARK_CAPTURE(BM_Favourites, Insert,
                  std::string("insert into Favoritos(Titulo, VersoID) values(\"Nuevo\", \"Jn:3:16\""))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Favourites, Update, std::string("update Favoritos set Titulo=\"Otro\" where ID=500"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Favourites, Delete, std::string("delete from Favoritos where ID = 500"))
    ->Unit(benchmark::kMillisecond);

} // namespace
