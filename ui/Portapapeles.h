#pragma once

// Who holds the system clipboard. A program that holds it and does not answer
// gives no data at all, which alone looks like an empty clipboard.

namespace Portapapeles {

// Whether another program holds the clipboard (or data sits on it), as the
// window system says without asking that program anything.
bool DeOtroPrograma();

}  // namespace Portapapeles
