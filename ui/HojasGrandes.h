#pragma once

// Large buffers on 2 MB pages where the system offers them: a buffer of tens
// of megabytes is then faulted in a few dozen times instead of tens of
// thousands, and on some machines each fault costs microseconds.

#include <cstddef>

namespace HojasGrandes {

// Buffers from this size up are worth it.
inline constexpr std::size_t Umbral = std::size_t(4) << 20;

// Asks for 2 MB pages over the whole pages inside [inicio, inicio + largo);
// only the pages not yet touched take them.
void Pide(void *inicio, std::size_t largo);

}  // namespace HojasGrandes
