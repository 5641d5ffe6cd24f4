#include "shell/SliderSpinBox.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

namespace mz {

TSliderSpinBox::TSliderSpinBox(QWidget* parent) : QSpinBox(parent) {
    setSingleStep(1);
    setAccelerated(false);
    // The number can be selected and copied but never edited; arrows still
    // step it because QAbstractSpinBox handles them, not the line edit.
    lineEdit()->setReadOnly(true);
    lineEdit()->installEventFilter(this);
    lineEdit()->setCursor(Qt::ArrowCursor);
}

TSliderSpinBox* TSliderSpinBox::Make(int min, int max, int value, const char* name, QWidget* parent) {
    auto* s = new TSliderSpinBox(parent);
    s->setObjectName(QLatin1String(name));
    s->setRange(min, max);
    s->setValue(value);
    s->setAlignment(Qt::AlignRight);
    return s;
}

TSliderSpinBox::~TSliderSpinBox() {
    // A pop-up is a window of its own; it goes with the box.
    delete popup_.data();
}

bool TSliderSpinBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonPress && isEnabled()) {
        ShowSlider();
        return true;
    }
    return QSpinBox::eventFilter(watched, event);
}

void TSliderSpinBox::ShowSlider() {
    if (!popup_) {
        popup_ = new QFrame(nullptr, Qt::Popup);
        popup_->setFrameShape(QFrame::StyledPanel);
        auto* layout = new QVBoxLayout(popup_);
        layout->setContentsMargins(2, 2, 2, 2);
        slider_ = new QSlider(Qt::Vertical, popup_);
        slider_->setFixedHeight(kSliderLength);
        slider_->setSingleStep(1);
        slider_->setPageStep(1);
        slider_->setTracking(true);
        layout->addWidget(slider_);
        connect(slider_, &QSlider::valueChanged, this, &QSpinBox::setValue);
    }
    {
        // Setting the range would clamp the slider's old value into the box.
        const QSignalBlocker quiet(slider_);
        slider_->setRange(minimum(), maximum());
        slider_->setValue(value());
    }
    popup_->adjustSize();
    // Below the box, at its right end, kept on the screen.
    QPoint at = mapToGlobal(QPoint(width() - popup_->width(), height()));
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        if (at.y() + popup_->height() > area.bottom())
            at.setY(mapToGlobal(QPoint(0, 0)).y() - popup_->height());
        at.setX(qBound(area.left(), at.x(), area.right() - popup_->width()));
    }
    popup_->move(at);
    popup_->show();
    slider_->setFocus();
}

} // namespace mz
