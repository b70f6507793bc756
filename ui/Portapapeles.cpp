// SPDX-License-Identifier: GPL-3.0-or-later
#include "Portapapeles.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#ifdef Q_OS_WIN
#include <windows.h>
#endif
#ifdef VELMORA_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#endif

namespace Portapapeles {

namespace {

#ifdef VELMORA_XCB
template <class T>
using Respuesta = std::unique_ptr<T, decltype(&std::free)>;

bool DuenoX11(xcb_connection_t *conexion)
{
    const char nombre[] = "CLIPBOARD";
    const Respuesta<xcb_intern_atom_reply_t> atomo(
        xcb_intern_atom_reply(conexion, xcb_intern_atom(conexion, true, sizeof nombre - 1, nombre), nullptr), &std::free);
    if (!atomo || atomo->atom == XCB_ATOM_NONE)
        return false;
    const Respuesta<xcb_get_selection_owner_reply_t> dueno(
        xcb_get_selection_owner_reply(conexion, xcb_get_selection_owner(conexion, atomo->atom), nullptr), &std::free);
    return dueno && dueno->owner != XCB_WINDOW_NONE;
}
#endif

// Whether another program holds the clipboard (or data sits on it), as the
// window system says without asking that program anything.
bool DeOtroPrograma()
{
    if (QGuiApplication::clipboard()->ownsClipboard())
        return false;
#ifdef Q_OS_WIN
    return CountClipboardFormats() > 0;
#elif defined(VELMORA_XCB)
    // The offscreen platform answers as X11 too, with no connection.
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 && x11->connection() && DuenoX11(x11->connection());
#else
    return false;
#endif
}

}  // namespace

std::optional<QString> LeeTexto()
{
    const QMimeData *datos = QGuiApplication::clipboard()->mimeData();
    if (!datos)
        return std::nullopt;
    // Asked once: each question to a program that does not answer waits.
    const QStringList formatos = datos->formats();
    const bool conTexto = formatos.contains(QStringLiteral("text/plain"));
    const QString texto = conTexto ? datos->text() : QString();
    if (texto.isEmpty() && (formatos.isEmpty() || conTexto) && DeOtroPrograma())
        return std::nullopt;
    return texto;
}

}  // namespace Portapapeles
