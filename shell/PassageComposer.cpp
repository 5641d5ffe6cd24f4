#include "shell/PassageComposer.h"

#include "platform/Win1252.h"
#include "scripture/LibPBbl.h"
#include "sqlxml/Eval.h"
#include "sqlxml/XmlSqlDb.h"

#include <algorithm>

namespace mz {

namespace {

// A VerseID is an abbreviation, digits and colons. A text holding a quote, a
// comment mark "#", the LIKE wildcard "%", a blank or a control character
// matches no VerseID; it is kept out of the statement text, where it could
// end the quoted value early and change the statement.
bool CanMatchVerseId(std::string_view value) {
    return std::none_of(value.begin(), value.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u <= 0x20 || u == 0x7F || c == '"' || c == '\'' || c == '#' || c == '%';
    });
}

std::string Quoted(std::string_view s) {
    return "\"" + std::string(s) + "\"";
}

// The fixed words of the error messages, written here in UTF-8; the values
// put between them are Windows-1252 already.
std::string Words(std::string_view utf8) {
    return utf8ToCp1252(utf8);
}

std::string NotInVerseTable(const std::string& what) {
    return what + Words(" no está en la tabla de versículos.");
}

std::string NoSuchVerseNumber(int n) {
    return NotInVerseTable(Words("El versículo número ") + std::to_string(n));
}

} // namespace

TPassageComposer::TPassageComposer(TXmlSqlDb& db) : xmlDB(db) {
    BrkApart.AllowEmptyString = false;
    BrkApart.CaseSensitive = false;
}

int TPassageComposer::FindBreak(std::string_view text, std::string_view separator, int width) {
    if (separator.empty())
        return 0;
    width = std::max(width, 0);
    // The tail starts at the 1-based position width + length of separator.
    const size_t start = static_cast<size_t>(width) + separator.size() - 1;
    if (start >= text.size())
        return 0;
    const size_t found = text.substr(start).find(separator);
    if (found == std::string_view::npos)
        return 0;
    return static_cast<int>(found) + 1 + width;
}

bool TPassageComposer::ContainsText(std::string_view part, std::string_view text) {
    return !part.empty() && text.find(part) != std::string_view::npos;
}

std::string TPassageComposer::Wrap(std::string text, int width, std::vector<std::string>& lines) {
    // Each broken line takes at least one character, so the loop ends.
    while (static_cast<long>(text.size()) > width) {
        const int b = FindBreak(text, " ", width);
        if (b <= 0)
            break;
        lines.push_back(text.substr(0, static_cast<size_t>(b)) + "<br>");
        text.erase(0, static_cast<size_t>(b));
    }
    return text;
}

void TPassageComposer::AddWrapped(const std::string& verseText, std::string_view lastSuffix) {
    std::string last = Wrap(verseText, LineWidth, Text);
    Text.push_back(last + std::string(lastSuffix));
}

void TPassageComposer::Select(const std::string& where) {
    xmlDB.Close();
    xmlDB.SetSql("select * from " + std::string(kVerseTable) + " where " + where);
    xmlDB.Open();
}

void TPassageComposer::RequireVerseColumns() {
    if (xmlDB.FindField("ID") && xmlDB.FindField("VerseID") && xmlDB.FindField("VerseText"))
        return;
    // A failed statement yields the engine's message in the field "Result".
    std::string why;
    if (TField* result = xmlDB.FindField("Result"))
        why = ": " + result->AsString();
    throw EPassageError(Words("No se pudo leer la tabla de versículos ") + std::string(kVerseTable) + " en " +
                        Quoted(xmlDB.DataBase()) + why);
}

std::string TPassageComposer::Heading(const std::string& verseId) {
    const size_t colon = verseId.find(':');
    const std::string rest = colon == std::string::npos ? std::string() : verseId.substr(colon + 1);
    return AbbrToShortName(RefBookAbbr(verseId)) + " " + rest;
}

void TPassageComposer::ShowVerse(int n) {
    Select("ID = " + Quoted(std::to_string(n)));
    RequireVerseColumns();
    const std::string verseId = xmlDB.FieldByName("VerseID").AsString();
    const std::string verseText = xmlDB.FieldByName("VerseText").AsString();
    if (verseId.empty())
        throw EPassageError(NoSuchVerseNumber(n));
    const std::string heading = Heading(verseId);
    Text.clear();
    Text.push_back("<b>" + heading + "</b><hr><br>");
    AddWrapped(verseText, "");
}

int TPassageComposer::FindVerseNumber(std::string_view verseId) {
    const std::string notFound = NotInVerseTable(Words("El versículo ") + Quoted(verseId));
    if (!CanMatchVerseId(verseId))
        throw EPassageError(notFound);
    Select("VerseID = " + Quoted(verseId));
    RequireVerseColumns();
    const std::string id = xmlDB.FieldByName("ID").AsString();
    int32_t number = 0;
    if (id.empty())
        throw EPassageError(notFound);
    if (!ReadInt32(id, number))
        throw EPassageError("'" + id + Words("' no es un número de versículo válido (tabla ") +
                            std::string(kVerseTable) + ").");
    return number;
}

void TPassageComposer::ShowReference(std::string_view reference, std::string_view title) {
    BrkApart.Pieces.clear();
    BrkApart.BreakString = ":";
    BrkApart.BaseString = reference;
    BrkApart.BreakApart();
    if (BrkApart.Pieces.size() != 3) {
        Text.clear();
        Text.emplace_back(kNoSuchReference);
        return;
    }
    const std::string book = BrkApart.Pieces[0];
    const std::string chapter = BrkApart.Pieces[1];
    const std::string versePart = BrkApart.Pieces[2];
    if (ContainsText("-", versePart))
        ShowRange(book, chapter, versePart, reference, title);
    else
        ShowSingle(book + ":" + chapter + ":" + versePart, title);
}

void TPassageComposer::ShowRange(const std::string& book, const std::string& chapter,
                                 const std::string& versePart, std::string_view reference,
                                 std::string_view title) {
    BrkApart.Pieces.clear();
    BrkApart.BreakString = "-";
    BrkApart.BaseString = versePart;
    BrkApart.BreakApart();
    // Empty pieces are dropped, so "24-" and "-26" lack their second bound.
    const auto bound = [&](size_t i) {
        if (i >= BrkApart.Pieces.size())
            throw EPassageError(Words("Falta un número de versículo en la referencia ") + Quoted(reference) +
                                ".");
        int32_t v = 0;
        if (!ReadInt32(BrkApart.Pieces[i], v))
            throw EPassageError("'" + BrkApart.Pieces[i] +
                                Words("' no es un número de versículo válido en la referencia ") +
                                Quoted(reference) + ".");
        return v;
    };
    const int first = bound(0);
    const int last = bound(1);

    Text.clear();
    Text.push_back("<b>" + std::string(title) + "</b><br>");
    Text.push_back("<b>" + book + " " + chapter + ":" + versePart + "</b><hr><br>");

    const std::string prefix = book + ":" + chapter + ":";
    const std::string noChapter = NotInVerseTable(Words("El capítulo ") + Quoted(book + ":" + chapter));
    if (!CanMatchVerseId(prefix))
        throw EPassageError(noChapter);
    xmlDB.Close();
    xmlDB.SetSql("select * from " + std::string(kVerseTable) + " where VerseID like \"" + prefix +
                 "%\" Order By ID");
    xmlDB.Open();
    RequireVerseColumns();
    xmlDB.First();
    TField& id = xmlDB.FieldByName("ID");
    TField& verseText = xmlDB.FieldByName("VerseText");
    if (xmlDB.RecordCount() == 0)
        throw EPassageError(noChapter);
    // The ordinal of a row within its chapter is its ID minus the ID just
    // before the chapter's first row.
    const int base = id.AsInteger() - 1;
    // The whole chapter is read; the rows outside the range are skipped.
    while (!xmlDB.Eof()) {
        const int n = id.AsInteger() - base;
        if (first <= n && n <= last) {
            Text.push_back("<b>" + std::to_string(n) + ". </b>");
            AddWrapped(verseText.AsString(), "<br>");
        }
        xmlDB.Next();
    }
}

void TPassageComposer::ShowSingle(const std::string& verseId, std::string_view title) {
    const int number = FindVerseNumber(verseId);
    Select("ID = " + Quoted(std::to_string(number)));
    RequireVerseColumns();
    const std::string rowVerseId = xmlDB.FieldByName("VerseID").AsString();
    const std::string verseText = xmlDB.FieldByName("VerseText").AsString();
    if (rowVerseId.empty())
        throw EPassageError(NoSuchVerseNumber(number));
    Text.clear();
    Text.push_back("<b>" + std::string(title) + "</b><br>");
    Text.push_back("<b>" + Heading(rowVerseId) + "</b><hr><br>");
    AddWrapped(verseText, "");
}

} // namespace mz
