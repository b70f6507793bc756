// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the files of the main window share: its title, the state a change
// leaves it in, and QString as UTF-16 for the engine and the settings.

#include "Version.h"

#include <QString>

#include <string_view>

namespace Ventana {

inline const QString Titulo = QStringLiteral(VELMORA_TITULO);
inline const QString PendienteProcesar = QStringLiteral("Pendiente procesar");

inline std::u16string_view Vista(const QString &texto)
{
    return {reinterpret_cast<const char16_t *>(texto.utf16()), std::size_t(texto.size())};
}

}  // namespace Ventana
