#include "sqlxml/AwkLine.h"

namespace mz {

tAwkline::tAwkline(std::string_view text, std::string_view separators) {
    for (char c : separators)
        Separators.set(static_cast<unsigned char>(c));
    std::string piece;
    for (char c : text) {
        if (Separators.test(static_cast<unsigned char>(c))) {
            Pieces.push_back(std::move(piece));
            piece.clear();
        } else {
            piece += c;
        }
    }
    if (!piece.empty())
        Pieces.push_back(std::move(piece));
}

} // namespace mz
