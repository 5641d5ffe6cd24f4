// Colour values of the alert window and its markup.
//
// A TColor is a 32-bit value. An ordinary colour is 0x00BBGGRR (blue in the
// high byte, red in the low one), the layout the stored settings use. The
// value 0xFF000000 + n names the desktop's system colour number n, resolved at
// the moment of drawing (see SystemColors.h); clNone (0x1FFFFFFF) is no colour.
//
// ColorFromHex and ColorFromName read the colour attributes of the markup:
// "#RRGGBB", or a lower-case colour name from a fixed table ("clred",
// "clbtnface", ...). Neither fails: what they cannot read gives black.
//
// Plain functions. toQColor needs a QGuiApplication for system colours and
// belongs to the user-interface thread; the others may run anywhere.
#pragma once

#include <QColor>
#include <QString>

#include <cstdint>

namespace mz {

using TColor = std::uint32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clGray = 0x808080;

inline constexpr TColor clSystemColor = 0xFF000000;
inline constexpr TColor clActiveCaption = clSystemColor + 2;
inline constexpr TColor clInactiveCaption = clSystemColor + 3;
inline constexpr TColor clHighlight = clSystemColor + 13;
inline constexpr TColor clHighlightText = clSystemColor + 14;
inline constexpr TColor clBtnFace = clSystemColor + 15;

inline constexpr bool isSystemColor(TColor c) {
    return (c & 0xFF000000u) == clSystemColor;
}

// The RGB colour for a value; system colours come from the application's
// palette. clNone gives an invalid QColor.
QColor toQColor(TColor c);

// The value for an RGB colour (alpha is dropped).
TColor fromQColor(const QColor& c);

// "#" followed by six hexadecimal digits read as red, green and blue.
TColor ColorFromHex(const QString& hex);

// A lower-case colour name of the markup's table; unknown names give black.
TColor ColorFromName(const QString& name);

} // namespace mz
