#include "shell/PassageSource.h"

namespace mz {

namespace {

constexpr std::array<std::string_view, 10> kKeys = {"Promesas",    "Temas",     "Contextos", "Jovenes",
                                                    "Matrimonios", "Historias", "Favoritos", "Biblia",
                                                    "AT",          "NT"};

constexpr std::array<TFuente, 10> kAcceptOrder = {
    TFuente::Biblia,    TFuente::AT,      TFuente::NT,          TFuente::Promesas,  TFuente::Temas,
    TFuente::Contextos, TFuente::Jovenes, TFuente::Matrimonios, TFuente::Historias, TFuente::Favoritos};

} // namespace

std::string_view FuenteKey(TFuente fuente) {
    const auto i = static_cast<size_t>(fuente);
    return i < kKeys.size() ? kKeys[i] : std::string_view();
}

TSourceChoice SourceFromSetting(std::string_view fuenteVersos) {
    for (size_t i = 0; i < kKeys.size(); ++i)
        if (fuenteVersos == kKeys[i])
            return {static_cast<TFuente>(i), {}};
    return {TFuente::Libro, std::string(fuenteVersos)};
}

TSourceButtons TSourceButtons::Of(const TSourceChoice& choice) {
    TSourceButtons b;
    if (choice.Fuente == TFuente::Libro)
        b.LibroCaption = choice.Libro;
    else
        b[choice.Fuente] = true;
    return b;
}

TSourceChoice TickSource(const TSourceButtons& buttons) {
    for (size_t i = 0; i < buttons.Checked.size(); ++i)
        if (buttons.Checked[i])
            return {static_cast<TFuente>(i), {}};
    return {TFuente::Libro, buttons.LibroCaption};
}

std::string AcceptedSetting(const TSourceButtons& buttons) {
    for (TFuente f : kAcceptOrder)
        if (buttons[f])
            return std::string(FuenteKey(f));
    return buttons.LibroCaption;
}

} // namespace mz
