#include "scripture/uPasajes.h"

namespace mz {

std::span<const TPasaje> PasajesDeFuente(std::string_view fuente) {
    if (fuente == "Temas")
        return Temas;
    if (fuente == "Contextos")
        return Contextos;
    if (fuente == "Promesas" || fuente == "Jovenes")
        return Promesas;
    if (fuente == "Matrimonios")
        return Matrimonios;
    if (fuente == "Historias")
        return Historias;
    return {};
}

} // namespace mz
