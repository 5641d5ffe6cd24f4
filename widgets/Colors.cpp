#include "widgets/Colors.h"

#include "platform/SystemColors.h"

#include <array>
#include <string_view>

namespace mz {

namespace {

struct NamedColor {
    std::string_view name;
    TColor value;
};

constexpr std::array<NamedColor, 40> kNames{{
    {"clred", 0x0000FF},
    {"clblack", 0x000000},
    {"clblue", 0xFF0000},
    {"clgreen", 0x008000},
    {"claqua", 0xFFFF00},
    {"clyellow", 0x00FFFF},
    {"clfuchsia", 0xFF00FF},
    {"clwhite", 0xFFFFFF},
    {"cllime", 0x00FF00},
    {"clsilver", 0xC0C0C0},
    {"clgray", 0x808080},
    {"clolive", 0x008080},
    {"clnavy", 0x800000},
    {"clpurple", 0x800080},
    {"clteal", 0x808000},
    {"clmaroon", 0x000080},
    {"clbackground", clSystemColor + 1},
    {"clactivecaption", clSystemColor + 2},
    {"clinactivecaption", clSystemColor + 3},
    {"clmenu", clSystemColor + 4},
    {"clwindow", clSystemColor + 5},
    {"clwindowframe", clSystemColor + 6},
    {"clmenutext", clSystemColor + 7},
    {"clwindowtext", clSystemColor + 8},
    {"clcaptiontext", clSystemColor + 9},
    {"clactiveborder", clSystemColor + 10},
    {"clinactiveborder", clSystemColor + 11},
    {"clappworkspace", clSystemColor + 12},
    {"clhighlight", clSystemColor + 13},
    {"clhighlighttext", clSystemColor + 14},
    {"clbtnface", clSystemColor + 15},
    {"clbtnshadow", clSystemColor + 16},
    {"clgraytext", clSystemColor + 17},
    {"clbtntext", clSystemColor + 18},
    {"clinactivecaptiontext", clSystemColor + 19},
    {"clbtnhighlight", clSystemColor + 20},
    {"cl3ddkshadow", clSystemColor + 21},
    {"cl3dlight", clSystemColor + 22},
    {"clinfotext", clSystemColor + 23},
    {"clinfobk", clSystemColor + 24},
}};

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return 0;
}

} // namespace

QColor toQColor(TColor c) {
    if (c == clNone)
        return {};
    if (isSystemColor(c))
        return systemColor(static_cast<int>(c & 0xFFu));
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

TColor fromQColor(const QColor& c) {
    return static_cast<TColor>(c.red()) | (static_cast<TColor>(c.green()) << 8) |
           (static_cast<TColor>(c.blue()) << 16);
}

TColor ColorFromHex(const QString& hex) {
    // Missing or invalid digits read as 0, so a short value still gives a colour.
    auto pair = [&](int at) {
        const int hi = at < hex.size() ? hexDigit(hex[at]) : 0;
        const int lo = at + 1 < hex.size() ? hexDigit(hex[at + 1]) : 0;
        return static_cast<TColor>(hi * 16 + lo);
    };
    const TColor r = pair(1), g = pair(3), b = pair(5);
    return r | (g << 8) | (b << 16);
}

TColor ColorFromName(const QString& name) {
    const QByteArray latin = name.toLatin1();
    const std::string_view n(latin.constData(), static_cast<size_t>(latin.size()));
    for (const NamedColor& c : kNames)
        if (c.name == n)
            return c.value;
    return clBlack;
}

} // namespace mz
