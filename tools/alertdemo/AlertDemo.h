// A demonstration of the alert window as the program configures it.
//
// Builds one TFadeAlertWindow configured as the program configures its own
// (ConfigureAsZefraWindow) and shows a sample heading and verse wrapped at 40
// characters as the program wraps it. It can step through the ten styles and
// the six positions. Other pieces of the desktop (a tray icon with a menu
// that calls ShowNext, for instance) can be added on top through Alert().
//
// User-interface thread only.
#pragma once

#include "widgets/AlertTypes.h"
#include "widgets/FadeAlertWindow.h"
#include "widgets/ImageList.h"

#include <QObject>
#include <QTimer>

#include <memory>

namespace mz {

class AlertDemo : public QObject {
    Q_OBJECT

public:
    explicit AlertDemo(QObject* parent = nullptr);

    TFadeAlertWindow& Alert() { return *alert_; }

    // Shows the sample passage in a style and at a position.
    void ShowPassage(TFadeAlertWindowStyle style, TWindowPosition position);
    // Keeps the passage on screen (no fade-out).
    void SetStay(bool on);
    // Steps through every style at the lower right, then every position,
    // one step every `seconds`; returns to the first step after the last.
    void StartCycle(int seconds);
    void ShowNext();

    // The text wrapped at `width` characters as the program wraps verses:
    // each line ends after the first blank that follows `width` characters.
    static QStringList WrapVerse(QString text, int width);

private:
    std::unique_ptr<ImageList> icons_;
    std::unique_ptr<TFadeAlertWindow> alert_;
    QTimer cycle_;
    int step_ = 0;
};

} // namespace mz
