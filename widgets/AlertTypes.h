// Types shared by the alert window component and its popup: the placement,
// style and gradient enumerations (their numeric values are what the settings
// store), the nine colours a style sets, and the appearance the component
// copies into its popup. Plain values; any thread may copy them.
#pragma once

#include "widgets/Colors.h"

#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace mz {

class ImageList;
class PictureContainer;

enum TWindowPosition { wpLeftTop, wpRightTop, wpLeftBottom, wpRightBottom, wpPreset, wpCenter };

enum TFadeAlertWindowStyle {
    asOffice2003Blue,
    asOffice2003Silver,
    asOffice2003Olive,
    asOffice2003Classic,
    asOffice2007Luna,
    asOffice2007Obsidian,
    asWindowsXP,
    asWhidbey,
    asCustom,
    asOffice2007Silver,
};

enum TGradientDirection { gdHorizontal, gdVertical };

struct TAlertColors {
    TColor WindowColor = clWhite;
    TColor WindowColorTo = clBtnFace;
    TColor CaptionColor = clWhite;
    TColor CaptionColorTo = 0x808080;
    TColor BorderColor = clActiveCaption;
    TColor BtnHoverColor = 0xBBA9A2;
    TColor BtnHoverColorTo = 0xBBA9A2;
    TColor BtnDownColor = 0xA78F87;
    TColor BtnDownColorTo = 0xA78F87;

    bool operator==(const TAlertColors&) const = default;
};

// Everything about the popup's looks that the component hands over at once.
// Pictures are shared (implicitly shared Qt values); the image list and the
// picture container belong to the host and must outlive the popup.
struct TAlertAppearance {
    TAlertColors Colors;
    QString HintNextBtn = QStringLiteral("Next");
    QString HintPrevBtn = QStringLiteral("Previous");
    QString HintCloseBtn = QStringLiteral("Close");
    QString HintDeleteBtn = QStringLiteral("Delete");
    QString HintPopupBtn = QStringLiteral("Popup");
    TGradientDirection GradientDirection = gdVertical;
    QPixmap Background;
    int MarginX = 4;
    int MarginY = 1;
    QFont Font;
    TColor FontColor = clBlack;
    int MaxWidth = 0;
    int MaxHeight = 0;
    bool ShowPopup = false;
    bool ShowScrollers = false;
    TColor URLColor = clBlue;
    bool Hover = false;
    QString PositionFormat = QStringLiteral("%d of %d");
    bool AutoDelete = false;
    bool ShowDelete = true;
    bool AlwaysOnTop = false;
    QImage GlyphPrev;
    QImage GlyphNext;
    QImage GlyphDelete;
    QImage GlyphClose;
    QImage GlyphPopup;
    const ImageList* Images = nullptr;
    const PictureContainer* Pictures = nullptr;
};

} // namespace mz
