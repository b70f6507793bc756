// SPDX-License-Identifier: GPL-3.0-or-later
#include "Comun.h"

namespace ConversionesTextoHTML {
namespace {

template <typename Unidad>
void Convierte(std::basic_string_view<Unidad> origen, std::int16_t modo, std::int16_t opciones,
               std::basic_string<Unidad> &destino)
{
    destino.clear();
    switch (modo) {
    case TextoAHTML: return CodificaTexto(origen, opciones, destino);
    case HTMLATexto: return DecodificaHTML(origen, opciones, destino);
    default: destino.assign(origen); return;
    }
}

}  // namespace

std::u16string ConvierteTextoHTML(std::u16string_view Origen, std::int16_t Modo, std::int16_t Opciones)
{
    std::u16string resultado;
    Convierte(Origen, Modo, Opciones, resultado);
    return resultado;
}

std::string ConvierteTextoHTML(std::string_view Origen, std::int16_t Modo, std::int16_t Opciones)
{
    std::string resultado;
    Convierte(Origen, Modo, Opciones, resultado);
    return resultado;
}

void ConvierteTextoHTML(std::u16string_view Origen, std::int16_t Modo, std::int16_t Opciones,
                        std::u16string &Destino)
{
    Convierte(Origen, Modo, Opciones, Destino);
}

void ConvierteTextoHTML(std::string_view Origen, std::int16_t Modo, std::int16_t Opciones, std::string &Destino)
{
    Convierte(Origen, Modo, Opciones, Destino);
}

template <typename Unidad>
Flujo<Unidad>::Flujo(std::int16_t Modo, std::int16_t Opciones)
    : etapa_(Modo == TextoAHTML   ? EtapaTextoAHTML<Unidad>(Opciones)
             : Modo == HTMLATexto ? EtapaHTMLATexto<Unidad>(Opciones)
                                  : nullptr)
{
}

template <typename Unidad>
Flujo<Unidad>::~Flujo() = default;
template <typename Unidad>
Flujo<Unidad>::Flujo(Flujo &&) noexcept = default;
template <typename Unidad>
Flujo<Unidad> &Flujo<Unidad>::operator=(Flujo &&) noexcept = default;

template <typename Unidad>
void Flujo<Unidad>::Anade(std::basic_string_view<Unidad> Trozo, std::basic_string<Unidad> &Destino)
{
    if (etapa_)
        etapa_->Anade(Trozo, Destino);
    else
        Destino.append(Trozo);
}

template <typename Unidad>
void Flujo<Unidad>::Termina(std::basic_string<Unidad> &Destino)
{
    if (etapa_)
        etapa_->Termina(Destino);
}

template <typename Unidad>
std::size_t Flujo<Unidad>::Retenidas() const
{
    return etapa_ ? etapa_->Retenidas() : 0;
}

template class Flujo<char16_t>;
template class Flujo<char>;

}  // namespace ConversionesTextoHTML
