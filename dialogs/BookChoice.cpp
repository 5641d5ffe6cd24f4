#include "dialogs/BookChoice.h"

#include "platform/QtText.h"
#include "scripture/LibPBbl.h"

namespace mz {

namespace {

QString nombre(int number) {
    return fromCp1252(Libros[number - 1].Nombre);
}

} // namespace

void TBookChoice::Elegir(const QString& selectedCaption) {
    m_libroElegido = selectedCaption.isEmpty() ? nombre(kLibroInicial) : selectedCaption;
}

void TBookChoice::BookSelected(int number) {
    if (number == kLibroInmediato)
        m_libroElegido = nombre(kLibroInmediato);
}

} // namespace mz
