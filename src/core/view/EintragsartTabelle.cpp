#include "view/EintragsartTabelle.h"

namespace kalvora {

EintragsartTabelle EintragsartTabelle::Standard() {
    EintragsartTabelle t;
    constexpr COLORREF kFarben[8] = {0x0000C8, 0x00C800, 0xC80000, 0x00C8C8,
                                     0xC8C800, 0xC800C8, 0xB4B4B4, 0xDCDCDC};
    for (int k = 1; k <= kAnzahlArten; ++k)
        t.m_nFarbe[static_cast<std::size_t>(k)] = k <= 8 ? kFarben[k - 1] : 0x969696;
    return t;
}

} // namespace kalvora
