// The program's addresses on the Internet, kept in one place.
//
// The web site is what the site link shows and opens, the feedback address is
// where "Envienos sus comentarios" writes to, and the announcements page is
// what the resources page loads. They live under a reserved example domain
// until the product has a domain of its own.
#pragma once

#include <QLatin1String>

namespace mz {

inline constexpr QLatin1String kWebSite("https://morvek-zefra.example.org/");
inline constexpr QLatin1String kFeedbackAddress("zefra@morvek-zefra.example.org");
// The link that opens the user's mail program on a new message to us.
inline constexpr QLatin1String kFeedbackLink("mailto:zefra@morvek-zefra.example.org");
inline constexpr QLatin1String kAnnouncementsPage("https://morvek-zefra.example.org/anuncios.html");

} // namespace mz
