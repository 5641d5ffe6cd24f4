#include "widgets/ImageList.h"

#include <QPainter>

namespace mz {

int ImageList::add(const QPixmap& picture) {
    QPixmap p = picture;
    if (!p.isNull() && (p.width() != width_ || p.height() != height_))
        p = p.scaled(width_, height_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    images_.push_back(p);
    return count() - 1;
}

QPixmap ImageList::image(int index) const {
    if (index < 0 || index >= count())
        return {};
    return images_[index];
}

void ImageList::draw(QPainter& p, int x, int y, int index) const {
    if (index < 0 || index >= count() || images_[index].isNull())
        return;
    p.drawPixmap(x, y, images_[index]);
}

} // namespace mz
