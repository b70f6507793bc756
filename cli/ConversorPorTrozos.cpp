#include "ConversorPorTrozos.h"

#include <algorithm>
#include <utility>

namespace VelmoraConvert {
namespace {

constexpr char16_t CR = 13;
constexpr char16_t LF = 10;

bool EsLetraODigito(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

}  // namespace

ConversorPorTrozos::ConversorPorTrozos(const Ajustes &ajustes, Escritor escribe, std::size_t trozo)
    : ajustes_(ajustes), escribe_(std::move(escribe)), trozo_(std::max<std::size_t>(trozo, 1)),
      decodificador_(ajustes.Juego), codificador_(ajustes.Juego)
{
}

void ConversorPorTrozos::Anade(std::string_view bytes)
{
    if (ajustes_.Exacto) {
        decodificador_.Decodifica(bytes, texto_);
    } else {
        decodificado_.clear();
        decodificador_.Decodifica(bytes, decodificado_);
        Normaliza(decodificado_);
    }
    if (texto_.size() < trozo_)
        return;
    if (const std::size_t corte = BuscaCorte()) {
        Convierte(corte, false);
        texto_.erase(0, corte);
        buscado_ = 0;
    }
}

void ConversorPorTrozos::Termina()
{
    decodificador_.Termina();
    Convierte(texto_.size(), true);
    texto_.clear();
}

// LF, CR LF and CR each become CR LF, as in the window's text box. A CR that
// ends one piece is remembered, so an LF starting the next one is its pair.
void ConversorPorTrozos::Normaliza(std::u16string_view decodificado)
{
    const std::size_t antes = texto_.size();
    texto_.resize(antes + 2 * decodificado.size());
    char16_t *w = texto_.data() + antes;
    for (const char16_t c : decodificado) {
        if (c > CR) {
            *w++ = c;
            trasCR_ = false;
        } else if (c == CR || (c == LF && !trasCR_)) {
            *w++ = CR;
            *w++ = LF;
            trasCR_ = c == CR;
        } else {
            trasCR_ = false;
            if (c != LF)
                *w++ = c;
        }
    }
    texto_.resize(std::size_t(w - texto_.data()));
}

bool ConversorPorTrozos::SeguroAntes(char16_t c) const
{
    if (c >= 0xDC00 && c <= 0xDFFF)
        return false;  // may be the second half of a surrogate pair
    if (ajustes_.Modo == ConversionesTextoHTML::TextoAHTML)
        return true;
    return !(EsLetraODigito(c) || c == u'&' || c == u';' || c == u'#' || c == u'<' || c == u'>' || c == CR ||
             c == LF);
}

// The last place of texto_ where it can be cut, 0 if none. Each search
// starts where the last failed one ended, so a text without such a place
// is not searched again and again.
std::size_t ConversorPorTrozos::BuscaCorte()
{
    const std::size_t desde = std::max<std::size_t>(buscado_, 1);
    for (std::size_t k = texto_.size(); k-- > desde;) {
        if (SeguroAntes(texto_[k]))
            return k;
    }
    buscado_ = texto_.size();
    return 0;
}

void ConversorPorTrozos::Convierte(std::size_t hasta, bool ultimo)
{
    const std::u16string resultado = ConversionesTextoHTML::ConvierteTextoHTML(
        std::u16string_view(texto_).substr(0, hasta), ajustes_.Modo, ajustes_.Opciones);
    bytes_.clear();
    codificador_.Codifica(ajustes_.SaltosLF ? PasaALF(resultado, ultimo) : resultado, bytes_);
    escribe_(bytes_);
}

// CR LF becomes LF. A CR that ends one piece waits for the next one.
std::u16string_view ConversorPorTrozos::PasaALF(std::u16string_view resultado, bool ultimo)
{
    conLF_.resize(resultado.size() + 2);
    char16_t *w = conLF_.data();
    for (const char16_t c : resultado) {
        if (crPendiente_ && c != LF)
            *w++ = CR;
        crPendiente_ = c == CR;
        if (!crPendiente_)
            *w++ = c;
    }
    if (ultimo && std::exchange(crPendiente_, false))
        *w++ = CR;
    return {conLF_.data(), std::size_t(w - conLF_.data())};
}

}  // namespace VelmoraConvert
