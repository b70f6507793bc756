#include "Memoria.h"

#include <climits>
#include <cstdlib>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace Memoria {

void ReutilizaBloques()
{
#ifdef __GLIBC__
    // Every block from the heap, none mapped on its own, and the heap's free
    // top kept: a freed block serves the next one of its size.
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, INT_MAX);
#endif
}

}  // namespace Memoria
