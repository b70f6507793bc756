// velmora-convert: the conversion engine of Velmora for files, pipes and scripts.

#include "ConversorPorTrozos.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace VelmoraConvert;

constexpr std::string_view Uso = R"(Usage: velmora-convert [OPTION]... [FILE]...
Convert plain text to HTML character references, or back, as Velmora does.
Reads each FILE in turn (standard input when there is none, or for -).

  --to-html         text to HTML (the default)
  --to-text         HTML to text
  --numeric         numeric references, &#233; not &eacute;           (1)
  --line-breaks     line breaks to <BR>, or <BR> to line breaks       (2)
  --cr-only         CR alone, without LF, for those line breaks       (4)
  --reserved        also " < > & to references                       (8)
  --spaces          blanks to &nbsp;, or back                        (16)
  --br-newline      keep the line break after <BR> (on by default)   (32)
  --no-br-newline   turn it off
  --options N       the whole option word, 0-63: the sum of the numbers
                    above; options after it change it further
  --encoding ENC    utf-8 (default), windows-1252, latin1 or utf-16le,
                    for input and output alike
  --lf              write each CR LF of the result as LF
  --exact           pass line breaks on untouched (by default LF, CR LF
                    and CR all reach the conversion as CR LF)
  -o OUT            write to OUT, replaced only once all went well
  --help            show this help
  --version         show the version

Exit status: 0 done, 1 file error, 2 bad usage or invalid input.
)";

constexpr std::size_t Bloque = std::size_t(1) << 17;   // bytes read at a time
constexpr std::size_t BloqueGuardado = 32 * Bloque;  // of standard input kept

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

struct Marca {
    std::string_view Nombre;
    std::int16_t Bit;
};

constexpr std::array<Marca, 6> Marcas{{
    {"--numeric", ConversionesTextoHTML::OpcionUnicode},
    {"--line-breaks", ConversionesTextoHTML::OpcionSaltos},
    {"--cr-only", ConversionesTextoHTML::OpcionSoloCR},
    {"--reserved", ConversionesTextoHTML::OpcionEntidadesHtml},
    {"--spaces", ConversionesTextoHTML::OpcionEspacios},
    {"--br-newline", ConversionesTextoHTML::OpcionCRtrasBR},
}};

[[noreturn]] void ErrorDeUso(const std::string &mensaje) { throw Fallo{2, mensaje, true}; }

std::string NombreVisible(const std::string &nombre) { return nombre == "-" ? "(standard input)" : nombre; }

[[noreturn]] void FalloES(const std::string &nombre) { throw Fallo{1, NombreVisible(nombre) + ": " + std::strerror(errno)}; }

std::int16_t LeePalabra(std::string_view texto)
{
    int valor = -1;
    const char *const fin = texto.data() + texto.size();
    const auto [final, error] = std::from_chars(texto.data(), fin, valor);
    if (error != std::errc() || final != fin || valor < 0 || valor > 63)
        ErrorDeUso("--options takes a number from 0 to 63, not '" + std::string(texto) + "'");
    return std::int16_t(valor);
}

bool AplicaIndicador(Pedido &pedido, std::string_view nombre)
{
    Ajustes &a = pedido.Conversion;
    for (const Marca &m : Marcas) {
        if (nombre == m.Nombre) {
            a.Opciones = std::int16_t(a.Opciones | m.Bit);
            return true;
        }
    }
    if (nombre == "--no-br-newline")
        a.Opciones = std::int16_t(a.Opciones & ~ConversionesTextoHTML::OpcionCRtrasBR);
    else if (nombre == "--to-html" || nombre == "--to-text")
        a.Modo = nombre == "--to-html" ? ConversionesTextoHTML::TextoAHTML : ConversionesTextoHTML::HTMLATexto;
    else if (nombre == "--lf" || nombre == "--exact")
        (nombre == "--lf" ? a.SaltosLF : a.Exacto) = true;
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

Pedido LeeArgumentos(int argc, char **argv)
{
    Pedido pedido;
    bool soloArchivos = false;
    for (int i = 1; i < argc; ++i) {
        std::string_view nombre = argv[i];
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
                ErrorDeUso("unknown option '" + std::string(argv[i]) + "'");
            continue;
        }
        if (!valor && i + 1 == argc)
            ErrorDeUso("option '" + std::string(nombre) + "' needs a value");
        AplicaValor(pedido, nombre, valor ? *valor : std::string_view(argv[++i]));
    }
    return pedido;
}

// Closes the descriptor however the block is left.
struct Descriptor {
    int Fd;
    ~Descriptor()
    {
        if (Fd >= 0)
            ::close(Fd);
    }
};

int Abre(const std::string &nombre)
{
    const int fd = ::open(nombre.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        FalloES(nombre);
    return fd;
}

// Standard input is read once and kept, since it may have to be read twice;
// in blocks, so that a large input is never copied whole to grow.
const std::vector<std::string> &EntradaEstandar()
{
    static std::optional<std::vector<std::string>> leida;
    if (leida)
        return *leida;
    std::vector<std::string> &bloques = leida.emplace();
    for (ssize_t n = 1; n != 0;) {
        if (bloques.empty() || bloques.back().size() + Bloque > BloqueGuardado)
            bloques.emplace_back().reserve(BloqueGuardado);
        std::string &bloque = bloques.back();
        const std::size_t antes = bloque.size();
        bloque.resize(antes + Bloque);
        n = ::read(STDIN_FILENO, bloque.data() + antes, Bloque);
        bloque.resize(antes + std::size_t(std::max<ssize_t>(n, 0)));
        if (n < 0 && errno != EINTR)
            FalloES("-");
    }
    return bloques;
}

void LeeEntrada(const std::string &nombre, const std::function<void(std::string_view)> &usa)
{
    if (nombre == "-") {
        for (const std::string_view bloque : EntradaEstandar()) {
            for (std::size_t i = 0; i < bloque.size(); i += Bloque)
                usa(bloque.substr(i, Bloque));
        }
        return;
    }
    const Descriptor entrada{Abre(nombre)};
    std::string bloque(Bloque, '\0');
    for (ssize_t n; (n = ::read(entrada.Fd, bloque.data(), Bloque)) != 0;) {
        if (n < 0 && errno != EINTR)
            FalloES(nombre);
        if (n > 0)
            usa(std::string_view(bloque.data(), std::size_t(n)));
    }
}

void EscribeTodo(int fd, std::string_view bytes, const std::string &nombre)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno != EINTR)
            FalloES(nombre);
        bytes.remove_prefix(std::size_t(std::max<ssize_t>(n, 0)));
    }
}

// Invalid input becomes a failure that names the input.
void ConNombre(const std::string &nombre, const std::function<void()> &haz)
{
    try {
        haz();
    } catch (const EntradaInvalida &e) {
        throw Fallo{2, NombreVisible(nombre) + ": " + e.what()};
    }
}

void Valida(const std::string &nombre, Codificacion juego)
{
    if (juego == Codificacion::Latin1) {
        // Every byte is a character: only whether the file opens.
        if (nombre != "-")
            Descriptor{Abre(nombre)};
        return;
    }
    Decodificador decodificador(juego);
    std::u16string descartado(Bloque + 2, u'\0');
    LeeEntrada(nombre, [&](std::string_view bytes) { decodificador.Decodifica(bytes, descartado.data()); });
    decodificador.Termina();
}

// Each input on its own, so that no reference straddles two of them.
void ConvierteTodas(const Pedido &pedido, const ConversorPorTrozos::Escritor &escribe)
{
    for (const std::string &nombre : pedido.Entradas) {
        ConNombre(nombre, [&] {
            ConversorPorTrozos conversor(pedido.Conversion, escribe);
            LeeEntrada(nombre, [&](std::string_view bytes) { conversor.Anade(bytes); });
            conversor.Termina();
        });
    }
}

mode_t MascaraActual()
{
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    return mascara;
}

// OUT is written in full to a temporary file beside it, flushed to disk and
// renamed over it; until then, and on any failure, OUT stays as it was.
class SalidaAtomica {
public:
    explicit SalidaAtomica(std::string destino) : destino_(std::move(destino))
    {
        const std::filesystem::path ruta(destino_);
        temporal_ = (ruta.parent_path() / ("." + ruta.filename().string() + ".XXXXXX")).string();
        fd_ = ::mkstemp(temporal_.data());
        if (fd_ < 0) {
            temporal_.clear();
            FalloES(destino_);
        }
        struct stat anterior {};
        const bool existe = ::stat(destino_.c_str(), &anterior) == 0;
        ::fchmod(fd_, existe ? anterior.st_mode & 07777 : 0666 & ~MascaraActual());
    }

    SalidaAtomica(const SalidaAtomica &) = delete;
    SalidaAtomica &operator=(const SalidaAtomica &) = delete;

    ~SalidaAtomica()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!temporal_.empty())
            ::unlink(temporal_.c_str());
    }

    void Escribe(std::string_view bytes) { EscribeTodo(fd_, bytes, destino_); }

    void Confirma()
    {
        if (::fsync(fd_) != 0 || ::close(std::exchange(fd_, -1)) != 0)
            FalloES(destino_);
        if (::rename(temporal_.c_str(), destino_.c_str()) != 0)
            FalloES(destino_);
        temporal_.clear();
    }

private:
    std::string destino_;
    std::string temporal_;
    int fd_ = -1;
};

int Ejecuta(Pedido pedido)
{
    if (pedido.Ayuda || pedido.Version) {
        std::cout << (pedido.Ayuda ? Uso : "velmora-convert " VELMORA_VERSION "\n");
        return 0;
    }
    if (pedido.Entradas.empty())
        pedido.Entradas.emplace_back("-");
    if (pedido.Salida) {
        SalidaAtomica salida(*pedido.Salida);
        ConvierteTodas(pedido, [&](std::string_view bytes) { salida.Escribe(bytes); });
        salida.Confirma();
        return 0;
    }
    // Nothing may reach standard output before every input is known to be valid.
    for (const std::string &nombre : pedido.Entradas)
        ConNombre(nombre, [&] { Valida(nombre, pedido.Conversion.Juego); });
    ConvierteTodas(pedido, [](std::string_view bytes) { EscribeTodo(STDOUT_FILENO, bytes, "(standard output)"); });
    return 0;
}

}  // namespace

int main(int argc, char **argv)
{
    try {
        return Ejecuta(LeeArgumentos(argc, argv));
    } catch (const Fallo &fallo) {
        std::cerr << "velmora-convert: " << fallo.Mensaje << '\n' << (fallo.ConUso ? Uso : "");
        return fallo.Estado;
    } catch (const std::bad_alloc &) {
        std::cerr << "velmora-convert: out of memory\n";
        return 1;
    }
}
