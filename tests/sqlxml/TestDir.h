// A temporary database directory for one test, removed with its files.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace mz::test {

class TestDir {
public:
    TestDir() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "mzsql-XXXXXX").string();
        path_ = ::mkdtemp(tmpl.data());
    }
    ~TestDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TestDir(const TestDir&) = delete;
    TestDir& operator=(const TestDir&) = delete;

    // The directory with its trailing separator, as the engine wants it.
    std::string db() const { return path_ + "/"; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(file(name), std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(file(name), std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(file(name)); }

private:
    std::string path_;
};

// Joins lines with CR LF after each, as table files are written.
inline std::string crlf(std::initializer_list<std::string> lines) {
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

} // namespace mz::test
