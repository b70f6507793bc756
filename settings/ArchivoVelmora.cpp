// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArchivoVelmora.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <array>

#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#endif

namespace Configuracion {

namespace {

// A folder, or on Windows a hidden or system file, counts as no settings file.
bool EsArchivoNormal(const QString &ruta)
{
    const QFileInfo info(ruta);
    if (!info.isFile() || !info.isReadable())
        return false;
#ifdef Q_OS_WIN
    const DWORD atributos = GetFileAttributesW(reinterpret_cast<LPCWSTR>(ruta.utf16()));
    if (atributos == INVALID_FILE_ATTRIBUTES || (atributos & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)))
        return false;
#endif
    return true;
}

#ifdef Q_OS_UNIX
// While it lives, SIGINT, SIGTERM and SIGHUP wait, for the whole program (the
// toolkit has threads of its own, which a blocked mask would not cover); the
// last one that came is delivered at the end, as it would have been.
class AplazaSenales
{
public:
    AplazaSenales()
    {
        struct sigaction anota {};
        anota.sa_handler = [](int senal) { llegada = senal; };
        anota.sa_flags = SA_RESTART;
        sigemptyset(&anota.sa_mask);
        for (std::size_t i = 0; i < Senales.size(); ++i)
            sigaction(Senales[i], &anota, &antes_[i]);
    }
    ~AplazaSenales()
    {
        for (std::size_t i = 0; i < Senales.size(); ++i)
            sigaction(Senales[i], &antes_[i], nullptr);
        if (const int senal = llegada) {
            llegada = 0;
            raise(senal);
        }
    }
    AplazaSenales(const AplazaSenales &) = delete;
    AplazaSenales &operator=(const AplazaSenales &) = delete;

private:
    static constexpr std::array<int, 3> Senales{SIGINT, SIGTERM, SIGHUP};
    static inline volatile std::sig_atomic_t llegada = 0;
    std::array<struct sigaction, 3> antes_{};
};
#else
struct AplazaSenales {};
#endif

bool Sincroniza(QFile &archivo)
{
#ifdef Q_OS_UNIX
    return ::fsync(archivo.handle()) == 0;
#elif defined(Q_OS_WIN)
    return ::_commit(archivo.handle()) == 0;
#else
    return archivo.flush();
#endif
}

// Where the folder takes no new file, the file is rewritten where it is. What
// it grows by is written first, past its old end, so that a full disk fails
// while the old content is whole and can be cut back to; then the rest over it.
// Only SIGKILL or a power cut can leave it half old, half new.
bool Reescribe(const QString &ruta, std::string_view bytes)
{
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return false;
    const AplazaSenales aplaza;
    const qint64 viejo = archivo.size(), nuevo = qint64(bytes.size());
    const auto escribe = [&](qint64 desde, qint64 hasta) {
        return archivo.seek(desde) && archivo.write(bytes.data() + desde, hasta - desde) == hasta - desde;
    };
    if (nuevo > viejo && !escribe(viejo, nuevo)) {
        archivo.resize(viejo);
        return false;
    }
    return escribe(0, std::min(viejo, nuevo)) && archivo.resize(nuevo) && Sincroniza(archivo);
}

// The folders missing on the way are made private, as the XDG rules ask of a
// configuration folder.
bool CreaCarpeta(const QString &carpeta)
{
    const QFileInfo info(carpeta);
    if (info.isDir())
        return true;
    const QString padre = info.path();
    return (padre == carpeta || CreaCarpeta(padre)) &&
           (QDir().mkdir(carpeta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) || QFileInfo(carpeta).isDir());
}

}  // namespace

QString RutaArchivo()
{
#ifdef VELMORA_CONFIGURACION_USUARIO
    // A program folder shared by all users cannot hold a file for each. A
    // relative XDG_CONFIG_HOME is not valid, and is passed over.
    QString carpeta = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (carpeta.isEmpty() || QDir::isRelativePath(carpeta))
        carpeta = QDir::homePath() + QStringLiteral("/.config");
    return carpeta + QStringLiteral("/velmora/Velmora.cfg");
#else
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Velmora.cfg");
#endif
}

void LeeArchivo(const QString &ruta, Lector &lector)
{
    if (!EsArchivoNormal(ruta))
        return;
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly))
        return;
    // A piece at a time, so that a huge file costs time, not memory.
    QByteArray trozo(qsizetype(TrozoLectura), Qt::Uninitialized);
    for (qint64 leidos; (leidos = archivo.read(trozo.data(), trozo.size())) > 0;)
        lector.Anade({trozo.constData(), std::size_t(leidos)});
}

bool GuardaArchivo(const QString &ruta, std::string_view bytes)
{
    const QFileInfo info(ruta);
    if (info.exists() && !info.isFile())
        return !info.isDir();
    const QString destino = !info.isSymLink() ? info.filePath()
                            : info.exists()   ? info.canonicalFilePath()
                                              : info.symLinkTarget();
    CreaCarpeta(info.path());
    QSaveFile archivo(destino);
    if (!archivo.open(QIODevice::WriteOnly))
        return Reescribe(destino, bytes);
    // commit() overlooks a write that fails while it flushes the buffer (disk
    // full, size limit) and would put a cut file in place of the old one.
    if (archivo.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()) && archivo.flush())
        return archivo.commit();
    archivo.cancelWriting();
    return false;
}

}  // namespace Configuracion
