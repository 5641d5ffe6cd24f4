#include "shell/OfficeMenuStyle.h"

#include "platform/DesktopStyle.h"
#include "platform/SystemColors.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPointer>

namespace mz {

namespace {

constexpr int kButtonFace = 15;
constexpr int kWindow = 5;
constexpr int kMinItemHeight = 22;
constexpr int kTextGap = 8;     // between the gutter and the caption
constexpr int kRightSpace = 16; // after the caption (and a shortcut)

QLinearGradient vertical(const QRect& r, std::uint32_t from, std::uint32_t to) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, colorFromBgr(from));
    g.setColorAt(1, colorFromBgr(to));
    return g;
}

} // namespace

TOfficeMenuStyle::TOfficeMenuStyle() = default;

TOfficeMenuStyle* TOfficeMenuStyle::Instance() {
    static QPointer<TOfficeMenuStyle> style;
    if (!style) {
        style = new TOfficeMenuStyle;
        style->setParent(qApp);
    }
    return style;
}

int TOfficeMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                  const QWidget* widget) const {
    switch (metric) {
    case PM_MenuHMargin:
        return look_.MarginX;
    case PM_MenuVMargin:
        return look_.MarginY;
    case PM_MenuPanelWidth:
        return 1;
    case PM_SmallIconSize:
        return 16;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

int TOfficeMenuStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                QStyleHintReturn* returnData) const {
    switch (hint) {
    case SH_UnderlineShortcut:
        return 1; // the access keys are always shown
    case SH_Menu_FlashTriggeredItem:
        return 0;
    default:
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}

QSize TOfficeMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                         const QWidget* widget) const {
    if (type != CT_MenuItem)
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (item && item->menuItemType == QStyleOptionMenuItem::Separator)
        return {look_.GutterWidth, look_.SeparatorLeading};
    const int textHeight = option->fontMetrics.height();
    return {look_.GutterWidth + kTextGap + size.width() + kRightSpace,
            std::max(kMinItemHeight, textHeight + 6)};
}

void TOfficeMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                     const QWidget* widget) const {
    switch (element) {
    case PE_PanelMenu: {
        const QRect r = option->rect;
        painter->fillRect(r, colorFromBgr(look_.ItemBackground));
        // The gutter runs the whole height, margins included, so that the
        // pictures stand on one unbroken strip.
        const int left = r.left() + pixelMetric(PM_MenuPanelWidth) + look_.MarginX;
        painter->fillRect(QRect(left, r.top(), look_.GutterWidth, r.height()), systemColor(kButtonFace));
        return;
    }
    case PE_FrameMenu: {
        painter->save();
        painter->setPen(colorFromBgr(look_.Gradient2From).darker(130));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
        return;
    }
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void TOfficeMenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const {
    if (element == CE_MenuItem) {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            drawMenuItem(*item, painter);
            return;
        }
    }
    if (element == CE_MenuEmptyArea) {
        painter->fillRect(option->rect, colorFromBgr(look_.ItemBackground));
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void TOfficeMenuStyle::drawMenuItem(const QStyleOptionMenuItem& item, QPainter* painter) const {
    painter->save();
    const QRect r = item.rect;
    const QRect gutter(r.left(), r.top(), look_.GutterWidth, r.height());

    if (item.menuItemType == QStyleOptionMenuItem::Separator) {
        painter->fillRect(r, systemColor(kButtonFace));
        const int y = r.top() + r.height() / 2;
        painter->setPen(systemColor(kWindow));
        painter->drawLine(gutter.right() + kTextGap, y, r.right(), y);
        painter->restore();
        return;
    }

    const bool enabled = item.state & State_Enabled;
    const bool selected = enabled && (item.state & State_Selected);
    painter->fillRect(r, colorFromBgr(look_.ItemBackground));
    painter->fillRect(gutter, systemColor(kButtonFace));
    if (selected) {
        painter->setPen(colorFromBgr(look_.Gradient1To));
        painter->setBrush(colorFromBgr(look_.SelectedItem));
        painter->drawRect(r.adjusted(0, 0, -1, -1));
    }

    const QSize iconSize(16, 16);
    const QRect iconRect(gutter.left() + (gutter.width() - iconSize.width()) / 2,
                         r.top() + (r.height() - iconSize.height()) / 2, iconSize.width(), iconSize.height());
    if (item.checkType != QStyleOptionMenuItem::NotCheckable && item.checked) {
        const QRect box = iconRect.adjusted(-2, -2, 1, 1);
        const QLinearGradient fill = selected ? vertical(box, look_.Gradient1From, look_.Gradient1To)
                                              : vertical(box, look_.Gradient2From, look_.Gradient2To);
        painter->setPen(colorFromBgr(look_.Gradient1To).darker(120));
        painter->setBrush(fill);
        painter->drawRect(box);
        if (item.icon.isNull()) {
            // A tick drawn in the text colour.
            painter->setRenderHint(QPainter::Antialiasing);
            QPen pen(colorFromBgr(look_.FontColor), 2);
            pen.setCapStyle(Qt::RoundCap);
            pen.setJoinStyle(Qt::RoundJoin);
            painter->setPen(pen);
            painter->setBrush(Qt::NoBrush);
            const QPointF c = QRectF(iconRect).center();
            painter->drawPolyline(QPolygonF{c + QPointF(-4, 0), c + QPointF(-1, 3), c + QPointF(4, -3)});
            painter->setRenderHint(QPainter::Antialiasing, false);
        }
    }
    if (!item.icon.isNull()) {
        const QIcon::Mode mode = enabled ? QIcon::Normal : QIcon::Disabled;
        item.icon.paint(painter, iconRect, Qt::AlignCenter, mode);
    }

    QString caption = item.text;
    QString shortcut;
    if (const qsizetype tab = caption.indexOf(QLatin1Char('\t')); tab >= 0) {
        shortcut = caption.mid(tab + 1);
        caption.truncate(tab);
    }
    painter->setPen(colorFromBgr(enabled ? look_.FontColor : look_.DisabledFontColor));
    painter->setFont(item.font);
    const QRect textRect(gutter.right() + 1 + kTextGap, r.top(),
                         r.width() - gutter.width() - kTextGap - kRightSpace, r.height());
    const int flags = Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;
    painter->drawText(textRect, flags | Qt::AlignLeft, caption);
    if (!shortcut.isEmpty())
        painter->drawText(textRect, flags | Qt::AlignRight, shortcut);
    painter->restore();
}

} // namespace mz
