// SPDX-License-Identifier: GPL-3.0-or-later
#include "Archivos.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <utility>

namespace VelmoraConvert {
namespace {

constexpr std::size_t Bloque = std::size_t(1) << 20;  // bytes copied at a time by hand
constexpr std::size_t Tramo = std::size_t(1) << 30;   // bytes the kernel is asked to copy at a time
constexpr std::array<int, 3> Senales{SIGINT, SIGTERM, SIGHUP};

[[noreturn]] void Falla(const std::string &nombre) { throw FalloDeArchivo(nombre + ": " + std::strerror(errno)); }

// A descriptor that its owner left non-blocking (a pipe shared with another
// program) is waited on rather than given up.
void EsperaSitio(int fd)
{
    pollfd sitio{fd, POLLOUT, 0};
    (void)::poll(&sitio, 1, -1);
}

void EscribeTodo(int fd, std::string_view bytes, const std::string &nombre)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EAGAIN)
            EsperaSitio(fd);
        else if (n < 0 && errno != EINTR)
            Falla(nombre);
        bytes.remove_prefix(std::size_t(std::max<ssize_t>(n, 0)));
    }
}

// The one file with a name of its own that an interruption must not leave
// behind. The signal handler reads it, so it is plain memory.
volatile std::sig_atomic_t hayTemporal = 0;
char nombreTemporal[PATH_MAX];

extern "C" void BorraTemporal(int senal)
{
    if (hayTemporal)
        ::unlink(nombreTemporal);
    ::raise(senal);  // the handler was reset: the default action ends the program
}

// Keeps the three signals out while a named file is made, renamed or removed,
// so the handler never sees it half registered, and while a file is rewritten
// in place, so that it is never left half old, half new.
class Bloqueo {
public:
    Bloqueo()
    {
        sigset_t senales;
        sigemptyset(&senales);
        for (const int senal : Senales)
            sigaddset(&senales, senal);
        ::sigprocmask(SIG_BLOCK, &senales, &antes_);
    }
    ~Bloqueo() { ::sigprocmask(SIG_SETMASK, &antes_, nullptr); }
    Bloqueo(const Bloqueo &) = delete;
    Bloqueo &operator=(const Bloqueo &) = delete;

private:
    sigset_t antes_;
};

// Call with the signals blocked. A signal that was ignored stays ignored.
void RegistraTemporal(const std::string &nombre)
{
    static bool instalado = false;
    if (!instalado) {
        struct sigaction borra {};
        borra.sa_handler = BorraTemporal;
        borra.sa_flags = SA_RESETHAND | SA_NODEFER;
        sigemptyset(&borra.sa_mask);
        for (const int senal : Senales) {
            struct sigaction antes {};
            if (::sigaction(senal, nullptr, &antes) == 0 && antes.sa_handler != SIG_IGN)
                ::sigaction(senal, &borra, nullptr);
        }
        instalado = true;
    }
    std::strncpy(nombreTemporal, nombre.c_str(), sizeof nombreTemporal - 1);
    hayTemporal = 1;
}

mode_t MascaraActual()
{
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    return mascara;
}

std::string Absoluta(const std::string &ruta, const std::string &nombre)
{
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(ruta.c_str(), nullptr), &std::free);
    if (!real)
        Falla(nombre);
    return real.get();
}

std::string CarpetaDe(const std::string &ruta)
{
    const std::string carpeta = std::filesystem::path(ruta).parent_path().string();
    return carpeta.empty() ? "." : carpeta;
}

// In a sticky folder that anyone may write to (/tmp), a link is followed and a
// file replaced only when it belongs to the user or to the folder's owner:
// what Linux does with fs.protected_symlinks and fs.protected_regular on, done
// whatever they say, so that no one can plant a name there for the user's
// output to land in.
void CompruebaCarpeta(const std::string &ruta, uid_t dueno, const std::string &destino)
{
    struct stat carpeta {};
    if (::stat(CarpetaDe(ruta).c_str(), &carpeta) != 0)
        Falla(destino);
    const bool abierta = (carpeta.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
    if (abierta && dueno != ::geteuid() && dueno != carpeta.st_uid) {
        errno = EACCES;
        Falla(destino);
    }
}

// The file a destination names, symbolic links followed; for a file still to
// be made (even at the end of a dangling link), its folder's real path.
std::string RutaReal(const std::string &destino)
{
    std::string ruta = destino;
    for (int saltos = 0; saltos <= 40; ++saltos) {
        struct stat datos {};
        if (::lstat(ruta.c_str(), &datos) != 0) {
            if (errno != ENOENT)
                Falla(destino);
            const std::string nombre = std::filesystem::path(ruta).filename().string();
            if (nombre.empty() || nombre == "." || nombre == "..") {
                errno = EISDIR;
                Falla(destino);
            }
            return Absoluta(CarpetaDe(ruta), destino) + "/" + nombre;
        }
        if (!S_ISLNK(datos.st_mode))
            return Absoluta(ruta, destino);
        CompruebaCarpeta(ruta, datos.st_uid, destino);
        std::string enlace(PATH_MAX, '\0');
        const ssize_t largo = ::readlink(ruta.c_str(), enlace.data(), enlace.size());
        if (largo < 0)
            Falla(destino);
        enlace.resize(std::size_t(largo));
        ruta = enlace.starts_with('/') ? enlace : CarpetaDe(ruta) + "/" + enlace;
    }
    errno = ELOOP;
    Falla(destino);
}

bool SinArchivosTemporales(int error) { return error == EOPNOTSUPP || error == EISDIR || error == EINVAL; }

std::string EnProc(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

// The descriptor that /dev/stdout, /dev/stderr, /dev/stdin, /dev/fd/N or
// /proc/self/fd/N stands for, or -1 for any other name.
int DescriptorNombrado(std::string_view nombre)
{
    const std::array<std::string_view, 3> estandar{"/dev/stdin", "/dev/stdout", "/dev/stderr"};
    if (const auto i = std::find(estandar.begin(), estandar.end(), nombre); i != estandar.end())
        return int(i - estandar.begin());
    for (const std::string_view carpeta : {"/dev/fd/", "/proc/self/fd/", "/proc/thread-self/fd/"}) {
        if (!nombre.starts_with(carpeta))
            continue;
        const std::string_view cifras = nombre.substr(carpeta.size());
        int fd = -1;
        const auto [fin, error] = std::from_chars(cifras.data(), cifras.data() + cifras.size(), fd);
        return error == std::errc() && fin == cifras.data() + cifras.size() ? std::max(fd, -1) : -1;
    }
    return -1;
}

// An unnamed file in the folder, where the system can make one and link it
// into place later through /proc; -1 with errno set otherwise.
int CreaAnonimo(const std::string &carpeta)
{
#ifdef VELMORA_SIN_O_TMPFILE
    // The test build of the named-file path: no system file of this kind.
    (void)carpeta;
    errno = EOPNOTSUPP;
    return -1;
#else
    const int fd = ::open(carpeta.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0 && ::access(EnProc(fd).c_str(), F_OK) != 0) {
        ::close(fd);
        errno = EOPNOTSUPP;
        return -1;
    }
    return fd;
#endif
}

// Errors by which a kernel copy says it cannot serve this pair of descriptors
// (another filesystem, a pipe, an append-only file): the next way is tried.
bool SinCopiaDelNucleo(int error)
{
    return error == EXDEV || error == EINVAL || error == EOPNOTSUPP || error == ENOSYS || error == EBADF ||
           error == ESPIPE;
}

// The spool for a destination that is written at the end: in $TMPDIR, or
// in /tmp when that is unset or unusable. Never has a name for long.
int CreaSpool(std::string &nombre)
{
    const char *entorno = std::getenv("TMPDIR");
    for (const char *carpeta : {entorno, "/tmp"}) {
        if (carpeta == nullptr || *carpeta == '\0')
            continue;
        int fd = CreaAnonimo(carpeta);
        if (fd < 0 && SinArchivosTemporales(errno)) {
            std::string plantilla = std::string(carpeta) + "/velmora-convert.XXXXXX";
            const Bloqueo bloqueo;
            fd = ::mkostemp(plantilla.data(), O_CLOEXEC);
            if (fd >= 0)
                ::unlink(plantilla.c_str());
        }
        if (fd >= 0) {
            nombre = "temporary file in " + std::string(carpeta);
            return fd;
        }
    }
    Falla("temporary file");
}

}  // namespace

std::string NombreVisible(const std::string &nombre) { return nombre == "-" ? "(standard input)" : nombre; }

void PreparaFlujosEstandar()
{
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) < 0 && errno == EBADF)
            ::open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
    }
    // Past the file size limit a write fails (EFBIG) and is reported, rather
    // than the signal ending the program in the middle of a file.
    std::signal(SIGXFSZ, SIG_IGN);
}

std::vector<std::string> Argumentos(int argc, char **argv) { return {argv + std::min(argc, 1), argv + argc}; }

void EscribeEnSalidaEstandar(std::string_view bytes) { EscribeTodo(STDOUT_FILENO, bytes, "(standard output)"); }

void EscribeEnErrores(std::string_view mensaje)
{
    try {
        EscribeTodo(STDERR_FILENO, mensaje, "(standard error)");
    } catch (const FalloDeArchivo &) {
        // Nowhere left to say it; the exit status still tells.
    }
}

Entrada::Entrada(const std::string &nombre)
    : nombre_(NombreVisible(nombre)),
      fd_(nombre == "-" ? STDIN_FILENO : ::open(nombre.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY))
{
    if (fd_ < 0)
        Falla(nombre_);
}

Entrada::~Entrada()
{
    if (fd_ > STDERR_FILENO)
        ::close(fd_);
}

std::size_t Entrada::Lee(char *destino, std::size_t maximo)
{
    for (;;) {
        const ssize_t n = ::read(fd_, destino, maximo);
        if (n >= 0)
            return std::size_t(n);
        if (errno != EINTR)
            Falla(nombre_);
    }
}

Salida::Salida(const std::string &destino) : destino_(destino)
{
    try {
        if (destino == "-") {
            destino_ = "(standard output)";
            directo_ = STDOUT_FILENO;
            spool_ = CreaSpool(nombreSpool_);
            return;
        }
        // Written through the descriptor, as `cat > /dev/stdout` does: an
        // append stays an append, and a pipe is a pipe.
        if (const int fd = DescriptorNombrado(destino); fd >= 0) {
            const int modo = ::fcntl(fd, F_GETFL);
            if (modo >= 0 && (modo & O_ACCMODE) == O_RDONLY)
                errno = EBADF;  // as a write to it would fail, but before any work
            if (modo < 0 || (modo & O_ACCMODE) == O_RDONLY ||
                (directo_ = ::fcntl(fd, F_DUPFD_CLOEXEC, STDERR_FILENO + 1)) < 0)
                Falla(destino_);
            spool_ = CreaSpool(nombreSpool_);
            return;
        }
        real_ = RutaReal(destino);
        struct stat datos {};
        nuevo_ = ::stat(real_.c_str(), &datos) != 0;
        if (nuevo_ && errno != ENOENT)
            Falla(destino_);
        if (!nuevo_ && S_ISDIR(datos.st_mode)) {
            errno = EISDIR;
            Falla(destino_);
        }
        if (!nuevo_ && !S_ISREG(datos.st_mode)) {
            directo_ = ::open(real_.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
            if (directo_ < 0)
                Falla(destino_);
            spool_ = CreaSpool(nombreSpool_);
            return;
        }
        if (!nuevo_)
            CompruebaCarpeta(real_, datos.st_uid, destino_);
        // As the shell would judge it: the file's own rights, not the folder's.
        if (!nuevo_ && ::faccessat(AT_FDCWD, real_.c_str(), W_OK, AT_EACCESS) != 0)
            Falla(destino_);
        PreparaReemplazo(datos);
    } catch (...) {
        Descarta();
        throw;
    }
}

Salida::~Salida() { Descarta(); }

void Salida::Descarta()
{
    if (!temporal_.empty()) {
        const Bloqueo bloqueo;
        ::unlink(temporal_.c_str());
        temporal_.clear();
        hayTemporal = 0;
    }
    if (spool_ >= 0)
        ::close(std::exchange(spool_, -1));
    if (directo_ > STDERR_FILENO)
        ::close(directo_);
    directo_ = -1;
    pendiente_ = std::string();
}

// The spool is made beside the file it replaces, so that it can take the
// file's place in one step and never crosses a filesystem.
void Salida::PreparaReemplazo(const struct stat &datos)
{
    nombreSpool_ = destino_;
    const std::string carpeta = CarpetaDe(real_);
    spool_ = CreaAnonimo(carpeta);
    anonimo_ = spool_ >= 0;
    if (spool_ < 0 && SinArchivosTemporales(errno)) {
        std::string plantilla = carpeta + "/." + std::filesystem::path(real_).filename().string() + ".XXXXXX";
        const Bloqueo bloqueo;
        spool_ = ::mkostemp(plantilla.data(), O_CLOEXEC);
        if (spool_ >= 0) {
            temporal_ = plantilla;
            RegistraTemporal(temporal_);
        }
    }
    if (spool_ < 0) {
        if (nuevo_ || (errno != EACCES && errno != EPERM && errno != EROFS))
            Falla(destino_);
        // No file can be made in the folder, but the file itself is writable.
        directo_ = ::open(real_.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        if (directo_ < 0)
            Falla(destino_);
        enSuSitio_ = true;
        spool_ = CreaSpool(nombreSpool_);
        return;
    }
    if (!nuevo_ && ::fchown(spool_, datos.st_uid, datos.st_gid) != 0)
        (void)::fchown(spool_, uid_t(-1), datos.st_gid);  // a file of another owner keeps at least its group
    if (::fchmod(spool_, nuevo_ ? 0666 & ~MascaraActual() : datos.st_mode & 07777) != 0)
        Falla(destino_);
}

// Gathered into writes of a megabyte: the filesystem's cost is per write as
// much as per byte, and the converter hands over pieces of 64 KB.
void Salida::Escribe(std::string_view bytes)
{
    if (pendiente_.size() + bytes.size() > Bloque)
        Vacia();
    if (bytes.size() >= Bloque) {
        EscribeTodo(spool_, bytes, nombreSpool_);
        return;
    }
    pendiente_.reserve(Bloque);
    pendiente_ += bytes;
}

void Salida::Vacia()
{
    EscribeTodo(spool_, pendiente_, nombreSpool_);
    pendiente_.clear();
}

void Salida::Confirma()
{
    Vacia();
    if (enSuSitio_) {
        Reescribe();
        return;
    }
    if (directo_ >= 0) {
        const off_t largo = ::lseek(spool_, 0, SEEK_END);
        if (largo < 0)
            Falla(nombreSpool_);
        Vuelca(directo_, 0, largo);
        if (directo_ > STDERR_FILENO && ::close(std::exchange(directo_, -1)) != 0)
            Falla(destino_);
        return;
    }
    if (::fsync(spool_) != 0)
        Falla(destino_);
    if (anonimo_)
        Enlaza();
    if (!temporal_.empty()) {
        const Bloqueo bloqueo;
        if (::rename(temporal_.c_str(), real_.c_str()) != 0)
            Falla(destino_);
        temporal_.clear();
        hayTemporal = 0;
    }
    if (::close(std::exchange(spool_, -1)) != 0)
        Falla(destino_);
}

// Without a folder to make a new file in, nothing can replace the file in one
// step. What it grows by is written first, past its old end, so that a full
// disk fails while the old content is whole and can be cut back to; then the
// rest is written over it. The three signals wait until the file is whole;
// only SIGKILL or a power cut can leave it half old, half new.
void Salida::Reescribe()
{
    const Bloqueo bloqueo;
    struct stat datos {};
    const off_t nuevo = ::lseek(spool_, 0, SEEK_END);
    if (nuevo < 0)
        Falla(nombreSpool_);
    if (::fstat(directo_, &datos) != 0)
        Falla(destino_);
    const off_t viejo = datos.st_size;
    if (nuevo > viejo) {
        try {
            if (::lseek(directo_, viejo, SEEK_SET) != viejo)
                Falla(destino_);
            Vuelca(directo_, viejo, nuevo);
        } catch (...) {
            (void)::ftruncate(directo_, viejo);
            throw;
        }
    }
    if (::lseek(directo_, 0, SEEK_SET) != 0)
        Falla(destino_);
    Vuelca(directo_, 0, std::min(viejo, nuevo));
    if ((nuevo < viejo && ::ftruncate(directo_, nuevo) != 0) || ::fsync(directo_) != 0 ||
        ::close(std::exchange(directo_, -1)) != 0)
        Falla(destino_);
}

// The spool's bytes [desde, hasta) onto `hacia` at its own position: copied
// by the kernel where it can (copy_file_range between files, sendfile to a
// pipe or anything else), by read and write where it cannot.
void Salida::Vuelca(int hacia, off_t desde, off_t hasta)
{
    enum { Rango, Envio, AMano } modo = Rango;
    std::string bloque;
    while (desde < hasta) {
        const std::size_t pedido = std::size_t(std::min<off_t>(hasta - desde, off_t(Tramo)));
        ssize_t n = 0;
        if (modo == Rango) {
            n = ::copy_file_range(spool_, &desde, hacia, nullptr, pedido, 0);
        } else if (modo == Envio) {
            n = ::sendfile(hacia, spool_, &desde, pedido);
        } else {
            bloque.resize(Bloque);
            n = ::pread(spool_, bloque.data(), std::min(pedido, bloque.size()), desde);
            if (n == 0)
                errno = EIO;  // the spool is shorter than it was
            if (n <= 0 && errno != EINTR)
                Falla(nombreSpool_);
            if (n > 0) {
                EscribeTodo(hacia, {bloque.data(), std::size_t(n)}, destino_);
                desde += n;
            }
            continue;
        }
        if (n > 0 || (n < 0 && errno == EINTR))
            continue;
        if (n < 0 && errno == EAGAIN)
            EsperaSitio(hacia);
        else if (n == 0 || SinCopiaDelNucleo(errno))
            modo = modo == Rango ? Envio : AMano;
        else
            Falla(destino_);
    }
}
// A new file is linked straight into place. An existing one is replaced
// through a name of its own, renamed over it.
void Salida::Enlaza()
{
    const std::string proc = EnProc(spool_);
    if (nuevo_ && ::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, real_.c_str(), AT_SYMLINK_FOLLOW) == 0)
        return;
    if (nuevo_ && errno != EEXIST)
        Falla(destino_);
    const std::string base = CarpetaDe(real_) + "/." + std::filesystem::path(real_).filename().string() + "." +
                             std::to_string(::getpid()) + ".";
    for (int intento = 0;; ++intento) {
        const Bloqueo bloqueo;
        const std::string nombre = base + std::to_string(intento);
        if (::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, nombre.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            temporal_ = nombre;
            RegistraTemporal(temporal_);
            return;
        }
        if (errno != EEXIST || intento == 100)
            Falla(destino_);
    }
}

}  // namespace VelmoraConvert
