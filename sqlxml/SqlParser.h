// tSqlParser: turns a statement text into flat token lists, one per statement.
//
// The dialect has no grammar: statements read their words, names, operators
// and values by position in their token list. The pipeline, in order:
//   1. a "#" starts a comment up to and including the next LF (also inside
//      quotes);
//   2. split at tab, LF, CR and blank, keeping quoted runs (single or double
//      quotes) whole with their quote characters;
//   3. a token with exactly one double quote opens a run that swallows the
//      following tokens, joined by blanks, up to one that holds a double
//      quote; a run still open at the end is dropped;
//   4. every operator character ( ) * + , - . / : ; < = > becomes a token of
//      its own, except inside tokens that begin with a double quote;
//   5. a last ";" is dropped;
//   6. tokens found anywhere in the keyword text are upper-cased;
//   7. the first ORDER directly followed by BY becomes the one token
//      "ORDER BY";
//   8. ";" tokens cut the list into statements.
// The keyword tests are by containment in the comma-joined keyword text, not
// word by word: "A", "AS", "IN", "ORD" and "," count as keywords, "ID" and
// "ORDER BY" do not. Stored statements and tables rely on this.
//
// SELECT and INSERT further pass their list through MergeCommaLists and
// StripParentheses. The parser reports nothing; a statement too short for
// its form fails when it runs. A plain value object; one thread at a time.
#pragma once

#include <bitset>
#include <string>
#include <string_view>
#include <vector>

namespace mz {

using TTokenList = std::vector<std::string>;

class tSqlParser {
public:
    static constexpr std::string_view KeywordList = "ADD,ALTER,AS,ASC,BY,COLUMN,COMMIT,CONNECT,CREATE,DELETE,"
                                                    "DESC,DROP,FROM,GROUP,HAVING,INSERT,INTO,LIKE,"
                                                    "ORDER,ROLLBACK,SELECT,SET,TABLE,UPDATE,VALUES,WHERE";
    static constexpr std::string_view WhereStopList =
        "ADD,ALTER,AS,ASC,COLUMN,COMMIT,CONNECT,CREATE,DELETE,DESC,DROP,FROM,GROUP,HAVING,INSERT,INTO,ORDER,"
        "ROLLBACK,SELECT,SET,TABLE,UPDATE,VALUES,WHERE";

    void Parse(std::string_view text);

    int StatementCount() const { return static_cast<int>(Statements.size()); }
    // Statement i (from 0), or nothing when there is no such statement.
    const TTokenList* Statement(int i) const;

    static void MergeCommaLists(TTokenList& tokens);
    static void StripParentheses(TTokenList& tokens);

    // Position of the first token equal to `word` ignoring the case of ASCII
    // letters, or -1.
    static int IndexOf(const TTokenList& tokens, std::string_view word);
    static bool InKeywordList(std::string_view token);
    static bool InWhereStopList(std::string_view token);

    TTokenList Tokens; // every token of the text after step 7
    std::bitset<256> Separators;
    std::bitset<256> Operators;
    std::string SqlText;
    std::vector<TTokenList> Statements;

private:
    static std::string StripComments(std::string_view text);
    TTokenList SplitAtSeparators(std::string_view text) const;
    static TTokenList JoinQuotedRuns(const TTokenList& tokens);
    TTokenList SplitAtOperators(TTokenList tokens) const;
    static void UpcaseKeywords(TTokenList& tokens);
    static void MergeOrderBy(TTokenList& tokens);
    void SplitStatements();
};

// ASCII-only case mapping, as every name and keyword comparison of the
// engine uses: other bytes are left as they are.
std::string UpperAscii(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);

} // namespace mz
