// Colours and fonts as the program's designs name them, made into what this
// desktop draws with.
//
// Designs give colours as 32-bit values written 0xBBGGRR (blue in the high
// byte) and fonts by the face names of another desktop ("MS Sans Serif",
// "Tahoma"). Faces this desktop does not have are replaced by its own font of
// the same kind (sans-serif, serif or monospace) at the same point size.
//
// Plain functions; the font lookup needs a QGuiApplication.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <cstdint>

namespace mz {

// The colour a 0xBBGGRR value stands for; the high byte is ignored.
QColor colorFromBgr(std::uint32_t bgr);

// The desktop's family for a design's face name ("Sans Serif" for the
// sans-serif faces of the other desktop, and so on); unknown names stand.
QString desktopFamily(const QString& designFamily);

QFont desktopFont(const QString& designFamily, int pointSize);

} // namespace mz
