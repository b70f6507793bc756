// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Large buffers (the text boxes' documents, the converted text, the strings
// read from the boxes) are taken again from the memory the program already
// has, instead of each being mapped afresh from the system, which zeroes
// every page of it before the program writes it. A conversion of 100 MB
// spent half its time in that zeroing.
//
// For the program only, at the start of main(): it changes how the whole
// process allocates, and the price is that memory freed after a large text
// may stay with the program until a later one takes it.

namespace Memoria {

void ReutilizaBloques();

}  // namespace Memoria
