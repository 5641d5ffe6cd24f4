#include "sqlxml/TableFile.h"

#include <algorithm>
#include <cstring>
#include <emmintrin.h>
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

// The marker, if any, that the "<" at p starts.
unsigned MarkAt(std::string_view line, size_t p) {
    if (p + 1 >= line.size())
        return 0;
    const char c = Up(line[p + 1]);
    if (c == 'T')
        return At(line, p + 1, "TABLE") ? unsigned(lmTable) : 0u;
    if (c == 'R')
        return At(line, p + 1, "RECORD") ? unsigned(lmRecord) : 0u;
    if (c == '/') {
        if (At(line, p + 2, "TABLE"))
            return lmTableEnd;
        if (At(line, p + 2, "RECORD"))
            return lmRecordEnd;
    }
    return 0;
}

} // namespace

unsigned LineMarks(std::string_view line) {
    unsigned marks = 0;
    for (size_t p = 0; p < line.size(); ++p)
        if (line[p] == '<')
            marks |= MarkAt(line, p);
    return marks;
}

std::string_view FieldLine(std::string_view line, bool& recordEnd) {
    recordEnd = (LineMarks(line) & lmRecordEnd) != 0;
    const size_t gt = line.find('>');
    const size_t from = gt == std::string_view::npos ? 0 : gt + 1;
    const size_t lt = line.find('<', from);
    return lt == std::string_view::npos ? std::string_view() : line.substr(from, lt - from);
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

void TLineReader::Index(const char* start, const char* end) {
    // One pass over the line finds its end (the first CR or LF), its "<"
    // characters and its first ">", sixteen bytes at a time.
    const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
    const __m128i lt = _mm_set1_epi8('<'), gt = _mm_set1_epi8('>');
    lessCount_ = 0;
    lessOverflow_ = false;
    hasGt_ = false;
    const char* p = start;
    while (end - p >= 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const unsigned brk = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf))));
        unsigned ml = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, lt)));
        unsigned mg = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, gt)));
        if (brk) {
            const unsigned keep = (1u << __builtin_ctz(brk)) - 1;
            ml &= keep;
            mg &= keep;
        }
        for (; ml; ml &= ml - 1) {
            if (lessCount_ < kMaxLess)
                less_[lessCount_++] =
                    static_cast<uint32_t>(p - start) + static_cast<uint32_t>(__builtin_ctz(ml));
            else
                lessOverflow_ = true;
        }
        if (!hasGt_ && mg) {
            firstGt_ = static_cast<size_t>(p - start) + static_cast<size_t>(__builtin_ctz(mg));
            hasGt_ = true;
        }
        if (brk) {
            line_ = std::string_view(start, static_cast<size_t>(p - start) + __builtin_ctz(brk));
            return;
        }
        p += 16;
    }
    for (; p < end && *p != '\r' && *p != '\n'; ++p) {
        if (*p == '<') {
            if (lessCount_ < kMaxLess)
                less_[lessCount_++] = static_cast<uint32_t>(p - start);
            else
                lessOverflow_ = true;
        } else if (*p == '>' && !hasGt_) {
            firstGt_ = static_cast<size_t>(p - start);
            hasGt_ = true;
        }
    }
    line_ = std::string_view(start, static_cast<size_t>(p - start));
}

bool TLineReader::Next(std::string_view& line) {
    for (;;) {
        const char* start = buf_.data() + pos_;
        const char* end = buf_.data() + end_;
        Index(start, end);
        const char* brk = line_.data() + line_.size();
        // The text ends at the first CR or LF; the line ends after the next LF.
        const char* lf =
            brk < end && *brk == '\n'
                ? brk
                : static_cast<const char*>(brk < end ? std::memchr(brk, '\n', static_cast<size_t>(end - brk))
                                                     : nullptr);
        if (lf || (eof_ && pos_ < end_)) {
            line = line_;
            pos_ = lf ? static_cast<size_t>(lf - buf_.data()) + 1 : end_;
            return true;
        }
        if (!Fill() && pos_ >= end_)
            return false;
    }
}

unsigned TLineReader::Marks() const {
    if (lessOverflow_)
        return LineMarks(line_);
    unsigned marks = 0;
    for (int i = 0; i < lessCount_; ++i)
        marks |= MarkAt(line_, less_[i]);
    return marks;
}

std::string_view TLineReader::Field(bool& recordEnd) const {
    if (lessOverflow_)
        return FieldLine(line_, recordEnd);
    recordEnd = (Marks() & lmRecordEnd) != 0;
    const size_t from = hasGt_ ? firstGt_ + 1 : 0;
    for (int i = 0; i < lessCount_; ++i)
        if (less_[i] >= from)
            return line_.substr(from, less_[i] - from);
    return {};
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

bool ReadRecord(TLineReader& reader, std::string_view start, int columns, bool keepLines, TRecordLines& out,
                int testColumn, const std::function<bool(std::string_view)>& test) {
    if (keepLines)
        out.Start.assign(start);
    out.LineCount = 0;
    out.Values.resize(static_cast<size_t>(std::max(columns, 0)));
    if (columns <= 0)
        return !test;

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
    // Once the tested column has failed, the remaining values are not
    // needed: the lines are still consumed by the same rules.
    bool qualifies = true;
    bool decided = !test;
    for (int c = 0; c < columns; ++c) {
        std::string& value = out.Values[static_cast<size_t>(c)];
        if (!have) {
            value.clear();
        } else {
            bool recordEnd = false;
            const std::string_view v = reader.Field(recordEnd);
            if (qualifies)
                value.assign(v);
            if (!recordEnd) {
                have = reader.Next(line);
                if (have)
                    keep(line);
            }
        }
        if (!decided && c == testColumn) {
            qualifies = test(value);
            decided = true;
        }
    }
    if (!decided)
        qualifies = test(std::string_view()); // the tested column lies beyond the record's lines
    return qualifies;
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
