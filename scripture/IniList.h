// TIniList: an INI file kept in memory as its list of lines.
//
// Values are read and written by scanning the lines; everything a write does
// not touch (comments, blank lines, other sections and keys, their order) goes
// back to the file unchanged. The first line is always the title line
// "; " + Title ("; NoTitle" while Title is empty).
//
// Line kinds, as the look-ups see them (blanks are never trimmed):
// - section header: first character "["; its name is the text between the
//   first and the last character, whatever the last one is ("[A] " names "A]").
//   Section names compare exactly.
// - key line: holds the separator; the key is the text before its first
//   occurrence, the value the text after it. Keys compare without regard to
//   ASCII letter case unless CaseSensitive. An empty key never matches.
// - empty line: ends the key block of a section. A section's keys are the lines
//   between its header and the next empty line or header, so a key behind a
//   blank line inside its section is not found, and a write then puts a fresh
//   line for it directly below the header.
// A key that a section lacks is written directly below the header, so several
// new keys stand in the reverse of the writing order; a new section is
// appended to the end of the list after an empty line.
//
// The file is 8-bit text copied byte for byte (no code-page conversion). Lines
// end at CR LF, CR or LF; a final line break adds no empty line; a NUL byte ends
// the text. Every line is written back followed by CR LF, and the file is
// replaced atomically through the FileLayer (which must outlive the list).
// File errors throw FileError and leave Lines as they were.
//
// Line breaks and NUL bytes inside a written key, value or title become blanks:
// they would split the line in the file and turn its rest into a line of its
// own.
//
// The On... notifications, when set, are called with the list as sender:
// OnChanging before and OnChange after every change of Lines by a write,
// AddSection or LoadFile; OnSectionChange when a section was appended,
// OnKeyChange when a key line was inserted, OnValueChange when one was
// replaced (these three between OnChanging and OnChange).
//
// One thread at a time; no lock.
#pragma once

#include "scripture/FileLayer.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace mz {

class TIniList {
public:
    using TNotifyEvent = std::function<void(TIniList& sender)>;

    explicit TIniList(FileLayer& files = DefaultSettingsFileLayer());
    TIniList(const TIniList&) = delete;
    TIniList& operator=(const TIniList&) = delete;

    const std::vector<std::string>& Lines() const { return lines_; }

    const std::string& Title() const { return title_; }
    // Stores the title and re-applies the title line at once.
    void SetTitle(std::string_view title);

    const std::string& IniFilename() const { return filename_; }
    // Only stores the path; nothing is read or written.
    void SetIniFilename(std::string_view path) { filename_ = path; }

    char Separator() const { return separator_; }
    void SetSeparator(char separator) { separator_ = separator; }

    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool caseSensitive) { caseSensitive_ = caseSensitive; }

    // False, doing nothing, when IniFilename is empty. Otherwise replaces Lines
    // with the file's lines, re-applies the title line and returns true.
    bool LoadFile();
    // False, doing nothing, when IniFilename is empty. Otherwise replaces the
    // file with Lines and returns true.
    bool SaveFile();

    // The value; the default when the section or key is missing or the value
    // is empty. Taken verbatim.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    // The value as a whole integer: optional leading blanks, an optional sign,
    // digits, nothing after them, within 32 bits. Anything else gives the default.
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const;
    // "1" gives true, "0" false, anything else the default.
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    // Index of the first header of the section, or -1.
    int FindSection(std::string_view section) const;
    // Index of the key's line within the section's key block, or -1.
    int FindKey(std::string_view section, std::string_view key) const;
    // Index of the section's header, appending the section when missing.
    int AddSection(std::string_view section);
    // Replaces the key's line in the block below header `header`, or inserts
    // it directly below the header. The key is spelled as given.
    void WriteValue(int header, std::string_view key, std::string_view value);

    std::string_view KeyOf(std::string_view line) const;
    std::string_view ValueOf(std::string_view line) const;

    TNotifyEvent OnChanging;
    TNotifyEvent OnChange;
    TNotifyEvent OnSectionChange;
    TNotifyEvent OnKeyChange;
    TNotifyEvent OnValueChange;

private:
    int findKeyBelow(int header, std::string_view key) const;
    bool sameKey(std::string_view a, std::string_view b) const;
    void applyTitle();
    void notify(const TNotifyEvent& event);

    FileLayer& files_;
    std::vector<std::string> lines_;
    std::string title_;
    std::string filename_;
    char separator_ = '=';
    bool caseSensitive_ = false;
};

} // namespace mz
