// SPDX-License-Identifier: GPL-3.0-or-later
#include "Configuracion.h"

#include "Codificaciones.h"
#include "Windows1252.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace Configuracion {

char16_t Minuscula(char16_t c)
{
    if ((c >= u'A' && c <= u'Z') || (c >= u'\u00C0' && c <= u'\u00DE' && c != u'\u00D7')) {
        return char16_t(c + 0x20);
    }
    switch (c) {
    case u'\u0160': return u'\u0161';
    case u'\u0152': return u'\u0153';
    case u'\u017D': return u'\u017E';
    case u'\u0178': return u'\u00FF';
    default: return c;
    }
}

namespace {

// Enough to round any double correctly (its halfway points need at most 767
// significant digits); further digits only count through a sticky '1'.
constexpr std::size_t MaxCifras = 800;
// Beyond this power of ten, any value of at most MaxCifras + 1 digits is out of
// double's range.
constexpr std::int64_t TopeExponente = 10000;

// A number as significant digits times a power of ten, read leniently.
class LectorNumero {
public:
    explicit LectorNumero(std::u16string_view valor) : texto(valor) {}

    double Lee()
    {
        if (Mira() == u'+' || Mira() == u'-') {
            negativo = texto[pos++] == u'-';
        }
        LeeCifras(false);
        if (Mira() == u'.') {
            ++pos;
            LeeCifras(true);
        }
        if (Mira() == u'e' || Mira() == u'E') {
            ++pos;
            LeeExponente();
        }
        return Valor();
    }

private:
    // The next unit that is not skipped, or NUL at the end.
    char16_t Mira()
    {
        while (pos < texto.size() && (texto[pos] == u' ' || texto[pos] == u'\t' || texto[pos] == u'\n')) {
            ++pos;
        }
        return pos < texto.size() ? texto[pos] : u'\0';
    }

    static bool EsCifra(char16_t c) { return c >= u'0' && c <= u'9'; }

    void LeeCifras(bool decimales)
    {
        for (char16_t c = Mira(); EsCifra(c); c = Mira()) {
            ++pos;
            if (cifras.empty() && c == u'0') {
                exponente -= decimales ? 1 : 0;  // a leading zero only moves the point
            } else if (cifras.size() < MaxCifras) {
                cifras.push_back(char(c));
                exponente -= decimales ? 1 : 0;
            } else {
                exponente += decimales ? 0 : 1;
                sobrantes = sobrantes || c != u'0';
            }
        }
    }

    void LeeExponente()
    {
        bool menos = false;
        if (Mira() == u'+' || Mira() == u'-') {
            menos = texto[pos++] == u'-';
        }
        // Saturates, never overflows, yet stays beyond anything the digits can offset.
        const std::int64_t tope = std::int64_t(texto.size()) + TopeExponente;
        std::int64_t valor = 0;
        for (char16_t c = Mira(); EsCifra(c); c = Mira()) {
            ++pos;
            valor = std::min(valor * 10 + (c - u'0'), tope);
        }
        exponente += menos ? -valor : valor;
    }

    double Valor()
    {
        if (cifras.empty()) {
            return 0.0;
        }
        if (sobrantes) {
            cifras.push_back('1');
            --exponente;
        }
        const auto exp10 = std::clamp(exponente, -TopeExponente, TopeExponente);
        const std::string escrito = cifras + 'e' + std::to_string(exp10);
        double valor = 0.0;
        const auto [fin, error] = std::from_chars(escrito.data(), escrito.data() + escrito.size(), valor);
        if (error == std::errc::result_out_of_range) {
            // Past the largest double, or below the smallest: the tiny one still floors to -1.
            const bool grande = std::int64_t(cifras.size()) + exp10 > 0;
            valor = grande ? std::numeric_limits<double>::infinity() : std::numeric_limits<double>::denorm_min();
        }
        return std::floor(negativo ? -valor : valor);
    }

    std::u16string_view texto;
    std::size_t pos = 0;
    bool negativo = false;
    std::string cifras;           // significant digits, no leading zeros
    std::int64_t exponente = 0;   // value = cifras * 10^exponente
    bool sobrantes = false;       // a dropped digit was not zero
};

}  // namespace

std::u16string LeeEtiqueta(std::u16string linea) { return std::u16string(ParteDeLinea<char16_t>(linea, 0)); }

std::u16string LeeContenido(std::u16string linea) { return std::u16string(ParteDeLinea<char16_t>(linea, 1)); }

bool IgualEnMinusculas(std::u16string_view texto, std::u16string_view minusculas)
{
    return texto.size() == minusculas.size() &&
           std::equal(texto.begin(), texto.end(), minusculas.begin(),
                      [](char16_t a, char16_t b) { return Minuscula(a) == b; });
}

bool IgualEnMinusculas(std::string_view bytes, std::u16string_view minusculas)
{
    return bytes.size() == minusculas.size() &&
           std::equal(bytes.begin(), bytes.end(), minusculas.begin(),
                      [](char a, char16_t b) { return Minuscula(CaracterWindows1252(a)) == b; });
}

bool LeeSiNo(std::u16string valor) { return EsSi(std::u16string_view(valor)); }

template <class Texto>
bool EsSi(Texto valor)
{
    using namespace std::string_view_literals;
    return IgualEnMinusculas(valor, u"si"sv) || IgualEnMinusculas(valor, u"s\u00ED"sv) ||
           IgualEnMinusculas(valor, u"yes"sv) || IgualEnMinusculas(valor, u"on"sv);
}
template bool EsSi(std::u16string_view);
template bool EsSi(std::string_view);

std::u16string EscribeSiNo(bool valor) { return valor ? u"Si" : u"No"; }

std::u16string Minusculas(std::u16string texto)
{
    std::transform(texto.begin(), texto.end(), texto.begin(), Minuscula);
    return texto;
}

double LeeMedida(std::u16string_view valor) { return LectorNumero(valor).Lee(); }

using Codificaciones::Codificacion;
using Codificaciones::Politica;

std::u16string DesdeWindows1252(std::string_view bytes)
{
    return Codificaciones::Decodifica(bytes, Codificacion::Windows1252, Politica::Tolerante);
}

char16_t *DesdeWindows1252(std::string_view bytes, char16_t *destino)
{
    return Codificaciones::Decodificador(Codificacion::Windows1252, Politica::Tolerante).Decodifica(bytes, destino);
}

char16_t CaracterWindows1252(char byte)
{
    return Windows1252::Caracter(static_cast<unsigned char>(byte));
}

std::string AWindows1252(std::u16string_view texto)
{
    return Codificaciones::Codifica(texto, Codificacion::Windows1252, Politica::Tolerante);
}

std::string EscribeLinea(std::u16string_view etiqueta, std::u16string_view valor)
{
    return AWindows1252(etiqueta) + '=' + AWindows1252(valor) + "\r\n";
}

}  // namespace Configuracion
