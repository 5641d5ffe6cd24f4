#include "tools/bibleimport/VerseTable.h"

#include "platform/Win1252.h"
#include "tools/bibleimport/Unicode.h"

#include <cstdio>

namespace mz::bibleimport {

namespace {

constexpr std::string_view kEol = "\r\n";

std::string describe(char32_t c) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
        return code;
    return "«" + encodeUtf8(std::u32string(1, c)) + "» (" + code + ")";
}

} // namespace

std::string tableTextProblem(std::string_view utf8) {
    const std::u32string text = decodeUtf8(utf8);
    if (text.empty())
        return "texto vacío";
    for (char32_t c : text) {
        if (c == '<')
            return "«<» no cabe en un valor de la tabla";
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
            return describe(c) + " no cabe en un valor de la tabla";
        if (c == 0xFFFD || codePointToCp1252(c) < 0)
            return describe(c) + " no cabe en Windows-1252";
    }
    return {};
}

std::optional<std::string> formatVerseTable(const Layout& layout, const std::vector<TableVerse>& verses,
                                            std::string& error) {
    std::string out;
    out.reserve(verses.size() * 200);
    out += "<?xml version='1.0' encoding='ISO-8859-1'?>";
    out += kEol;
    out += "<table fields=\"ID,VerseID,VerseText\" types=\"integer,string,string\">";
    out += kEol;
    for (const auto& v : verses) {
        if (const std::string problem = tableTextProblem(v.text); !problem.empty()) {
            error = layout.verseId(v.ref) + ": " + problem;
            return std::nullopt;
        }
        out += "\t<record>";
        out += kEol;
        out += "\t\t<field>" + std::to_string(layout.idOf(v.ref)) + "</field>";
        out += kEol;
        out += "\t\t<field>" + layout.verseId(v.ref) + "</field>";
        out += kEol;
        out += "\t\t<field>" + utf8ToCp1252(v.text) + "</field>";
        out += kEol;
        out += "\t</record>";
        out += kEol;
    }
    out += "</table>";
    out += kEol;
    return out;
}

} // namespace mz::bibleimport
