// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Velmora.cfg as a whole: its key table, the reading of a file into the marks
// of the menu items and the window size, and the ten lines written at close.
// Standard library only; ArchivoVelmora opens and writes the file, feeding
// its bytes here, and the window applies the result.
//
// Reading takes the file as a stream, a piece at a time, in bounded memory:
// a line longer than LineaMaxima characters (beyond what the format covers)
// keeps only its first LineaMaxima. A line ends at CR, CR LF or LF.

#include "Catalogo.h"
#include "Opciones.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace Configuracion {

inline constexpr std::size_t LineaMaxima = 32767;
// Bytes the window reads from the file at a time.
inline constexpr std::size_t TrozoLectura = std::size_t(1) << 16;

// The directions as the file names them, in the order of Marcas::Modos.
inline constexpr std::array<std::u16string_view, 2> Modos{u"Texto a HTML", u"HTML a Texto"};

// What a key of the file holds.
enum class Dato { Idioma, Modo, Opcion, Ancho, Alto };

struct Clave {
    std::u16string_view Escrita;  // as written; the reader compares it lower-cased
    Dato Que;
    std::size_t Opcion = 0;       // for Dato::Opcion, its row in Opciones::Tabla
};

// The ten keys, in the order they are written. The options' keys come from
// their rows in Opciones::Tabla.
inline constexpr auto Claves = [] {
    std::array<Clave, Opciones::Tabla.size() + 4> claves{{{u"Idioma", Dato::Idioma}, {u"Modo", Dato::Modo}}};
    for (std::size_t i = 0; i < Opciones::Tabla.size(); ++i)
        claves[2 + i] = {Opciones::Tabla[i].Clave, Dato::Opcion, i};
    claves[claves.size() - 2] = {u"Ancho", Dato::Ancho};
    claves[claves.size() - 1] = {u"Alto", Dato::Alto};
    return claves;
}();

// The longest key: a longer one cannot be in the table.
inline constexpr std::size_t ClaveMaxima = [] {
    std::size_t maxima = 0;
    for (const Clave &clave : Claves)
        maxima = std::max(maxima, clave.Escrita.size());
    return maxima;
}();

// What the file can change, as the window holds it: the check marks of the
// language items (in the order of the catalogue's languages), of the two
// direction items (text to HTML, HTML to text) and of the option items (in
// the order of Opciones::Tabla), and the outer size in twips when given.
struct Marcas {
    std::array<bool, Catalogo::Idiomas.size()> Idiomas{};
    std::array<bool, 2> Modos{};
    std::array<bool, Opciones::Tabla.size()> Opciones{};
    std::optional<double> Ancho, Alto;

    bool operator==(const Marcas &) const = default;
};

enum class Aviso { IdiomaNoReconocido, ModoNoReconocido };

// The message the window shows for an aviso.
std::u16string_view TextoAviso(Aviso aviso);

// Applies each line as it ends, to the marks it was given. An unrecognised
// language or direction marks the default item; the first of each kind is
// reported through `avisa` at once, before the next line is read, and later
// ones are not, so that a damaged file costs at most two messages.
class Lector {
public:
    Lector(Marcas inicial, std::function<void(Aviso)> avisa);
    // Any piece of the file's Windows-1252 bytes, in order.
    void Anade(std::string_view bytes);
    // The marks after the whole file; applies its last line if unterminated.
    Marcas Termina();

private:
    void AnadeALinea(std::string_view bytes);
    void AplicaLinea(std::string_view bytes);

    Marcas marcas_;
    std::function<void(Aviso)> avisa_;
    std::string linea_;   // the current line so far, at most LineaMaxima bytes
    std::optional<std::string> ancho_, alto_;  // the value of the last size line of each kind
    bool trasCR_ = false; // the last byte read was a CR, so an LF now is dropped
    std::array<bool, 2> avisado_{};  // of each Aviso
};

// The ten lines of the file, in key-table order. Example:
// Escribe({u"English", u"HTML a Texto", {...}, 9000, 6000}) begins
// "Idioma=English\r\nModo=HTML a Texto\r\n".
struct Guardado {
    std::u16string Idioma;
    std::u16string Modo;
    std::array<bool, Opciones::Tabla.size()> Opciones{};
    double Ancho = 0, Alto = 0;
};
std::string Escribe(const Guardado &guardado);

}  // namespace Configuracion
