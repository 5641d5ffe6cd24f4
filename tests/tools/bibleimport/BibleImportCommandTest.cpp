// Runs the bibleimport command as a user would: against the installed
// Reina-Valera 1909 and King James modules, and against small modules that the
// test writes into a SWORD library of its own.
#include <gtest/gtest.h>

#include <rawtext.h>
#include <versekey.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

class BibleImportCommand : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("bibleimport-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // `swordPath` empty: the machine's own SWORD library.
    Outcome run(const std::string& args, const fs::path& swordPath = {}) {
        std::string command;
        if (!swordPath.empty())
            command = "SWORD_PATH='" + swordPath.string() + "' ";
        command += std::string("'") + MZ_BIBLEIMPORT_EXE + "' " + args + " >'" + (dir_ / "out").string() +
                   "' 2>'" + (dir_ / "err").string() + "'";
        Outcome r;
        const int raw = std::system(command.c_str());
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = readFile(dir_ / "out");
        r.err = readFile(dir_ / "err");
        return r;
    }

    // A SWORD library holding one module described by `conf`.
    fs::path library(const std::string& name, const std::string& conf) {
        const fs::path root = dir_ / "library";
        fs::create_directories(root / "mods.d");
        std::ofstream(root / "mods.d" / (name + ".conf")) << "[" << name << "]\n" << conf;
        return root;
    }

    // A King James Bible module with the given OSIS entries.
    fs::path bible(const std::vector<std::pair<std::string, std::string>>& entries) {
        const fs::path root = library("Prueba", "DataPath=./modules/texts/rawtext/prueba/\nModDrv=RawText\n"
                                                "SourceType=OSIS\nEncoding=UTF-8\nVersification=KJV\n");
        const fs::path data = root / "modules/texts/rawtext/prueba";
        fs::create_directories(data);
        sword::RawText::createModule(data.c_str());
        sword::RawText module(data.c_str());
        sword::VerseKey key;
        for (const auto& [ref, text] : entries) {
            key.setText(ref.c_str());
            module.setKey(key);
            module.setEntry(text.c_str());
        }
        return root;
    }

    fs::path dir_;
};

TEST_F(BibleImportCommand, RegeneratesTheShippedTableByteForByte) {
    const fs::path output = dir_ / "RV1960n.xml";
    const Outcome r = run("--output '" + output.string() + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              output.string() + ": 31106 versículos de spaRV1909eb (numeración: spaRV1909eb.numbering)\n");
    const std::string shipped = readFile(MZ_SOURCE_DIR "/data/RV1960n.xml");
    const std::string made = readFile(output);
    EXPECT_EQ(made.size(), shipped.size());
    EXPECT_TRUE(made == shipped) << "data/RV1960n.xml differs from a fresh import";
    EXPECT_FALSE(fs::exists(dir_ / "RV1960n.xml.tmp"));
}

TEST_F(BibleImportCommand, NamesTheBooksOfAModuleThatDoesNotFit) {
    // The King James text lacks the table's four extra verses.
    const Outcome r = run("-m engKJV2006eb -o '" + (dir_ / "kjv.xml").string() + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "bibleimport: el módulo «engKJV2006eb» no cabe en la numeración de la tabla; difieren "
                     "Salmos (falta 47:10), 2 Corintios (falta 13:15), 1 San Pedro (falta 5:15), 3 San Juan "
                     "(falta 1:15)\n");
    EXPECT_FALSE(fs::exists(dir_ / "kjv.xml"));
}

TEST_F(BibleImportCommand, RefusesWrongUsage) {
    struct Case {
        const char* args;
        const char* err;
    };
    const Case cases[] = {
        {"--frobnicate",
         "bibleimport: opción desconocida «--frobnicate» (bibleimport --help muestra las opciones)\n"},
        {"-x", "bibleimport: opción desconocida «-x» (bibleimport --help muestra las opciones)\n"},
        {"RV.xml", "bibleimport: argumento de más «RV.xml» (bibleimport --help muestra las opciones)\n"},
        {"-o", "bibleimport: falta el valor de -o\n"},
        {"--module=", "bibleimport: falta el valor de --module\n"},
    };
    for (const auto& c : cases) {
        const Outcome r = run(c.args);
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_EQ(r.err, c.err) << c.args;
        EXPECT_EQ(r.out, "") << c.args;
    }
    const Outcome help = run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("Uso: bibleimport")) << help.out;
}

TEST_F(BibleImportCommand, ReportsAModuleThatIsNotInstalled) {
    const fs::path output = dir_ / "RV1960n.xml";
    std::ofstream(output) << "earlier table";
    const Outcome r = run("-m NoExiste -o '" + output.string() + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(
        r.err.starts_with("bibleimport: el módulo «NoExiste» no está instalado (Biblias instaladas: "))
        << r.err;
    EXPECT_NE(r.err.find("spaRV1909eb"), std::string::npos) << r.err;
    EXPECT_EQ(readFile(output), "earlier table");
}

TEST_F(BibleImportCommand, ReportsAModuleThatIsNotABible) {
    const fs::path sword =
        library("Lexico", "DataPath=./modules/lexdict/rawld/lexico/lexico\nModDrv=RawLD\n");
    const Outcome r = run("-m Lexico -o '" + (dir_ / "t.xml").string() + "'", sword);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "bibleimport: el módulo «Lexico» no es una Biblia (es del tipo «Lexicons / Dictionaries»)\n");
}

TEST_F(BibleImportCommand, NamesTheVerseWhoseTextWindows1252CannotHold) {
    const fs::path sword =
        bible({{"Gen 1:1", "<w>En el principio</w>"}, {"Gen 1:2", "Y la tierra (ἔρημος)"}});
    const Outcome r = run("-m Prueba -o '" + (dir_ / "t.xml").string() + "'", sword);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "bibleimport: el módulo «Prueba» tiene en Gn:1:2 «ἔ» (U+1F14) no cabe en Windows-1252\n");
}

TEST_F(BibleImportCommand, ReportsAFaultyNumberingFileWithItsLine) {
    const fs::path sword = bible({{"Gen 1:1", "En el principio"}});
    const fs::path numbering = dir_ / "prueba.numbering";
    std::ofstream(numbering) << "# prueba\nGn:1:1 = Gn:1:2 / \"no está\"\n";
    const Outcome bad =
        run("-m Prueba -n '" + numbering.string() + "' -o '" + (dir_ / "t.xml").string() + "'", sword);
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err,
              "bibleimport: prueba.numbering: línea 2: dividir en 2 trozos no da los 1 versículos del "
              "destino\n");

    const Outcome missing = run("-m Prueba -n '" + (dir_ / "nada.numbering").string() + "'", sword);
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.starts_with("bibleimport: no se puede leer el archivo de numeración "))
        << missing.err;
}

TEST_F(BibleImportCommand, ReportsAnOutputItCannotWrite) {
    const Outcome r = run("-o '" + (dir_ / "no-such-dir" / "RV1960n.xml").string() + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.starts_with("bibleimport: no se puede escribir " + (dir_ / "no-such-dir").string()))
        << r.err;
}

} // namespace
