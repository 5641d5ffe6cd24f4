#include "platform/ProgramDirs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace mz {

namespace {

std::string WithSeparator(const QString& dir) {
    std::string path = QFile::encodeName(QDir::cleanPath(dir)).toStdString();
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

} // namespace

std::string ExecutableDirectory() {
    return WithSeparator(QCoreApplication::applicationDirPath());
}

std::string SharedDataDirectory() {
    const QString shared = QCoreApplication::applicationDirPath() + QStringLiteral("/../../share/") +
                           QLatin1String(kProgramName);
    if (!QFileInfo(shared).isDir())
        return {};
    return WithSeparator(QFileInfo(shared).canonicalFilePath());
}

} // namespace mz
