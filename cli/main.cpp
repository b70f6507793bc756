// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-convert: the conversion engine of Velmora for files, pipes and scripts.

#include "Archivos.h"
#include "ConversorPorTrozos.h"
#include "Opciones.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace VelmoraConvert;

constexpr std::string_view Cabecera = R"(Usage: velmora-convert [OPTION]... [FILE]...
Convert plain text to HTML character references, or back, as Velmora does.
Reads each FILE in turn (standard input when there is none, or for -).

  --to-html         text to HTML (the default)
  --to-text         HTML to text
)";

constexpr std::string_view Pie = R"(  --html5           every reference of today's HTML: to text, decoded in
                    one pass as browsers do (&amp;lt; gives &lt;, where the
                    default gives <), and <BR> and &nbsp; only as written;
                    to HTML, pure ASCII (&#8364;), with --reserved implied
  --encoding ENC    utf-8 (default), windows-1252, latin1 or utf-16le,
                    for input and output alike
  --lf              write each CR LF of the result as LF
  --exact           pass line breaks on untouched (by default LF, CR LF
                    and CR all reach the conversion as CR LF)
  -o OUT            write to OUT (- for standard output); a file is
                    replaced only once all went well, a device or FIFO
                    is written to
  --help            show this help
  --version         show the version

Exit status: 0 done, 1 file error, 2 bad usage or invalid input.
)";

std::string Linea(std::string_view marca, std::string_view ayuda, std::string_view bit = {})
{
    std::string linea(2, ' ');
    linea += marca;
    linea.resize(std::max<std::size_t>(linea.size() + 1, 20), ' ');
    linea += ayuda;
    if (!bit.empty()) {
        linea.resize(std::max(linea.size() + 1, 71 - bit.size()), ' ');
        linea += '(';
        linea += bit;
        linea += ')';
    }
    return linea + "\n";
}

// One line per option, with its bit, and a way to turn off those that are on by default.
const std::string &Uso()
{
    static const std::string uso = [] {
        std::string texto(Cabecera);
        for (const Opciones::Opcion &o : Opciones::Tabla) {
            texto += Linea(o.Marca, o.Ayuda, std::to_string(o.Bit));
            if (o.PorDefecto)
                texto += Linea("--no-" + std::string(o.Marca.substr(2)), "turn it off");
        }
        const std::string maxima = std::to_string(Opciones::PalabraMaxima());
        texto += Linea("--options N", "the whole option word, 0-" + maxima + ": the sum of the numbers");
        return texto + Linea("", "above; options after it change it further") + std::string(Pie);
    }();
    return uso;
}

constexpr std::size_t Bloque = std::size_t(1) << 17;  // bytes read at a time

// A reason to stop: main prints the message and exits with Estado.
struct Fallo {
    int Estado;
    std::string Mensaje;
    bool ConUso = false;
};

struct Pedido {
    Ajustes Conversion;
    std::vector<std::string> Entradas;
    std::optional<std::string> Salida;
    bool Ayuda = false;
    bool Version = false;
};

[[noreturn]] void ErrorDeUso(const std::string &mensaje) { throw Fallo{2, mensaje, true}; }

std::int16_t LeePalabra(std::string_view texto)
{
    int valor = -1;
    const char *const fin = texto.data() + texto.size();
    const auto [final, error] = std::from_chars(texto.data(), fin, valor);
    if (error != std::errc() || final != fin || valor < 0 || valor > Opciones::PalabraMaxima())
        ErrorDeUso("--options takes a number from 0 to " + std::to_string(Opciones::PalabraMaxima()) + ", not '" +
                   std::string(texto) + "'");
    return std::int16_t(valor);
}

bool AplicaIndicador(Pedido &pedido, std::string_view nombre)
{
    Ajustes &a = pedido.Conversion;
    for (const Opciones::Opcion &o : Opciones::Tabla) {
        if (nombre == o.Marca) {
            a.Opciones = std::int16_t(a.Opciones | o.Bit);
            return true;
        }
        if (o.PorDefecto && nombre.starts_with("--no-") && nombre.substr(5) == o.Marca.substr(2)) {
            a.Opciones = std::int16_t(a.Opciones & ~o.Bit);
            return true;
        }
    }
    if (nombre == "--to-html" || nombre == "--to-text")
        a.Modo = nombre == "--to-html" ? ConversionesTextoHTML::TextoAHTML : ConversionesTextoHTML::HTMLATexto;
    else if (nombre == "--lf" || nombre == "--exact" || nombre == "--html5")
        (nombre == "--lf" ? a.SaltosLF : nombre == "--exact" ? a.Exacto : a.HTML5) = true;
    else if (nombre == "--help" || nombre == "--version")
        (nombre == "--help" ? pedido.Ayuda : pedido.Version) = true;
    else
        return false;
    return true;
}

void AplicaValor(Pedido &pedido, std::string_view nombre, std::string_view valor)
{
    if (nombre == "-o")
        pedido.Salida = std::string(valor);
    else if (nombre == "--options")
        pedido.Conversion.Opciones = LeePalabra(valor);
    else if (const auto juego = CodificacionPorNombre(valor))
        pedido.Conversion.Juego = *juego;
    else
        ErrorDeUso("unknown encoding '" + std::string(valor) + "'");
}

Pedido LeeArgumentos(const std::vector<std::string> &argumentos)
{
    Pedido pedido;
    bool soloArchivos = false;
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        std::string_view nombre = argumentos[i];
        if (soloArchivos || nombre == "-" || !nombre.starts_with('-')) {
            pedido.Entradas.emplace_back(nombre);
            continue;
        }
        if (nombre == "--") {
            soloArchivos = true;
            continue;
        }
        std::optional<std::string_view> valor;  // from "--name=value"
        if (const auto igual = nombre.find('='); nombre.starts_with("--") && igual != std::string_view::npos) {
            valor = nombre.substr(igual + 1);
            nombre = nombre.substr(0, igual);
        }
        if (nombre != "-o" && nombre != "--options" && nombre != "--encoding") {
            if (valor || !AplicaIndicador(pedido, nombre))
                ErrorDeUso("unknown option '" + argumentos[i] + "'");
            continue;
        }
        if (!valor && i + 1 == argumentos.size())
            ErrorDeUso("option '" + std::string(nombre) + "' needs a value");
        AplicaValor(pedido, nombre, valor ? *valor : std::string_view(argumentos[++i]));
    }
    return pedido;
}

// Each input on its own, so that no reference straddles two of them.
void Convierte(const std::string &nombre, const Ajustes &ajustes, Salida &salida)
{
    Entrada entrada(nombre);
    ConversorPorTrozos conversor(ajustes, [&](std::string_view bytes) { salida.Escribe(bytes); });
    std::string bloque(Bloque, '\0');
    try {
        while (const std::size_t n = entrada.Lee(bloque.data(), bloque.size()))
            conversor.Anade({bloque.data(), n});
        conversor.Termina();
    } catch (const EntradaInvalida &e) {
        throw Fallo{2, NombreVisible(nombre) + ": " + e.what()};
    }
}

int Ejecuta(Pedido pedido)
{
    if (pedido.Ayuda || pedido.Version) {
        EscribeEnSalidaEstandar(pedido.Ayuda ? Uso() : "velmora-convert " VELMORA_VERSION "\n");
        return 0;
    }
    if (pedido.Entradas.empty())
        pedido.Entradas.emplace_back("-");
    // Every input is read once, into the spool; nothing reaches the destination
    // before all of them are known to be valid.
    Salida salida(pedido.Salida.value_or("-"));
    for (const std::string &nombre : pedido.Entradas)
        Convierte(nombre, pedido.Conversion, salida);
    salida.Confirma();
    return 0;
}

}  // namespace

int main(int argc, char **argv)
{
    PreparaFlujosEstandar();
    try {
        return Ejecuta(LeeArgumentos(Argumentos(argc, argv)));
    } catch (const FalloDeArchivo &fallo) {
        EscribeEnErrores("velmora-convert: " + std::string(fallo.what()) + "\n");
        return 1;
    } catch (const Fallo &fallo) {
        EscribeEnErrores("velmora-convert: " + fallo.Mensaje + "\n" + (fallo.ConUso ? Uso() : ""));
        return fallo.Estado;
    } catch (const std::bad_alloc &) {
        EscribeEnErrores("velmora-convert: out of memory\n");
        return 1;
    }
}
