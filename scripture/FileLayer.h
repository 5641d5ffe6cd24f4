// FileLayer: whole-file reads and crash-safe whole-file replacement.
//
// ReplaceFile never leaves the target empty or half-written: it writes the new
// content to a fresh temporary file in the target's directory, flushes it to
// disk, and renames it over the target. After a failure or a crash at any
// step the target holds either its old or its new content in full. A failed
// replacement removes its temporary file. A symbolic link is followed: the
// file it points to is replaced and the link itself stays. The replacement
// keeps the permission bits of the file it replaces.
//
// Failures throw FileError: "Cannot open file" for reads, "Cannot create file"
// for writes, with the path and the system's reason (UTF-8, not Windows-1252,
// since it carries a file name).
//
// Every system call goes through a protected virtual function, so that a test
// can make any single step fail; the suite runs as root, where permission bits
// stop nothing. The object has no state: any thread may use it.
// DefaultSettingsFileLayer() lives for the whole run.
#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>
#include <system_error>

namespace mz {

class FileError : public std::system_error {
public:
    FileError(int errnoValue, const std::string& what)
        : std::system_error(errnoValue, std::generic_category(), what) {}
};

class FileLayer {
public:
    FileLayer() = default;
    FileLayer(const FileLayer&) = delete;
    FileLayer& operator=(const FileLayer&) = delete;
    virtual ~FileLayer() = default;

    // The whole content of the file.
    std::string ReadFile(const std::string& path);

    // Replaces the file, or creates it, with exactly `content`.
    void ReplaceFile(const std::string& path, std::string_view content);

protected:
    // Thin wrappers over the POSIX calls of the same meaning: -1 with errno set
    // on failure. WriteSome may write fewer bytes than asked.
    virtual int OpenForReading(const char* path);
    virtual ssize_t ReadSome(int fd, char* buffer, std::size_t size);
    virtual int CreateExclusive(const char* path);
    virtual ssize_t WriteSome(int fd, const char* data, std::size_t size);
    virtual int SyncFile(int fd);
    virtual int CloseFile(int fd);
    virtual int RenameFile(const char* from, const char* to);
    virtual int RemoveFile(const char* path);
};

FileLayer& DefaultSettingsFileLayer();

} // namespace mz
