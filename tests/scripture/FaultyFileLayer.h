// A FileLayer whose chosen step fails with a chosen errno, the real calls
// doing everything else. A failing write first writes half of what it is
// given, like a disk that fills up in the middle of the file.
#pragma once

#include "scripture/FileLayer.h"

#include <cerrno>

namespace mz::test {

class FaultyFileLayer : public FileLayer {
public:
    enum class Step {
        None,
        OpenForReading,
        ReadSome,
        CreateExclusive,
        WriteSome,
        ShortWrite,
        SyncFile,
        CloseFile,
        RenameFile
    };

    Step failAt = Step::None;
    int error = EIO;
    int createCollisions = 0; // CreateExclusive reports EEXIST this many times first

protected:
    int OpenForReading(const char* path) override {
        return fails(Step::OpenForReading) ? -1 : FileLayer::OpenForReading(path);
    }
    ssize_t ReadSome(int fd, char* buffer, std::size_t size) override {
        return fails(Step::ReadSome) ? -1 : FileLayer::ReadSome(fd, buffer, size);
    }
    int CreateExclusive(const char* path) override {
        if (createCollisions > 0) {
            --createCollisions;
            errno = EEXIST;
            return -1;
        }
        return fails(Step::CreateExclusive) ? -1 : FileLayer::CreateExclusive(path);
    }
    ssize_t WriteSome(int fd, const char* data, std::size_t size) override {
        if (failAt == Step::WriteSome || failAt == Step::ShortWrite) {
            if (size > 1 && !halfWritten_) {
                halfWritten_ = true;
                return FileLayer::WriteSome(fd, data, size / 2);
            }
            if (failAt == Step::ShortWrite)
                return 0;
            errno = error;
            return -1;
        }
        return FileLayer::WriteSome(fd, data, size);
    }
    int SyncFile(int fd) override { return fails(Step::SyncFile) ? -1 : FileLayer::SyncFile(fd); }
    int CloseFile(int fd) override {
        // The descriptor is released even when the close reports an error.
        const int r = FileLayer::CloseFile(fd);
        return fails(Step::CloseFile) ? -1 : r;
    }
    int RenameFile(const char* from, const char* to) override {
        return fails(Step::RenameFile) ? -1 : FileLayer::RenameFile(from, to);
    }

private:
    bool fails(Step step) const {
        if (failAt != step)
            return false;
        errno = error;
        return true;
    }
    bool halfWritten_ = false;
};

} // namespace mz::test
