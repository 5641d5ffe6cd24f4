#include "tools/alertdemo/AlertDemo.h"

#include "widgets/ZefraWindowConfig.h"

#include "widgets/AlertWindow.h"

#include <QPainter>

#include <array>

namespace mz {

namespace {

const QString kHeading = QStringLiteral("Isa\u00edas 41:10");
const QString kVerse = QStringLiteral(
    "No temas, que yo soy contigo; no desmayes, que yo soy tu Dios que te esfuerzo: siempre te "
    "ayudar\u00e9, siempre te sustentar\u00e9 con la diestra de mi justicia.");

constexpr std::array<TFadeAlertWindowStyle, 10> kStyles{
    asOffice2003Blue, asOffice2003Silver,   asOffice2003Olive, asOffice2003Classic,
    asOffice2007Luna, asOffice2007Obsidian, asWindowsXP,       asWhidbey,
    asCustom,         asOffice2007Silver};
constexpr std::array<TWindowPosition, 6> kPositions{wpRightBottom, wpLeftBottom, wpRightTop,
                                                    wpLeftTop,     wpCenter,     wpPreset};

// Seven small book icons in different colours, as the message icons.
std::unique_ptr<ImageList> makeIcons() {
    auto list = std::make_unique<ImageList>(16, 16);
    const QColor colors[] = {QColor(0x8b, 0x45, 0x13), QColor(0x1f, 0x4e, 0x99), QColor(0x2e, 0x7d, 0x32),
                             QColor(0x8e, 0x24, 0xaa), QColor(0xc6, 0x28, 0x28), QColor(0x00, 0x83, 0x8f),
                             QColor(0x5d, 0x40, 0x37)};
    for (const QColor& c : colors) {
        QPixmap icon(16, 16);
        icon.fill(Qt::transparent);
        QPainter p(&icon);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(c.darker(140), 1));
        p.setBrush(c);
        p.drawRoundedRect(QRectF(2.5, 1.5, 11, 13), 1.5, 1.5);
        p.fillRect(QRectF(4, 3, 1.5, 10), c.lighter(160));
        p.fillRect(QRectF(6.5, 5, 5, 1), Qt::white);
        p.fillRect(QRectF(6.5, 7, 5, 1), Qt::white);
        p.end();
        list->add(icon);
    }
    return list;
}

} // namespace

AlertDemo::AlertDemo(QObject* parent) : QObject(parent), icons_(makeIcons()) {
    alert_ = std::make_unique<TFadeAlertWindow>();
    TFadeAlertWindow& a = *alert_;
    ConfigureAsZefraWindow(a);
    a.SetAutoHide(true);
    a.SetImages(icons_.get());

    cycle_.setSingleShot(false);
    connect(&cycle_, &QTimer::timeout, this, &AlertDemo::ShowNext);
}

QStringList AlertDemo::WrapVerse(QString text, int width) {
    QStringList lines;
    while (text.size() > width) {
        const qsizetype blank = text.indexOf(QLatin1Char(' '), width);
        if (blank < 0)
            break;
        lines << text.left(blank + 1) + QStringLiteral("<br>");
        text.remove(0, blank + 1);
    }
    lines << text;
    return lines;
}

void AlertDemo::ShowPassage(TFadeAlertWindowStyle style, TWindowPosition position) {
    TFadeAlertWindow& a = *alert_;
    a.SetStyle(style);
    if (style == asCustom) {
        // The custom style keeps whatever colours it is given: the program's
        // "Zune Theme" scheme.
        a.SetBorderColor(0x808080);
        a.SetBtnDownColor(0xE2E2E2);
        a.SetBtnDownColorTo(0xC0C0C0);
        a.SetBtnHoverColor(0xE2E2E2);
        a.SetBtnHoverColorTo(0xE2E2E2);
        a.SetCaptionColor(0xA8C5F4);
        a.SetCaptionColorTo(0x0447B4);
        a.SetWindowColor(0xFFFFFF);
        a.SetWindowColorTo(0xE2E2E2);
    }
    a.SetWindowPosition(position);

    TMsgLines& lines = a.AlertMessages().Item(0)->Text();
    lines.Clear();
    lines.Add(QStringLiteral("<b>") + kHeading + QStringLiteral("</b><hr><br>"));
    for (const QString& line : WrapVerse(kVerse, 40))
        lines.Add(line);
    a.SetAutoSize(lines.Count() <= 40);
    a.Show();
}

void AlertDemo::SetStay(bool on) {
    alert_->SetAutoHide(!on);
}

void AlertDemo::StartCycle(int seconds) {
    step_ = 0;
    ShowNext();
    cycle_.start(std::max(1, seconds) * 1000);
}

void AlertDemo::ShowNext() {
    const int total = static_cast<int>(kStyles.size() + kPositions.size());
    const int s = step_ % total;
    ++step_;
    if (s < static_cast<int>(kStyles.size())) {
        ShowPassage(kStyles[static_cast<size_t>(s)], wpRightBottom);
        return;
    }
    // Hide first, so that each position is a fresh show that fades in.
    if (alert_->Popup())
        alert_->Popup()->hide();
    ShowPassage(asOffice2003Classic, kPositions[static_cast<size_t>(s) - kStyles.size()]);
}

} // namespace mz
