#include "widgets/ZefraWindowConfig.h"

#include "platform/DesktopStyle.h"
#include "widgets/FadeAlertWindow.h"

namespace mz {

void ConfigureAsZefraWindow(TFadeAlertWindow& w) {
    TMsgCollectionItem* message = w.AlertMessages().Add();
    message->SetImageIndex(1);
    message->SetTag(0);
    w.SetAlwaysOnTop(false);
    w.SetAutoSize(true);
    w.SetAutoDelete(false);
    w.SetDisplayTime(10000);
    w.SetFadeTime(10);
    w.SetFadeStep(2);
    w.SetAlphaStart(0);
    w.SetAlphaEnd(220);
    w.SetWindowPosition(wpRightBottom);
    w.SetScreenMarginX(5);
    w.SetScreenMarginY(5);
    w.SetMarginX(4);
    w.SetMarginY(4);
    w.SetPopupLeft(100);
    w.SetPopupTop(100);
    w.SetPopupWidth(300);
    w.SetPopupHeight(250);
    w.SetStyle(asOffice2003Classic);
    w.SetBorderColor(clActiveCaption);
    w.SetBtnHoverColor(0xD2BDB6);
    w.SetBtnHoverColorTo(0xD2BDB6);
    w.SetBtnDownColor(0xB59285);
    w.SetBtnDownColorTo(0xB59285);
    w.SetCaptionColor(0xC8D0D4);
    w.SetCaptionColorTo(0x8C8D8E);
    w.SetWindowColor(clWhite);
    w.SetWindowColorTo(0xC9D1D5);
    w.SetGradientDirection(gdVertical);
    w.SetFont(desktopFont(QStringLiteral("Tahoma"), 8));
    w.SetFontColor(clBlack);
    w.SetHover(true);
    w.SetShowScrollers(true);
    w.SetShowDelete(false);
    w.SetShowPopup(false);
    w.SetHintNextBtn(QStringLiteral("Pr\u00f3ximo zefra"));
    w.SetHintPrevBtn(QStringLiteral("Anterior zefra"));
    w.SetHintCloseBtn(QStringLiteral("Cerrar zefra"));
    w.SetHintDeleteBtn(QStringLiteral("Quitar"));
    w.SetHintPopupBtn(QStringLiteral("Popup"));
    w.SetPositionFormat(QStringLiteral("%d de %d"));
    w.SetRegistryKey(QStringLiteral("\\Kovrin"));
}

} // namespace mz
