#include "sqlxml/Eval.h"

#include <charconv>
#include <stdexcept>

namespace mz {

bool ReadInt32(std::string_view text, int32_t& value) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() || text.front() == '+')
        return false;
    const auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && p == text.data() + text.size();
}

std::optional<TTokenList> tEval::ConditionOf(const TTokenList& statement) {
    const int where = tSqlParser::IndexOf(statement, "WHERE");
    if (where < 0)
        return std::nullopt;
    TTokenList condition;
    for (size_t i = static_cast<size_t>(where) + 1; i < statement.size(); ++i) {
        if (tSqlParser::InWhereStopList(statement[i]))
            break;
        condition.push_back(statement[i]);
    }
    return condition;
}

tEval::tEval(TTokenList condition, const std::vector<std::string>& fieldNames,
             const std::vector<std::string>& fieldTypes, TLogFile& log)
    : Condition(std::move(condition)), fieldNames_(fieldNames), fieldTypes_(fieldTypes), log_(log) {
    FindField();
}

void tEval::FindField() {
    if (Condition.empty())
        throw std::runtime_error("WHERE without a condition");
    FieldIndex = -1;
    for (size_t i = 0; i < fieldNames_.size(); ++i) {
        if (EqualsNoCase(fieldNames_[i], Condition[0])) {
            FieldIndex = static_cast<int>(i);
            break;
        }
    }
    if (FieldIndex < 0) {
        log_.Report("Error: Unknown field name in WHERE clause");
        return;
    }
    textColumn_ = static_cast<size_t>(FieldIndex) < fieldTypes_.size() &&
                  UpperAscii(fieldTypes_[static_cast<size_t>(FieldIndex)]) == "STRING";
    if (Condition.size() >= 3) {
        const std::string& raw = Condition[2];
        operand_ = (!raw.empty() && (raw[0] == '"' || raw[0] == '\''))
                       ? raw.substr(1, raw.size() >= 2 ? raw.size() - 2 : 0)
                       : raw;
        operandIsInt_ = ReadInt32(operand_, operandInt_);
    }
}

namespace {

bool Like(std::string_view v, std::string_view w) {
    if (w.empty())
        return false;
    const bool lead = w.front() == '%';
    const bool trail = w.back() == '%';
    if (lead && trail) {
        // "%" alone and "%%" hold an empty x, which nothing contains here.
        const std::string_view x = w.size() >= 2 ? w.substr(1, w.size() - 2) : std::string_view();
        return !x.empty() && v.find(x) != std::string_view::npos;
    }
    if (trail)
        return v.starts_with(w.substr(0, w.size() - 1));
    if (lead)
        return v.ends_with(w.substr(1));
    return false; // without "%" a pattern matches nothing, not even itself
}

} // namespace

bool tEval::Evaluate(const std::vector<std::string>& values) const {
    if (FieldIndex < 0 || static_cast<size_t>(FieldIndex) >= values.size())
        throw std::runtime_error("unknown WHERE column");
    return EvaluateValue(values[static_cast<size_t>(FieldIndex)]);
}

bool tEval::EvaluateValue(std::string_view v) const {
    if (v.empty())
        return false;
    if (Condition.size() < 3)
        throw std::runtime_error("WHERE condition too short");
    const std::string& op = Condition[1];
    const std::string_view w = operand_;
    if (textColumn_) {
        // Views compare bytes as unsigned char: byte order.
        if (op == ">")
            return v.compare(w) > 0;
        if (op == "<")
            return v.compare(w) < 0;
        if (op == "=")
            return v == w;
        if (op == "LIKE")
            return Like(v, w);
        return false;
    }
    if (op != ">" && op != "<" && op != "=")
        return false;
    int32_t a = 0;
    const int32_t b = operandInt_;
    if (!ReadInt32(v, a) || !operandIsInt_) {
        log_.Report("Error: in WHERE clause");
        return false;
    }
    return op == ">" ? a > b : op == "<" ? a < b : a == b;
}

} // namespace mz
