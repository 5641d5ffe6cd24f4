#include "platform/SystemColors.h"

#include <QGuiApplication>

#include <array>

namespace mz {

namespace {

using G = QPalette::ColorGroup;
using R = QPalette::ColorRole;

// Indexed by the classic system colour number. Captions map to the selection
// colours, which is what a desktop uses to mark the active window; button
// shades map to the palette's 3-D shades from light to shadow.
constexpr std::array<SystemColorRole, 31> kRoles{{
    {G::Active, R::Button},            // 0 scroll bar
    {G::Active, R::Dark},              // 1 desktop background
    {G::Active, R::Highlight},         // 2 active caption
    {G::Inactive, R::Highlight},       // 3 inactive caption
    {G::Active, R::Window},            // 4 menu
    {G::Active, R::Base},              // 5 window
    {G::Active, R::Shadow},            // 6 window frame
    {G::Active, R::WindowText},        // 7 menu text
    {G::Active, R::Text},              // 8 window text
    {G::Active, R::HighlightedText},   // 9 caption text
    {G::Active, R::Window},            // 10 active border
    {G::Inactive, R::Window},          // 11 inactive border
    {G::Active, R::Mid},               // 12 application workspace
    {G::Active, R::Highlight},         // 13 highlight
    {G::Active, R::HighlightedText},   // 14 highlight text
    {G::Active, R::Button},            // 15 button face
    {G::Active, R::Dark},              // 16 button shadow
    {G::Disabled, R::Text},            // 17 grey text
    {G::Active, R::ButtonText},        // 18 button text
    {G::Inactive, R::HighlightedText}, // 19 inactive caption text
    {G::Active, R::Light},             // 20 button highlight
    {G::Active, R::Shadow},            // 21 3-D dark shadow
    {G::Active, R::Midlight},          // 22 3-D light
    {G::Active, R::ToolTipText},       // 23 info text
    {G::Active, R::ToolTipBase},       // 24 info background
    {G::Active, R::WindowText},        // 25 unused
    {G::Active, R::Link},              // 26 hot-tracked item
    {G::Active, R::Highlight},         // 27 active caption gradient
    {G::Inactive, R::Highlight},       // 28 inactive caption gradient
    {G::Active, R::Highlight},         // 29 menu highlight
    {G::Active, R::Window},            // 30 menu bar
}};

} // namespace

SystemColorRole systemColorRole(int index) {
    if (index < 0 || index >= static_cast<int>(kRoles.size()))
        return {G::Active, R::WindowText};
    return kRoles[static_cast<size_t>(index)];
}

QColor systemColor(int index) {
    const SystemColorRole r = systemColorRole(index);
    return QGuiApplication::palette().color(r.group, r.role);
}

QString visualThemeColorScheme() {
    return {};
}

} // namespace mz
