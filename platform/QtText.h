// Windows-1252 byte strings to and from QString.
//
// The Qt side of the program holds QString; the engine and the scripture
// library hold Windows-1252 bytes. These two functions are the only bridge
// between them and follow the rules of Win1252.h (undefined bytes survive a
// round trip, characters the code page lacks become '?').
// Plain functions; any thread may call them.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace mz {

QString fromCp1252(std::string_view bytes);

std::string toCp1252(const QString& text, bool* lossless = nullptr);

} // namespace mz
