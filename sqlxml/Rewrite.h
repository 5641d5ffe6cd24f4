// TRewrite: replaces a table file so that no run, however it ends, finds the
// table half-written.
//
// The new content is written to "<table>.tmp" in the same directory and
// synced; only a complete, synced file is then renamed "<table>.new". Commit
// removes the old backup, renames the table to "<table>.bak" and the ".new"
// file to the table's name, and syncs the directory. Any failure before the
// last rename leaves the table untouched; a failing last rename puts the
// backup back. A rewrite destroyed without Commit removes its files.
//
// Should the process die between the renames, the table is missing while its
// complete ".new" exists: Recover puts it in place. Any ".tmp" is what an
// interrupted write left, and a ".new" beside an existing table belongs to a
// rewrite that never took effect; Recover discards both. A new table (no
// backup) goes straight from ".tmp" to its name.
// One thread; the file layer is borrowed.
#pragma once

#include "sqlxml/FileLayer.h"
#include "sqlxml/TableFile.h"

#include <memory>
#include <optional>
#include <string>

namespace mz {

class TRewrite {
public:
    // `table` and `backup` are full paths.
    TRewrite(TFileLayer& files, std::string dir, std::string table, std::string backup);
    ~TRewrite();
    TRewrite(const TRewrite&) = delete;
    TRewrite& operator=(const TRewrite&) = delete;

    // Opens the table for reading and creates the new file; false when
    // either fails (nothing has changed then).
    bool Begin();
    // Creates only the new file, for a table that does not exist yet.
    bool BeginNew();

    TLineReader& Reader() { return *reader_; }
    TLineWriter& Writer() { return *writer_; }

    // Puts the new content in place, keeping the previous one as backup when
    // `keepBackup`; false (and the table as it was) when anything failed.
    bool Commit(bool keepBackup = true);

    // Brings a table caught between the renames of a rewrite back to a
    // complete state; see above.
    static void Recover(TFileLayer& files, const std::string& table);

    static std::string TempName(const std::string& table) { return table + ".tmp"; }
    static std::string ReadyName(const std::string& table) { return table + ".new"; }

private:
    TFileLayer& files_;
    std::string dir_, table_, backup_, temp_, ready_;
    std::optional<TLineReader> reader_;
    std::optional<TLineWriter> writer_;
    bool writing_ = false;
    bool ready_exists_ = false;
    bool committed_ = false;
};

} // namespace mz
