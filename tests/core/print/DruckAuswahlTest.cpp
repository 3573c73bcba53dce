#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "print/DruckAuftrag.h"
#include "print/DruckAuswahl.h"

using namespace kalvora;

namespace {

CRessource& Neu(RessourcenListe& l, std::string b1, std::string b2, std::string gruppe, std::string nr,
                bool geloescht = false) {
    auto r = std::make_unique<CRessource>();
    r->m_strBenennung1 = std::move(b1);
    r->m_strBenennung2 = std::move(b2);
    r->m_strGruppe = std::move(gruppe);
    r->m_strIdentNr = std::move(nr);
    r->m_bGeloescht = geloescht;
    l.push_back(std::move(r));
    return *l.back();
}

// Stored order; lines sort ": Huber" < "Einkauf: M\xFC" < "IT: Albers" < "it: Zorn".
RessourcenListe Beispiel() {
    RessourcenListe l;
    Neu(l, "Albers", "Jan", "IT", "1");
    Neu(l, "Alt", "Ute", "Einkauf", "2", true);
    Neu(l, "Huber", "Eva", "", "3");
    Neu(l, "M\xFCller", "Anna", "Einkauf", "4");
    Neu(l, "Zorn", "Max", "it", "5");
    return l;
}

std::vector<std::string> Texte(const DruckAuswahl& a, bool nurAusgewaehlt = false) {
    std::vector<std::string> v;
    for (const auto& z : a.Zeilen())
        if (!nurAusgewaehlt || z.m_bAusgewaehlt) v.push_back(z.m_strText);
    return v;
}

CTime Mittag(int j, int m, int t) { return CTime(j, m, t, 12, 0, 0); }

} // namespace

TEST(DruckAuswahl, ZeilenSortiertUndNachFilterVorgewaehlt) {
    const RessourcenListe l = Beispiel();
    DruckAuswahl a;
    a.Fuellen(l, "");
    const std::vector<std::string> alle = {": Huber, Eva (3)", "Einkauf: M\xFCller, Anna (4)", "IT: Albers, Jan (1)",
                                           "it: Zorn, Max (5)"};
    EXPECT_EQ(Texte(a), alle);
    EXPECT_EQ(Texte(a, true), alle);

    // The filter compares exactly: "it" is not "IT".
    a.Fuellen(l, "IT");
    EXPECT_EQ(Texte(a, true), std::vector<std::string>{"IT: Albers, Jan (1)"});
    a.AlleAuswaehlen();
    EXPECT_EQ(Texte(a, true), alle);
    a.AuswahlAufheben();
    EXPECT_FALSE(a.IrgendeineAusgewaehlt());
    a.SetAusgewaehlt(2, true);
    a.SetAusgewaehlt(99, true); // beyond the list: nothing
    EXPECT_EQ(Texte(a, true), std::vector<std::string>{"IT: Albers, Jan (1)"});

    // A filter naming no live group selects nothing.
    a.Fuellen(l, "Lager");
    EXPECT_FALSE(a.IrgendeineAusgewaehlt());
}

TEST(DruckAuswahl, PruefungenInDerReihenfolgeDesDialogs) {
    struct Fall {
        CTime von, bis;
        bool ausgewaehlt;
        DruckFehler fehler;
    };
    const Fall faelle[] = {
        {Mittag(2025, 1, 1), Mittag(2026, 2, 5), true, DruckFehler::Keiner}, // exactly 400 days
        {Mittag(2025, 1, 1), Mittag(2026, 2, 6), true, DruckFehler::ZeitraumZuLang},
        {Mittag(2025, 1, 1), CTime(2026, 2, 5, 12, 0, 1), true, DruckFehler::ZeitraumZuLang},
        {Mittag(2025, 3, 1), Mittag(2025, 3, 1), true, DruckFehler::Keiner}, // one day
        {Mittag(2025, 3, 1), Mittag(2025, 3, 2), false, DruckFehler::NichtsAusgewaehlt},
        {Mittag(2025, 1, 1), Mittag(2027, 1, 1), false, DruckFehler::ZeitraumZuLang}, // period first
    };
    for (const Fall& f : faelle) EXPECT_EQ(DruckPruefen(f.von, f.bis, f.ausgewaehlt), f.fehler);
    EXPECT_EQ(DruckFehlerText(DruckFehler::ZeitraumZuLang),
              "Maximal kann nur 1 Jahr ausgedruckt werden! \xC3\x9C" "berpr\xC3\xBC" "fen Sie bitte die Datumseingabe!");
    EXPECT_EQ(DruckFehlerText(DruckFehler::NichtsAusgewaehlt), "Kein Mitarbeiter ausgew\xC3\xA4hlt!");
    EXPECT_EQ(DruckFehlerText(DruckFehler::Keiner), "");

    EXPECT_EQ(LetzterTagAngleichen(Mittag(2025, 5, 2), Mittag(2025, 5, 1)), Mittag(2025, 5, 2));
    EXPECT_EQ(LetzterTagAngleichen(Mittag(2025, 5, 1), Mittag(2025, 5, 9)), Mittag(2025, 5, 9));
}

TEST(DruckAuswahl, UebernehmenSetztDruckmarkeUndPosition) {
    RessourcenListe l = Beispiel();
    l[1]->m_bDrucken = true; // the deleted record keeps its old mark, but loses its position
    l[1]->m_nPosition = 7;
    l[2]->m_bDrucken = true;
    DruckAuswahl a;
    a.Fuellen(l, "IT");
    a.SetAusgewaehlt(3, true); // "it: Zorn"
    a.Uebernehmen(l);
    struct Erwartet {
        bool drucken;
        int position;
    };
    const Erwartet erwartet[] = {{true, 3}, {true, -1}, {false, -1}, {false, -1}, {true, 4}};
    for (std::size_t i = 0; i < l.size(); ++i) {
        EXPECT_EQ(l[i]->m_bDrucken, erwartet[i].drucken) << i;
        EXPECT_EQ(l[i]->m_nPosition, erwartet[i].position) << i;
    }

    // A second record with the same line resolves to the first line; a record the list never saw
    // is not printed.
    Neu(l, "Zorn", "Max", "it", "5");
    Neu(l, "Neu", "Hinzu", "IT", "9");
    a.Uebernehmen(l);
    EXPECT_EQ(l[5]->m_nPosition, 4);
    EXPECT_TRUE(l[5]->m_bDrucken);
    EXPECT_EQ(l[6]->m_nPosition, -1);
    EXPECT_FALSE(l[6]->m_bDrucken);
}

TEST(DruckAuswahl, ZeilenDesAusdrucksNachArt) {
    RessourcenListe l = Beispiel();
    DruckAuswahl a;
    a.Fuellen(l, "");
    a.SetAusgewaehlt(2, false); // not "IT: Albers"
    a.Uebernehmen(l);

    const DruckZeilen alpha = DruckZeilenBilden(l, kDruckAlphabetisch);
    EXPECT_EQ(alpha.m_nAnzahl, 3);
    EXPECT_EQ(alpha.m_namen, (std::vector<std::string>{"Huber, Eva", "M\xFCller, Anna", "Zorn, Max"}));

    // By groups in list order of the dialog; position 3 has no record and leaves no gap.
    const DruckZeilen gruppen = DruckZeilenBilden(l, kDruckNachGruppen);
    EXPECT_EQ(gruppen.m_nAnzahl, 3);
    EXPECT_EQ(gruppen.m_namen, (std::vector<std::string>{"Huber, Eva", "Einkauf: M\xFCller, Anna", "it: Zorn, Max"}));
    ASSERT_EQ(gruppen.m_zeilen.size(), 3u);
    EXPECT_EQ(gruppen.m_zeilen[2], l[4].get());

    // Two records at one position: both count for the row height, only the first is printed.
    l[0]->m_bDrucken = true;
    l[0]->m_nPosition = 2;
    const DruckZeilen doppelt = DruckZeilenBilden(l, kDruckNachGruppen);
    EXPECT_EQ(doppelt.m_nAnzahl, 4);
    EXPECT_EQ(doppelt.m_namen[1], "IT: Albers, Jan");
    EXPECT_EQ(doppelt.m_zeilen.size(), 3u);
}

TEST(DruckAuswahl, AuftragIstUnabhaengigVonDerListe) {
    RessourcenListe l = Beispiel();
    l[0]->m_bDrucken = true;
    SetTag(l[0].get(), CTime(2025, 3, 3, 9, 0, 0), 2, 2, "", CTime(2025, 1, 1, 0, 0, 0));
    EintragsartTabelle arten = EintragsartTabelle::Standard();
    arten.m_strBedeutung[2] = "Urlaub";
    DruckAuftrag auftrag = DruckAuftragBilden(l, kDruckAlphabetisch, Mittag(2025, 3, 1), Mittag(2025, 3, 31), arten, 4);
    l.clear(); // a sync may replace the working list while the printer dialog is open
    ASSERT_EQ(auftrag.m_zeilen.size(), 1u);
    EXPECT_EQ(auftrag.m_namen[0], "Albers, Jan");
    ASSERT_NE(auftrag.m_zeilen[0]->FindeTag(CTime(2025, 3, 3, 12, 0, 0)), nullptr);
    EXPECT_EQ(auftrag.m_arten.m_strBedeutung[2], "Urlaub");
    EXPECT_EQ(auftrag.m_nFarbschema, 4);
}
