// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Converts one input as it is read, a piece at a time, and gives exactly the
// bytes that converting the whole input at once would give: the engine's
// stream holds back what a later piece may still change, and this adds the
// command line's reading and writing around it. UTF-8 is checked and
// converted as it is; the other encodings are read into UTF-16 and written
// back. By default each line break reaches the conversion as CR LF.

#include "Codificaciones.h"
#include "ConversionesHTML5.h"
#include "ConversionesTextoHTML.h"
#include "Opciones.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
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

class ConversorPorTrozos {
public:
    using Escritor = std::function<void(std::string_view)>;

    ConversorPorTrozos(const Ajustes &ajustes, Escritor escribe);
    ~ConversorPorTrozos();

    // Writes the result of each piece as soon as it is final. Throws EntradaInvalida.
    void Anade(std::string_view bytes);
    void Termina();

    class Tuberia;

private:
    std::unique_ptr<Tuberia> tuberia_;
};

}  // namespace VelmoraConvert
