#include "scripture/IniList.h"

#include <algorithm>
#include <limits>

namespace mz {

namespace {

char asciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string singleLine(std::string_view text) {
    std::string s(text);
    std::replace_if(
        s.begin(), s.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
    return s;
}

std::vector<std::string> splitLines(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

bool isHeader(std::string_view line) {
    return !line.empty() && line.front() == '[';
}

std::string_view sectionName(std::string_view header) {
    return header.size() < 2 ? std::string_view() : header.substr(1, header.size() - 2);
}

bool parseWholeInteger(std::string_view text, std::int32_t& out) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos)
        return false;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-')
        negative = text[i++] == '-';
    if (i == text.size())
        return false;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + (text[i] - '0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1)
            return false;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<std::int32_t>::max())
        return false;
    out = static_cast<std::int32_t>(value);
    return true;
}

} // namespace

TIniList::TIniList(FileLayer& files) : files_(files), lines_{"; NoTitle"} {}

void TIniList::SetTitle(std::string_view title) {
    title_ = singleLine(title);
    applyTitle();
}

void TIniList::applyTitle() {
    const std::string line = "; " + (title_.empty() ? std::string("NoTitle") : title_);
    if (lines_.empty()) {
        lines_.push_back(line);
        lines_.emplace_back();
    } else if (!lines_.front().empty() && lines_.front().front() == ';') {
        lines_.front() = line;
    } else {
        lines_.insert(lines_.begin(), {line, std::string()});
    }
}

void TIniList::notify(const TNotifyEvent& event) {
    if (event)
        event(*this);
}

bool TIniList::LoadFile() {
    if (filename_.empty())
        return false;
    std::vector<std::string> lines = splitLines(files_.ReadFile(filename_));
    notify(OnChanging);
    lines_ = std::move(lines);
    applyTitle();
    notify(OnChange);
    return true;
}

bool TIniList::SaveFile() {
    if (filename_.empty())
        return false;
    std::string content;
    for (const std::string& line : lines_) {
        content += line;
        content += "\r\n";
    }
    files_.ReplaceFile(filename_, content);
    return true;
}

std::string_view TIniList::KeyOf(std::string_view line) const {
    const std::size_t at = line.find(separator_);
    return at == std::string_view::npos ? std::string_view() : line.substr(0, at);
}

std::string_view TIniList::ValueOf(std::string_view line) const {
    const std::size_t at = line.find(separator_);
    return at == std::string_view::npos ? std::string_view() : line.substr(at + 1);
}

bool TIniList::sameKey(std::string_view a, std::string_view b) const {
    if (a.empty() || a.size() != b.size())
        return false;
    if (caseSensitive_)
        return a == b;
    return std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return asciiUpper(x) == asciiUpper(y); });
}

int TIniList::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (isHeader(lines_[i]) && sectionName(lines_[i]) == section)
            return static_cast<int>(i);
    return -1;
}

int TIniList::findKeyBelow(int header, std::string_view key) const {
    for (std::size_t i = static_cast<std::size_t>(header) + 1; i < lines_.size(); ++i) {
        const std::string& line = lines_[i];
        if (sameKey(KeyOf(line), key))
            return static_cast<int>(i);
        if (line.empty() || isHeader(line))
            break;
    }
    return -1;
}

int TIniList::FindKey(std::string_view section, std::string_view key) const {
    const int header = FindSection(section);
    return header < 0 ? -1 : findKeyBelow(header, key);
}

int TIniList::AddSection(std::string_view section) {
    const int found = FindSection(section);
    if (found >= 0)
        return found;
    notify(OnChanging);
    lines_.emplace_back();
    lines_.push_back("[" + singleLine(section) + "]");
    notify(OnSectionChange);
    notify(OnChange);
    return static_cast<int>(lines_.size()) - 1;
}

void TIniList::WriteValue(int header, std::string_view key, std::string_view value) {
    std::string line = singleLine(key);
    line += separator_;
    line += singleLine(value);
    const int found = findKeyBelow(header, key);
    notify(OnChanging);
    if (found >= 0) {
        lines_[static_cast<std::size_t>(found)] = std::move(line);
        notify(OnValueChange);
    } else {
        lines_.insert(lines_.begin() + header + 1, std::move(line));
        notify(OnKeyChange);
    }
    notify(OnChange);
}

std::string TIniList::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
    const int at = FindKey(section, key);
    const std::string_view value =
        at < 0 ? std::string_view() : ValueOf(lines_[static_cast<std::size_t>(at)]);
    return std::string(value.empty() ? def : value);
}

std::int32_t TIniList::ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const {
    std::int32_t value = def;
    return parseWholeInteger(ReadString(section, key, ""), value) ? value : def;
}

bool TIniList::ReadBool(std::string_view section, std::string_view key, bool def) const {
    const std::string value = ReadString(section, key, "");
    return value == "1" ? true : value == "0" ? false : def;
}

void TIniList::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    WriteValue(AddSection(section), key, value);
}

void TIniList::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void TIniList::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

} // namespace mz
