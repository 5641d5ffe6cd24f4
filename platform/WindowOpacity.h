// Whole-window opacity for top-level widgets.
//
// Sets the opacity (0 transparent to 1 opaque) and makes sure the desktop
// sees the change now. On X11 the request otherwise sits in the display
// connection's queue until the next event for that connection arrives: under
// the GLib event loop the queue is only flushed when the loop handles X
// events, so a change made from a timer or another event source would wait,
// and a fade would seem to stall. Waking the event dispatcher makes it run
// that step. Desktops without translucent windows keep the value and show
// the window opaque.
//
// User-interface thread.
#pragma once

#include <QtGlobal>

class QWidget;

namespace mz {

void setWindowOpacityNow(QWidget* window, qreal opacity);

} // namespace mz
