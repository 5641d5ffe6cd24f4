// tEval: the one comparison of a WHERE clause, tested record by record.
//
// The condition is the column, the operator and the value that follow WHERE
// (tokens after the third are ignored: there is no AND, OR or NOT). A "string"
// column compares as text in byte order; every other type as 32-bit integers.
// LIKE works on text columns only, with "%" counting only as the first or
// last character of the pattern. A record whose tested value is empty never
// qualifies. Quotes around the value are removed first, so ID = "123",
// ID = 123 and ID = '123' are the same condition.
//
// Failures: an unknown column is reported when the condition is built and
// makes the first tested record throw; so does a condition too short to
// hold an operator and a value. A value that does not read as an integer on
// an integer column reports "Error: in WHERE clause" and does not qualify.
// The name and type lists and the record values are borrowed from the
// statement, which keeps them alive while it scans. One thread.
#pragma once

#include "sqlxml/LogFile.h"
#include "sqlxml/SqlParser.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mz {

class tEval {
public:
    // The tokens after the statement's first WHERE, up to the first one in
    // the WHERE stop list; nothing when the statement has no WHERE.
    static std::optional<TTokenList> ConditionOf(const TTokenList& statement);

    tEval(TTokenList condition, const std::vector<std::string>& fieldNames,
          const std::vector<std::string>& fieldTypes, TLogFile& log);

    // Throws std::runtime_error when the condition cannot be tested.
    bool Evaluate(const std::vector<std::string>& values) const;
    // The same for the tested column's value alone; the column must be known.
    bool EvaluateValue(std::string_view v) const;

    int FieldIndex = -1;
    TTokenList Condition;

private:
    void FindField();

    const std::vector<std::string>& fieldNames_;
    const std::vector<std::string>& fieldTypes_;
    TLogFile& log_;
    bool textColumn_ = false;
    std::string operand_; // the value without its quotes
    bool operandIsInt_ = false;
    int32_t operandInt_ = 0;
};

// Reads a whole 32-bit signed decimal number: optional blanks, an optional
// sign, digits. False for anything else or a value out of range.
bool ReadInt32(std::string_view text, int32_t& value);

} // namespace mz
