#include "scripture/PasajesSource.h"

#include "platform/Win1252.h"

#include <cstdio>

namespace mz {

namespace {

bool hasControl(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return true;
    return false;
}

std::string unescapeTitle(std::string_view title) {
    std::string out;
    for (std::size_t i = 0; i < title.size(); ++i) {
        if (title[i] == '\\' && i + 1 < title.size() && title[i + 1] == 'r') {
            out += '\r';
            ++i;
        } else {
            out += title[i];
        }
    }
    return out;
}

// A C++ string literal for Windows-1252 bytes. Octal escapes take at most
// three digits, so no following character can run into them.
std::string literal(std::string_view bytes) {
    std::string out = "\"";
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        // "\?" keeps two question marks from reading as a trigraph to older tools.
        if (c == '"' || c == '\\' || c == '?') {
            out += '\\';
            out += c;
        } else if (c == '\r') {
            out += "\\r";
        } else if (b < 0x20 || b >= 0x7F) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\%03o", b);
            out += esc;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

} // namespace

bool ParsePasajesSource(std::string_view utf8, std::string_view fileName, std::vector<PasajeFuente>& out,
                        std::string& error) {
    if (utf8.substr(0, 3) == "\xEF\xBB\xBF")
        utf8.remove_prefix(3);
    int lineNo = 0;
    auto fail = [&](const std::string& what) {
        error = std::string(fileName) + ":" + std::to_string(lineNo) + ": " + what;
        return false;
    };
    while (!utf8.empty()) {
        ++lineNo;
        const std::size_t end = utf8.find('\n');
        std::string_view line = utf8.substr(0, end);
        utf8.remove_prefix(end == std::string_view::npos ? utf8.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);

        if (line.empty())
            return fail("empty line");
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos)
            return fail("no tab between title and reference");
        const std::string_view title = line.substr(0, tab);
        const std::string_view reference = line.substr(tab + 1);
        if (reference.find('\t') != std::string_view::npos)
            return fail("more than one tab");
        if (title.empty())
            return fail("empty title");
        if (reference.empty())
            return fail("empty reference");
        if (hasControl(title) || hasControl(reference))
            return fail("control character");

        PasajeFuente p;
        bool lossless = true;
        bool referenceLossless = true;
        p.Titulo = unescapeTitle(utf8ToCp1252(title, &lossless));
        p.Referencia = utf8ToCp1252(reference, &referenceLossless);
        if (!lossless || !referenceLossless)
            return fail("invalid UTF-8 or a character that Windows-1252 lacks");
        out.push_back(std::move(p));
    }
    return true;
}

std::string EmitPasajesCpp(std::string_view ns, const std::vector<TablaFuente>& tables) {
    std::string out = "// Generated at build time from the catalogue source files. Do not edit.\n"
                      "#include \"scripture/uPasajes.h\"\n\n"
                      "namespace " +
                      std::string(ns) + " {\n\nnamespace {\n";
    for (const TablaFuente& t : tables) {
        if (t.Pasajes.empty())
            continue;
        out += "\nconstexpr mz::TPasaje k" + t.Nombre + "[] = {\n";
        for (const PasajeFuente& p : t.Pasajes)
            out += "    {" + literal(p.Titulo) + ", " + literal(p.Referencia) + "},\n";
        out += "};\n";
    }
    out += "\n} // namespace\n\n";
    // Declared extern first: a const object at namespace scope is otherwise
    // local to this file.
    for (const TablaFuente& t : tables)
        out += "extern const std::span<const mz::TPasaje> " + t.Nombre + ";\n";
    for (const TablaFuente& t : tables) {
        out += "constinit const std::span<const mz::TPasaje> " + t.Nombre;
        out += t.Pasajes.empty() ? "{};\n" : "{k" + t.Nombre + "};\n";
    }
    out += "\n} // namespace " + std::string(ns) + "\n";
    return out;
}

} // namespace mz
