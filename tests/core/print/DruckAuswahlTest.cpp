#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "print/DruckAuftrag.h"
#include "print/DruckAuswahl.h"

using namespace kalvora;

namespace {

void Neu(RessourcenListe& l, std::string b1, std::string gruppe, std::string nr, bool geloescht = false) {
    auto r = std::make_unique<CRessource>();
    r->m_strBenennung1 = std::move(b1);
    r->m_strBenennung2 = "X";
    r->m_strGruppe = std::move(gruppe);
    r->m_strIdentNr = std::move(nr);
    r->m_bGeloescht = geloescht;
    l.push_back(std::move(r));
}

// Lines sort ": Huber" < "Einkauf: M\xFCller" < "IT: Albers" < "it: Zorn".
RessourcenListe Beispiel() {
    RessourcenListe l;
    Neu(l, "Albers", "IT", "1");
    Neu(l, "Alt", "Einkauf", "2", true);
    Neu(l, "Huber", "", "3");
    Neu(l, "M\xFCller", "Einkauf", "4");
    Neu(l, "Zorn", "it", "5");
    return l;
}

CTime Mittag(int j, int m, int t) { return CTime(j, m, t, 12, 0, 0); }

} // namespace

// The dialog's checks, preselection and selection buttons are driven in tests/gui/DruckDlgTest;
// here the second past 400 days, the order of the checks and what the list cannot show.
TEST(DruckAuswahl, PruefungenInDerReihenfolgeDesDialogs) {
    EXPECT_EQ(DruckPruefen(Mittag(2025, 1, 1), Mittag(2026, 2, 5), true), DruckFehler::Keiner);
    EXPECT_EQ(DruckPruefen(Mittag(2025, 1, 1), CTime(2026, 2, 5, 12, 0, 1), true), DruckFehler::ZeitraumZuLang);
    EXPECT_EQ(DruckPruefen(Mittag(2025, 1, 1), Mittag(2027, 1, 1), false), DruckFehler::ZeitraumZuLang);
    EXPECT_EQ(DruckPruefen(Mittag(2025, 3, 1), Mittag(2025, 3, 1), false), DruckFehler::NichtsAusgewaehlt);
}

TEST(DruckAuswahl, UebernahmeNachEinemAbgleich) {
    RessourcenListe l = Beispiel();
    DruckAuswahl a;
    a.Fuellen(l, "IT"); // exact: "it" is another group
    EXPECT_TRUE(a.Zeilen()[2].m_bAusgewaehlt);
    EXPECT_FALSE(a.Zeilen()[3].m_bAusgewaehlt);
    l[1]->m_bDrucken = true; // the deleted record keeps its old mark but loses its position
    l[1]->m_nPosition = 7;
    a.SetAusgewaehlt(3, true);
    a.SetAusgewaehlt(99, true); // beyond the list: nothing
    // A second record with Zorn's line resolves to the first such line; a record the list never
    // saw (added by a sync meanwhile) is not printed.
    Neu(l, "Zorn", "it", "5");
    Neu(l, "Neu", "IT", "9");
    a.Uebernehmen(l);
    const std::vector<std::pair<bool, int>> erwartet = {{true, 3},  {true, -1}, {false, -1}, {false, -1},
                                                        {true, 4},  {true, 4},  {false, -1}};
    for (std::size_t i = 0; i < l.size(); ++i)
        EXPECT_EQ(std::pair(l[i]->m_bDrucken, l[i]->m_nPosition), erwartet[i]) << i;
}

TEST(DruckAuswahl, ZeilenDesAusdrucksNachArt) {
    RessourcenListe l = Beispiel();
    DruckAuswahl a;
    a.Fuellen(l, "");
    a.SetAusgewaehlt(2, false); // not "IT: Albers"
    a.Uebernehmen(l);
    EXPECT_EQ(DruckZeilenBilden(l, kDruckAlphabetisch).m_namen,
              (std::vector<std::string>{"Huber, X", "M\xFCller, X", "Zorn, X"}));
    // By groups in the dialog's line order; position 3 has no record and leaves no gap.
    const DruckZeilen gruppen = DruckZeilenBilden(l, kDruckNachGruppen);
    EXPECT_EQ(gruppen.m_namen, (std::vector<std::string>{"Huber, X", "Einkauf: M\xFCller, X", "it: Zorn, X"}));
    EXPECT_EQ(gruppen.m_nAnzahl, 3);

    // Two records at one position: both count for the row height, only the first is printed.
    l[0]->m_bDrucken = true;
    l[0]->m_nPosition = 2;
    const DruckZeilen doppelt = DruckZeilenBilden(l, kDruckNachGruppen);
    EXPECT_EQ(doppelt.m_nAnzahl, 4);
    EXPECT_EQ(doppelt.m_namen[1], "IT: Albers, X");
    EXPECT_EQ(doppelt.m_zeilen.size(), 3u);

    // The job copies what it prints: the working list may be replaced while the printer dialog is open.
    SetTag(l[3].get(), Mittag(2025, 3, 3), 2, 2, "", Mittag(2025, 1, 1));
    const DruckAuftrag auftrag =
        DruckAuftragBilden(l, kDruckAlphabetisch, Mittag(2025, 3, 1), Mittag(2025, 3, 31), EintragsartTabelle{}, 4);
    l.clear();
    ASSERT_EQ(auftrag.m_zeilen.size(), 4u);
    EXPECT_NE(auftrag.m_zeilen[2]->FindeTag(Mittag(2025, 3, 3)), nullptr);
    EXPECT_EQ(auftrag.m_nFarbschema, 4);
}
