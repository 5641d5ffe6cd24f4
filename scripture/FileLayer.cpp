#include "scripture/FileLayer.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mz {

namespace {

[[noreturn]] void failOpen(int err, const std::string& path) {
    throw FileError(err, "Cannot open file \"" + path + "\"");
}

[[noreturn]] void failCreate(int err, const std::string& path) {
    throw FileError(err, "Cannot create file \"" + path + "\"");
}

// The file a path finally names: a symbolic link is replaced through, not
// over. A dangling link has nothing to follow, so the link itself is replaced.
std::string resolveTarget(const std::string& path) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr)
        return path;
    return resolved;
}

std::string directoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string temporaryName(const std::string& target) {
    // Hidden, next to the target (a rename only replaces atomically within
    // one file system), and unique per process and attempt.
    static std::atomic<unsigned> counter{0};
    const auto slash = target.rfind('/');
    const std::string dir = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    return dir + "." + base + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
}

// Makes the rename itself durable. A failure here is not reported: the target
// already holds the new content in full either way.
void syncDirectory(const std::string& dir) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::string FileLayer::ReadFile(const std::string& path) {
    const int fd = OpenForReading(path.c_str());
    if (fd < 0)
        failOpen(errno, path);
    std::string content;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ReadSome(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int err = errno;
            CloseFile(fd);
            failOpen(err, path);
        }
        if (n == 0)
            break;
        content.append(buffer, static_cast<std::size_t>(n));
    }
    CloseFile(fd);
    return content;
}

void FileLayer::ReplaceFile(const std::string& path, std::string_view content) {
    const std::string target = resolveTarget(path);

    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = temporaryName(target);
        fd = CreateExclusive(temp.c_str());
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        failCreate(errno, path);

    // From here on the temporary file must not outlive a failure.
    auto fail = [&](int err) {
        if (fd >= 0)
            CloseFile(fd);
        RemoveFile(temp.c_str());
        failCreate(err, path);
    };

    struct stat old;
    if (::stat(target.c_str(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);

    while (!content.empty()) {
        const ssize_t n = WriteSome(fd, content.data(), content.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fail(n == 0 ? ENOSPC : errno);
        content.remove_prefix(static_cast<std::size_t>(n));
    }
    if (SyncFile(fd) != 0)
        fail(errno);
    const int closed = CloseFile(fd);
    fd = -1;
    if (closed != 0)
        fail(errno);
    if (RenameFile(temp.c_str(), target.c_str()) != 0)
        fail(errno);
    syncDirectory(directoryOf(target));
}

int FileLayer::OpenForReading(const char* path) {
    return ::open(path, O_RDONLY | O_CLOEXEC);
}

ssize_t FileLayer::ReadSome(int fd, char* buffer, std::size_t size) {
    return ::read(fd, buffer, size);
}

int FileLayer::CreateExclusive(const char* path) {
    // 0666 lets the umask decide, as for any new file of the user's.
    return ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

ssize_t FileLayer::WriteSome(int fd, const char* data, std::size_t size) {
    return ::write(fd, data, size);
}

int FileLayer::SyncFile(int fd) {
    return ::fsync(fd);
}

int FileLayer::CloseFile(int fd) {
    return ::close(fd);
}

int FileLayer::RenameFile(const char* from, const char* to) {
    return ::rename(from, to);
}

int FileLayer::RemoveFile(const char* path) {
    return ::unlink(path);
}

FileLayer& DefaultSettingsFileLayer() {
    static FileLayer layer;
    return layer;
}

} // namespace mz
