#include <gtest/gtest.h>

#include <functional>

#include "app/Einstellungen.h"

using namespace kalvora;

namespace {

Regionen Mit(std::initializer_list<int> gesetzt) {
    Regionen r{};
    for (int i : gesetzt)
        r[static_cast<std::size_t>(i)] = 1;
    return r;
}

} // namespace

TEST(Einstellungen, LaenderflagsFolgenDenHaken) {
    const struct {
        const char* fall;
        Regionen haken;
        int deutschland, oesterreich;
    } faelle[] = {
        {"keine", Mit({}), 0, 0},
        {"Sachsen-Anhalt allein", Mit({0}), 1, 0},
        {"Brandenburg, letztes deutsches Land", Mit({15}), 1, 0},
        {"Burgenland, erstes österreichisches Land", Mit({16}), 0, 1},
        {"Wien", Mit({24}), 0, 1},
        {"beide Länder", Mit({3, 22}), 1, 1},
        {"nur die versteckten Kästchen", Mit({25, 26}), 0, 0},
    };
    for (const auto& f : faelle) {
        const Regionen r = RegionenAusHaken(f.haken);
        EXPECT_EQ(r[kFlagDeutschland], f.deutschland) << f.fall;
        EXPECT_EQ(r[kFlagOesterreich], f.oesterreich) << f.fall;
        for (int i = 0; i < kAnzahlLaender; ++i)
            EXPECT_EQ(r[static_cast<std::size_t>(i)], f.haken[static_cast<std::size_t>(i)])
                << f.fall << " " << i;
    }
}

TEST(Einstellungen, JedeAbweichungVomSchnappschussZaehlt) {
    const EintragsartTabelle vorher = EintragsartTabelle::Standard();
    EXPECT_FALSE(ArtenGeaendert(vorher, vorher));
    const struct {
        const char* fall;
        std::function<void(EintragsartTabelle&)> aendern;
        bool geaendert;
    } faelle[] = {
        {"Bedeutung 16", [](auto& t) { t.m_strBedeutung[16] = "Kur"; }, true},
        {"nur ein Leerzeichen mehr", [](auto& t) { t.m_strBedeutung[1] = " "; }, true},
        {"Farbe 9", [](auto& t) { t.m_nFarbe[9] = 0x969697; }, true},
        {"Ausrichtung 1", [](auto& t) { t.m_nAusrichtung[1] = 3; }, true},
        {"Land 24", [](auto& t) { t.m_nRegion[24] = 1; }, true},
        {"Flag Österreich", [](auto& t) { t.m_nRegion[kFlagOesterreich] = 1; }, true},
        {"Index 0 trägt keine Art",
         [](auto& t) {
             t.m_strBedeutung[0] = "x";
             t.m_nFarbe[0] = 5;
         },
         false},
    };
    for (const auto& f : faelle) {
        EintragsartTabelle jetzt = vorher;
        f.aendern(jetzt);
        EXPECT_EQ(ArtenGeaendert(vorher, jetzt), f.geaendert) << f.fall;
    }
}
