// Opening a document, a link or a "mailto:" address with the desktop's
// default program for it. Answers whether the desktop took the request.
// User-interface thread.
#pragma once

#include <QString>

namespace mz {

bool openDocument(const QString& target);

} // namespace mz
