// TLogFile: the engine's message log, the last ten messages in memory.
//
// Each line is the date in the user's short date format, a blank, the time in
// the user's long time format, a blank and the message; the newest line is
// first. `Report` also makes the message `LastMessage`, which decides at the
// end of a statement whether its result is data or a message; the dataset
// clears it at every open. Plain `Add` is for "Command finished succesfully".
//
// The log carries a directory and the file name "xmlsqldb.log" but is never
// written to disk. The clock is injectable for tests. One log serves the
// whole engine on the dataset's thread.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace mz {

class TLogFile {
public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;

    TLogFile();

    // Inserts the stamped line at the top and drops the oldest beyond
    // `MaxLines`; answers the index of the last line.
    int Add(std::string_view message);
    void Report(std::string_view message);

    const std::vector<std::string>& Lines() const { return lines_; }
    int Count() const { return static_cast<int>(lines_.size()); }

    const std::string& Path() const { return path_; }
    // A path separator is appended when the text does not end with one.
    void SetPath(std::string path);

    void SetClock(Clock clock) { clock_ = std::move(clock); }

    // The date and time part of a line for a moment, in the user's formats.
    static std::string Stamp(std::chrono::system_clock::time_point when);

    std::string FileName = "xmlsqldb.log";
    std::string LastMessage;
    int MaxLines = 10;

private:
    std::vector<std::string> lines_;
    std::string path_;
    Clock clock_;
};

} // namespace mz
