#include "platform/LinkOpener.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <utility>

namespace mz {

namespace {

LinkOpenHandler& handlerSlot() {
    static LinkOpenHandler handler;
    return handler;
}

bool hasScheme(const QString& text) {
    // Two letters at least, so that a drive-like "c:" is not taken for one.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.\\-]+:"));
    return scheme.match(text).hasMatch();
}

} // namespace

QUrl linkUrl(const QString& text) {
    const QString link = text.trimmed();
    if (link.isEmpty())
        return {};
    if (link.startsWith(QLatin1Char('/')))
        return QUrl::fromLocalFile(QDir::cleanPath(link));
    if (hasScheme(link)) {
        static const QLatin1String mailto("mailto:");
        if (link.startsWith(mailto, Qt::CaseInsensitive)) {
            // "mailto: someone@host" is a common way to write it; the blank
            // would otherwise reach the mail program as part of the address.
            return QUrl(mailto + link.mid(mailto.size()).trimmed(), QUrl::TolerantMode);
        }
        return QUrl(link, QUrl::TolerantMode);
    }
    const QFileInfo file(link);
    if (file.exists())
        return QUrl::fromLocalFile(file.absoluteFilePath());
    return QUrl::fromUserInput(link);
}

bool openLink(const QString& text) {
    const QUrl url = linkUrl(text);
    if (url.isEmpty() || !url.isValid())
        return false;
    if (const LinkOpenHandler& handler = handlerSlot())
        return handler(url);
    return QDesktopServices::openUrl(url);
}

LinkOpenHandler setLinkOpenHandler(LinkOpenHandler handler) {
    return std::exchange(handlerSlot(), std::move(handler));
}

} // namespace mz
