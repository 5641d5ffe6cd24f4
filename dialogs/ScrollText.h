// A text that scrolls slowly upward through its area and starts again.
//
// While the widget is visible, the timer service steps the text one pixel
// every stepInterval() ms on the user-interface thread; once the text has
// left the area, an ordinary timer starts it again from the bottom after
// restartDelay() ms. Hiding the widget stops both; showing it resumes.
//
// Rows are right-aligned and drawn without font smoothing, each with its
// font's shadow and colour or gradient; the top and bottom edges fade into
// the background. Content and motion live in model().
//
// A QObject of the user-interface thread; its parent owns it.
#pragma once

#include "dialogs/ScrollTextModel.h"
#include "dialogs/ServiceTimer.h"

#include <QTimer>
#include <QWidget>

#include <memory>

namespace mz {

class TScrollText : public QWidget {
    Q_OBJECT

public:
    explicit TScrollText(QWidget* parent = nullptr, TimerService& service = TimerService::Instance());
    ~TScrollText() override;

    ScrollTextModel& model() { return m_model; }
    const ScrollTextModel& model() const { return m_model; }

    std::uint32_t stepInterval() const { return m_step->interval(); }
    int restartDelay() const { return m_restart->interval(); }
    bool isStepping() const { return m_step->isEnabled(); }
    bool isWaitingToRestart() const { return m_restart->isActive(); }

    // One step of the motion, as the timer makes it.
    void Step();
    // Starts the text again from the bottom, as the restart delay does.
    void Restart();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // The rows for the current width, laid out again only after a change.
    const QVector<ScrollTextModel::Row>& Rows();

    ScrollTextModel m_model;
    QVector<ScrollTextModel::Row> m_rows;
    int m_rowsRevision = -1;
    int m_rowsWidth = -1;
    QTimer* m_restart;                    // a child
    std::unique_ptr<ServiceTimer> m_step; // last: its calls use everything above
};

} // namespace mz
