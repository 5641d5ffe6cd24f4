// Small pieces the dialogs share. User-interface thread.
#pragma once

#include <QFrame>

namespace mz {

// A sunken horizontal rule, as under a dialog's title or above its buttons.
inline QFrame* horizontalLine(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace mz
