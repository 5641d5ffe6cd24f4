// The alert window as the program configures it for its passages.
//
// ConfigureAsZefraWindow gives a fresh TFadeAlertWindow the program's one
// message (item 0, icon 1) and every value of its design: lower right with
// 5-pixel screen margins, a fade from 0 to 220 in steps of 2 every 10 ms, ten
// seconds on screen, auto size, the classic style with the program's button,
// caption and window colours, Tahoma 8 points, links with hover, the Spanish
// button hints, "%d de %d" and the per-user key "\Kovrin". AutoHide is left
// as the component starts (on): setting it would start the display countdown
// with nothing on screen. The host adds what is its own: the image list, the
// per-user store, the event handlers.
//
// User-interface thread only.
#pragma once

namespace mz {

class TFadeAlertWindow;

void ConfigureAsZefraWindow(TFadeAlertWindow& w);

} // namespace mz
