// TXmlSqlDb: the dataset through which the program reaches its tables.
//
// Set `DataBase` to a directory ending in the path separator and `Sql` to a
// statement text; opening the dataset runs the statement and presents its
// result as records of text fields. A SELECT yields one field per result
// column, named as the column and as wide as its longest value or its name;
// every other statement, and every failure the engine reports, yields the
// single field "Result" with one record holding the message. A failure that
// escapes the statement (an INSERT without its table file, a directory that
// cannot be listed) is dropped: the dataset opens without fields or records.
// Every open runs `Sql` again, so reopening an INSERT inserts again. Changes
// reach tables only through statements; the fields are read-only.
//
// Navigation follows the usual dataset rules: after opening, the first record
// is current and Bof is set; Next past the last record sets Eof and stays on
// the last; both are set for an empty result. A bookmark is a record's
// 1-based number. The framework errors are thrown as EDatabaseError ("No
// Records", "Bookmark not found", an unknown field name) and EConvertError (a
// field read as an integer that is not one); statements themselves never
// throw.
//
// Observers subscribe to change notifications (a table model for a grid);
// between DisableControls and the matching EnableControls they hear nothing,
// and EnableControls then sends one DataSetChanged.
//
// The dataset owns its result and the engine's message log. It is used on
// one thread (the user-interface thread in the program).
#pragma once

#include "sqlxml/FileLayer.h"
#include "sqlxml/LogFile.h"
#include "sqlxml/StrGrid.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace mz {

class EDatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TXmlSqlDb;

// A text field of the open result; valid until the dataset closes.
class TField {
public:
    const std::string& FieldName() const { return name_; }
    int FieldNo() const { return index_ + 1; }
    int Size() const { return size_; }
    // An empty value is null and reads as the empty text.
    bool IsNull() const { return AsString().empty(); }
    const std::string& AsString() const;
    int32_t AsInteger() const;

private:
    friend class TXmlSqlDb;
    TField(const TXmlSqlDb& owner, int index, std::string name, int size)
        : owner_(&owner), index_(index), name_(std::move(name)), size_(size) {}

    const TXmlSqlDb* owner_;
    int index_;
    std::string name_;
    int size_;
};

enum class TDataEvent { Opened, Closed, Scrolled, DataSetChanged };

class TXmlSqlDb {
public:
    using TBookmark = int32_t;
    using TListener = std::function<void(TDataEvent)>;

    // The statement the program's dataset carries before it is given another.
    static constexpr std::string_view DesignSql = "select * from rv1960n";

    explicit TXmlSqlDb(TFileLayer& files = DefaultFileLayer());
    ~TXmlSqlDb();
    TXmlSqlDb(const TXmlSqlDb&) = delete;
    TXmlSqlDb& operator=(const TXmlSqlDb&) = delete;

    const std::string& DataBase() const { return dataBase_; }
    void SetDataBase(std::string dir) { dataBase_ = std::move(dir); }
    const std::string& Sql() const { return sql_; }
    void SetSql(std::string text) { sql_ = std::move(text); }

    bool Active() const { return active_; }
    void SetActive(bool active);
    void Open() { SetActive(true); }
    void Close() { SetActive(false); }
    // True while a result with at least one field is open.
    bool IsCursorOpen() const { return grid_ != nullptr && !fields_.empty(); }

    void First();
    void Last();
    void Next() { MoveBy(1); }
    void Prior() { MoveBy(-1); }
    // Moves up to `distance` records; answers how many it moved.
    int MoveBy(int distance);
    bool Eof() const { return eof_; }
    bool Bof() const { return bof_; }
    int RecordCount() const { return grid_ ? grid_->RowCount : 0; }
    int RecNo() const;
    // Makes record n current for 0 <= n < RecordCount - 1 (the first record
    // for n = 0); other values are ignored. The bound is kept as callers
    // know it.
    void SetRecNo(int n);

    int FieldCount() const { return static_cast<int>(fields_.size()); }
    TField& Fields(int index);
    TField& FieldByName(std::string_view name);
    TField* FindField(std::string_view name);

    TBookmark GetBookmark() const;
    void GotoBookmark(TBookmark bookmark);
    // Re-reads the current record; "No Records" when there is none.
    void Resync();

    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return disabled_ > 0; }
    int Subscribe(TListener listener);
    void Unsubscribe(int id);

    // The value of column `col` in record `row` (both from 0), for models
    // that show the whole result.
    const std::string& Value(int row, int col) const { return grid_->Cell(col, row); }

    TLogFile& Log() { return log_; }
    const TLogFile& Log() const { return log_; }
    TFileLayer& Files() { return files_; }

private:
    friend class TField;
    const std::string& CurrentValue(int col) const;
    void Notify(TDataEvent event);
    void InternalOpen();
    void InternalClose();

    TFileLayer& files_;
    TLogFile log_;
    std::string dataBase_;
    std::string sql_;
    bool active_ = false;
    std::unique_ptr<TStrGrid> grid_;
    std::vector<std::unique_ptr<TField>> fields_;
    int cursor_ = -1;
    bool bof_ = true;
    bool eof_ = true;
    int disabled_ = 0;
    int nextListener_ = 1;
    std::map<int, TListener> listeners_;
};

// The directory of the running executable, with a trailing separator; empty
// when it cannot be found.
std::string ExecutableDir();

} // namespace mz
