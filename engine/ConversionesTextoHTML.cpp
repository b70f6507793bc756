#include "Comun.h"

namespace ConversionesTextoHTML {

std::u16string ConvierteTextoHTML(std::u16string_view Origen, std::int16_t Modo, std::int16_t Opciones)
{
    switch (Modo) {
    case TextoAHTML:
        return CodificaTexto(Origen, Opciones);
    case HTMLATexto:
        return DecodificaHTML(Origen, Opciones);
    default:
        return std::u16string(Origen);
    }
}

}  // namespace ConversionesTextoHTML
