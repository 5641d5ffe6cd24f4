#include "sqlxml/FileLayer.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mz {

namespace {

class PosixReadFile final : public TReadFile {
public:
    explicit PosixReadFile(int fd) : fd_(fd) {}
    ~PosixReadFile() override { ::close(fd_); }
    PosixReadFile(const PosixReadFile&) = delete;
    PosixReadFile& operator=(const PosixReadFile&) = delete;

    long Read(char* buffer, size_t size) override {
        for (;;) {
            const ssize_t n = ::read(fd_, buffer, size);
            if (n < 0 && errno == EINTR)
                continue;
            return static_cast<long>(n);
        }
    }

private:
    int fd_;
};

class PosixWriteFile final : public TWriteFile {
public:
    explicit PosixWriteFile(int fd) : fd_(fd) {}
    ~PosixWriteFile() override {
        if (fd_ >= 0)
            ::close(fd_);
    }
    PosixWriteFile(const PosixWriteFile&) = delete;
    PosixWriteFile& operator=(const PosixWriteFile&) = delete;

    bool Write(const char* data, size_t size) override {
        while (size > 0) {
            const ssize_t n = ::write(fd_, data, size);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return false;
            }
            data += n;
            size -= static_cast<size_t>(n);
        }
        return true;
    }
    bool Sync() override { return ::fsync(fd_) == 0; }
    bool Close() override {
        const int fd = fd_;
        fd_ = -1;
        return fd >= 0 && ::close(fd) == 0;
    }

private:
    int fd_;
};

class PosixFileLayer final : public TFileLayer {
public:
    std::optional<std::vector<std::string>> ListDir(const std::string& dir) override {
        DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
        if (!d)
            return std::nullopt;
        std::vector<std::string> names;
        while (const dirent* e = ::readdir(d)) {
            const std::string_view name(e->d_name);
            if (name != "." && name != "..")
                names.emplace_back(name);
        }
        ::closedir(d);
        return names;
    }
    bool Exists(const std::string& path) override {
        struct stat st;
        return ::stat(path.c_str(), &st) == 0;
    }
    bool Remove(const std::string& path) override { return ::unlink(path.c_str()) == 0; }
    bool Rename(const std::string& from, const std::string& to) override {
        return ::rename(from.c_str(), to.c_str()) == 0;
    }
    std::unique_ptr<TReadFile> OpenRead(const std::string& path) override {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return nullptr;
        struct stat st;
        if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
            ::close(fd);
            return nullptr;
        }
        return std::make_unique<PosixReadFile>(fd);
    }
    std::unique_ptr<TWriteFile> Create(const std::string& path, const std::string& modeFrom) override {
        mode_t mode = 0666;
        struct stat st;
        if (!modeFrom.empty() && ::stat(modeFrom.c_str(), &st) == 0)
            mode = st.st_mode & 07777;
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
        if (fd < 0)
            return nullptr;
        if (!modeFrom.empty())
            ::fchmod(fd, mode); // the umask must not narrow a table's own bits
        return std::make_unique<PosixWriteFile>(fd);
    }
    bool SyncDir(const std::string& dir) override {
        const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return false;
        const bool ok = ::fsync(fd) == 0;
        ::close(fd);
        return ok;
    }
};

} // namespace

TFileLayer& DefaultFileLayer() {
    static PosixFileLayer layer;
    return layer;
}

} // namespace mz
