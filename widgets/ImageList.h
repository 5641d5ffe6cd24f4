// A list of equally sized pictures addressed by index.
//
// The alert window draws its message icons from one, and the markup's
// "IDX:" pictures come from it. Pictures of another size are scaled to the
// list's size when added. Owned by whoever creates it; the alert window only
// holds a pointer and must not outlive it. User-interface thread.
#pragma once

#include <QPixmap>
#include <QVector>

class QPainter;

namespace mz {

class ImageList {
public:
    ImageList(int width, int height) : width_(width), height_(height) {}

    int width() const { return width_; }
    int height() const { return height_; }
    int count() const { return static_cast<int>(images_.size()); }

    // Adds a picture and answers its index.
    int add(const QPixmap& picture);
    QPixmap image(int index) const;

    // Draws picture `index` with its top-left corner at (x, y); nothing for an
    // index outside the list.
    void draw(QPainter& p, int x, int y, int index) const;

private:
    int width_;
    int height_;
    QVector<QPixmap> images_;
};

} // namespace mz
