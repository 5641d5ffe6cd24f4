#include "TableFile.h"

#include <cstring>
#include <stdexcept>

namespace mz {

namespace {

constexpr size_t kBlock = 256 * 1024;

inline char Up(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Whether `word` (upper case) stands at `p` in `line`, ignoring ASCII case.
inline bool At(std::string_view line, size_t p, std::string_view word) {
    if (line.size() - p < word.size())
        return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (Up(line[p + i]) != word[i])
            return false;
    return true;
}

} // namespace

unsigned LineMarks(std::string_view line) {
    unsigned marks = 0;
    const char* base = line.data();
    size_t p = 0;
    while (p < line.size()) {
        const void* hit = std::memchr(base + p, '<', line.size() - p);
        if (!hit)
            break;
        p = static_cast<size_t>(static_cast<const char*>(hit) - base) + 1;
        if (p >= line.size())
            break;
        const char c = Up(line[p]);
        if (c == 'T') {
            if (At(line, p, "TABLE"))
                marks |= lmTable;
        } else if (c == 'R') {
            if (At(line, p, "RECORD"))
                marks |= lmRecord;
        } else if (c == '/') {
            if (At(line, p + 1, "TABLE"))
                marks |= lmTableEnd;
            else if (At(line, p + 1, "RECORD"))
                marks |= lmRecordEnd;
        }
    }
    return marks;
}

std::string_view FieldValue(std::string_view line) {
    const size_t gt = line.find('>');
    const size_t from = gt == std::string_view::npos ? 0 : gt + 1;
    const size_t lt = line.find('<', from);
    if (lt == std::string_view::npos)
        return {};
    return line.substr(from, lt - from);
}

TLineReader::TLineReader(std::unique_ptr<TReadFile> file) : file_(std::move(file)), buf_(kBlock) {}

bool TLineReader::Fill() {
    if (eof_)
        return false;
    if (pos_ > 0) {
        std::memmove(buf_.data(), buf_.data() + pos_, end_ - pos_);
        end_ -= pos_;
        pos_ = 0;
    }
    if (end_ == buf_.size())
        buf_.resize(buf_.size() * 2); // a line longer than the buffer
    const long n = file_->Read(buf_.data() + end_, buf_.size() - end_);
    if (n < 0)
        throw std::runtime_error("read error");
    if (n == 0) {
        eof_ = true;
        return false;
    }
    end_ += static_cast<size_t>(n);
    return true;
}

bool TLineReader::Next(std::string_view& line) {
    for (;;) {
        const char* start = buf_.data() + pos_;
        const void* lf = std::memchr(start, '\n', end_ - pos_);
        if (lf || (eof_ && pos_ < end_)) {
            const char* stop = lf ? static_cast<const char*>(lf) : buf_.data() + end_;
            size_t len = static_cast<size_t>(stop - start);
            if (const void* cr = std::memchr(start, '\r', len))
                len = static_cast<size_t>(static_cast<const char*>(cr) - start);
            line = std::string_view(start, len);
            pos_ = lf ? static_cast<size_t>(stop - buf_.data()) + 1 : end_;
            return true;
        }
        if (!Fill() && pos_ >= end_)
            return false;
    }
}

TLineWriter::TLineWriter(std::unique_ptr<TWriteFile> file) : file_(std::move(file)) {
    buf_.reserve(kBlock + 1024);
}

void TLineWriter::Line(std::string_view text) {
    buf_.append(text);
    buf_.append("\r\n");
    if (buf_.size() >= kBlock)
        Flush();
}

void TLineWriter::Flush() {
    if (ok_ && !buf_.empty())
        ok_ = file_->Write(buf_.data(), buf_.size());
    buf_.clear();
}

bool TLineWriter::Finish() {
    Flush();
    if (ok_)
        ok_ = file_->Sync();
    const bool closed = file_->Close();
    return ok_ && closed;
}

void ReadRecord(TLineReader& reader, std::string_view start, int columns, bool keepLines, TRecordLines& out) {
    if (keepLines)
        out.Start.assign(start);
    out.LineCount = 0;
    if (out.Values.size() < static_cast<size_t>(columns))
        out.Values.resize(static_cast<size_t>(columns));
    out.Values.resize(static_cast<size_t>(columns));
    if (columns <= 0)
        return;

    std::string_view line;
    bool have = reader.Next(line);
    auto keep = [&](std::string_view l) {
        if (!keepLines)
            return;
        if (out.Lines.size() <= out.LineCount)
            out.Lines.emplace_back();
        out.Lines[out.LineCount++].assign(l);
    };
    if (have)
        keep(line);
    for (int c = 0; c < columns; ++c) {
        if (!have) {
            out.Values[static_cast<size_t>(c)].clear();
            continue;
        }
        out.Values[static_cast<size_t>(c)].assign(FieldValue(line));
        if (!(LineMarks(line) & lmRecordEnd)) {
            have = reader.Next(line);
            if (have)
                keep(line);
        }
    }
}

void WriteRecord(TLineWriter& writer, const std::vector<std::string>& values) {
    writer.Line("\t<record>");
    std::string line;
    for (const std::string& v : values) {
        line.assign("\t\t<field>");
        line += v;
        line += "</field>";
        writer.Line(line);
    }
    writer.Line("\t</record>");
}

} // namespace mz
