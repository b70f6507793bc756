// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading the system clipboard's text. A program that holds the clipboard and
// does not answer (it hangs, or is stopped) gives no data after a wait, which
// alone would look like an empty clipboard.

#include <QString>

#include <optional>

namespace Portapapeles {

// The clipboard's text: empty when it holds no text (nothing at all, or only
// other formats), and nothing when it could not be read: when another program
// holds it and gave no formats, or offered text and sent none.
std::optional<QString> LeeTexto();

}  // namespace Portapapeles
