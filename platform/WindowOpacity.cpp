#include "platform/WindowOpacity.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QWidget>

namespace mz {

void setWindowOpacityNow(QWidget* window, qreal opacity) {
    if (!window || window->windowOpacity() == opacity)
        return;
    window->setWindowOpacity(opacity);
    if (QAbstractEventDispatcher* dispatcher = QCoreApplication::eventDispatcher())
        dispatcher->wakeUp();
}

} // namespace mz
