#include "platform/DesktopStyle.h"

#include <array>

namespace mz {

namespace {

struct FaceMapping {
    const char* design;
    const char* desktop;
    QFont::StyleHint hint;
};

// "Sans Serif", "Serif" and "Monospace" are the desktop's own aliases: the
// font configuration resolves them to whatever the user's desktop uses.
constexpr std::array kFaces{
    FaceMapping{"MS Sans Serif", "Sans Serif", QFont::SansSerif},
    FaceMapping{"Microsoft Sans Serif", "Sans Serif", QFont::SansSerif},
    FaceMapping{"Tahoma", "Sans Serif", QFont::SansSerif},
    FaceMapping{"Arial", "Sans Serif", QFont::SansSerif},
    FaceMapping{"Verdana", "Sans Serif", QFont::SansSerif},
    FaceMapping{"Segoe UI", "Sans Serif", QFont::SansSerif},
    FaceMapping{"MS Serif", "Serif", QFont::Serif},
    FaceMapping{"Times New Roman", "Serif", QFont::Serif},
    FaceMapping{"Courier New", "Monospace", QFont::Monospace},
};

const FaceMapping* findFace(const QString& family) {
    for (const FaceMapping& face : kFaces) {
        if (family.compare(QLatin1String(face.design), Qt::CaseInsensitive) == 0)
            return &face;
    }
    return nullptr;
}

} // namespace

QColor colorFromBgr(std::uint32_t bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QString desktopFamily(const QString& designFamily) {
    const FaceMapping* face = findFace(designFamily);
    return face ? QString::fromLatin1(face->desktop) : designFamily;
}

QFont desktopFont(const QString& designFamily, int pointSize) {
    QFont font(desktopFamily(designFamily), pointSize);
    if (const FaceMapping* face = findFace(designFamily))
        font.setStyleHint(face->hint);
    return font;
}

} // namespace mz
