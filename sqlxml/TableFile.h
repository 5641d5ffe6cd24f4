// Table files: reading and writing them line by line.
//
// A table is one text file, "<name>.xml", in a database directory. It looks
// like XML but is never parsed as XML; each line is one element and is
// recognised by a marker it contains:
//
//   <?xml version='1.0' encoding='ISO-8859-1'?>                 declaration
//   <table fields="ID,Titulo" types="autoinc,string" lastid="7">  header
//   \t<record>                                                    record start
//   \t\t<field>7</field>                                          one line per column
//   \t\t<field>Salmo 23</field>
//   \t</record>                                                   record end
//   </table>                                                      end marker
//
// - Markers are found by containment anywhere in the line, ignoring the case
//   of ASCII letters: "<TABLE" (header, tested first), "<RECORD", "</RECORD",
//   "</TABLE". The slash keeps "</TABLE" from containing "<TABLE". Every
//   other line (declaration, blank lines, stray text) is skipped by readers
//   and copied unchanged by rewrites.
// - A column's value is the text after the line's first ">" up to the next
//   "<" after it, empty when no "<" follows. There is no escaping: values are
//   stored byte for byte and cannot hold "<", CR or LF.
// - Reading a record from its "<record" line: each column takes the next
//   line, except that once a line holding "</RECORD" has been read the
//   remaining columns take that same line (and so read empty). A well-formed
//   record thus consumes its column lines and its end line; a short one ends
//   at its "</record>" line with its missing columns empty.
// - A line's text ends at its first CR or LF; the line ends after the next
//   LF. Every line written ends with CR LF.
// - Text is single-byte (Windows-1252 in practice); nothing is converted.
// - The header lists the column names and type names joined by "," and, when
//   the types hold "autoinc", the last id given out (-1 when none yet).
//
// TLineReader reads through a TFileLayer in large blocks and hands out each
// line's text as a view that stays valid until the next call, so scanning a
// table allocates nothing per line. TLineWriter buffers output the same way.
// Both belong to the statement that uses them, on one thread.
#pragma once

#include "sqlxml/FileLayer.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace mz {

inline constexpr std::string_view kXmlDeclaration = "<?xml version='1.0' encoding='ISO-8859-1'?>";
inline constexpr std::string_view kEndMarker = "</table>";

// Which markers a line contains.
enum TLineMarks : unsigned {
    lmTable = 1,     // "<TABLE"
    lmRecord = 2,    // "<RECORD"
    lmRecordEnd = 4, // "</RECORD"
    lmTableEnd = 8,  // "</TABLE"
};

unsigned LineMarks(std::string_view line);

// The value a column line holds, and whether the line holds "</RECORD".
std::string_view FieldLine(std::string_view line, bool& recordEnd);

class TLineReader {
public:
    explicit TLineReader(std::unique_ptr<TReadFile> file);
    TLineReader(const TLineReader&) = delete;
    TLineReader& operator=(const TLineReader&) = delete;

    // The next line's text (without its CR/LF); false at the end.
    // Throws std::runtime_error on a read error.
    bool Next(std::string_view& line);

    // The markers of the line last returned, and its column value with
    // whether it holds "</RECORD". The pass that found the line's end also
    // noted where its "<" and first ">" stand, so neither scans it again.
    unsigned Marks() const;
    std::string_view Field(bool& recordEnd) const;

private:
    bool Fill();
    void Index(const char* start, const char* end);

    static constexpr int kMaxLess = 16;

    std::unique_ptr<TReadFile> file_;
    std::vector<char> buf_;
    size_t pos_ = 0;
    size_t end_ = 0;
    bool eof_ = false;
    // The last line: its text, the offsets of its "<" (when there are no
    // more than kMaxLess; otherwise it is scanned again) and of its first ">".
    std::string_view line_;
    uint32_t less_[kMaxLess];
    int lessCount_ = 0;
    bool lessOverflow_ = false;
    size_t firstGt_ = 0;
    bool hasGt_ = false;
};

class TLineWriter {
public:
    explicit TLineWriter(std::unique_ptr<TWriteFile> file);
    TLineWriter(const TLineWriter&) = delete;
    TLineWriter& operator=(const TLineWriter&) = delete;

    // Writes the text and CR LF. Failures are remembered, not thrown.
    void Line(std::string_view text);
    // Flushes, syncs and closes; false when anything failed on the way.
    bool Finish();

private:
    void Flush();

    std::unique_ptr<TWriteFile> file_;
    std::string buf_;
    bool ok_ = true;
};

// One record as read: the "<record" line, the lines it consumed and the
// value of each column. The strings keep their capacity from record to
// record, so a scan reuses them.
struct TRecordLines {
    std::vector<std::string> Lines; // the consumed lines after the "<record" line
    std::vector<std::string> Values;
    std::string Start;    // the "<record" line itself
    size_t LineCount = 0; // used entries of Lines
};

// Reads the record whose "<record" line is `start`, for `columns` columns.
// With `keepLines` the consumed lines are kept for writing them back. When
// `test` is given it decides on the value of column `testColumn` as soon as
// that column has been read, and the values of a record that does not
// qualify are left unread; the answer is whether the record qualifies (true
// without a test).
bool ReadRecord(TLineReader& reader, std::string_view start, int columns, bool keepLines, TRecordLines& out,
                int testColumn = -1, const std::function<bool(std::string_view)>& test = {});

void WriteRecord(TLineWriter& writer, const std::vector<std::string>& values);

} // namespace mz
