#include "widgets/AlertStyles.h"

namespace mz {

namespace {

// Office-like button colours shared by most styles.
constexpr TColor kHover = 0xDCFFFF;
constexpr TColor kHoverTo = 0x5BC0F7;
constexpr TColor kDown = 0x087FE8;
constexpr TColor kDownTo = 0x7CDAF7;

TAlertColors colors(TColor window, TColor windowTo, TColor caption, TColor captionTo, TColor border,
                    TColor hover = kHover, TColor hoverTo = kHoverTo, TColor down = kDown,
                    TColor downTo = kDownTo) {
    TAlertColors c;
    c.WindowColor = window;
    c.WindowColorTo = windowTo;
    c.CaptionColor = caption;
    c.CaptionColorTo = captionTo;
    c.BorderColor = border;
    c.BtnHoverColor = hover;
    c.BtnHoverColorTo = hoverTo;
    c.BtnDownColor = down;
    c.BtnDownColorTo = downTo;
    return c;
}

} // namespace

std::optional<TAlertColors> styleColors(TFadeAlertWindowStyle style) {
    switch (style) {
    case asOffice2003Blue:
        return colors(0xFADAC4, 0xF5BFA0, 0xD68759, 0x962D00, 0x962D00);
    case asOffice2003Silver:
        return colors(0xF7F3F3, 0xE6D8D8, 0xBFA7A8, 0x947C7C, 0x947C7C);
    case asOffice2003Olive:
        return colors(0xE4F1F2, 0xAADADA, 0x6F8E78, 0x588060, 0x588060);
    case asOffice2003Classic:
        return colors(0xFFFFFF, 0xC9D1D5, 0xC8D0D4, 0x8C8D8E, clActiveCaption, 0xD2BDB6, 0xD2BDB6, 0xB59285,
                      0xB59285);
    case asOffice2007Luna:
        return colors(0xFFF4E3, 0xEDD9C8, 0xFFEFE3, 0xFFD2AF, 0xFFD2AF);
    case asOffice2007Obsidian:
        return colors(0xF1F0E6, 0xC6BCB5, 0xF2F1F0, 0xC9C2BD, 0x5C534C);
    case asWindowsXP:
        return colors(clBtnFace, clBtnFace, 0xFF0000, clHighlight, 0x000000, clInactiveCaption,
                      clInactiveCaption, clHighlight, clHighlight);
    case asWhidbey:
        return colors(0xF5F9FA, 0xA8C0C0, 0xEBEEEF, 0x7E9898, 0x7E9898);
    case asOffice2007Silver:
        return colors(0xF8F7F6, 0xE8E0DB, 0xFAEEEB, 0xE2D8D4, 0x74706F);
    case asCustom:
        break;
    }
    return std::nullopt;
}

TFadeAlertWindowStyle styleForColorScheme(const QString& schemeName) {
    if (schemeName == QLatin1String("NormalColor"))
        return asOffice2003Blue;
    if (schemeName == QLatin1String("HomeStead"))
        return asOffice2003Olive;
    if (schemeName == QLatin1String("Metallic"))
        return asOffice2003Silver;
    return asOffice2003Classic;
}

} // namespace mz
