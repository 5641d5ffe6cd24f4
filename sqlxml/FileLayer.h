// The engine's only door to the file system.
//
// Every table file is read, written, renamed and deleted through a
// `TFileLayer`, so that tests can make any single operation fail (a backup
// that cannot be deleted, a rename that fails, a write that stops half-way)
// without depending on permission bits. `DefaultFileLayer()` is the real,
// POSIX-backed layer and lives for the whole process.
//
// Paths are byte strings as the engine holds them (Windows-1252 names pass
// through unchanged). Errors are reported by return values, never thrown.
// A layer object may be shared by several stores but is used from one thread.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace mz {

// A file opened for reading. Read fills at most `size` bytes and answers how
// many it did: 0 at the end, -1 on an error.
class TReadFile {
public:
    virtual ~TReadFile() = default;
    virtual long Read(char* buffer, size_t size) = 0;
};

// A file created for writing. Nothing is known to be on disk until Sync has
// answered true; Close releases the file and answers false when that failed.
class TWriteFile {
public:
    virtual ~TWriteFile() = default;
    virtual bool Write(const char* data, size_t size) = 0;
    virtual bool Sync() = 0;
    virtual bool Close() = 0;
};

class TFileLayer {
public:
    virtual ~TFileLayer() = default;

    // Names of every entry of a directory (files, directories, hidden ones),
    // without "." and ".."; nothing when the directory cannot be listed.
    virtual std::optional<std::vector<std::string>> ListDir(const std::string& dir) = 0;
    virtual bool Exists(const std::string& path) = 0;
    virtual bool Remove(const std::string& path) = 0;
    // Replaces `to` when it exists.
    virtual bool Rename(const std::string& from, const std::string& to) = 0;
    virtual std::unique_ptr<TReadFile> OpenRead(const std::string& path) = 0;
    // Creates or truncates. `modeFrom`, when it names an existing file, gives
    // the new file that file's permission bits.
    virtual std::unique_ptr<TWriteFile> Create(const std::string& path, const std::string& modeFrom = {}) = 0;
    // Makes the renames and creations inside `dir` durable.
    virtual bool SyncDir(const std::string& dir) = 0;
};

TFileLayer& DefaultFileLayer();

} // namespace mz
