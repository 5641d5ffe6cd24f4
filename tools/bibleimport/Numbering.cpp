#include "tools/bibleimport/Numbering.h"

#include <cctype>
#include <charconv>

namespace mz::bibleimport {

namespace {

// Reads one statement at a time, keeping track of where it failed.
class Cursor {
public:
    explicit Cursor(std::string_view s) : s_(s) {}

    void skipBlanks() {
        while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t'))
            ++pos_;
    }
    bool atEnd() {
        skipBlanks();
        return pos_ >= s_.size();
    }
    bool take(char c) {
        skipBlanks();
        if (pos_ < s_.size() && s_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    bool peek(char c) {
        skipBlanks();
        return pos_ < s_.size() && s_[pos_] == c;
    }
    std::string_view word() {
        skipBlanks();
        const size_t start = pos_;
        while (pos_ < s_.size() && s_[pos_] != ' ' && s_[pos_] != '\t' && s_[pos_] != ':' && s_[pos_] != '=')
            ++pos_;
        return s_.substr(start, pos_ - start);
    }
    std::optional<int> number() {
        skipBlanks();
        int value = 0;
        auto [p, ec] = std::from_chars(s_.data() + pos_, s_.data() + s_.size(), value);
        if (ec != std::errc() || value <= 0)
            return std::nullopt;
        pos_ = static_cast<size_t>(p - s_.data());
        return value;
    }
    std::optional<std::string> quoted() {
        skipBlanks();
        if (pos_ >= s_.size() || s_[pos_] != '"')
            return std::nullopt;
        const size_t close = s_.find('"', pos_ + 1);
        if (close == std::string_view::npos)
            return std::nullopt;
        std::string text(s_.substr(pos_ + 1, close - pos_ - 1));
        pos_ = close + 1;
        return text;
    }

private:
    std::string_view s_;
    size_t pos_ = 0;
};

class Parser {
public:
    Parser(const std::vector<std::string>& books, std::string& error) : books_(books), error_(error) {}

    bool statement(std::string_view text, int line, NumberingPlan& plan) {
        line_ = line;
        Cursor c(text);
        if (text.starts_with("drop-capitals")) {
            c.word();
            if (!c.atEnd())
                return fail("después de drop-capitals no va nada");
            plan.dropCapitals = true;
            return true;
        }
        NumberingRule rule;
        rule.line = line;
        auto target = range(c);
        if (!target)
            return false;
        rule.target = *target;
        if (!c.take('='))
            return fail("falta el \"=\" entre el destino y el origen");
        auto source = range(c);
        if (!source)
            return false;
        rule.source = *source;
        if (c.peek('+')) {
            rule.kind = NumberingRule::Kind::Join;
            if (!single(*source))
                return fail("solo se unen versículos sueltos");
            rule.joined.push_back(source->first);
            while (c.take('+')) {
                auto more = range(c);
                if (!more)
                    return false;
                if (!single(*more))
                    return fail("solo se unen versículos sueltos");
                rule.joined.push_back(more->first);
            }
            if (!single(rule.target))
                return fail("los versículos unidos van a un solo versículo");
        } else if (c.peek('/')) {
            rule.kind = NumberingRule::Kind::Split;
            if (!single(*source))
                return fail("solo se divide un versículo suelto");
            while (c.take('/')) {
                auto anchor = c.quoted();
                if (!anchor || anchor->empty())
                    return fail("tras \"/\" va un texto entre comillas");
                rule.anchors.push_back(std::move(*anchor));
            }
        }
        if (!c.atEnd())
            return fail("sobra texto al final");
        plan.rules.push_back(std::move(rule));
        return true;
    }

private:
    static bool single(const RefRange& r) { return r.first == r.last; }

    bool fail(const std::string& what) {
        error_ = "línea " + std::to_string(line_) + ": " + what;
        return false;
    }

    int bookAt(Cursor& c) {
        const std::string_view abbr = c.word();
        for (size_t i = 0; i < books_.size(); ++i)
            if (books_[i] == abbr)
                return static_cast<int>(i);
        fail("no hay libro \"" + std::string(abbr) + "\"");
        return -1;
    }

    // BOOK:C:V, BOOK:C:V-V2 or BOOK:C:V-C2:V2.
    std::optional<RefRange> range(Cursor& c) {
        const int book = bookAt(c);
        if (book < 0)
            return std::nullopt;
        std::optional<int> chapter;
        std::optional<int> verse;
        if (!c.take(':') || !(chapter = c.number()) || !c.take(':') || !(verse = c.number())) {
            fail("se espera una referencia LIBRO:CAPÍTULO:VERSÍCULO");
            return std::nullopt;
        }
        RefRange r{{book, *chapter, *verse}, {book, *chapter, *verse}};
        if (c.take('-')) {
            auto a = c.number();
            if (!a) {
                fail("rango incompleto");
                return std::nullopt;
            }
            if (c.take(':')) {
                auto b = c.number();
                if (!b) {
                    fail("rango incompleto");
                    return std::nullopt;
                }
                r.last = {book, *a, *b};
            } else {
                r.last = {book, *chapter, *a};
            }
            if (r.last < r.first) {
                fail("rango al revés");
                return std::nullopt;
            }
        }
        return r;
    }

    const std::vector<std::string>& books_;
    std::string& error_;
    int line_ = 0;
};

} // namespace

std::optional<NumberingPlan> parseNumbering(std::string_view text, const std::vector<std::string>& books,
                                            std::string& error) {
    NumberingPlan plan;
    Parser parser(books, error);
    std::string statement;
    int statementLine = 0;
    auto flush = [&]() {
        if (statement.empty())
            return true;
        const bool ok = parser.statement(statement, statementLine, plan);
        statement.clear();
        return ok;
    };
    int lineNo = 0;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line[first] == '#')
            continue;
        if (first > 0 && !statement.empty()) {
            statement += ' ';
            statement += line.substr(first);
            continue;
        }
        if (!flush())
            return std::nullopt;
        statement = std::string(line.substr(first));
        statementLine = lineNo;
    }
    if (!flush())
        return std::nullopt;
    return plan;
}

} // namespace mz::bibleimport
