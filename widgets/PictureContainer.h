// Named pictures for the markup's picture tag.
//
// "<img src=\"name\">" looks the name up here (case-sensitive). Owned by the
// host; the alert window only holds a pointer. User-interface thread.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

namespace mz {

class PictureContainer {
public:
    void add(const QString& name, const QPixmap& picture) { pictures_.insert(name, picture); }
    // A null pixmap when there is no picture of that name.
    QPixmap find(const QString& name) const { return pictures_.value(name); }
    int count() const { return static_cast<int>(pictures_.size()); }

private:
    QHash<QString, QPixmap> pictures_;
};

} // namespace mz
