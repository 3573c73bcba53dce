#include <gtest/gtest.h>

#include <functional>

#include "app/Einstellungen.h"

using namespace kalvora;

// The entry-type file is rewritten only when this reports a difference.
TEST(Einstellungen, JedeAbweichungVomSchnappschussZaehlt) {
    const EintragsartTabelle vorher = EintragsartTabelle::Standard();
    EXPECT_FALSE(ArtenGeaendert(vorher, vorher));
    const struct {
        const char* fall;
        std::function<void(EintragsartTabelle&)> aendern;
        bool geaendert;
    } faelle[] = {
        {"nur ein Leerzeichen mehr", [](auto& t) { t.m_strBedeutung[1] = " "; }, true},
        {"Bedeutung 16", [](auto& t) { t.m_strBedeutung[16] = "Kur"; }, true},
        {"Farbe 9", [](auto& t) { t.m_nFarbe[9] = 0x969697; }, true},
        {"Ausrichtung 1", [](auto& t) { t.m_nAusrichtung[1] = 3; }, true},
        {"Land 24", [](auto& t) { t.m_nRegion[24] = 1; }, true},
        {"Flag Österreich", [](auto& t) { t.m_nRegion[kFlagOesterreich] = 1; }, true},
        {"Index 0 trägt keine Art", [](auto& t) { t.m_strBedeutung[0] = "x"; t.m_nFarbe[0] = 5; }, false},
    };
    for (const auto& f : faelle) {
        EintragsartTabelle jetzt = vorher;
        f.aendern(jetzt);
        EXPECT_EQ(ArtenGeaendert(vorher, jetzt), f.geaendert) << f.fall;
    }
}
