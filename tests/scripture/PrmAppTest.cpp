#include "platform/Win1252.h"
#include "scripture/uPrmApp.h"
#include "tests/scripture/FaultyFileLayer.h"
#include "tests/scripture/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

using mz::test::TempDir;

// The file as SavePrmApp writes the defaults into an empty file.
const std::string kDefaultsFile = "; Kovrin\r\n"
                                  "\r\n"
                                  "\r\n"
                                  "[Fuente]\r\n"
                                  "FuenteVersos=Proverbios\r\n"
                                  "\r\n"
                                  "[Frecuencia]\r\n"
                                  "Segundos=900\r\n"
                                  "\r\n"
                                  "[ZefraWnd]\r\n"
                                  "Desplegado=10\r\n"
                                  "AutoHide=1\r\n"
                                  "Icono=0\r\n"
                                  "Estilo=3\r\n"
                                  "Amplitud=40\r\n"
                                  "Posicion=1\r\n";

// The defaults file from `text` on.
std::string from(const char* text) {
    return kDefaultsFile.substr(kDefaultsFile.find(text));
}

mz::TPrmApp defaults() {
    mz::TPrmApp d;
    d.FuenteVersos = "Proverbios";
    d.Segundos = 900;
    d.Posicion = 1;
    d.Amplitud = 40;
    d.Estilo = 3;
    d.Icono = 0;
    d.AutoHide = true;
    d.Desplegado = 10;
    return d;
}

// A settings file in a fresh directory with the list that reads it.
struct Settings {
    TempDir dir;
    mz::TIniList ini;
    explicit Settings(const std::string& bytes, mz::FileLayer& files = mz::DefaultSettingsFileLayer())
        : ini(files) {
        dir.write("Kovrin.ini", bytes);
        ini.SetTitle("Kovrin");
        ini.SetIniFilename(dir.file("Kovrin.ini"));
    }
    mz::TPrmApp load() {
        mz::TPrmApp prm;
        mz::LoadPrmApp(prm, ini);
        return prm;
    }
    std::string file() const { return dir.read("Kovrin.ini"); }
};

TEST(PrmApp, AnEmptyFileLoadsDefaultsAndSavesTheSixteenLines) {
    Settings s("");
    mz::TPrmApp prm = s.load();
    EXPECT_EQ(prm, defaults());
    mz::SavePrmApp(prm, s.ini);
    EXPECT_EQ(s.file(), kDefaultsFile);

    // A later save rewrites the same lines in place.
    prm.FuenteVersos = mz::utf8ToCp1252("Génesis");
    prm.Segundos = 65535;
    prm.AutoHide = false;
    prm.Posicion = 5;
    mz::SavePrmApp(prm, s.ini);
    std::string expected = kDefaultsFile;
    for (auto [from, to] : {std::pair<std::string, std::string>{"=Proverbios", "=G\xE9nesis"},
                            {"=900", "=65535"},
                            {"AutoHide=1", "AutoHide=0"},
                            {"Posicion=1", "Posicion=5"}})
        expected.replace(expected.find(from), from.size(), to);
    EXPECT_EQ(s.file(), expected);
    EXPECT_EQ(s.load(), prm);
}

TEST(PrmApp, ValuesLoadWithDefaultsAndTruncation) {
    const struct {
        const char* section;
        const char* line;
        void (*check)(const mz::TPrmApp&);
    } cases[] = {
        {"Fuente", "FuenteVersos=", [](const mz::TPrmApp& p) { EXPECT_EQ(p.FuenteVersos, "Proverbios"); }},
        {"Fuente", "FuenteVersos=G\xE9nesis",
         [](const mz::TPrmApp& p) { EXPECT_EQ(p.FuenteVersos, "G\xE9nesis"); }},
        {"Fuente", "FuenteVersos= Salmos ",
         [](const mz::TPrmApp& p) { EXPECT_EQ(p.FuenteVersos, " Salmos "); }},
        {"Frecuencia", "Segundos=abc", [](const mz::TPrmApp& p) { EXPECT_EQ(p.Segundos, 900); }},
        {"Frecuencia", "Segundos= 600", [](const mz::TPrmApp& p) { EXPECT_EQ(p.Segundos, 600); }},
        {"Frecuencia", "Segundos=600 ", [](const mz::TPrmApp& p) { EXPECT_EQ(p.Segundos, 900); }},
        {"Frecuencia", "Segundos=-1", [](const mz::TPrmApp& p) { EXPECT_EQ(p.Segundos, 65535); }},
        {"Frecuencia", "Segundos=86340", [](const mz::TPrmApp& p) { EXPECT_EQ(p.Segundos, 86340 - 65536); }},
        {"Frecuencia", "segundos=600", [](const mz::TPrmApp& p) { EXPECT_EQ(p.Segundos, 600); }},
        {"ZefraWnd", "AutoHide=0", [](const mz::TPrmApp& p) { EXPECT_FALSE(p.AutoHide); }},
        {"ZefraWnd", "AutoHide=true", [](const mz::TPrmApp& p) { EXPECT_TRUE(p.AutoHide); }},
        {"ZefraWnd", "AutoHide=2", [](const mz::TPrmApp& p) { EXPECT_TRUE(p.AutoHide); }},
        {"ZefraWnd", "Posicion=257", [](const mz::TPrmApp& p) { EXPECT_EQ(p.Posicion, 1); }},
        {"ZefraWnd", "Icono=300", [](const mz::TPrmApp& p) { EXPECT_EQ(p.Icono, 44); }},
        {"ZefraWnd", "Amplitud=-1", [](const mz::TPrmApp& p) { EXPECT_EQ(p.Amplitud, 255); }},
        {"ZefraWnd", "Estilo=9", [](const mz::TPrmApp& p) { EXPECT_EQ(p.Estilo, 9); }},
        {"ZefraWnd", "Desplegado=65536", [](const mz::TPrmApp& p) { EXPECT_EQ(p.Desplegado, 0); }},
        {"ZefraWnd", "Desplegado=x", [](const mz::TPrmApp& p) { EXPECT_EQ(p.Desplegado, 10); }},
    };
    for (const auto& c : cases) {
        Settings s(std::string("; Kovrin\r\n\r\n[") + c.section + "]\r\n" + c.line + "\r\n");
        SCOPED_TRACE(c.line);
        c.check(s.load());
    }
}

TEST(PrmApp, SectionNamesMatchExactly) {
    Settings s("[fuente]\r\nFuenteVersos=Salmos\r\n");
    mz::TPrmApp prm = s.load();
    EXPECT_EQ(prm.FuenteVersos, "Proverbios");
    mz::SavePrmApp(prm, s.ini);
    EXPECT_EQ(s.file(), "; Kovrin\r\n\r\n[fuente]\r\nFuenteVersos=Salmos\r\n\r\n" + from("[Fuente]"));
    EXPECT_EQ(s.load().FuenteVersos, "Proverbios");
}

TEST(PrmApp, KeyNamesIgnoreCaseAndAreRewrittenInPlace) {
    Settings s("; Kovrin\r\n[Frecuencia]\r\nsegundos=600\r\n; kept\r\n");
    mz::TPrmApp prm = s.load();
    EXPECT_EQ(prm.Segundos, 600);
    prm.Segundos = 1200;
    mz::SavePrmApp(prm, s.ini);
    EXPECT_EQ(s.file(), "; Kovrin\r\n[Frecuencia]\r\nSegundos=1200\r\n; kept\r\n\r\n[Fuente]\r\n"
                        "FuenteVersos=Proverbios\r\n" +
                            from("\r\n[ZefraWnd]"));
}

TEST(PrmApp, KeysBehindABlankLineAreHidden) {
    Settings s("; Kovrin\r\n"
               "[ZefraWnd]\r\n"
               "\r\n"
               "Posicion=4\r\n"
               "Estilo=7\r\n");
    mz::TPrmApp prm = s.load();
    EXPECT_EQ(prm.Posicion, 1);
    EXPECT_EQ(prm.Estilo, 3);
    mz::SavePrmApp(prm, s.ini);
    EXPECT_EQ(s.file(), "; Kovrin\r\n"
                        "[ZefraWnd]\r\n"
                        "Desplegado=10\r\n"
                        "AutoHide=1\r\n"
                        "Icono=0\r\n"
                        "Estilo=3\r\n"
                        "Amplitud=40\r\n"
                        "Posicion=1\r\n"
                        "\r\n"
                        "Posicion=4\r\n"
                        "Estilo=7\r\n"
                        "\r\n"
                        "[Fuente]\r\n"
                        "FuenteVersos=Proverbios\r\n"
                        "\r\n"
                        "[Frecuencia]\r\n"
                        "Segundos=900\r\n");
}

TEST(PrmApp, CommentsAndOtherEntriesSurvive) {
    const std::string other = "[Otro]\r\n"
                              "; a comment\r\n"
                              "clave=valor\r\n";
    const struct {
        std::string before;
        std::string expectedStart;
    } cases[] = {
        // The first line becomes the title line, or one is put on top.
        {"; Mi archivo\r\n" + other, "; Kovrin\r\n" + other},
        {other, "; Kovrin\r\n\r\n" + other},
        {"\r\n" + other, "; Kovrin\r\n\r\n\r\n" + other},
    };
    for (const auto& c : cases) {
        Settings s(c.before);
        mz::TPrmApp prm = s.load();
        EXPECT_EQ(prm, defaults());
        mz::SavePrmApp(prm, s.ini);
        EXPECT_EQ(s.file().substr(0, c.expectedStart.size()), c.expectedStart);
        EXPECT_EQ(s.ini.ReadString("Otro", "clave", ""), "valor");
    }
}

TEST(PrmApp, AFailedLoadLeavesTheRecordAndCreatesNothing) {
    TempDir dir;
    mz::TIniList ini;
    ini.SetIniFilename(dir.file("Kovrin.ini"));
    mz::TPrmApp prm; // all zero, as at start-up
    EXPECT_THROW(mz::LoadPrmApp(prm, ini), mz::FileError);
    EXPECT_EQ(prm, mz::TPrmApp{});
    prm = defaults();
    prm.Estilo = 8;
    const mz::TPrmApp kept = prm;
    EXPECT_THROW(mz::LoadPrmApp(prm, ini), mz::FileError);
    EXPECT_EQ(prm, kept);
    EXPECT_FALSE(dir.exists("Kovrin.ini"));
}

TEST(PrmApp, AFailedSaveKeepsTheOldFileWhole) {
    mz::test::FaultyFileLayer faulty;
    Settings s(kDefaultsFile, faulty);
    mz::TPrmApp prm = s.load();
    prm.FuenteVersos = "Salmos";
    faulty.failAt = mz::test::FaultyFileLayer::Step::WriteSome;
    faulty.error = ENOSPC;
    EXPECT_THROW(mz::SavePrmApp(prm, s.ini), mz::FileError);
    EXPECT_EQ(s.file(), kDefaultsFile);
    EXPECT_EQ(s.ini.ReadString("Fuente", "FuenteVersos", ""), "Salmos");
    EXPECT_EQ(s.dir.names(), std::vector<std::string>{"Kovrin.ini"});
}

TEST(PrmApp, TheProgramsListReadsKovrinIniInTheProgramDirectory) {
    const std::string exeDir = std::filesystem::canonical("/proc/self/exe").parent_path().string() + "/";
    EXPECT_EQ(mz::ProgramDirectory(), exeDir);
    EXPECT_EQ(mz::PrmIniList().IniFilename(), exeDir + "Kovrin.ini");
    EXPECT_EQ(mz::PrmIniList().Title(), "Kovrin");

    TempDir dir;
    mz::SetProgramDirectory(dir.dir().substr(0, dir.dir().size() - 1)); // the "/" is added
    EXPECT_EQ(mz::ProgramDirectory(), dir.dir());
    EXPECT_EQ(mz::PrmIniList().IniFilename(), dir.file("Kovrin.ini"));
    dir.write("Kovrin.ini", "");
    mz::LoadPrmApp(mz::PrmApp);
    EXPECT_EQ(mz::PrmApp, defaults());
    mz::SavePrmApp(mz::PrmApp);
    EXPECT_EQ(dir.read("Kovrin.ini"), kDefaultsFile);
    mz::SetProgramDirectory(exeDir);
}

} // namespace
