// The alert window's colour styles and the choice of a style from the
// desktop's visual theme. Pure functions; any thread.
#pragma once

#include "widgets/AlertTypes.h"

#include <QString>

#include <optional>

namespace mz {

// The nine colours a style sets; none for asCustom, which keeps the colours.
std::optional<TAlertColors> styleColors(TFadeAlertWindowStyle style);

// "NormalColor" gives asOffice2003Blue, "HomeStead" asOffice2003Olive,
// "Metallic" asOffice2003Silver; any other name (or none) asOffice2003Classic.
TFadeAlertWindowStyle styleForColorScheme(const QString& schemeName);

} // namespace mz
