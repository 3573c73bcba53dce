#include <gtest/gtest.h>

#include <random>

#include "data/DatenbankFormat.h"
#include "data/Ressource.h"

using namespace kalvora;

namespace {

// The one-pass copy into a display row must give what one SetTagAnzeige per entry gives,
// including a date stored twice (morning or afternoon time, with or without a note).
TEST(AnzeigeKopie, GleichJedemEinzelnenSetTagAnzeige) {
    std::mt19937 rng(3);
    for (int runde = 0; runde < 50; ++runde) {
        CRessource quelle;
        for (int k = 0; k < 200; ++k) {
            const CTime datum(2024, 1 + static_cast<int>(rng() % 12), 1 + static_cast<int>(rng() % 28),
                              static_cast<int>(rng() % 24), 0, 0);
            const LokaleZeit z = datum.Lokal();
            // Appended directly, so a date can occur twice in its day's list.
            quelle.m_pTage.Anhaengen(z.monat, z.tag,
                                     {CTime(5), static_cast<int>(rng() % 17), static_cast<int>(rng() % 17), datum,
                                      rng() % 3 ? "" : "n" + std::to_string(k)});
        }
        RessourcenListe einzeln, gesamt;
        einzeln.push_back(std::make_unique<CRessource>());
        gesamt.push_back(std::make_unique<CRessource>());
        quelle.FuerAlleTage([&](const CTagEintrag& e) {
            SetTagAnzeige(*einzeln[0], e.m_timeDatum, e.m_nArtVormittag, e.m_nArtNachmittag, e.m_strNotiz);
        });
        TageAnzeigen(quelle, *gesamt[0]);
        ASSERT_EQ(DatenbankSchreiben(gesamt), DatenbankSchreiben(einzeln)) << runde;
    }
}

} // namespace
