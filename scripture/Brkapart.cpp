#include "scripture/Brkapart.h"

#include <algorithm>
#include <string_view>

namespace mz {

namespace {

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Offset of the first occurrence of `sep` in `text`, or npos. An empty
// separator never occurs, so the whole text becomes the only piece.
std::size_t findSeparator(std::string_view text, std::string_view sep, bool caseSensitive) {
    if (sep.empty())
        return std::string_view::npos;
    if (caseSensitive)
        return text.find(sep);
    const auto it = std::search(text.begin(), text.end(), sep.begin(), sep.end(),
                                [](char a, char b) { return asciiLower(a) == asciiLower(b); });
    return it == text.end() ? std::string_view::npos : static_cast<std::size_t>(it - text.begin());
}

} // namespace

void TBrkApart::BreakApart() {
    Pieces.clear();
    std::string_view rest = BaseString;
    for (;;) {
        const std::size_t at = findSeparator(rest, BreakString, CaseSensitive);
        const std::string_view piece = rest.substr(0, at);
        if (!piece.empty() || AllowEmptyString)
            Pieces.emplace_back(piece);
        if (at == std::string_view::npos)
            break;
        rest.remove_prefix(at + BreakString.size());
    }
}

} // namespace mz
