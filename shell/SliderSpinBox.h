// A spin box for whole numbers that cannot be typed into.
//
// The value changes by 1 with the arrows (buttons, keys, wheel) or with a
// pop-up vertical slider of 100 pixels that opens when the number itself is
// clicked and closes when the mouse clicks elsewhere. Typed characters are
// ignored, so the box only ever holds a value of its range.
//
// A QObject of the user-interface thread; its parent owns it, and it owns
// its pop-up.
#pragma once

#include <QPointer>
#include <QSpinBox>

class QFrame;
class QSlider;

namespace mz {

class TSliderSpinBox : public QSpinBox {
    Q_OBJECT

public:
    static constexpr int kSliderLength = 100;

    explicit TSliderSpinBox(QWidget* parent = nullptr);
    // A box of the range, at the value, named for finding it, right-aligned.
    static TSliderSpinBox* Make(int min, int max, int value, const char* name, QWidget* parent);
    ~TSliderSpinBox() override;

    // Opens the pop-up slider below the box, set to the box's range and value.
    void ShowSlider();
    // The pop-up and its slider, or null before it first opens.
    QFrame* SliderPopup() const { return popup_; }
    QSlider* Slider() const { return slider_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QFrame> popup_;
    QSlider* slider_ = nullptr; // child of popup_
};

} // namespace mz
