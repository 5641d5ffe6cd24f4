// TPassageComposer: turns a drawn passage into the lines of the alert
// window's message.
//
// ShowVerse composes one verse given by its number in the verse table;
// ShowReference composes a titled reference, one verse ("Gl:5:24") or a range
// of verses of one chapter ("Mt:16:24-26"). Both clear Text and then add
// Windows-1252 lines carrying the alert markup ("<b>", "</b>", "<br>",
// "<hr>"). The alert window joins a message's lines without a separator, so a
// line boundary is no break: only "<br>" and "<hr>" break the text, and a
// number line "<b>24. </b>" runs on into its verse.
//
// Verse text is wrapped at LineWidth: a line is broken at the first blank
// after the first LineWidth characters, the blank staying in the line, so a
// word is never split and a text without such a blank stays whole.
//
// Every statement goes through the dataset the caller owns (the program has
// one); its DataBase must name the directory of the verse table "RV1960n".
// After a composition the dataset is left open on the last statement it ran.
//
// Failures throw: EPassageError, whose message (Windows-1252, for the
// standard error box) names the reference, the verse number, the chapter or
// the table that could not be read. The lines added before a failure stay in
// Text until the next composition clears it. A reference that does not cut
// into exactly three parts at ":" is no failure: it composes the single line
// "La referencia bíblica no existe !".
//
// Not copyable; one thread (the user-interface thread).
#pragma once

#include "scripture/Brkapart.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace mz {

class TXmlSqlDb;

// A passage that cannot be composed; what() is Windows-1252 text.
class EPassageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TPassageComposer {
public:
    // The verse table, as statements name it.
    static constexpr std::string_view kVerseTable = "RV1960n";
    // The message for a reference that is not abbreviation:chapter:verse.
    static constexpr std::string_view kNoSuchReference = "La referencia b\xED"
                                                         "blica no existe !";

    explicit TPassageComposer(TXmlSqlDb& xmlDB);
    TPassageComposer(const TPassageComposer&) = delete;
    TPassageComposer& operator=(const TPassageComposer&) = delete;

    // Rebuilds Text for the verse whose ID is `n`.
    void ShowVerse(int n);
    // Rebuilds Text for `reference` under `title`. The title is passed on
    // exactly as given (a carriage return or quotes in it stay).
    void ShowReference(std::string_view reference, std::string_view title);
    // The ID of the row whose VerseID equals `verseId`.
    int FindVerseNumber(std::string_view verseId);

    // The 1-based position of the first `separator` found in `text` from
    // position width + length of separator on, counted as that position in
    // the tail plus `width`; 0 when there is none. With the one-character
    // separator " " this is the position of the first blank after the first
    // `width` characters. A negative width counts as 0.
    static int FindBreak(std::string_view text, std::string_view separator, int width);
    // Whether `part` occurs in `text`; an empty part never does.
    static bool ContainsText(std::string_view part, std::string_view text);
    // Appends to `lines` every wrapped line of `text` (each ending in
    // "<br>") and answers the last piece, which the caller adds as it needs.
    static std::string Wrap(std::string text, int width, std::vector<std::string>& lines);

    // Characters per line for wrapping (the setting Amplitud).
    int LineWidth = 0;
    // Cuts references; empty pieces are dropped, the separator is found
    // regardless of letter case.
    TBrkApart BrkApart;
    // The message's lines, rebuilt by each composition.
    std::vector<std::string> Text;

private:
    void ShowRange(const std::string& book, const std::string& chapter, const std::string& versePart,
                   std::string_view reference, std::string_view title);
    void ShowSingle(const std::string& verseId, std::string_view title);
    // Runs a SELECT on the verse table.
    void Select(const std::string& where);
    // The heading of a verse: the book's short name, a blank, chapter:verse.
    static std::string Heading(const std::string& verseId);
    // Throws when the open result lacks the verse table's columns.
    void RequireVerseColumns();
    void AddWrapped(const std::string& verseText, std::string_view lastSuffix);

    TXmlSqlDb& xmlDB;
};

} // namespace mz
