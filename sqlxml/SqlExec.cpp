#include "sqlxml/SqlExec.h"

#include "sqlxml/AwkLine.h"
#include "sqlxml/Eval.h"
#include "sqlxml/Rewrite.h"
#include "sqlxml/TableFile.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace mz {

namespace {

constexpr std::string_view kSuccess = "Command finished succesfully";
constexpr std::string_view kUnknownWord = "Error: Unknown word in SQL expression";
constexpr std::string_view kFindingTable = "Error: Finding table";
constexpr std::string_view kDefinition = "Error: Definition of values";

// A failure inside a statement's guarded block.
struct StatementFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

int IndexOfUpper(const std::vector<std::string>& names, std::string_view name) {
    for (size_t i = 0; i < names.size(); ++i)
        if (EqualsNoCase(names[i], name))
            return static_cast<int>(i);
    return -1;
}

bool LessNoCase(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x >= 'a' && x <= 'z')
            x = static_cast<unsigned char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = static_cast<unsigned char>(y - 'a' + 'A');
        if (x != y)
            return x < y;
    }
    return a.size() < b.size();
}

} // namespace

TSqlStatement::TSqlStatement(TStrGrid& store) : s_(store), tokens_(store.Parser.Statements.at(0)) {}

const std::string& TSqlStatement::Token(size_t position) const {
    if (position < 1 || position > tokens_.size())
        throw StatementFailure("statement too short");
    return tokens_[position - 1];
}

void TSqlStatement::Finish() {
    if (!s_.Log.LastMessage.empty()) {
        s_.SetResultMessage(s_.Log.LastMessage);
    } else {
        s_.SetResultMessage(kSuccess);
        s_.Log.Add(kSuccess);
    }
}

void TSqlStatement::RecoverTable(const std::string& name, bool exact) {
    // A rewrite caught between its renames leaves "<table>.new" without the
    // table; the case-insensitive look-up must see the same file SELECT would.
    std::string table = name;
    if (!exact) {
        const auto entries = s_.Files.ListDir(s_.DataBase);
        if (!entries)
            throw std::runtime_error("cannot list the database directory");
        for (const std::string& e : *entries) {
            const std::string_view ev(e);
            for (std::string_view suffix : {std::string_view(".tmp"), std::string_view(".new")})
                if (ev.size() == name.size() + 4 && ev.ends_with(suffix) &&
                    EqualsNoCase(ev.substr(0, name.size()), name))
                    table = e.substr(0, name.size());
        }
    }
    TRewrite::Recover(s_.Files, s_.DataBase + table);
}

bool TSqlStatement::Run() {
    try {
        if (tokens_.empty()) {
            s_.Log.Report(kUnknownWord);
            s_.SetResultMessage(s_.Log.LastMessage);
            return true;
        }
        const std::string& word = tokens_[0];
        if (word == "DROP") {
            s_.TableFile = Token(3) + ".xml";
            RecoverTable(s_.TableFile, true);
            DropTable();
        } else if (word == "SELECT") {
            tSqlParser::MergeCommaLists(tokens_);
            tSqlParser::StripParentheses(tokens_);
            const int from = tSqlParser::IndexOf(tokens_, "FROM");
            const std::string name = Token(static_cast<size_t>(from + 2)) + ".xml";
            RecoverTable(name, false);
            s_.TableFile = s_.FindTableFile(name);
            SelectRecords();
        } else if (word == "INSERT") {
            tSqlParser::MergeCommaLists(tokens_);
            tSqlParser::StripParentheses(tokens_);
            const std::string name = Token(3) + ".xml";
            RecoverTable(name, false);
            s_.TableFile = s_.FindTableFile(name);
            if (s_.TableFile.empty())
                return false; // no table file: the statement ends without a result
            InsertRecord();
        } else if (word == "DELETE" || word == "UPDATE") {
            const std::string name = Token(word == "DELETE" ? 3 : 2) + ".xml";
            RecoverTable(name, false);
            s_.TableFile = s_.FindTableFile(name);
            UpdateRecords(word == "DELETE");
        } else if (word == "CREATE") {
            s_.TableFile = Token(3) + ".xml";
            RecoverTable(s_.TableFile, true);
            CreateTable();
        } else {
            s_.Log.Report(kUnknownWord);
            s_.SetResultMessage(s_.Log.LastMessage);
        }
        return true;
    } catch (const std::exception&) {
        s_.Clear();
        return false;
    }
}

void TSqlStatement::SelectRecords() {
    try {
        if (s_.TableFile.empty())
            throw StatementFailure("no table file");
        auto file = s_.Files.OpenRead(s_.DataBase + s_.TableFile);
        if (!file)
            throw StatementFailure("cannot open the table file");
        TLineReader reader(std::move(file));

        bool all = false;
        std::vector<int> columns; // table column of each result column
        std::unique_ptr<tEval> condition;
        std::function<bool(std::string_view)> test;
        std::optional<TTokenList> conditionTokens = tEval::ConditionOf(tokens_);
        std::vector<std::vector<std::string>> rows;
        std::vector<std::string> header;
        bool selectError = false;
        TRecordLines record;

        std::string_view line;
        while (!selectError && reader.Next(line)) {
            const unsigned marks = reader.Marks();
            if (marks & lmTable) {
                s_.ParseHeader(line);
                const std::string& list = Token(2);
                header.clear();
                columns.clear();
                all = list == "*";
                if (all) {
                    header = s_.FieldNames;
                } else {
                    for (const std::string& piece : tAwkline(list, ",").Pieces) {
                        const int c = IndexOfUpper(s_.FieldNames, piece);
                        if (c < 0) {
                            s_.Log.Report("Error: in SELECT clause");
                            selectError = true;
                            break;
                        }
                        columns.push_back(c);
                        header.push_back(s_.FieldNames[static_cast<size_t>(c)]);
                    }
                }
                if (conditionTokens) {
                    condition =
                        std::make_unique<tEval>(*conditionTokens, s_.FieldNames, s_.FieldTypes, s_.Log);
                    test = [&condition](std::string_view v) { return condition->EvaluateValue(v); };
                }
            } else if (marks & lmRecord) {
                if (condition && condition->FieldIndex < 0) {
                    ReadRecord(reader, line, s_.ColCount, false, record);
                    condition->Evaluate(record.Values); // fails: the column is unknown
                }
                if (!ReadRecord(reader, line, s_.ColCount, false, record,
                                condition ? condition->FieldIndex : -1, test))
                    continue;
                if (all) {
                    rows.push_back(record.Values);
                } else {
                    std::vector<std::string> row;
                    row.reserve(columns.size());
                    for (int c : columns)
                        row.push_back(record.Values.at(static_cast<size_t>(c)));
                    rows.push_back(std::move(row));
                }
            }
        }
        if (!selectError) {
            if (std::any_of(tokens_.begin(), tokens_.end(),
                            [](const std::string& t) { return t.find("ORDER BY") != std::string::npos; }))
                OrderRows(rows, header);
            s_.Clear();
            s_.ColCount = static_cast<int>(header.size());
            if (!header.empty() || !rows.empty()) {
                s_.AddRow(header);
                for (const auto& row : rows)
                    s_.AddRow(row);
            }
            const int as = tSqlParser::IndexOf(tokens_, "AS");
            if (as >= 0) {
                const auto names = tAwkline(Token(static_cast<size_t>(as) + 2), ",").Pieces;
                // Names beyond the result columns have no column to rename.
                for (size_t i = 0; i < names.size() && i < header.size(); ++i)
                    s_.SetCell(static_cast<int>(i), 0, names[i]);
            }
        }
    } catch (const std::exception&) {
        s_.Log.Report(kUnknownWord);
    }
    if (!s_.Log.LastMessage.empty()) {
        s_.SetResultMessage(s_.Log.LastMessage);
    } else {
        s_.Log.Add(kSuccess);
    }
}

void TSqlStatement::OrderRows(std::vector<std::vector<std::string>>& rows,
                              const std::vector<std::string>& header) {
    const int at = tSqlParser::IndexOf(tokens_, "ORDER BY");
    // Without a token that is exactly "ORDER BY" the name is the first token.
    const size_t namePos = at >= 0 ? static_cast<size_t>(at) + 1 : 0;
    if (at >= 0 && namePos >= tokens_.size()) {
        s_.Log.Report("Error: Missed param after ORDER BY");
        return;
    }
    const std::string& name = tokens_[namePos];
    const int column = IndexOfUpper(header, name);
    if (column < 0) {
        s_.Log.Report("Error: ORDER BY param is not correct");
        return;
    }
    OrderColumn = column;
    const int tableColumn = IndexOfUpper(s_.FieldNames, header[static_cast<size_t>(column)]);
    if (tableColumn >= 0 && static_cast<size_t>(tableColumn) < s_.FieldTypes.size()) {
        const std::string type = UpperAscii(s_.FieldTypes[static_cast<size_t>(tableColumn)]);
        if (type == "AUTOINC" || type == "INTEGER")
            OrderType = TOrderType::Integer;
        else if (type == "BOOLEAN")
            OrderType = TOrderType::Boolean;
        else if (type == "DATETIME")
            OrderType = TOrderType::DateTime;
        else if (type == "FLOAT")
            OrderType = TOrderType::Float;
        else if (type == "STRING")
            OrderType = TOrderType::String;
    }
    const size_t c = static_cast<size_t>(OrderColumn);
    // Rows whose keys compare equal keep their file order.
    if (OrderType == TOrderType::Integer) {
        std::vector<std::pair<int32_t, size_t>> keys(rows.size());
        for (size_t r = 0; r < rows.size(); ++r) {
            keys[r].second = r;
            if (!ReadInt32(rows[r][c], keys[r].first)) {
                s_.Log.Report("Error: Data type problem");
                return;
            }
        }
        std::stable_sort(keys.begin(), keys.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<std::vector<std::string>> sorted;
        sorted.reserve(rows.size());
        for (const auto& k : keys)
            sorted.push_back(std::move(rows[k.second]));
        rows = std::move(sorted);
    } else if (OrderType == TOrderType::String) {
        std::stable_sort(rows.begin(), rows.end(),
                         [c](const auto& a, const auto& b) { return LessNoCase(a[c], b[c]); });
    }
}

void TSqlStatement::InsertRecord() {
    s_.BackupFile = s_.TableFile + ".bak";
    TRewrite rewrite(s_.Files, s_.DataBase, s_.DataBase + s_.TableFile, s_.DataBase + s_.BackupFile);
    if (!rewrite.Begin()) {
        s_.Log.Report(kFindingTable);
        s_.SetResultMessage(s_.Log.LastMessage);
        return;
    }

    std::vector<std::string> values;
    bool autoinc = false;
    bool headerSeen = false;
    bool written = false;
    try {
        std::string_view line;
        while (rewrite.Reader().Next(line)) {
            const unsigned marks = rewrite.Reader().Marks();
            if (marks & lmTable) {
                headerSeen = true;
                const bool hasLastId = s_.ParseHeader(line);
                if (hasLastId)
                    rewrite.Writer().Line(s_.FormatHeader());
                else
                    rewrite.Writer().Line(line);
                autoinc = !s_.FieldTypes.empty() && UpperAscii(s_.FieldTypes[0]) == "AUTOINC";
                values.assign(static_cast<size_t>(s_.ColCount), std::string());
                try {
                    if (Token(4) != "VALUES") {
                        const auto listed = tAwkline(Token(4), ",").Pieces;
                        const auto given = tAwkline(Token(6), ",").Pieces;
                        for (size_t k = 0; k < given.size(); ++k) {
                            int c = k < listed.size() ? IndexOfUpper(s_.FieldNames, listed[k]) : -1;
                            if (c < 0)
                                c = 0;
                            if (static_cast<size_t>(c) < values.size())
                                values[static_cast<size_t>(c)] = TStrGrid::StripQuotes(given[k]);
                        }
                    } else {
                        const auto given = tAwkline(Token(5), ",").Pieces;
                        if (given.size() < values.size())
                            throw StatementFailure("fewer values than columns");
                        for (size_t i = 0; i < values.size(); ++i)
                            values[i] = TStrGrid::StripQuotes(given[i]);
                    }
                } catch (const std::exception&) {
                    // A record built from a broken value list would be a
                    // corrupted favourite: the table stays as it was.
                    s_.Log.Report(kDefinition);
                    s_.SetResultMessage(s_.Log.LastMessage);
                    return;
                }
                if (autoinc && !values.empty())
                    values[0] = std::to_string(s_.NextId);
            } else if ((marks & lmTableEnd) && !written && headerSeen) {
                WriteRecord(rewrite.Writer(), values);
                written = true;
                rewrite.Writer().Line(line);
            } else {
                rewrite.Writer().Line(line);
            }
        }
        if (!headerSeen)
            throw StatementFailure("no header line");
        if (!written) {
            // A table without its end marker still takes the record; the
            // marker is written after it.
            WriteRecord(rewrite.Writer(), values);
            rewrite.Writer().Line(kEndMarker);
        }
    } catch (const std::exception&) {
        s_.Log.Report(kFindingTable);
        s_.SetResultMessage(s_.Log.LastMessage);
        return;
    }
    if (!rewrite.Commit()) {
        s_.Log.Report(kFindingTable);
        s_.SetResultMessage(s_.Log.LastMessage);
        return;
    }
    if (autoinc)
        s_.SetResultMessage(std::to_string(s_.NextId));
    else
        s_.SetResultMessage(s_.Log.LastMessage.empty() ? kSuccess : std::string_view(s_.Log.LastMessage));
}

void TSqlStatement::UpdateRecords(bool remove) {
    s_.BackupFile = s_.TableFile + ".bak";
    try {
        if (s_.TableFile.empty())
            throw StatementFailure("no table file");
        TRewrite rewrite(s_.Files, s_.DataBase, s_.DataBase + s_.TableFile, s_.DataBase + s_.BackupFile);
        if (!rewrite.Begin())
            throw StatementFailure("cannot open the table file");
        std::unique_ptr<tEval> condition;
        const std::optional<TTokenList> conditionTokens = tEval::ConditionOf(tokens_);
        TRecordLines record;
        std::string_view line;
        while (rewrite.Reader().Next(line)) {
            const unsigned marks = rewrite.Reader().Marks();
            if (marks & lmTable) {
                s_.ParseHeader(line);
                if (conditionTokens)
                    condition =
                        std::make_unique<tEval>(*conditionTokens, s_.FieldNames, s_.FieldTypes, s_.Log);
                rewrite.Writer().Line(line);
            } else if (marks & lmRecord) {
                ReadRecord(rewrite.Reader(), line, s_.ColCount, true, record);
                if (!condition || condition->Evaluate(record.Values)) {
                    if (remove)
                        continue;
                    const int c = IndexOfUpper(s_.FieldNamesUpper, Token(4));
                    if (c < 0)
                        throw StatementFailure("unknown SET column");
                    record.Values[static_cast<size_t>(c)] = TStrGrid::StripQuotes(Token(6));
                    WriteRecord(rewrite.Writer(), record.Values);
                } else {
                    rewrite.Writer().Line(record.Start);
                    for (size_t i = 0; i < record.LineCount; ++i)
                        rewrite.Writer().Line(record.Lines[i]);
                }
            } else {
                rewrite.Writer().Line(line);
            }
        }
        if (!rewrite.Commit())
            throw StatementFailure("cannot put the new table in place");
    } catch (const std::exception&) {
        s_.Log.Report(kFindingTable);
    }
    Finish();
}

void TSqlStatement::CreateTable() {
    const std::string path = s_.DataBase + s_.TableFile;
    if (s_.Files.Exists(path)) {
        s_.Log.Report("Error: Existing table");
        s_.SetResultMessage(s_.Log.LastMessage);
        return;
    }
    try {
        // Column definitions: after CREATE, TABLE, the name and "(", cut at
        // "," tokens, up to the first token that holds PRIMARY.
        std::vector<TTokenList> definitions(1);
        for (size_t i = 4; i < tokens_.size(); ++i) {
            if (UpperAscii(tokens_[i]).find("PRIMARY") != std::string::npos)
                break;
            if (tokens_[i] == ",")
                definitions.emplace_back();
            else
                definitions.back().push_back(tokens_[i]);
        }
        for (const TTokenList& d : definitions) {
            if (d.empty() || d[0] == "PRIMARY")
                continue;
            if (d.size() < 2)
                throw StatementFailure("column without a type");
            std::string type;
            const bool autoinc = std::any_of(d.begin() + 1, d.end(), [](const std::string& t) {
                return UpperAscii(t).find("AUTO_INCREMENT") != std::string::npos;
            });
            const std::string word = UpperAscii(d[1]);
            if (autoinc)
                type = "autoinc";
            else if (word.find("INT") != std::string::npos)
                type = "integer";
            else if (word.find("DOUBLE") != std::string::npos || word == "FLOAT" || word == "REAL" ||
                     word == "NUMERIC" || word == "DECIMAL")
                type = "float";
            else if (word == "TEXT" || word == "VARCHAR")
                type = "string";
            else if (word == "TIMESTAMP")
                type = "datetime";
            else
                throw StatementFailure("unknown column type"); // the header needs one type per name
            s_.FieldNames.push_back(d[0]);
            s_.FieldNamesUpper.push_back(UpperAscii(d[0]));
            s_.FieldTypes.push_back(type);
        }
        TRewrite rewrite(s_.Files, s_.DataBase, path, std::string());
        if (!rewrite.BeginNew())
            throw StatementFailure("cannot create the table file");
        rewrite.Writer().Line(kXmlDeclaration);
        rewrite.Writer().Line(s_.FormatHeader());
        rewrite.Writer().Line(kEndMarker);
        if (!rewrite.Commit(false))
            throw StatementFailure("cannot write the table file");
    } catch (const std::exception&) {
        s_.Log.Report(kFindingTable);
    }
    Finish();
}

void TSqlStatement::DropTable() {
    const std::string path = s_.DataBase + s_.TableFile;
    if (!s_.Files.Exists(path)) {
        s_.Log.Report("Error: Table not exists");
        s_.SetResultMessage(s_.Log.LastMessage);
        return;
    }
    s_.BackupFile = s_.TableFile + ".bak";
    const std::string backup = s_.DataBase + s_.BackupFile;
    // The rename replaces an old backup in one step.
    if (!s_.Files.Rename(path, backup)) {
        s_.Log.Report(kFindingTable);
        s_.SetResultMessage(s_.Log.LastMessage);
        return;
    }
    s_.Files.SyncDir(s_.DataBase);
    s_.Log.Add(kSuccess);
    s_.SetResultMessage(kSuccess);
}

} // namespace mz
