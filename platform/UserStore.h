// The per-user key/value store.
//
// A tree of keys holding named integer values, one tree per user, kept in a
// QSettings file in the platform's native format (on our desktops an INI file
// under the user's configuration directory). Key paths are written with "\"
// or "/" as separators; leading, trailing and doubled separators carry no
// meaning, so "\SOFTWARE\\Kovrin\" and "SOFTWARE/Kovrin" address the same key.
// This keeps a reader and a writer that spell a path differently in agreement.
//
// Failures never raise: a read that cannot find or open its value answers
// nothing, a write that cannot reach the file answers false and leaves the
// store as it was. Subclasses may override the two virtual operations to
// inject faults in tests.
//
// One instance per file; call from one thread at a time.
#pragma once

#include <QString>
#include <QStringView>

#include <memory>
#include <optional>

class QSettings;

namespace mz {

class UserStore {
public:
    // The user's own store.
    UserStore();
    // A store kept in the given file (tests use a temporary one).
    explicit UserStore(const QString& fileName);
    virtual ~UserStore();
    UserStore(const UserStore&) = delete;
    UserStore& operator=(const UserStore&) = delete;

    // The process-wide store of the current user.
    static UserStore& instance();

    // The path with "/" separators and no empty segments ("" for the root).
    static QString normalizeKey(QStringView path);

    virtual std::optional<int> readInt(const QString& keyPath, const QString& name);
    virtual bool writeInt(const QString& keyPath, const QString& name, int value);

    QString fileName() const;

private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace mz
