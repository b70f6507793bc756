#include "HojasGrandes.h"

#include <cstdint>
#include <cstdlib>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

#if defined(__SANITIZE_ADDRESS__)
#define VELMORA_CON_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELMORA_CON_ASAN 1
#endif
#endif

namespace HojasGrandes {

void Pide(void *inicio, std::size_t largo)
{
#ifdef __linux__
    constexpr std::uintptr_t Hoja = std::uintptr_t(2) << 20;
    const std::uintptr_t desde = (reinterpret_cast<std::uintptr_t>(inicio) + Hoja - 1) & ~(Hoja - 1);
    const std::uintptr_t hasta = (reinterpret_cast<std::uintptr_t>(inicio) + largo) & ~(Hoja - 1);
    if (hasta > desde)
        madvise(reinterpret_cast<void *>(desde), hasta - desde, MADV_HUGEPAGE);
#else
    (void)inicio;
    (void)largo;
#endif
}

}  // namespace HojasGrandes

#if defined(__linux__) && !defined(VELMORA_CON_ASAN)
// The editor's document and the converted text are standard containers: every
// allocation of the program goes through here so that theirs get large pages
// too. The sanitizer keeps its own, to check each new against its delete.
void *operator new(std::size_t largo)
{
    for (;;) {
        if (void *bloque = std::malloc(largo ? largo : 1)) {
            if (largo >= HojasGrandes::Umbral)
                HojasGrandes::Pide(bloque, largo);
            return bloque;
        }
        const std::new_handler manejador = std::get_new_handler();
        if (!manejador)
            throw std::bad_alloc();
        manejador();
    }
}

void operator delete(void *bloque) noexcept
{
    std::free(bloque);
}

void operator delete(void *bloque, std::size_t) noexcept
{
    std::free(bloque);
}
#endif
