#pragma once

// Converts one input as it is read, a piece at a time, and gives exactly the
// bytes that converting the whole input at once would give.
//
// The text is converted in pieces cut where CorteSeguro allows, so memory
// stays bounded whatever the shape of the input. Neither direction is cut
// inside a surrogate pair, so that the encoder always sees whole characters.

#include "Codificaciones.h"
#include "ConversionesHTML5.h"
#include "ConversionesTextoHTML.h"
#include "Opciones.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace VelmoraConvert {

using Codificaciones::Codificacion;

// The encoding a command-line name (utf-8, windows-1252, ...) stands for.
std::optional<Codificacion> CodificacionPorNombre(std::string_view nombre);

// Bytes that do not decode, or a character the encoding cannot hold. Byte
// offsets count from the start of the input (decoding) or of the output
// (encoding).
struct EntradaInvalida : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The message for what the strict reader or writer of an encoding found.
EntradaInvalida Mensaje(const Codificaciones::FalloDeCodificacion &fallo, Codificacion codificacion);

struct Ajustes {
    std::int16_t Modo = ConversionesTextoHTML::TextoAHTML;
    std::int16_t Opciones = Opciones::PalabraPorDefecto();  // the window's default
    Codificacion Juego = Codificacion::Utf8;                // of input and output
    bool Exacto = false;    // line breaks reach the engine untouched, not as CR LF
    bool SaltosLF = false;  // each CR LF of the result is written as LF
    bool HTML5 = false;     // today's HTML references, in one pass; pure ASCII to HTML
};

// Units CorteSeguro reads on each side of a cut.
constexpr std::size_t MargenCorte = 64;

// Whether converting texto[0, k) and texto[k, end) apart gives exactly what
// converting texto whole gives, for any text that may follow texto[k +
// MargenCorte - 1]. Reads texto[k - MargenCorte, k + MargenCorte) at most.
bool CorteSeguro(std::u16string_view texto, std::size_t k, std::int16_t modo, std::int16_t opciones);

class ConversorPorTrozos {
public:
    using Escritor = std::function<void(std::string_view)>;
    static constexpr std::size_t TrozoPorDefecto = std::size_t(1) << 16;

    // `trozo`: units gathered before a conversion; more when the text has no
    // place to cut yet.
    ConversorPorTrozos(const Ajustes &ajustes, Escritor escribe, std::size_t trozo = TrozoPorDefecto);

    // Throws EntradaInvalida.
    void Anade(std::string_view bytes);
    void Termina();

private:
    bool SoloCRLF(std::size_t desde) const;
    void Normaliza(std::u16string_view decodificado);
    std::size_t BuscaCorte();
    void Convierte(std::size_t hasta, bool ultimo);
    char32_t ConvierteHTML5(std::u16string_view texto, bool ultimo, std::u16string_view &resultado);
    void Escribe(std::u16string_view salida, bool ultimo);
    std::u16string_view PasaALF(std::u16string_view resultado, bool ultimo);

    Ajustes ajustes_;
    Escritor escribe_;
    std::size_t trozo_;
    Codificaciones::Decodificador decodificador_;
    Codificaciones::Codificador codificador_;
    std::u16string decodificado_;
    std::u16string texto_;      // its first largo_ units: decoded text not converted yet
    std::size_t largo_ = 0;
    std::size_t buscado_ = 0;   // texto_ has no place to cut below this
    bool trasCR_ = false;       // the input so far ends with CR
    bool crPendiente_ = false;  // the result so far ends with CR, not written yet
    std::u16string conLF_;
    std::string bytes_;
    std::uint64_t escritos_ = 0;  // bytes of output so far
    // With --html5, the conversion that streams on its own, and its result.
    std::optional<ConversionesTextoHTML::DecodificadorHTML5<char16_t>> aTexto_;
    std::optional<ConversionesTextoHTML::CodificadorASCII<char16_t>> aHTML_;
    std::u16string html5_;
};

}  // namespace VelmoraConvert
