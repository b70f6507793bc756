// SPDX-License-Identifier: GPL-3.0-or-later
#include "Memoria.h"

#include <cstdlib>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace Memoria {

void ReutilizaBloques()
{
#ifdef __GLIBC__
    // Every block from the heap, none mapped on its own: a freed block serves
    // the next one that fits. Free memory at the heap's top still goes back to
    // the system, which keeps the peak within bounds (keeping it too saves a
    // tenth of the time of a 100 MB conversion, for 40 % more memory).
    mallopt(M_MMAP_MAX, 0);
#endif
}

}  // namespace Memoria
