// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Velmora.cfg on disk, for the window: where it is, its reading at start and
// its writing at close. Both take the path from RutaArchivo, the one place
// that says where the file lives.

#include "ArchivoConfiguracion.h"

#include <QString>

#include <string_view>

namespace Configuracion {

// Velmora.cfg beside the program; installed for all users, in the user's
// configuration folder: $XDG_CONFIG_HOME/velmora, or ~/.config/velmora.
QString RutaArchivo();

// Feeds the file to the lector, TrozoLectura bytes at a time. Anything but an
// ordinary file that can be opened (nothing, a folder, a FIFO, a device, and on
// Windows a hidden or system file) counts as no file: nothing is fed.
void LeeArchivo(const QString &ruta, Lector &lector);

// Makes `bytes` the whole content of the file, and says whether it could.
// A symbolic link is followed to its file, and a dangling one makes its
// target, as the shell would. The file is replaced through a new one beside
// it, so that a failure leaves the old one; where the folder takes no new file
// but the file itself is writable, it is rewritten in place, its new size
// taken first so that a full disk leaves it whole. A device or FIFO of that
// name is the user's choice: it is left alone, and that counts as done. A
// missing folder is made.
bool GuardaArchivo(const QString &ruta, std::string_view bytes);

}  // namespace Configuracion
