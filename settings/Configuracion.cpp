#include "Configuracion.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace Configuracion {

namespace {

// Windows-1252 bytes 0x80-0x9F; the five undefined bytes keep their own value.
constexpr std::array<char16_t, 32> Cp1252Alto{
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',  // 80-87
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',  // 88-8F
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',  // 90-97
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',  // 98-9F
};

std::u16string_view QuitaBlancos(std::u16string_view texto)
{
    const auto inicio = texto.find_first_not_of(u' ');
    if (inicio == std::u16string_view::npos) {
        return {};
    }
    return texto.substr(inicio, texto.find_last_not_of(u' ') - inicio + 1);
}

// The trimmed text before (parte 0) or after (parte 1) the first '='.
std::u16string ParteDeLinea(std::u16string_view linea, int parte)
{
    const auto recortada = QuitaBlancos(linea);
    const auto igual = recortada.find(u'=');
    if (recortada.size() < 2 || igual == std::u16string_view::npos) {
        return {};
    }
    return std::u16string(QuitaBlancos(parte == 0 ? recortada.substr(0, igual) : recortada.substr(igual + 1)));
}

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

// Byte of one UTF-16 unit, or '?' when the code page has no place for it.
char ByteWindows1252(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return char(c);
    }
    const auto pos = std::find(Cp1252Alto.begin(), Cp1252Alto.end(), c);
    return pos == Cp1252Alto.end() ? '?' : char(0x80 + (pos - Cp1252Alto.begin()));
}

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

std::u16string LeeEtiqueta(std::u16string linea) { return ParteDeLinea(linea, 0); }

std::u16string LeeContenido(std::u16string linea) { return ParteDeLinea(linea, 1); }

bool LeeSiNo(std::u16string valor)
{
    const auto v = Minusculas(std::move(valor));
    return v == u"si" || v == u"s\u00ED" || v == u"yes" || v == u"on";
}

std::u16string EscribeSiNo(bool valor) { return valor ? u"Si" : u"No"; }

std::u16string Minusculas(std::u16string texto)
{
    std::transform(texto.begin(), texto.end(), texto.begin(), Minuscula);
    return texto;
}

double LeeMedida(std::u16string_view valor) { return LectorNumero(valor).Lee(); }

std::vector<std::u16string> Lineas(std::u16string_view texto)
{
    std::vector<std::u16string> lineas;
    while (!texto.empty()) {
        const auto cr = std::min(texto.find(u'\r'), texto.size());
        lineas.emplace_back(texto.substr(0, cr));
        const bool crlf = cr + 1 < texto.size() && texto[cr + 1] == u'\n';
        texto.remove_prefix(std::min(texto.size(), cr + (crlf ? 2 : 1)));
    }
    return lineas;
}

std::u16string DesdeWindows1252(std::string_view bytes)
{
    std::u16string texto(bytes.size(), u'\0');
    std::transform(bytes.begin(), bytes.end(), texto.begin(), [](char b) {
        const auto u = static_cast<unsigned char>(b);
        return u >= 0x80 && u <= 0x9F ? Cp1252Alto[u - 0x80] : char16_t(u);
    });
    return texto;
}

std::string AWindows1252(std::u16string_view texto)
{
    std::string bytes;
    bytes.reserve(texto.size());
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const bool par = texto[i] >= 0xD800 && texto[i] <= 0xDBFF && i + 1 < texto.size()
                         && texto[i + 1] >= 0xDC00 && texto[i + 1] <= 0xDFFF;
        i += par ? 1 : 0;  // one character beyond the BMP, one '?'
        bytes.push_back(ByteWindows1252(texto[i]));
    }
    return bytes;
}

std::string EscribeLinea(std::u16string_view etiqueta, std::u16string_view valor)
{
    return AWindows1252(etiqueta) + '=' + AWindows1252(valor) + "\r\n";
}

}  // namespace Configuracion
