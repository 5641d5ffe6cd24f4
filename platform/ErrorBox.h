// The application's standard error box.
//
// A failure that ends an event handler or a timer tick is shown here and the
// program goes on. The box is modal, titled with the application's display
// name, and shows the failure's message as it stands.
//
// The box sits behind a replaceable handler so that tests can record what
// would be shown without blocking on a modal window.
//
// User-interface thread only.
#pragma once

#include <QString>

#include <functional>

namespace mz {

void showErrorBox(const QString& message);

using ErrorBoxHandler = std::function<void(const QString&)>;

// Replaces the box (an empty handler restores it) and returns the handler
// that was in place.
ErrorBoxHandler setErrorBoxHandler(ErrorBoxHandler handler);

} // namespace mz
