#include "ConversorPorTrozos.h"

#include "Tramos.h"

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
    const std::size_t antes = largo_;
    largo_ = std::size_t(decodificador_.Decodifica(bytes, Espacio(texto_, largo_, bytes.size() + 2)) - texto_.data());
    if (!ajustes_.Exacto && !SoloCRLF(antes)) {
        decodificado_.assign(texto_, antes, largo_ - antes);
        largo_ = antes;
        Normaliza(decodificado_);
    }
    if (largo_ < trozo_)
        return;
    if (const std::size_t corte = BuscaCorte()) {
        Convierte(corte, false);
        std::copy(texto_.begin() + std::ptrdiff_t(corte), texto_.begin() + std::ptrdiff_t(largo_), texto_.begin());
        largo_ -= corte;
        buscado_ = 0;
    }
}

void ConversorPorTrozos::Termina()
{
    decodificador_.Termina();
    Convierte(largo_, true);
    largo_ = 0;
}

// Whether the line breaks of texto_ from `desde` on are all CR LF already, as
// in most files, with no pair to make with the pieces before or after.
bool ConversorPorTrozos::SoloCRLF(std::size_t desde) const
{
    return !trasCR_ && SoloParesCRLF(texto_.data() + desde, largo_ - desde);
}

// LF, CR LF and CR each become CR LF, as in the window's text box. A CR that
// ends one piece is remembered, so an LF starting the next one is its pair.
void ConversorPorTrozos::Normaliza(std::u16string_view decodificado)
{
    char16_t *const inicio = Espacio(texto_, largo_, 2 * decodificado.size());
    char16_t *w = inicio;
    for (std::size_t i = 0; i < decodificado.size(); ++i) {
        const std::size_t tramo = BuscaSalto(decodificado.data() + i, decodificado.size() - i);
        w = std::copy_n(decodificado.data() + i, tramo, w);
        trasCR_ = trasCR_ && tramo == 0;
        if ((i += tramo) == decodificado.size())
            break;
        if (decodificado[i] == CR || !trasCR_) {
            *w++ = CR;
            *w++ = LF;
        }
        trasCR_ = decodificado[i] == CR;
    }
    largo_ += std::size_t(w - inicio);
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
    for (std::size_t k = largo_; k-- > desde;) {
        if (SeguroAntes(texto_[k]))
            return k;
    }
    buscado_ = largo_;
    return 0;
}

void ConversorPorTrozos::Convierte(std::size_t hasta, bool ultimo)
{
    const std::u16string resultado =
        ConversionesTextoHTML::ConvierteTextoHTML({texto_.data(), hasta}, ajustes_.Modo, ajustes_.Opciones);
    const std::u16string_view salida = ajustes_.SaltosLF ? PasaALF(resultado, ultimo) : resultado;
    // Encoded a slice at a time, so the byte buffer stays small however long the text.
    for (std::size_t i = 0, n; i < salida.size(); i += n) {
        n = std::min(salida.size() - i, std::max<std::size_t>(trozo_, 2));
        if (i + n < salida.size() && salida[i + n - 1] >= 0xD800 && salida[i + n - 1] <= 0xDBFF)
            --n;  // keep a surrogate pair together
        char *const inicio = Espacio(bytes_, 0, 3 * n);
        escribe_({inicio, std::size_t(codificador_.Codifica(salida.substr(i, n), inicio) - inicio)});
    }
}

// CR LF becomes LF. A CR that ends one piece waits for the next one.
std::u16string_view ConversorPorTrozos::PasaALF(std::u16string_view resultado, bool ultimo)
{
    char16_t *const inicio = Espacio(conLF_, 0, resultado.size() + 1);
    char16_t *w = inicio;
    for (const char16_t c : resultado) {
        if (crPendiente_ && c != LF)
            *w++ = CR;
        crPendiente_ = c == CR;
        if (!crPendiente_)
            *w++ = c;
    }
    if (ultimo && std::exchange(crPendiente_, false))
        *w++ = CR;
    return {inicio, std::size_t(w - inicio)};
}

}  // namespace VelmoraConvert
