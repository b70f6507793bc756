#include "Portapapeles.h"

#include <QClipboard>
#include <QGuiApplication>

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

}  // namespace

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

}  // namespace Portapapeles
