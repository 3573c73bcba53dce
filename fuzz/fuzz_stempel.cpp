// Stamp file reader on arbitrary content.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/Stempel.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    long long werte[2];
    const int n = kalvora::ZahlenLesen(reinterpret_cast<const char*>(daten), groesse, werte, 2);
    if (n < 0 || n > 2) std::abort();
    for (int i = 0; i < n; ++i)
        if (werte[i] > 2147483647LL || werte[i] < -2147483647LL) std::abort();
    return 0;
}
