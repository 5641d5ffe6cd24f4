#include "dialogs/ScrollText.h"

#include <QLinearGradient>
#include <QPainter>

namespace mz {

namespace {

constexpr std::uint32_t kStepInterval = 60;
constexpr int kRestartDelay = 3000;
constexpr int kMargin = 4;      // between the rows and the right edge
constexpr int kFadeHeight = 12; // of the fade at the top and bottom edges

} // namespace

TScrollText::TScrollText(QWidget* parent, TimerService& service)
    : QWidget(parent), m_restart(new QTimer(this)),
      m_step(
          std::make_unique<ServiceTimer>([this] { Step(); }, TimerService::FireOn::UserInterface, service)) {
    m_step->setInterval(kStepInterval);
    m_restart->setSingleShot(true);
    m_restart->setInterval(kRestartDelay);
    connect(m_restart, &QTimer::timeout, this, &TScrollText::Restart);
    setAutoFillBackground(true);
}

TScrollText::~TScrollText() = default;

const QVector<ScrollTextModel::Row>& TScrollText::Rows() {
    const int width = this->width() - kMargin;
    if (m_rowsRevision != m_model.Revision() || m_rowsWidth != width) {
        m_rows = m_model.Layout(width);
        m_rowsRevision = m_model.Revision();
        m_rowsWidth = width;
    }
    return m_rows;
}

void TScrollText::Step() {
    const int textHeight = ScrollTextModel::TotalHeight(Rows());
    if (m_model.Step(height(), textHeight)) {
        m_step->setEnabled(false);
        m_restart->start();
    }
    update();
}

void TScrollText::Restart() {
    m_model.Restart();
    m_step->setEnabled(true);
    update();
}

void TScrollText::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_restart->isActive())
        m_step->setEnabled(true);
}

void TScrollText::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    m_step->setEnabled(false);
    if (m_restart->isActive()) {
        // The text had left the view: it comes back from the bottom.
        m_restart->stop();
        m_model.Restart();
    }
}

void TScrollText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int right = width() - kMargin;
    const int origin = height() - m_model.Offset();
    for (const ScrollTextModel::Row& row : Rows()) {
        const int top = origin + row.top;
        if (top >= height() || top + row.height <= 0 || row.text.isEmpty())
            continue;
        const ScrollFont& style = m_model.Font(row.fontName);
        QFont font = style.font;
        font.setStyleStrategy(QFont::NoAntialias);
        painter.setFont(font);
        const QRect box(0, top, right, row.height);
        const int flags = Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine;
        if (!style.shadowOffset.isNull()) {
            painter.setPen(style.shadowColor);
            painter.drawText(box.translated(style.shadowOffset), flags, row.text);
        }
        if (style.gradient) {
            QLinearGradient fill(0, top, 0, top + row.height);
            fill.setColorAt(0, style.gradient->first);
            fill.setColorAt(1, style.gradient->second);
            painter.setPen(QPen(QBrush(fill), 1));
        } else {
            painter.setPen(style.color);
        }
        painter.drawText(box, flags, row.text);
    }

    // Rows come out of and go into the background rather than being cut.
    const QColor background = palette().color(backgroundRole());
    QColor clear = background;
    clear.setAlpha(0);
    QLinearGradient topFade(0, 0, 0, kFadeHeight);
    topFade.setColorAt(0, background);
    topFade.setColorAt(1, clear);
    painter.fillRect(0, 0, width(), kFadeHeight, topFade);
    QLinearGradient bottomFade(0, height() - kFadeHeight, 0, height());
    bottomFade.setColorAt(0, clear);
    bottomFade.setColorAt(1, background);
    painter.fillRect(0, height() - kFadeHeight, width(), kFadeHeight, bottomFade);
}

} // namespace mz
