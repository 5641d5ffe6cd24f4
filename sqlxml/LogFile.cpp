#include "sqlxml/LogFile.h"

#include <ctime>

namespace mz {

TLogFile::TLogFile() : clock_([] { return std::chrono::system_clock::now(); }) {}

std::string TLogFile::Stamp(std::chrono::system_clock::time_point when) {
    const std::time_t t = std::chrono::system_clock::to_time_t(when);
    std::tm tm{};
    localtime_r(&t, &tm);
    // %x and %X follow the LC_TIME locale the program runs under, which a
    // desktop program takes from the user's settings.
    char buf[128];
    const size_t n = std::strftime(buf, sizeof buf, "%x %X", &tm);
    return std::string(buf, n);
}

int TLogFile::Add(std::string_view message) {
    std::string line = Stamp(clock_());
    line += ' ';
    line += message;
    lines_.insert(lines_.begin(), std::move(line));
    while (static_cast<int>(lines_.size()) > MaxLines && !lines_.empty())
        lines_.pop_back();
    return static_cast<int>(lines_.size()) - 1;
}

void TLogFile::Report(std::string_view message) {
    LastMessage = std::string(message);
    Add(message);
}

void TLogFile::SetPath(std::string path) {
    if (path.empty() || path.back() != '/')
        path += '/';
    path_ = std::move(path);
}

} // namespace mz
