// The desktop's system colours by their classic numbers.
//
// Colour values in markup and in the alert window's properties may name a
// system colour by the number the classic desktop API gives it (2 active
// caption, 13 highlight, 15 button face, ...). This unit resolves such a
// number through one table to the nearest role of the application's QPalette,
// so the colours follow the desktop's colour scheme. A number outside the table
// resolves to the palette's window-text colour.
//
// The visual-theme query answers the name of the desktop's current colour
// scheme as the classic theme service would; our desktops have no such
// service, so it answers an empty text.
//
// Requires a QGuiApplication; call from the user-interface thread.
#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

namespace mz {

// The palette group and role a classic system colour number maps to.
struct SystemColorRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

SystemColorRole systemColorRole(int index);

QColor systemColor(int index);

// Name of the desktop's visual colour scheme; empty when no theme service answers.
QString visualThemeColorScheme();

} // namespace mz
