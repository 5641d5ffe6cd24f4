// TSqlStatement: runs one statement's token list against the table files of
// the store's database directory and leaves exactly one result in the store:
// the header row and matching rows of a SELECT, or the message result.
//
// Statements and what they touch:
//   SELECT  reads the table file, keeping only the matching rows;
//   INSERT, UPDATE, DELETE  rewrite the table: the new content is streamed
//           into "<table>.tmp" beside it and synced; only then does the old
//           table become "<table>.bak" and the new file take its name. A
//           statement that fails anywhere on the way leaves the table and its
//           backup exactly as they were; after success the backup holds the
//           previous content;
//   CREATE TABLE  writes a new three-line file the same way, without backup;
//   DROP TABLE    renames the table to its backup.
// A table found missing while its ".tmp" exists was caught between the two
// renames of a rewrite; the complete new file is put in place before the
// statement runs, and a ".tmp" left beside an existing table is discarded.
//
// Messages go to the engine's log; `LastMessage`, cleared by the dataset at
// each open, decides at the end of a statement whether its result is data or
// that message. `OrderColumn` and `OrderType` are engine-wide and keep their
// values from one statement to the next. One thread.
#pragma once

#include "sqlxml/StrGrid.h"

#include <cstdint>

namespace mz {

enum class TOrderType { Integer, String, Boolean, DateTime, Float };

class TSqlStatement {
public:
    explicit TSqlStatement(TStrGrid& store);

    // False when a failure escaped the statement and the store holds no
    // result (an INSERT whose table file is missing, a statement too short
    // to name its table, a directory that cannot be listed).
    bool Run();

    static inline int32_t OrderColumn = 0;
    static inline TOrderType OrderType = TOrderType::Boolean;

private:
    void SelectRecords();
    void OrderRows(std::vector<std::vector<std::string>>& rows, const std::vector<std::string>& header);
    void InsertRecord();
    void UpdateRecords(bool remove);
    void CreateTable();
    void DropTable();
    void Finish();
    void RecoverTable(const std::string& name, bool exact);

    const std::string& Token(size_t position) const; // from 1; throws when missing

    TStrGrid& s_;
    TTokenList& tokens_;
};

} // namespace mz
