#include "dialogs/VersionInfo.h"

#include "dialogs/ProgramVersion.h"

#include <utility>

namespace mz {

TVersionInfo::TVersionInfo()
    : TVersionInfo(QStringLiteral(MZ_PRODUCT_NAME), QStringLiteral(MZ_FILE_VERSION)) {}

TVersionInfo::TVersionInfo(QString productName, QString fileVersion)
    : m_productName(std::move(productName)), m_fileVersion(std::move(fileVersion)) {
    const QChar cut = m_fileVersion.contains(QLatin1Char('.'))   ? QLatin1Char('.')
                      : m_fileVersion.contains(QLatin1Char(',')) ? QLatin1Char(',')
                                                                 : QChar();
    if (cut.isNull()) {
        m_major = m_minor = m_release = m_build = NotAvailable();
        return;
    }
    QString* parts[] = {&m_major, &m_minor, &m_release};
    QString rest = m_fileVersion;
    for (QString* part : parts) {
        const qsizetype at = rest.indexOf(cut);
        if (at < 0) {
            // Fewer cuts than parts: what is left is this part, and the
            // parts after it stay empty.
            *part = rest.trimmed();
            rest.clear();
            continue;
        }
        *part = rest.left(at).trimmed();
        rest = rest.mid(at + 1);
    }
    m_build = rest.trimmed();
}

} // namespace mz
