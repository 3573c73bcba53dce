#include "view/EintragsartTabelle.h"

#include <algorithm>

namespace kalvora {

EintragsartTabelle EintragsartTabelle::Standard() {
    EintragsartTabelle t;
    constexpr COLORREF kFarben[8] = {0x0000C8, 0x00C800, 0xC80000, 0x00C8C8,
                                     0xC8C800, 0xC800C8, 0xB4B4B4, 0xDCDCDC};
    for (int k = 1; k <= kAnzahlArten; ++k)
        t.m_nFarbe[static_cast<std::size_t>(k)] = k <= 8 ? kFarben[k - 1] : 0x969696;
    return t;
}

void LaenderFlagsAbleiten(std::array<int, kAnzahlRegionFlags>& r) {
    const auto gesetzt = [](int f) { return f != 0; };
    r[25] = std::any_of(r.begin(), r.begin() + 16, gesetzt) ? 1 : 0;
    r[26] = std::any_of(r.begin() + 16, r.begin() + 25, gesetzt) ? 1 : 0;
}

} // namespace kalvora
