#include "tools/bibleimport/Importer.h"

#include "tools/bibleimport/ChapterCapitals.h"
#include "tools/bibleimport/Layout.h"
#include "tools/bibleimport/Numbering.h"
#include "tools/bibleimport/Renumber.h"
#include "tools/bibleimport/SwordLibrary.h"
#include "tools/bibleimport/VerseTable.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

#ifndef MZ_BIBLEIMPORT_NUMBERING_DIR
#define MZ_BIBLEIMPORT_NUMBERING_DIR "."
#endif

namespace mz::bibleimport {

namespace {

constexpr const char* kUsage =
    "Uso: bibleimport [-m MÓDULO] [-o ARCHIVO] [-n NUMERACIÓN]\n"
    "Lee un módulo de Biblia de SWORD instalado y escribe la tabla de versículos.\n"
    "  -m, --module MÓDULO       módulo de SWORD (por omisión spaRV1909eb)\n"
    "  -o, --output ARCHIVO      tabla que se escribe (por omisión RV1960n.xml)\n"
    "  -n, --numbering ARCHIVO   archivo de numeración (por omisión el del módulo,\n"
    "                            MÓDULO.numbering junto al importador, si existe)\n"
    "  -h, --help                muestra esta ayuda\n";

struct Options {
    std::string module = "spaRV1909eb";
    std::string output = "RV1960n.xml";
    std::string numbering;
    bool help = false;
};

// Returns the usage error, empty when the arguments are fine.
std::string parseArgs(const std::vector<std::string>& args, Options& o) {
    for (size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::string value;
        bool hasValue = false;
        if (arg.starts_with("--")) {
            if (const size_t eq = arg.find('='); eq != std::string::npos) {
                value = arg.substr(eq + 1);
                arg = arg.substr(0, eq);
                hasValue = true;
            }
        }
        std::string* target = nullptr;
        if (arg == "-h" || arg == "--help") {
            o.help = true;
            continue;
        }
        if (arg == "-m" || arg == "--module")
            target = &o.module;
        else if (arg == "-o" || arg == "--output")
            target = &o.output;
        else if (arg == "-n" || arg == "--numbering")
            target = &o.numbering;
        else if (arg.starts_with("-"))
            return "opción desconocida «" + arg + "» (bibleimport --help muestra las opciones)";
        else
            return "argumento de más «" + arg + "» (bibleimport --help muestra las opciones)";
        if (!hasValue) {
            if (i + 1 >= args.size())
                return "falta el valor de " + arg;
            value = args[++i];
        }
        if (value.empty())
            return "falta el valor de " + arg;
        *target = value;
    }
    return {};
}

std::string joined(const std::vector<std::string>& items) {
    std::string s;
    for (const auto& i : items)
        s += (s.empty() ? "" : ", ") + i;
    return s.empty() ? "ninguno" : s;
}

class Import {
public:
    Import(Options options, std::ostream& out, std::ostream& err, bool terminal)
        : o_(std::move(options)), out_(out), err_(err), terminal_(terminal) {}

    int run() {
        SwordLibrary library;
        std::string error;
        NumberingPlan plan;
        std::string planName = "ninguna";
        if (!loadPlan(plan, planName))
            return 1;

        std::optional<Layout> layout = standardLayout(library.versification("KJV"), error);
        if (!layout)
            return fail(error);

        SourceBible source;
        std::vector<std::string> skipped;
        std::string kind;
        const auto status = library.read(
            o_.module, *layout, source, skipped, kind, [&](const std::string& book, int index, int count) {
                const int known = layout->findOsis(book);
                show("Leyendo " + o_.module + ": " + (known < 0 ? book : layout->books()[known].name) + " (" +
                     std::to_string(index) + "/" + std::to_string(count) + ")");
            });
        if (status == SwordLibrary::Status::NotInstalled)
            return fail("el módulo «" + o_.module +
                        "» no está instalado (Biblias instaladas: " + joined(library.bibles()) + ")");
        if (status == SwordLibrary::Status::NotABible)
            return fail("el módulo «" + o_.module + "» no es una Biblia (es del tipo «" + kind + "»)");

        show("Limpiando el texto");
        if (!clean(*layout, plan, source))
            return 1;

        show("Numerando");
        RenumberResult numbered = renumber(*layout, plan, source);
        if (!numbered.error.empty())
            return fail(numbered.planError ? planName + ": " + numbered.error
                                           : "el módulo «" + o_.module + "» " + numbered.error);

        show("Escribiendo " + o_.output);
        std::optional<std::string> table = formatVerseTable(*layout, numbered.verses, error);
        if (!table)
            return fail("el módulo «" + o_.module + "» tiene en " + error);
        if (!write(*table))
            return 1;
        clearLine();
        out_ << o_.output << ": " << numbered.verses.size() << " versículos de " << o_.module
             << " (numeración: " << planName << ")";
        if (!skipped.empty())
            out_ << "; libros omitidos: " << joined(skipped);
        out_ << "\n";
        return 0;
    }

private:
    bool loadPlan(NumberingPlan& plan, std::string& name) {
        std::filesystem::path path = o_.numbering;
        if (path.empty()) {
            path = std::filesystem::path(MZ_BIBLEIMPORT_NUMBERING_DIR) / (o_.module + ".numbering");
            if (!std::filesystem::exists(path))
                return true;
        }
        name = path.filename().string();
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            fail("no se puede leer el archivo de numeración " + path.string() + ": " + std::strerror(errno));
            return false;
        }
        std::stringstream text;
        text << in.rdbuf();
        std::vector<std::string> abbrs;
        for (const auto& b : tableBooks())
            abbrs.emplace_back(b.abbr);
        std::string error;
        auto parsed = parseNumbering(text.str(), abbrs, error);
        if (!parsed) {
            fail(name + ": " + error);
            return false;
        }
        plan = std::move(*parsed);
        return true;
    }

    bool clean(const Layout& layout, const NumberingPlan& plan, SourceBible& source) {
        NameIndex names;
        if (plan.dropCapitals)
            for (const auto& book : source.books)
                for (const auto& chapter : book.chapters)
                    for (const auto& verse : chapter)
                        names.add(verse);
        for (int b = 0; b < static_cast<int>(source.books.size()); ++b) {
            auto& chapters = source.books[b].chapters;
            for (int c = 1; c <= static_cast<int>(chapters.size()); ++c) {
                bool opening = true;
                for (int v = 1; v <= static_cast<int>(chapters[c - 1].size()); ++v) {
                    std::string& text = chapters[c - 1][v - 1];
                    if (text.empty())
                        continue;
                    if (plan.dropCapitals)
                        text = normaliseOpening(text, opening, names);
                    opening = false;
                    if (const std::string problem = tableTextProblem(text); !problem.empty()) {
                        fail("el módulo «" + o_.module + "» tiene en " + layout.verseId({b, c, v}) + " " +
                             problem);
                        return false;
                    }
                }
            }
        }
        return true;
    }

    bool write(const std::string& table) {
        const std::filesystem::path target = o_.output;
        std::filesystem::path temp = target;
        temp += ".tmp";
        {
            std::ofstream file(temp, std::ios::binary | std::ios::trunc);
            if (!file) {
                fail("no se puede escribir " + target.string() + ": " + std::strerror(errno));
                return false;
            }
            file.write(table.data(), static_cast<std::streamsize>(table.size()));
            file.flush();
            if (!file) {
                const std::string reason = std::strerror(errno);
                file.close();
                std::filesystem::remove(temp);
                fail("no se puede escribir " + target.string() + ": " + reason);
                return false;
            }
        }
        std::error_code ec;
        std::filesystem::rename(temp, target, ec);
        if (ec) {
            std::filesystem::remove(temp);
            fail("no se puede escribir " + target.string() + ": " + ec.message());
            return false;
        }
        return true;
    }

    void show(const std::string& what) {
        if (!terminal_)
            return;
        err_ << "\r\x1b[K" << what << std::flush;
        shown_ = true;
    }

    void clearLine() {
        if (shown_)
            err_ << "\r\x1b[K" << std::flush;
        shown_ = false;
    }

    int fail(const std::string& message) {
        clearLine();
        err_ << "bibleimport: " << message << "\n";
        return 1;
    }

    Options o_;
    std::ostream& out_;
    std::ostream& err_;
    bool terminal_;
    bool shown_ = false;
};

} // namespace

int runImport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool terminal) {
    Options options;
    if (const std::string usage = parseArgs(args, options); !usage.empty()) {
        err << "bibleimport: " << usage << "\n";
        return 2;
    }
    if (options.help) {
        out << kUsage;
        return 0;
    }
    return Import(std::move(options), out, err, terminal).run();
}

} // namespace mz::bibleimport
