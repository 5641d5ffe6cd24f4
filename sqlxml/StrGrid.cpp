#include "sqlxml/StrGrid.h"

#include "sqlxml/AwkLine.h"
#include "sqlxml/SqlExec.h"

#include <charconv>
#include <stdexcept>

namespace mz {

TStrGrid::TStrGrid(TLogFile& log, TFileLayer& files) : Log(log), Files(files) {}

const std::string& TStrGrid::Cell(int c, int r) const {
    return cells_.at(static_cast<size_t>(c) + static_cast<size_t>(r) * static_cast<size_t>(ColCount));
}

void TStrGrid::SetCell(int c, int r, std::string text) {
    cells_.at(static_cast<size_t>(c) + static_cast<size_t>(r) * static_cast<size_t>(ColCount)) =
        std::move(text);
}

int32_t TStrGrid::RowObject(int r) const {
    return tags_.at(static_cast<size_t>(r));
}

void TStrGrid::SetRowObject(int r, int32_t tag) {
    if (r < 0)
        throw std::out_of_range("row");
    if (tags_.size() <= static_cast<size_t>(r))
        tags_.resize(static_cast<size_t>(r) + 1, 0);
    tags_[static_cast<size_t>(r)] = tag;
}

int TStrGrid::IndexOfObject(int32_t tag) const {
    if (tag == 0)
        return -1;
    for (size_t r = 0; r < tags_.size(); ++r)
        if (tags_[r] == tag)
            return static_cast<int>(r);
    return -1;
}

void TStrGrid::DeleteRow(int r) {
    const size_t from = static_cast<size_t>(r) * static_cast<size_t>(ColCount);
    if (r < 0 || from + static_cast<size_t>(ColCount) > cells_.size())
        throw std::out_of_range("row");
    cells_.erase(cells_.begin() + static_cast<long>(from),
                 cells_.begin() + static_cast<long>(from + ColCount));
    if (static_cast<size_t>(r) < tags_.size())
        tags_.erase(tags_.begin() + r);
    --RowCount;
}

void TStrGrid::AppendGrid(const TStrGrid& other) {
    const size_t rowsBefore = ColCount > 0 ? cells_.size() / static_cast<size_t>(ColCount) : 0;
    cells_.insert(cells_.end(), other.cells_.begin(), other.cells_.end());
    if (!other.tags_.empty()) {
        tags_.resize(rowsBefore, 0);
        tags_.insert(tags_.end(), other.tags_.begin(), other.tags_.end());
    }
    RowCount = other.RowCount;
    ColCount = other.ColCount;
}

void TStrGrid::AddRow(const std::vector<std::string>& cells) {
    cells_.insert(cells_.end(), cells.begin(), cells.end());
    ++RowCount;
}

void TStrGrid::SetResultMessage(std::string_view message) {
    cells_.clear();
    tags_.clear();
    cells_.emplace_back("Result");
    cells_.emplace_back(message);
    RowCount = 2;
    ColCount = 1;
}

void TStrGrid::Clear() {
    cells_.clear();
    tags_.clear();
    RowCount = 0;
    ColCount = 0;
}

std::string TStrGrid::FindTableFile(std::string_view name) const {
    const auto entries = Files.ListDir(DataBase);
    if (!entries)
        throw std::runtime_error("cannot list the database directory");
    for (const std::string& e : *entries)
        if (EqualsNoCase(e, name))
            return e;
    return {};
}

std::string TStrGrid::StripQuotes(std::string_view text) {
    auto isQuote = [](char c) { return c == '"' || c == '\''; };
    if (!text.empty() && isQuote(text.front()))
        text.remove_prefix(1);
    if (!text.empty() && isQuote(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

bool TStrGrid::ParseHeader(std::string_view line) {
    std::string names, types, lastId;
    bool haveNames = false, haveTypes = false, haveLastId = false;
    for (const std::string& piece : tAwkline(line, " ").Pieces) {
        const std::string up = UpperAscii(piece);
        const size_t q = piece.find('"');
        const std::string after = q == std::string::npos ? piece : piece.substr(q + 1);
        if (up.find("FIELDS") != std::string::npos) {
            names = after.empty() ? after : after.substr(0, after.size() - 1);
            haveNames = true;
        } else if (up.find("TYPES") != std::string::npos) {
            std::string_view t = after;
            if (piece.size() >= 2 && piece.compare(piece.size() - 2, 2, "\">") == 0)
                t.remove_suffix(std::min<size_t>(2, t.size()));
            else if (!t.empty())
                t.remove_suffix(1);
            types = std::string(t);
            haveTypes = true;
        } else if (up.find("LASTID") != std::string::npos) {
            lastId = after.size() >= 2 ? after.substr(0, after.size() - 2) : std::string();
            haveLastId = true;
        }
    }
    if (haveNames)
        for (const std::string& n : tAwkline(names, ",").Pieces) {
            FieldNames.push_back(n);
            FieldNamesUpper.push_back(UpperAscii(n));
        }
    if (haveTypes)
        for (const std::string& t : tAwkline(types, ",").Pieces)
            FieldTypes.push_back(t);
    ColCount = static_cast<int>(FieldNames.size());
    RowCount = 1;
    if (haveLastId) {
        int32_t v = 0;
        const auto [p, ec] = std::from_chars(lastId.data(), lastId.data() + lastId.size(), v);
        if (ec != std::errc() || p != lastId.data() + lastId.size())
            throw std::runtime_error("lastid is not a number");
        NextId = v + 1;
    }
    return haveLastId;
}

std::string TStrGrid::FormatHeader() const {
    std::string h = "<table fields=\"";
    std::string types;
    for (size_t i = 0; i < FieldNames.size(); ++i)
        h += (i ? "," : "") + FieldNames[i];
    for (size_t i = 0; i < FieldTypes.size(); ++i)
        types += (i ? "," : "") + FieldTypes[i];
    h += "\" types=\"";
    h += types;
    if (types.find("autoinc") != std::string::npos) {
        h += "\" lastid=\"";
        h += std::to_string(NextId);
        h += "\">";
    } else {
        h += "\">";
    }
    return h;
}

bool TStrGrid::ExecSql(std::string_view text) {
    Clear();
    FieldNames.clear();
    FieldNamesUpper.clear();
    FieldTypes.clear();
    SqlText = std::string(text);
    try {
        Parser.Parse(text);
    } catch (const std::exception&) {
        return false;
    }
    // A failure that escapes one statement abandons the rest of the text.
    for (const TTokenList& statement : Parser.Statements) {
        TStrGrid one(Log, Files);
        one.DataBase = DataBase;
        one.Parser.Statements.assign(1, statement);
        one.Parser.Tokens = statement;
        if (!TSqlStatement(one).Run())
            return false;
        AppendGrid(one);
    }
    return true;
}

} // namespace mz
