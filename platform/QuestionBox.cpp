#include "platform/QuestionBox.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace mz {

namespace {

QuestionBoxHandler& handlerSlot() {
    static QuestionBoxHandler handler;
    return handler;
}

} // namespace

bool askYesNo(const QString& caption, const QString& text) {
    if (const QuestionBoxHandler& handler = handlerSlot())
        return handler(caption, text);
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return QMessageBox::question(QApplication::activeWindow(), caption, shown,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QuestionBoxHandler setQuestionBoxHandler(QuestionBoxHandler handler) {
    return std::exchange(handlerSlot(), std::move(handler));
}

} // namespace mz
