// TStrGrid: the store of text cells every statement fills.
//
// Cells are kept row-major in one list: the cell of column c in row r is item
// c + r * ColCount. Row 0 is the header row of result column names until the
// dataset takes the result apart. A SELECT leaves the header row and the
// matching rows, never the whole table; every other statement and every
// failure leaves the message result: one column, the cells "Result" and the
// message. Each row can carry a tag (0 for none); the dataset tags records
// with their 1-based numbers and uses the tags as bookmarks.
//
// The store also holds what a statement learns of its table file: the names,
// upper-cased names and types of the columns and the next id to give out.
// It reports to the engine's one log and reaches files only through its file
// layer; both are borrowed and must outlive it. One thread.
#pragma once

#include "sqlxml/FileLayer.h"
#include "sqlxml/LogFile.h"
#include "sqlxml/SqlParser.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mz {

class TStrGrid {
public:
    explicit TStrGrid(TLogFile& log, TFileLayer& files = DefaultFileLayer());
    TStrGrid(const TStrGrid&) = delete;
    TStrGrid& operator=(const TStrGrid&) = delete;

    const std::string& Cell(int c, int r) const;
    void SetCell(int c, int r, std::string text);
    int32_t RowObject(int r) const;
    void SetRowObject(int r, int32_t tag);
    // The row whose tag equals `tag`; -1 when no row carries it (and for 0).
    int IndexOfObject(int32_t tag) const;
    void DeleteRow(int r);
    // Appends the other store's cells and takes its dimensions.
    void AppendGrid(const TStrGrid& other);
    // Appends one row of cells and counts it.
    void AddRow(const std::vector<std::string>& cells);
    void SetResultMessage(std::string_view message);
    void Clear();

    const std::vector<std::string>& Cells() const { return cells_; }

    // The entry of the database directory whose name equals `name` ignoring
    // the case of ASCII letters, spelled as the directory holds it; empty
    // when none does. Throws std::runtime_error when the directory cannot be
    // listed.
    std::string FindTableFile(std::string_view name) const;
    // Drops a first single or double quote, then a last one, independently.
    static std::string StripQuotes(std::string_view text);
    // Reads the header line into the name, type and next-id fields; true
    // when the line carries a lastid.
    bool ParseHeader(std::string_view line);
    std::string FormatHeader() const;

    // Runs a statement text and leaves its result in the store. False when a
    // failure escaped the statement (an INSERT without a table file, a
    // database directory that cannot be listed): the store then holds no
    // result at all. Never throws.
    bool ExecSql(std::string_view text);

    int RowCount = 0;
    int ColCount = 0;
    std::string DataBase;
    std::string TableFile;
    std::string SqlText;
    std::string BackupFile;
    tSqlParser Parser;
    std::vector<std::string> FieldNames;
    std::vector<std::string> FieldNamesUpper;
    std::vector<std::string> FieldTypes;
    int32_t NextId = -1;

    TLogFile& Log;
    TFileLayer& Files;

private:
    std::vector<std::string> cells_;
    std::vector<int32_t> tags_; // one per row
};

} // namespace mz
