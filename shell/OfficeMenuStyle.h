// The office look of the tray menu: a light menu with a grey gutter for the
// pictures at its left, a tinted bar under the item the mouse is on, and
// flat separators.
//
// Sizes: 4 pixels of horizontal and 2 of vertical margin inside the menu's
// frame, separators 6 pixels high, a gutter 26 pixels wide. Colours (written
// 0xBBGGRR, as the program's designs give them): items on 0xFAFAFA, the
// selected item 0xE6D5CB framed in 0xDEC5B8, text 0x464646, disabled text
// 0xDEC5D8; the gutter and the separators' background in the desktop's
// button-face colour and the separator line in its window colour; the box
// behind a check mark is filled with a top-to-bottom gradient from 0xD8BAAB
// to 0xEFE8E4, or from 0xEFE8E4 to 0xDEC5B8 while its item is selected.
//
// A style for menus only, drawn over the application's style for everything
// else. Instance() lives as long as the application; set it on a menu with
// QWidget::setStyle. User-interface thread.
#pragma once

#include <QProxyStyle>
#include <QStyleOptionMenuItem>

#include <cstdint>

namespace mz {

struct TOfficeMenuLook {
    std::uint32_t Gradient1From = 0xEFE8E4;
    std::uint32_t Gradient1To = 0xDEC5B8;
    std::uint32_t Gradient2From = 0xD8BAAB;
    std::uint32_t Gradient2To = 0xEFE8E4;
    int MarginX = 4;
    int MarginY = 2;
    int SeparatorLeading = 6;
    int GutterWidth = 26;
    std::uint32_t ItemBackground = 0xFAFAFA;
    std::uint32_t SelectedItem = 0xE6D5CB;
    std::uint32_t FontColor = 0x464646;
    std::uint32_t DisabledFontColor = 0xDEC5D8;
};

class TOfficeMenuStyle : public QProxyStyle {
    Q_OBJECT

public:
    TOfficeMenuStyle();

    // The style of the program's menus, owned by the application.
    static TOfficeMenuStyle* Instance();

    const TOfficeMenuLook& Look() const { return look_; }

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;

private:
    void drawMenuItem(const QStyleOptionMenuItem& item, QPainter* painter) const;

    TOfficeMenuLook look_;
};

} // namespace mz
