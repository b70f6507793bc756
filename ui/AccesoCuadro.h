// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What screen readers are told of a text box. The editor's own description
// counts every character from the start of the text at each change and each
// move of the caret, which takes a tenth of a second a key in a box of tens
// of megabytes; this one counts from the start of the caret's line, and finds
// the line's place through the editor's index of line starts in UTF-16 units,
// which it asks for only once an assistive tool is listening.

class QWidget;

namespace AccesoCuadro {

// Makes every CuadroTexto described this way; once is enough.
void Instala();

// Tells assistive tools where the caret of the box is now, if any listens.
void AvisaCursor(QWidget *caja);

}  // namespace AccesoCuadro
