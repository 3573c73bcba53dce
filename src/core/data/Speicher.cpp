#include "data/Speicher.h"

#include <cstdlib> // defines __GLIBC__ where it applies

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace kalvora {

void SpeicherFuerNeuladenEinrichten() {
#if defined(__GLIBC__)
    // Everything comes from the heap, the file image included, and up to 512 MB of free heap
    // stay with the process for the next load.
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, 512 * 1024 * 1024);
#endif
}

} // namespace kalvora
