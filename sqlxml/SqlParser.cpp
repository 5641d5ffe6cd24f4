#include "sqlxml/SqlParser.h"

#include <algorithm>

namespace mz {

std::string UpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z')
            x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = static_cast<char>(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return true;
}

void tSqlParser::Parse(std::string_view text) {
    if (Separators.none())
        for (char c : std::string_view("\t\n\r "))
            Separators.set(static_cast<unsigned char>(c));
    if (Operators.none())
        for (char c : std::string_view("()*+,-./:;<=>"))
            Operators.set(static_cast<unsigned char>(c));
    SqlText = std::string(text);

    Tokens = SplitAtOperators(JoinQuotedRuns(SplitAtSeparators(StripComments(text))));
    if (!Tokens.empty() && Tokens.back() == ";")
        Tokens.pop_back();
    UpcaseKeywords(Tokens);
    MergeOrderBy(Tokens);
    SplitStatements();
}

const TTokenList* tSqlParser::Statement(int i) const {
    if (i < 0 || i >= StatementCount())
        return nullptr;
    return &Statements[static_cast<size_t>(i)];
}

std::string tSqlParser::StripComments(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const size_t hash = text.find('#', i);
        if (hash == std::string_view::npos) {
            out.append(text.substr(i));
            break;
        }
        out.append(text.substr(i, hash - i));
        const size_t lf = text.find('\n', hash);
        if (lf == std::string_view::npos)
            break;
        i = lf + 1;
    }
    return out;
}

TTokenList tSqlParser::SplitAtSeparators(std::string_view text) const {
    TTokenList tokens;
    std::string current;
    char quote = 0;
    for (char c : text) {
        if (quote) {
            current += c;
            if (c == quote)
                quote = 0;
        } else if (Separators.test(static_cast<unsigned char>(c))) {
            if (!current.empty())
                tokens.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
            if (c == '"' || c == '\'')
                quote = c;
        }
    }
    if (!current.empty())
        tokens.push_back(std::move(current));
    return tokens;
}

TTokenList tSqlParser::JoinQuotedRuns(const TTokenList& tokens) {
    TTokenList out;
    std::string run;
    bool inRun = false;
    for (const std::string& t : tokens) {
        if (inRun) {
            run += t;
            if (t.find('"') != std::string::npos) {
                out.push_back(std::move(run));
                run.clear();
                inRun = false;
            } else {
                run += ' ';
            }
        } else if (std::count(t.begin(), t.end(), '"') == 1) {
            run = t + ' ';
            inRun = true;
        } else {
            out.push_back(t);
        }
    }
    return out; // an open run is dropped with its tokens
}

TTokenList tSqlParser::SplitAtOperators(TTokenList tokens) const {
    for (bool split = true; split;) {
        split = false;
        TTokenList next;
        next.reserve(tokens.size() + 8);
        for (std::string& t : tokens) {
            if (t.size() == 1 || t[0] == '"') {
                next.push_back(std::move(t));
                continue;
            }
            size_t p = 0;
            while (p < t.size() && !Operators.test(static_cast<unsigned char>(t[p])))
                ++p;
            if (p == t.size()) {
                next.push_back(std::move(t));
                continue;
            }
            split = true;
            if (p == 0) {
                next.push_back(t.substr(0, 1));
                next.push_back(t.substr(1));
            } else if (p == t.size() - 1) {
                next.push_back(t.substr(0, p));
                next.push_back(t.substr(p));
            } else {
                next.push_back(t.substr(0, p));
                next.push_back(t.substr(p, 1));
                next.push_back(t.substr(p + 1));
            }
        }
        tokens = std::move(next);
    }
    return tokens;
}

bool tSqlParser::InKeywordList(std::string_view token) {
    return !token.empty() && KeywordList.find(UpperAscii(token)) != std::string_view::npos;
}

bool tSqlParser::InWhereStopList(std::string_view token) {
    // Letter case as the token stands: keywords are upper case by now.
    return !token.empty() && WhereStopList.find(token) != std::string_view::npos;
}

void tSqlParser::UpcaseKeywords(TTokenList& tokens) {
    for (std::string& t : tokens)
        if (InKeywordList(t))
            t = UpperAscii(t);
}

void tSqlParser::MergeOrderBy(TTokenList& tokens) {
    for (size_t i = 0; i + 1 < tokens.size(); ++i) {
        if (tokens[i] == "ORDER" && tokens[i + 1] == "BY") {
            tokens[i] = "ORDER BY";
            tokens.erase(tokens.begin() + static_cast<long>(i) + 1);
            return;
        }
    }
}

void tSqlParser::SplitStatements() {
    Statements.clear();
    if (Tokens.empty())
        return;
    Statements.emplace_back();
    for (const std::string& t : Tokens) {
        if (t == ";")
            Statements.emplace_back();
        else
            Statements.back().push_back(t);
    }
}

void tSqlParser::MergeCommaLists(TTokenList& tokens) {
    TTokenList out;
    bool glue = false;
    for (std::string& t : tokens) {
        const size_t comma = t.find(',');
        const bool commaEnds = t == "," || (comma != std::string::npos && comma == t.size() - 1);
        if (commaEnds) {
            if (out.empty())
                out.push_back(std::move(t));
            else
                out.back() += t;
            glue = true;
        } else if (glue && !out.empty()) {
            out.back() += t;
            glue = false;
        } else {
            out.push_back(std::move(t));
        }
    }
    tokens = std::move(out);
}

void tSqlParser::StripParentheses(TTokenList& tokens) {
    TTokenList out;
    for (std::string& t : tokens) {
        if (t == "(" || t == ")")
            continue;
        if (t.find('(') != std::string::npos)
            t.erase(0, 1);
        else if (t.find(')') != std::string::npos)
            t.pop_back();
        out.push_back(std::move(t));
    }
    tokens = std::move(out);
}

int tSqlParser::IndexOf(const TTokenList& tokens, std::string_view word) {
    for (size_t i = 0; i < tokens.size(); ++i)
        if (EqualsNoCase(tokens[i], word))
            return static_cast<int>(i);
    return -1;
}

} // namespace mz
