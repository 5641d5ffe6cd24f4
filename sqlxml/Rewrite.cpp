#include "sqlxml/Rewrite.h"

namespace mz {

TRewrite::TRewrite(TFileLayer& files, std::string dir, std::string table, std::string backup)
    : files_(files), dir_(std::move(dir)), table_(std::move(table)), backup_(std::move(backup)),
      temp_(TempName(table_)), ready_(ReadyName(table_)) {}

TRewrite::~TRewrite() {
    if (writing_ && !committed_) {
        writer_.reset();
        files_.Remove(temp_);
        if (ready_exists_)
            files_.Remove(ready_);
    }
}

bool TRewrite::Begin() {
    auto in = files_.OpenRead(table_);
    if (!in)
        return false;
    reader_.emplace(std::move(in));
    return BeginNew();
}

bool TRewrite::BeginNew() {
    auto out = files_.Create(temp_, table_);
    if (!out)
        return false;
    writer_.emplace(std::move(out));
    writing_ = true;
    return true;
}

bool TRewrite::Commit(bool keepBackup) {
    if (!writing_ || committed_)
        return false;
    reader_.reset();
    if (!writer_->Finish())
        return false;
    if (!keepBackup) {
        if (!files_.Rename(temp_, table_))
            return false;
        committed_ = true;
        files_.SyncDir(dir_);
        return true;
    }
    if (!files_.Rename(temp_, ready_))
        return false;
    ready_exists_ = true;
    // The rename replaces the old backup in one step, so a failure here
    // leaves both the table and the old backup as they were.
    if (!files_.Rename(table_, backup_))
        return false;
    if (!files_.Rename(ready_, table_)) {
        if (!files_.Rename(backup_, table_))
            committed_ = true; // the table lives on in ".new"; Recover restores it
        return false;
    }
    committed_ = true;
    files_.SyncDir(dir_);
    return true;
}

void TRewrite::Recover(TFileLayer& files, const std::string& table) {
    const std::string temp = TempName(table);
    const std::string ready = ReadyName(table);
    if (files.Exists(temp))
        files.Remove(temp);
    if (!files.Exists(ready))
        return;
    if (files.Exists(table))
        files.Remove(ready);
    else
        files.Rename(ready, table);
}

} // namespace mz
