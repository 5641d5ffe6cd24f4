#include "platform/OpenDocument.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace mz {

bool openDocument(const QString& target) {
    if (target.isEmpty())
        return false;
    // A path to an existing file opens as a file; anything else is read the
    // way a user would type it in a browser ("www.x.org", "mailto:...").
    const QUrl url = QFileInfo::exists(target) ? QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath())
                                               : QUrl::fromUserInput(target);
    return url.isValid() && QDesktopServices::openUrl(url);
}

} // namespace mz
