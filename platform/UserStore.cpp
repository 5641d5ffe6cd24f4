#include "platform/UserStore.h"

#include <QSettings>
#include <QStringList>

namespace mz {

namespace {

QString valueKey(const QString& keyPath, const QString& name) {
    const QString key = UserStore::normalizeKey(keyPath);
    const QString value = UserStore::normalizeKey(name);
    if (key.isEmpty())
        return value;
    return key + QLatin1Char('/') + value;
}

} // namespace

UserStore::UserStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("MorvekZefra"), QStringLiteral("UserStore"))) {}

UserStore::UserStore(const QString& fileName)
    : settings_(std::make_unique<QSettings>(fileName, QSettings::NativeFormat)) {}

UserStore::~UserStore() = default;

UserStore& UserStore::instance() {
    static UserStore store;
    return store;
}

QString UserStore::normalizeKey(QStringView path) {
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == QLatin1Char('\\') || path[i] == QLatin1Char('/')) {
            if (i > start)
                parts << path.mid(start, i - start).toString();
            start = i + 1;
        }
    }
    return parts.join(QLatin1Char('/'));
}

std::optional<int> UserStore::readInt(const QString& keyPath, const QString& name) {
    const QString key = valueKey(keyPath, name);
    if (key.isEmpty() || settings_->status() != QSettings::NoError)
        return std::nullopt;
    const QVariant v = settings_->value(key);
    bool ok = false;
    const int n = v.toInt(&ok);
    if (!v.isValid() || !ok)
        return std::nullopt;
    return n;
}

bool UserStore::writeInt(const QString& keyPath, const QString& name, int value) {
    const QString key = valueKey(keyPath, name);
    if (key.isEmpty() || !settings_->isWritable())
        return false;
    const QVariant before = settings_->value(key);
    settings_->setValue(key, value);
    settings_->sync();
    if (settings_->status() == QSettings::NoError)
        return true;
    // The file could not be written: keep the store as it was.
    if (before.isValid())
        settings_->setValue(key, before);
    else
        settings_->remove(key);
    return false;
}

QString UserStore::fileName() const {
    return settings_->fileName();
}

} // namespace mz
