#include "ConversorPorTrozos.h"

#include "Tramos.h"
#include "UnidadesUtf16.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <utility>

namespace VelmoraConvert {
namespace {

using Tipo = Codificaciones::FalloDeCodificacion::Tipo;
using Codificaciones::Politica;

struct Nombre {
    std::string_view Texto;
    Codificacion Cual;
};

// The first name of each encoding is the one messages use.
constexpr std::array<Nombre, 7> Nombres{{
    {"utf-8", Codificacion::Utf8},
    {"windows-1252", Codificacion::Windows1252},
    {"latin1", Codificacion::Latin1},
    {"utf-16le", Codificacion::Utf16le},
    {"utf8", Codificacion::Utf8},
    {"cp1252", Codificacion::Windows1252},
    {"iso-8859-1", Codificacion::Latin1},
}};

std::string NombreDe(Codificacion codificacion)
{
    return std::string(
        std::find_if(Nombres.begin(), Nombres.end(), [&](const Nombre &n) { return n.Cual == codificacion; })->Texto);
}

std::string Hexadecimal(unsigned valor, const char *formato)
{
    char texto[16];
    std::snprintf(texto, sizeof texto, formato, valor);
    return texto;
}


using Utf16::CR;
using Utf16::LF;

bool EsLetraODigito(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

// Every pattern of HTML to text is made of these.
bool EnPatrones(char16_t c)
{
    return EsLetraODigito(c) || c == u'&' || c == u';' || c == u'#' || c == u'<' || c == u'>' || c == CR || c == LF;
}

// The raw spellings that the reference steps turn into '<' or '>': the sign
// itself, or a reference whose '&' may itself come from "&amp;", "&#38;" or
// "&amp;#38;". At most 13 units.
constexpr std::u16string_view Ampersands[] = {u"&", u"&amp;", u"&#38;", u"&amp;#38;"};

std::size_t LargoDeSigno(std::u16string_view texto, char16_t signo)
{
    if (!texto.empty() && texto[0] == signo)
        return 1;
    const std::u16string_view nombre = signo == u'<' ? u"lt;" : u"gt;";
    const std::u16string_view numero = signo == u'<' ? u"#60;" : u"#62;";
    for (const std::u16string_view amp : Ampersands) {
        if (!texto.starts_with(amp))
            continue;
        const std::u16string_view resto = texto.substr(amp.size());
        if (resto.starts_with(nombre))
            return amp.size() + nombre.size();
        if (resto.starts_with(numero))
            return amp.size() + numero.size();
    }
    return 0;
}

bool EmpiezaPorSigno(std::u16string_view texto, char16_t signo) { return LargoDeSigno(texto, signo) != 0; }

bool TerminaEnSigno(std::u16string_view texto, char16_t signo)
{
    for (std::size_t largo = 1; largo <= 13 && largo <= texto.size(); ++largo) {
        if (LargoDeSigno(texto.substr(texto.size() - largo), signo) == largo)
            return true;
    }
    return false;
}

// Length of the spelling of "<BR>" that texto starts with, or 0.
std::size_t LargoDeEtiqueta(std::u16string_view texto)
{
    const std::size_t abre = LargoDeSigno(texto, u'<');
    if (abre == 0 || texto.substr(abre, 2) != u"BR")
        return 0;
    const std::size_t cierra = LargoDeSigno(texto.substr(abre + 2), u'>');
    return cierra == 0 ? 0 : abre + 2 + cierra;
}

bool EmpiezaPorSalto(std::u16string_view texto) { return !texto.empty() && (texto[0] == CR || texto[0] == LF); }

// Whether texto could end with what the reference steps turn into "<BR".
bool TerminaEnEtiquetaAbierta(std::u16string_view texto)
{
    return texto.ends_with(u"BR") && TerminaEnSigno(texto.substr(0, texto.size() - 2), u'<');
}

// Whether texto could end with what the reference steps turn into "<BR>".
bool TerminaEnEtiqueta(std::u16string_view texto)
{
    for (std::size_t largo = 1; largo <= 13 && largo <= texto.size(); ++largo) {
        const std::size_t resto = texto.size() - largo;
        if (LargoDeSigno(texto.substr(resto), u'>') == largo && TerminaEnEtiquetaAbierta(texto.substr(0, resto)))
            return true;
    }
    return false;
}

// Whether the line-break steps may turn the start of texto into a line
// break before "<BR>" CR is replaced: a "<BR>" that is followed by a line
// break, or by a second "<BR>" and a line break, written in any spelling.
bool EmpiezaPorSaltoHecho(std::u16string_view texto)
{
    const std::size_t una = LargoDeEtiqueta(texto);
    if (una == 0)
        return false;
    const std::size_t otra = LargoDeEtiqueta(texto.substr(una));
    return EmpiezaPorSalto(texto.substr(una)) || (otra != 0 && EmpiezaPorSalto(texto.substr(una + otra)));
}

}  // namespace

std::optional<Codificacion> CodificacionPorNombre(std::string_view nombre)
{
    const auto igual = [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; };
    for (const Nombre &n : Nombres) {
        if (std::equal(nombre.begin(), nombre.end(), n.Texto.begin(), n.Texto.end(), igual))
            return n.Cual;
    }
    return std::nullopt;
}

EntradaInvalida Mensaje(const Codificaciones::FalloDeCodificacion &fallo, Codificacion codificacion)
{
    const std::string donde = " at byte offset " + std::to_string(fallo.Posicion);
    switch (fallo.Cual) {
    case Tipo::Invalida: return EntradaInvalida("invalid UTF-8" + donde);
    case Tipo::Incompleta: return EntradaInvalida("incomplete UTF-8 sequence" + donde);
    case Tipo::Impar: return EntradaInvalida("odd number of bytes in UTF-16LE input, last byte" + donde);
    case Tipo::ByteIndefinido:
        return EntradaInvalida("byte " + Hexadecimal(unsigned(fallo.Valor), "0x%02X") + " is undefined in " +
                               NombreDe(codificacion) + donde);
    case Tipo::SinLugar: break;
    }
    return EntradaInvalida("character " + Hexadecimal(unsigned(fallo.Valor), "U+%04X") + " cannot be written in " +
                           NombreDe(codificacion) + ", output" + donde);
}

// Text to HTML maps every character on its own: any cut will do.
//
// HTML to text is, in effect, this chain of replace-alls, none of whose
// patterns overlaps itself: "&amp;" -> '&'; "&#38;" -> '&'; every other
// reference of the table in one pass; with option 2 the four "<BR>" steps;
// with option 16 "&nbsp;" -> ' '. A cut changes nothing when no match of any
// step straddles it. Every pattern starts with '&' or '<' and has no other
// '&'; the reference steps only make '&', '<', '>', '"' and Latin-1 letters.
// So a cut before k is safe when
//   - texto[k] is in no pattern: it is never matched nor replaced;
//   - no '&' or '<' lies among the MargenCorte units before k: a match is
//     made of references, "<BR>" spelled in some way (28 units at most) and
//     at most three line-break units after one, so each of its units is
//     fewer than 32 after one of its own '&' or '<';
//   - texto[k] is '&' or '<', so no reference or blank straddles the cut,
//     and, with option 2, no "<BR>" step does either. One could in two ways:
//     the left could end in "<BR" and the right start with '>'; or the left
//     could end in "<BR>" while the first steps turn the right's first "<BR>"
//     into a line break, which "<BR>" CR then swallows together with the
//     left's tag. That needs the right to start with "<BR>" and a line break,
//     or with two "<BR>" and a line break. Each sign is checked in every
//     spelling the reference steps decode it from.
bool CorteSeguro(std::u16string_view texto, std::size_t k, std::int16_t modo, std::int16_t opciones)
{
    const char16_t c = texto[k];
    if (k == 0 || Utf16::EsBajo(c))
        return false;  // may be the second half of a surrogate pair
    if (modo != ConversionesTextoHTML::HTMLATexto || !EnPatrones(c))
        return true;
    const std::u16string_view izquierda = texto.substr(k - std::min(k, MargenCorte), std::min(k, MargenCorte));
    if (izquierda.find_first_of(u"&<") == std::u16string_view::npos)
        return true;
    if (c != u'&' && c != u'<')
        return false;
    if ((opciones & ConversionesTextoHTML::OpcionSaltos) == 0)
        return true;
    const std::u16string_view derecha = texto.substr(k, MargenCorte);
    if (TerminaEnEtiquetaAbierta(izquierda) && EmpiezaPorSigno(derecha, u'>'))
        return false;
    return !(TerminaEnEtiqueta(izquierda) && EmpiezaPorSaltoHecho(derecha));
}

ConversorPorTrozos::ConversorPorTrozos(const Ajustes &ajustes, Escritor escribe, std::size_t trozo)
    : ajustes_(ajustes), escribe_(std::move(escribe)), trozo_(std::max<std::size_t>(trozo, 1)),
      decodificador_(ajustes.Juego, Politica::Estricta), codificador_(ajustes.Juego, Politica::Estricta)
{
    if (ajustes.HTML5 && ajustes.Modo == ConversionesTextoHTML::HTMLATexto)
        aTexto_.emplace(ajustes.Opciones);
    else if (ajustes.HTML5)
        aHTML_.emplace(ajustes.Opciones);
}

void ConversorPorTrozos::Anade(std::string_view bytes)
{
    const std::size_t antes = largo_;
    try {
        char16_t *const w = Espacio(texto_, largo_, bytes.size() + Codificaciones::Decodificador::Retenidos);
        largo_ = std::size_t(decodificador_.Decodifica(bytes, w) - texto_.data());
    } catch (const Codificaciones::FalloDeCodificacion &fallo) {
        throw Mensaje(fallo, ajustes_.Juego);
    }
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
    try {
        decodificador_.Termina(nullptr);  // strict: writes nothing, or throws
    } catch (const Codificaciones::FalloDeCodificacion &fallo) {
        throw Mensaje(fallo, ajustes_.Juego);
    }
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

// The last place of texto_ where it can be cut, 0 if none. Only places with
// MargenCorte units after them are judged, so a judgement is final, and each
// search starts where the last failed one ended: a text without such a place
// is not searched again and again.
std::size_t ConversorPorTrozos::BuscaCorte()
{
    if (ajustes_.HTML5)
        return largo_;  // those conversions hold back what they must themselves
    if (largo_ <= MargenCorte)
        return 0;
    const std::size_t hasta = largo_ - MargenCorte;
    const std::u16string_view texto(texto_.data(), largo_);
    for (std::size_t k = hasta + 1; k-- > std::max<std::size_t>(buscado_, 1);) {
        if (CorteSeguro(texto, k, ajustes_.Modo, ajustes_.Opciones))
            return k;
    }
    buscado_ = hasta + 1;
    return 0;
}

void ConversorPorTrozos::Convierte(std::size_t hasta, bool ultimo)
{
    std::u16string resultado;
    std::u16string_view convertido;
    char32_t imposible = 0;
    if (ajustes_.HTML5) {
        imposible = ConvierteHTML5({texto_.data(), hasta}, ultimo, convertido);
    } else {
        resultado = ConversionesTextoHTML::ConvierteTextoHTML({texto_.data(), hasta}, ajustes_.Modo, ajustes_.Opciones);
        convertido = resultado;
    }
    Escribe(ajustes_.SaltosLF ? PasaALF(convertido, ultimo) : convertido, ultimo);
    if (imposible) {
        char codigo[16];
        std::snprintf(codigo, sizeof codigo, "U+%04X", unsigned(imposible));
        throw EntradaInvalida("character " + std::string(codigo) +
                              " has no HTML reference that gives it back, output at byte offset " +
                              std::to_string(escritos_));
    }
}

// Encoded a slice at a time, so the byte buffer stays small however long the text.
void ConversorPorTrozos::Escribe(std::u16string_view salida, bool ultimo)
{
    const auto escribe = [this](const char *inicio, const char *fin) {
        escribe_({inicio, std::size_t(fin - inicio)});
        escritos_ += std::uint64_t(fin - inicio);
    };
    try {
        for (std::size_t i = 0, n; i < salida.size(); i += n) {
            n = std::min(salida.size() - i, std::max<std::size_t>(trozo_, 2));
            char *const inicio = Espacio(bytes_, 0, 3 * n + Codificaciones::Codificador::Retenidos);
            escribe(inicio, codificador_.Codifica(salida.substr(i, n), inicio));
        }
        if (ultimo) {
            char *const inicio = Espacio(bytes_, 0, Codificaciones::Codificador::Retenidos);
            escribe(inicio, codificador_.Termina(inicio));
        }
    } catch (const Codificaciones::FalloDeCodificacion &fallo) {
        throw Mensaje(fallo, ajustes_.Juego);
    }
}

// What the --html5 conversions make of texto; when a character cannot be
// written, the result up to it, and the character.
char32_t ConversorPorTrozos::ConvierteHTML5(std::u16string_view texto, bool ultimo, std::u16string_view &resultado)
{
    if (aTexto_) {
        char16_t *const inicio = Espacio(html5_, 0, aTexto_->Cota(texto.size()));
        resultado = {inicio, std::size_t(aTexto_->Convierte(texto, inicio, ultimo) - inicio)};
        return 0;
    }
    char16_t *const inicio = Espacio(html5_, 0, aHTML_->Cota(texto.size()));
    const auto escrito = aHTML_->Convierte(texto, inicio, ultimo);
    resultado = {inicio, std::size_t(escrito.Fin - inicio)};
    return escrito.Imposible;
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
