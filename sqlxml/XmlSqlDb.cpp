#include "sqlxml/XmlSqlDb.h"

#include "sqlxml/Eval.h"

#include <algorithm>
#include <unistd.h>

namespace mz {

namespace {
const std::string kEmpty;
}

std::string ExecutableDir() {
    char buf[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0)
        return {};
    std::string path(buf, static_cast<size_t>(n));
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

const std::string& TField::AsString() const {
    return owner_->CurrentValue(index_);
}

int32_t TField::AsInteger() const {
    const std::string& text = AsString();
    int32_t v = 0;
    if (!ReadInt32(text, v))
        throw EConvertError("'" + text + "' is not a valid integer value");
    return v;
}

TXmlSqlDb::TXmlSqlDb(TFileLayer& files) : files_(files) {
    log_.SetPath(ExecutableDir());
    log_.FileName = "xmlsqldb.log";
    log_.MaxLines = 10;
}

TXmlSqlDb::~TXmlSqlDb() {
    listeners_.clear();
    InternalClose();
}

void TXmlSqlDb::SetActive(bool active) {
    if (active == active_)
        return;
    if (active) {
        InternalOpen();
        active_ = true;
        Notify(TDataEvent::Opened);
    } else {
        InternalClose();
        active_ = false;
        Notify(TDataEvent::Closed);
    }
}

void TXmlSqlDb::InternalOpen() {
    fields_.clear();
    grid_.reset();
    std::vector<std::string> columns;
    try {
        log_.LastMessage.clear();
        grid_ = std::make_unique<TStrGrid>(log_, files_);
        grid_->DataBase = dataBase_;
        if (grid_->ExecSql(sql_) && grid_->ColCount > 0 && grid_->RowCount > 0) {
            for (int c = 0; c < grid_->ColCount; ++c)
                columns.push_back(grid_->Cell(c, 0));
            grid_->DeleteRow(0);
        }
    } catch (const std::exception&) {
        columns.clear(); // dropped: the dataset opens without fields
    }
    if (columns.empty()) {
        if (grid_)
            grid_->Clear();
    } else {
        for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
            size_t width = columns[static_cast<size_t>(c)].size();
            for (int r = 0; r < grid_->RowCount; ++r)
                width = std::max(width, grid_->Cell(c, r).size());
            fields_.push_back(std::unique_ptr<TField>(
                new TField(*this, c, columns[static_cast<size_t>(c)], static_cast<int>(width))));
        }
        for (int r = 0; r < grid_->RowCount; ++r)
            grid_->SetRowObject(r, r + 1);
    }
    cursor_ = RecordCount() > 0 ? 0 : -1;
    bof_ = true;
    eof_ = RecordCount() == 0;
}

void TXmlSqlDb::InternalClose() {
    fields_.clear();
    grid_.reset();
    cursor_ = -1;
    bof_ = true;
    eof_ = true;
}

void TXmlSqlDb::First() {
    cursor_ = RecordCount() > 0 ? 0 : -1;
    bof_ = true;
    eof_ = RecordCount() == 0;
    Notify(TDataEvent::Scrolled);
}

void TXmlSqlDb::Last() {
    cursor_ = RecordCount() - 1;
    eof_ = true;
    bof_ = RecordCount() == 0;
    Notify(TDataEvent::Scrolled);
}

int TXmlSqlDb::MoveBy(int distance) {
    int moved = 0;
    if ((distance > 0 && eof_) || (distance < 0 && bof_) || distance == 0)
        return 0;
    bof_ = false;
    eof_ = false;
    while (distance > 0) {
        if (cursor_ < RecordCount() - 1) {
            ++cursor_;
        } else {
            eof_ = true;
            break;
        }
        --distance;
        ++moved;
    }
    while (distance < 0) {
        if (cursor_ > 0) {
            --cursor_;
        } else {
            bof_ = true;
            break;
        }
        ++distance;
        --moved;
    }
    if (RecordCount() == 0) {
        bof_ = true;
        eof_ = true;
    }
    Notify(TDataEvent::Scrolled);
    return moved;
}

int TXmlSqlDb::RecNo() const {
    if (cursor_ == -1 && RecordCount() > 0)
        return 1;
    return cursor_ + 1;
}

void TXmlSqlDb::SetRecNo(int n) {
    if (n < 0 || n >= RecordCount() - 1)
        return;
    cursor_ = n == 0 ? 0 : n - 1;
    bof_ = false;
    eof_ = false;
    Notify(TDataEvent::Scrolled);
}

TField& TXmlSqlDb::Fields(int index) {
    if (index < 0 || index >= FieldCount())
        throw EDatabaseError("Field index out of range");
    return *fields_[static_cast<size_t>(index)];
}

TField* TXmlSqlDb::FindField(std::string_view name) {
    for (auto& f : fields_)
        if (EqualsNoCase(f->FieldName(), name))
            return f.get();
    return nullptr;
}

TField& TXmlSqlDb::FieldByName(std::string_view name) {
    if (TField* f = FindField(name))
        return *f;
    throw EDatabaseError("Field '" + std::string(name) + "' not found");
}

const std::string& TXmlSqlDb::CurrentValue(int col) const {
    if (!grid_ || cursor_ < 0 || cursor_ >= RecordCount())
        return kEmpty;
    return grid_->Cell(col, cursor_);
}

TXmlSqlDb::TBookmark TXmlSqlDb::GetBookmark() const {
    if (!grid_ || cursor_ < 0 || cursor_ >= RecordCount())
        return 0;
    return grid_->RowObject(cursor_);
}

void TXmlSqlDb::GotoBookmark(TBookmark bookmark) {
    const int row = grid_ ? grid_->IndexOfObject(bookmark) : -1;
    if (row < 0)
        throw EDatabaseError("Bookmark not found");
    cursor_ = row;
    bof_ = false;
    eof_ = false;
    Notify(TDataEvent::Scrolled);
}

void TXmlSqlDb::Resync() {
    if (!grid_ || cursor_ < 0 || cursor_ >= RecordCount())
        throw EDatabaseError("No Records");
    Notify(TDataEvent::Scrolled);
}

void TXmlSqlDb::DisableControls() {
    ++disabled_;
}

void TXmlSqlDb::EnableControls() {
    if (disabled_ > 0 && --disabled_ == 0)
        Notify(TDataEvent::DataSetChanged);
}

int TXmlSqlDb::Subscribe(TListener listener) {
    const int id = nextListener_++;
    listeners_.emplace(id, std::move(listener));
    return id;
}

void TXmlSqlDb::Unsubscribe(int id) {
    listeners_.erase(id);
}

void TXmlSqlDb::Notify(TDataEvent event) {
    if (disabled_ > 0)
        return;
    // A listener may unsubscribe while it is told.
    const auto copy = listeners_;
    for (const auto& [id, listener] : copy)
        listener(event);
}

} // namespace mz
