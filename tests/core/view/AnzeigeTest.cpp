#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "TestHilfen.h"
#include "view/Anzeige.h"

using namespace kalvora;
using kalvora::test::MeldungsRekorder;
using kalvora::test::Neu;

namespace {

std::vector<std::string> Labels(const RessourcenListe& anzeige) {
    std::vector<std::string> v;
    for (const auto& z : anzeige) v.push_back(std::to_string(z->m_nZeile) + ' ' + z->m_strBenennung1);
    return v;
}

std::vector<int> Zeilen(const RessourcenListe& arbeit) {
    std::vector<int> v;
    for (const auto& r : arbeit) v.push_back(r->m_nZeile);
    return v;
}

struct Aufbau {
    RessourcenListe anzeige;
    MeldungsRekorder meldungen;
    bool Los(RessourcenListe& arbeit, const std::string& filter, bool alpha) {
        return AnzeigeAufbauen(arbeit, filter, alpha, anzeige, meldungen);
    }
};

// Stored (alphabetical) order, groups E..., I... and one without a group.
RessourcenListe Beispiel() {
    RessourcenListe l;
    Neu(l, "Albers", "Jan", "IT", "1");
    Neu(l, "Alt", "Ute", "Einkauf", "2", true);
    Neu(l, "Huber", "Eva", "", "3");
    Neu(l, "Meier", "Anna", "Einkauf", "4");
    Neu(l, "Zorn", "Max", "einkauf", "5");
    return l;
}

} // namespace

// Labels and orders are also checked through the view in tests/gui/AnsichtAnzeigeTest; here the
// row numbers the records get, which the mouse and note code rely on.
TEST(Anzeige, ReihenfolgeUndZeilenDerDatensaetze) {
    using V = std::vector<std::string>;
    const struct {
        const char* filter;
        bool alpha;
        V labels;
        std::vector<int> zeilen; // 0: not shown, also for a row left over from an earlier display
    } faelle[] = {
        {"", true, V{"1 Albers, Jan", "2 Huber, Eva", "3 Meier, Anna", "4 Zorn, Max"}, {1, 0, 2, 3, 4}},
        // Keys "EinkaufMeier...", "einkaufZorn...", "HuberEva3", "ITAlbers...": case does not count.
        {"", false, V{"1 Einkauf: Meier, Anna", "2 einkauf: Zorn, Max", "3 Huber, Eva", "4 IT: Albers, Jan"},
         {4, 0, 3, 1, 2}},
        {"Einkauf", false, V{"1 Einkauf: Meier, Anna"}, {0, 0, 0, 1, 0}}, // byte-exact, no deleted one
        {"Vertrieb", true, V{}, {0, 0, 0, 0, 0}},
    };
    for (const auto& f : faelle) {
        auto arbeit = Beispiel();
        for (auto& r : arbeit) r->m_nZeile = 7;
        Aufbau a;
        ASSERT_TRUE(a.Los(arbeit, f.filter, f.alpha));
        EXPECT_EQ(Labels(a.anzeige), f.labels) << f.filter << f.alpha;
        EXPECT_EQ(Zeilen(arbeit), f.zeilen) << f.filter << f.alpha;
        EXPECT_TRUE(a.meldungen.m_gezeigt.empty());
    }
}

TEST(Anzeige, GleicheNamenNachNummerAlsTextGeloeschterZwillingStoertNicht) {
    RessourcenListe arbeit;
    Neu(arbeit, "Lenz", "Tom", "Lager", "9");
    Neu(arbeit, "Lenz", "Tom", "Lager", "10");
    Neu(arbeit, "Lenz", "Tom", "Lager", "10", true);
    arbeit[2]->m_nZeile = 5;
    Aufbau a;
    ASSERT_TRUE(a.Los(arbeit, "", false));
    EXPECT_EQ(Zeilen(arbeit), (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(arbeit[1]->m_nPosition, 0);
}

TEST(Anzeige, DoppelterSchluesselBrichtNachGruppenAb) {
    RessourcenListe arbeit;
    Neu(arbeit, "Berg", "Ina", "A", "1");
    Neu(arbeit, "Kurz", "Udo", "B", "2");
    Neu(arbeit, "Kurz", "Udo", "B", "2");
    Neu(arbeit, "Zander", "Ole", "C", "3");
    Aufbau a;
    EXPECT_FALSE(a.Los(arbeit, "", false));
    ASSERT_EQ(a.meldungen.m_gezeigt.size(), 1u); // the text is checked in tests/gui
    // The first record of the pair took the later position; the rows before the gap stay and no
    // record points at a row that was never built.
    EXPECT_EQ(Labels(a.anzeige), (std::vector<std::string>{"1 A: Berg, Ina"}));
    EXPECT_EQ(Zeilen(arbeit), (std::vector<int>{1, 0, 0, 0}));
    EXPECT_EQ(arbeit[1]->m_nPosition, 2);
    EXPECT_EQ(arbeit[2]->m_nPosition, -1);
}

TEST(Anzeige, TageWerdenKopiert) {
    RessourcenListe arbeit;
    CRessource& r = Neu(arbeit, "Berg", "Ina");
    SetTag(&r, CTime(2024, 2, 29, 9, 0, 0), 3, 4, "Arzt", CTime(1));
    SetTag(&r, CTime(2028, 2, 29, 9, 0, 0), 0, 0, "", CTime(2)); // a cleared day still copies
    Aufbau a;
    ASSERT_TRUE(a.Los(arbeit, "", true));
    const auto& slot = a.anzeige.at(0)->Slot(2, 29);
    ASSERT_EQ(slot.size(), 2u);
    EXPECT_EQ(std::tuple(slot[0].m_nArtVormittag, slot[0].m_nArtNachmittag, slot[0].m_strNotiz),
              std::tuple(3, 4, std::string("Arzt")));
    EXPECT_EQ(slot[1].m_timeDatum.GetYear(), 2028);
}

TEST(Anzeige, GruppenUndFilterRueckfall) {
    RessourcenListe arbeit;
    Neu(arbeit, "A", "a", "Vertrieb");
    Neu(arbeit, "B", "b", "\xC4rzte");
    Neu(arbeit, "C", "c", "");
    Neu(arbeit, "D", "d", "Alt", "", true);
    Neu(arbeit, "E", "e", "vertrieb");
    EXPECT_EQ(GruppenAuflisten(arbeit), (std::vector<std::string>{"\xC4rzte", "Vertrieb", "vertrieb"}));
    for (const auto& [vorher, nachher] : {std::pair{"Alt", ""}, {"Verkauf", ""}, {"Vertrieb", "Vertrieb"}}) {
        std::string filter = vorher; // "Alt": only a deleted record has it
        EXPECT_EQ(GruppenFilterPruefen(arbeit, filter), std::string(nachher).empty()) << vorher;
        EXPECT_EQ(filter, nachher);
    }
}
