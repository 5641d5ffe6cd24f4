// Opening a link, a "mailto:" address or a local document with the desktop's
// default program.
//
// openLink takes the text the program holds (a web address, "mailto:" and an
// address, an absolute path or a "file:" URL), turns it into a URL and hands
// it to the desktop. It reports only whether the desktop accepted the request;
// the callers ignore a failure, since an unopenable link is not an error the
// user has to acknowledge. Blank text opens nothing.
//
// The desktop call sits behind a replaceable handler so that tests can record
// what would be opened without launching anything.
//
// User-interface thread only.
#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace mz {

// The URL a link text stands for; empty for blank text. Surrounding blanks
// and blanks right after "mailto:" are dropped; a text that is an absolute
// path, or names an existing file, becomes a file URL; a text without a
// scheme is taken as a web address.
QUrl linkUrl(const QString& text);

// Opens the text's URL with the default program; false when the text is
// blank or the desktop refused.
bool openLink(const QString& text);

using LinkOpenHandler = std::function<bool(const QUrl&)>;

// Replaces the desktop call (an empty handler restores it) and returns the
// handler that was in place.
LinkOpenHandler setLinkOpenHandler(LinkOpenHandler handler);

} // namespace mz
