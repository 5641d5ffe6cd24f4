#include "platform/ErrorBox.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace mz {

namespace {

ErrorBoxHandler& handlerSlot() {
    static ErrorBoxHandler handler;
    return handler;
}

} // namespace

void showErrorBox(const QString& message) {
    if (const ErrorBoxHandler& handler = handlerSlot()) {
        handler(message);
        return;
    }
    QMessageBox::critical(QApplication::activeWindow(), QGuiApplication::applicationDisplayName(), message);
}

ErrorBoxHandler setErrorBoxHandler(ErrorBoxHandler handler) {
    return std::exchange(handlerSlot(), std::move(handler));
}

} // namespace mz
