// The application's yes/no question box.
//
// Confirmations ask with a modal box showing a question icon, the caller's
// caption and text, and the buttons "yes" and "no"; the answer is true for
// "yes". A carriage return in the text (the stored texts break lines that
// way) is shown as a line break.
//
// The box sits behind a replaceable handler so that tests can answer the
// question without blocking on a modal window; the handler is given the text
// as the caller wrote it.
//
// User-interface thread only.
#pragma once

#include <QString>

#include <functional>

namespace mz {

bool askYesNo(const QString& caption, const QString& text);

using QuestionBoxHandler = std::function<bool(const QString& caption, const QString& text)>;

// Replaces the box (an empty handler restores it) and returns the handler
// that was in place.
QuestionBoxHandler setQuestionBoxHandler(QuestionBoxHandler handler);

} // namespace mz
