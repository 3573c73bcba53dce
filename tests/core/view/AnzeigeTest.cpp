#include <gtest/gtest.h>

#include <string>
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

TEST(Anzeige, AlphabetischZeigtAlleLebenden) {
    auto arbeit = Beispiel();
    for (auto& r : arbeit) r->m_nZeile = 7; // left over from an earlier display
    Aufbau a;
    ASSERT_TRUE(a.Los(arbeit, "", true));
    EXPECT_EQ(Labels(a.anzeige), (std::vector<std::string>{"1 Albers, Jan", "2 Huber, Eva", "3 Meier, Anna",
                                                            "4 Zorn, Max"}));
    EXPECT_EQ(Zeilen(arbeit), (std::vector<int>{1, 0, 2, 3, 4}));
    EXPECT_TRUE(a.meldungen.m_gezeigt.empty());
}

TEST(Anzeige, GruppenfilterIstByteGenau) {
    auto arbeit = Beispiel();
    Aufbau a;
    ASSERT_TRUE(a.Los(arbeit, "Einkauf", true));
    EXPECT_EQ(Labels(a.anzeige), (std::vector<std::string>{"1 Meier, Anna"})); // no "einkauf", no deleted
    EXPECT_EQ(Zeilen(arbeit), (std::vector<int>{0, 0, 0, 1, 0}));
    ASSERT_TRUE(a.Los(arbeit, "Einkauf", false));
    EXPECT_EQ(Labels(a.anzeige), (std::vector<std::string>{"1 Einkauf: Meier, Anna"}));
    ASSERT_TRUE(a.Los(arbeit, "Vertrieb", true));
    EXPECT_TRUE(a.anzeige.empty());
}

TEST(Anzeige, NachGruppenOhneGruppeNachNamenEinsortiert) {
    auto arbeit = Beispiel();
    Aufbau a;
    ASSERT_TRUE(a.Los(arbeit, "", false));
    // Keys "EinkaufMeier...", "einkaufZorn...", "HuberEva3", "ITAlbers...": case does not count.
    EXPECT_EQ(Labels(a.anzeige), (std::vector<std::string>{"1 Einkauf: Meier, Anna", "2 einkauf: Zorn, Max",
                                                            "3 Huber, Eva", "4 IT: Albers, Jan"}));
    EXPECT_EQ(Zeilen(arbeit), (std::vector<int>{4, 0, 3, 1, 2}));

    // Toggling back and forth gives the same rows again.
    ASSERT_TRUE(a.Los(arbeit, "", true));
    const auto alpha = Labels(a.anzeige);
    ASSERT_TRUE(a.Los(arbeit, "", false));
    ASSERT_TRUE(a.Los(arbeit, "", true));
    EXPECT_EQ(Labels(a.anzeige), alpha);
}

TEST(Anzeige, GleicheNamenNachNummerAlsText) {
    RessourcenListe arbeit;
    Neu(arbeit, "Lenz", "Tom", "Lager", "9");
    Neu(arbeit, "Lenz", "Tom", "Lager", "10");
    Aufbau a;
    ASSERT_TRUE(a.Los(arbeit, "", false));
    EXPECT_EQ(Zeilen(arbeit), (std::vector<int>{2, 1}));
    EXPECT_EQ(arbeit[0]->m_nPosition, 1);
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
    ASSERT_EQ(a.meldungen.m_gezeigt.size(), 1u);
    EXPECT_EQ(a.meldungen.m_gezeigt[0].text, "Fehler: Ausgabe nach Gruppen");
    EXPECT_EQ(a.meldungen.m_gezeigt[0].titel, ""); // the application title
    EXPECT_EQ(a.meldungen.m_gezeigt[0].knoepfe, Knoepfe::Ok);
    // The first record of the pair took the later position; the rows before the gap stay and no
    // record points at a row that was never built.
    EXPECT_EQ(Labels(a.anzeige), (std::vector<std::string>{"1 A: Berg, Ina"}));
    EXPECT_EQ(Zeilen(arbeit), (std::vector<int>{1, 0, 0, 0}));
    EXPECT_EQ(arbeit[1]->m_nPosition, 2);
    EXPECT_EQ(arbeit[2]->m_nPosition, -1);

    Aufbau b;
    ASSERT_TRUE(b.Los(arbeit, "", true));
    EXPECT_EQ(b.anzeige.size(), 4u);
    EXPECT_TRUE(b.meldungen.m_gezeigt.empty());
}

TEST(Anzeige, GeloeschterZwillingStoertNicht) {
    RessourcenListe arbeit;
    Neu(arbeit, "Kurz", "Udo", "B", "2", true);
    Neu(arbeit, "Kurz", "Udo", "B", "2");
    for (bool alpha : {false, true}) {
        Aufbau a;
        arbeit[0]->m_nZeile = 5;
        ASSERT_TRUE(a.Los(arbeit, "", alpha));
        EXPECT_EQ(Zeilen(arbeit), (std::vector<int>{0, 1})) << alpha;
        EXPECT_TRUE(a.meldungen.m_gezeigt.empty());
    }
}

TEST(Anzeige, TageWerdenKopiert) {
    RessourcenListe arbeit;
    CRessource& r = Neu(arbeit, "Berg", "Ina");
    SetTag(&r, CTime(2024, 2, 29, 9, 0, 0), 3, 4, "Arzt", CTime(1));
    SetTag(&r, CTime(2028, 2, 29, 9, 0, 0), 0, 0, "", CTime(2)); // a cleared day still copies
    SetTag(&r, CTime(2025, 12, 24, 21, 0, 0), 0, 7, "", CTime(3));
    Aufbau a;
    ASSERT_TRUE(a.Los(arbeit, "", true));
    ASSERT_EQ(a.anzeige.size(), 1u);
    const CRessource& z = *a.anzeige[0];
    ASSERT_EQ(z.Slot(2, 29).size(), 2u);
    EXPECT_EQ(z.Slot(2, 29)[0].m_nArtVormittag, 3);
    EXPECT_EQ(z.Slot(2, 29)[0].m_nArtNachmittag, 4);
    EXPECT_EQ(z.Slot(2, 29)[0].m_strNotiz, "Arzt");
    EXPECT_EQ(z.Slot(2, 29)[1].m_timeDatum.GetYear(), 2028);
    ASSERT_EQ(z.Slot(12, 24).size(), 1u);
    EXPECT_EQ(z.Slot(12, 24)[0].m_nArtNachmittag, 7);
    EXPECT_EQ(z.AnzahlEintraege(), 3u);
}

TEST(Anzeige, ZeilennummerUndSuche) {
    RessourcenListe anzeige;
    for (int n : {1, 2, 4}) {
        anzeige.push_back(std::make_unique<CRessource>());
        anzeige.back()->m_nZeile = n;
    }
    EXPECT_EQ(AddZeile(anzeige, "Neu, Eine"), 3);
    EXPECT_EQ(anzeige.back()->m_strBenennung1, "Neu, Eine");
    EXPECT_EQ(ZeileFinden(anzeige, 3), anzeige.back().get());
    EXPECT_EQ(ZeileFinden(anzeige, 9), nullptr);
}

TEST(Anzeige, TextVergleichOhneGrossUndAkzente) {
    struct Fall {
        const char* a;
        const char* b;
        int erwartet;
    };
    const Fall faelle[] = {
        {"abc", "ABD", -1},
        {"Zebra", "\xE4pfel", 1},           // äpfel sorts with a, not after z
        {"Arzt", "\xC4rzte", -1},           // Arzt < Ärzte
        {"Muller", "M\xFCller", -1},        // same letters: the plain one first
        {"Mueller", "M\xFCller", -1},       // "mueller" < "muller"
        {"Strasse", "Stra\xDF" "e", -1},    // ß counts as ss
        {"Stra\xDF" "e", "Strasze", -1},
        {"\x8Aimon", "Sina", -1},           // Š with s
        {"10", "9", -1},
        {"Abc", "abc", -1},                 // only the bytes tell them apart
        {"abc", "abc", 0},
        {"", "a", -1},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(TextVergleich(f.a, f.b), f.erwartet) << f.a << " / " << f.b;
        EXPECT_EQ(TextVergleich(f.b, f.a), -f.erwartet) << f.b << " / " << f.a;
    }
}

TEST(Anzeige, GruppenFuerDieAuswahl) {
    RessourcenListe arbeit;
    Neu(arbeit, "A", "a", "Vertrieb");
    Neu(arbeit, "B", "b", "\xC4rzte");
    Neu(arbeit, "C", "c", "");
    Neu(arbeit, "D", "d", "Alt", "", true);
    Neu(arbeit, "E", "e", "vertrieb");
    Neu(arbeit, "F", "f", "Vertrieb");
    EXPECT_EQ(GruppenAuflisten(arbeit), (std::vector<std::string>{"\xC4rzte", "Vertrieb", "vertrieb"}));
    EXPECT_TRUE(GruppenAuflisten({}).empty());
}

TEST(Anzeige, FilterFaelltAufAlleZurueck) {
    RessourcenListe arbeit;
    Neu(arbeit, "A", "a", "Vertrieb");
    Neu(arbeit, "D", "d", "Alt", "", true);
    std::string filter = "Alt"; // only a deleted record has it
    EXPECT_TRUE(GruppenFilterPruefen(arbeit, filter));
    EXPECT_EQ(filter, "");
    filter = "Vertrieb";
    EXPECT_FALSE(GruppenFilterPruefen(arbeit, filter));
    EXPECT_EQ(filter, "Vertrieb");
    filter = "vertrieb";
    EXPECT_TRUE(GruppenFilterPruefen(arbeit, filter));
    filter.clear();
    EXPECT_FALSE(GruppenFilterPruefen(arbeit, filter));
}
