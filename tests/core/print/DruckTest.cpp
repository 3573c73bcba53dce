// Printing: the selection, the page layout, and kalvora-admin drucken as a real process.
#include "TestHilfen.h"
#include "calendar/Feiertage.h"
#include "data/AdminProzess.h"
#include "print/DruckAuftrag.h"
#include "print/DruckAuswahl.h"
#include "print/DruckLayout.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

// Lines sort ": Huber" < "Einkauf: M\xFCller" < "IT: Albers" < "it: Zorn".
RessourcenListe Beispiel() {
    RessourcenListe l;
    Neu(l, "Albers", "X", "IT", "1");
    Neu(l, "Alt", "X", "Einkauf", "2", true);
    Neu(l, "Huber", "X", "", "3");
    Neu(l, "M\xFCller", "X", "Einkauf", "4");
    Neu(l, "Zorn", "X", "it", "5");
    return l;
}

// The dialog itself is driven in tests/gui/DruckDlgTest; here the second past 400 days and the check order.
TEST(DruckAuswahl, PruefungenInDerReihenfolgeDesDialogs) {
    EXPECT_EQ((std::vector{DruckPruefen(Um(2025, 1, 1, 12), Um(2026, 2, 5, 12), true),
                           DruckPruefen(Um(2025, 1, 1, 12), CTime(2026, 2, 5, 12, 0, 1), true),
                           DruckPruefen(Um(2025, 1, 1, 12), Um(2027, 1, 1, 12), false),
                           DruckPruefen(Um(2025, 3, 1, 12), Um(2025, 3, 1, 12), false)}),
              (std::vector{DruckFehler::Keiner, DruckFehler::ZeitraumZuLang, DruckFehler::ZeitraumZuLang,
                           DruckFehler::NichtsAusgewaehlt}));
}

TEST(DruckAuswahl, UebernahmeNachEinemAbgleich) {
    RessourcenListe l = Beispiel();
    DruckAuswahl a;
    a.Fuellen(l, "IT"); // exact: "it" is another group
    EXPECT_EQ(std::tuple(a.Zeilen()[2].m_bAusgewaehlt, a.Zeilen()[3].m_bAusgewaehlt), std::tuple(true, false));
    std::tie(l[1]->m_bDrucken, l[1]->m_nPosition) = std::tuple(true, 7); // deleted: keeps the mark, not the position
    a.SetAusgewaehlt(3, true);
    a.SetAusgewaehlt(99, true); // beyond the list: nothing
    // A second record with Zorn's line takes the first such line; one added by a sync is not printed.
    Neu(l, "Zorn", "X", "it", "5");
    Neu(l, "Neu", "X", "IT", "9");
    a.Uebernehmen(l);
    std::string stand; // printed / position of each record
    for (const auto& r : l) stand += std::to_string(r->m_bDrucken) + "/" + std::to_string(r->m_nPosition) + " ";
    EXPECT_EQ(stand, "1/3 1/-1 0/-1 0/-1 1/4 1/4 0/-1 ");
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
    EXPECT_EQ(std::tuple(gruppen.m_namen, gruppen.m_nAnzahl),
              std::tuple(std::vector<std::string>{"Huber, X", "Einkauf: M\xFCller, X", "it: Zorn, X"}, 3));

    // Two records at one position: both count for the row height, only the first is printed.
    std::tie(l[0]->m_bDrucken, l[0]->m_nPosition) = std::tuple(true, 2);
    const DruckZeilen doppelt = DruckZeilenBilden(l, kDruckNachGruppen);
    EXPECT_EQ(std::tuple(doppelt.m_nAnzahl, doppelt.m_namen[1], doppelt.m_zeilen.size()),
              std::tuple(4, "IT: Albers, X", 3u));

    // The job copies what it prints: the working list may be replaced while the printer dialog is open.
    SetTag(l[3].get(), Um(2025, 3, 3, 12), 2, 2, "", Um(2025, 1, 1, 12));
    const DruckAuftrag auftrag =
        DruckAuftragBilden(l, kDruckAlphabetisch, Um(2025, 3, 1, 12), Um(2025, 3, 31, 12), EintragsartTabelle{}, 4);
    l.clear();
    ASSERT_EQ(auftrag.m_zeilen.size(), 4u);
    EXPECT_EQ(Haelften(*auftrag.m_zeilen[2], {Um(2025, 3, 3)}) + std::to_string(auftrag.m_nFarbschema), "2/2 4");
}

// A page of 1010 × 700 units: x0 = y0 = 10, x1 = 1000, N = 200, G = 50; 30 rows give h = 680 / 34 = 20.
constexpr Rechteck kSeite{0, 0, 1010, 700};

DruckSeite Anordnen(Datum von, Datum bis, int anzahl = 5, Rechteck seite = kSeite) {
    static const Regionen bayern = Laender({2});
    const CFeiertage feiertage(bayern);
    return DruckSeiteAnordnen({seite, von, bis, anzahl, anzahl}, feiertage);
}

TEST(DruckLayout, SpaltenUndMonatskoepfe) {
    // One day fills the page right of the names; a month of one column (27 <= G) stays without text.
    const std::tuple<Datum, Datum, int, const char*> faelle[] = {
        {{2025, 3, 3}, {2025, 3, 3}, 788, "211-999 2025 M\xC4R|"},
        {{2025, 1, 30}, {2025, 2, 2}, 196, "211-604 2025 JAN|605-998 2025 FEB|"},
        {{2025, 1, 31}, {2025, 2, 27}, 27, "211-238  |239-994 2025 FEB|"},
        {{2024, 12, 30}, {2025, 1, 2}, 196, "211-604 2024 DEZ|605-998 2025 JAN|"}, // each month with its year
    };
    for (const auto& [von, bis, breite, monate] : faelle) {
        SCOPED_TRACE(monate);
        const DruckSeite s = Anordnen(von, bis);
        EXPECT_EQ(s.m_nSpaltenBreite, breite);
        std::string t; // "left-right year month|..." of the month headers
        for (const DruckMonat& m : s.m_monate)
            t += std::to_string(m.m_rect.links) + '-' + std::to_string(m.m_rect.rechts) + ' ' + m.m_strJahr + ' ' +
                 m.m_strMonat + '|';
        EXPECT_EQ(t, monate);
        for (std::size_t j = 0; j < s.m_spalten.size(); ++j)
            EXPECT_EQ(s.m_spalten[j].m_nLinks, 211 + static_cast<int>(j) * (breite + 1));
        EXPECT_EQ(s.m_spalten.front().m_kopf, (Rechteck{211, 31, 211 + breite, 51}));
    }
    // A whole year: columns of one unit, February 28 × 2 − 1 wide.
    EXPECT_EQ(Anordnen({2025, 1, 1}, {2025, 12, 31}).m_monate.at(1).m_rect.Breite(), 55);
}

TEST(DruckLayout, TageskoepfeWochennummernUndFreieTage) {
    // Monday 30.12.2024; 1.1., the weekend and Epiphany free in Bavaria; Christmas holidays until 3.1.
    const DruckSeite s = Anordnen({2024, 12, 30}, {2025, 1, 7});
    std::string spalten;
    for (const DruckSpalte& sp : s.m_spalten)
        spalten += sp.m_strTag + ' ' + std::string(sp.m_strWochentag) + ' ' + sp.m_strKalenderwoche + ' ' +
                   (sp.m_bFrei ? "F" : "") + (sp.m_bSchulferien ? "f" : "") + '|';
    EXPECT_EQ(spalten, "30 MO 1 f|31 DI  f|1 MI  Ff|2 DO  f|3 FR  f|4 SA  F|5 SO  F|6 MO 2 F|7 DI  |");
    // An entry prints when its instant lies strictly inside the day.
    EXPECT_TRUE(LiegtAmTag(Um(2024, 12, 30, 21), s.m_spalten[0]) && !LiegtAmTag(Um(2024, 12, 30, 0), s.m_spalten[0]));
}

// The legend's pixels right below the fifth row are checked in tests/gui/DruckSeiteTest.
TEST(DruckLayout, ZeilenhoeheLegendeGrenzfaelleUndJahresUebersicht) {
    for (int anzahl : {0, 5, 30}) // 30 rows: the grid lines cost one unit of height
        EXPECT_EQ(Anordnen({2025, 3, 1}, {2025, 3, 31}, anzahl).m_nZeilenHoehe, anzahl < 30 ? 20 : 19) << anzahl;
    const DruckSeite s = Anordnen({2025, 3, 1}, {2025, 3, 31}, 5);
    EXPECT_EQ(std::tuple(s.m_namen.at(4), s.m_legende[0], s.m_legende[15]),
              std::tuple(Rechteck{10, 137, 210, 157}, Rechteck{0, 159, 100, 175}, Rechteck{875, 180, 975, 196}));
    // Edge cases: all sixteen stay on the page.
    for (int anzahl : {0, 31, 400})
        for (const Rechteck seite : {kSeite, Rechteck{0, 0, 13000, 9300}, Rechteck{0, 0, 300, 200}}) {
            if (2 * (anzahl + 4) + 20 > seite.unten) continue; // even rows of one unit could not fit
            for (const Rechteck& l : Anordnen({2025, 1, 1}, {2025, 12, 31}, anzahl, seite).m_legende)
                EXPECT_TRUE(l.links >= 0 && l.oben < l.unten && l.rechts < seite.rechts && l.unten < seite.unten)
                    << anzahl << " on " << seite.rechts;
        }
    EXPECT_TRUE(Anordnen({2025, 1, 1}, {2025, 1, 2}, 5, Rechteck{0, 0, 20, 500}).IstLeer());
    EXPECT_TRUE(Anordnen({2025, 2, 1}, {2025, 1, 1}).m_spalten.empty()); // last day before the first
    // The year overview at 3 : 1. Wide: the height limits; tall: the width limits.
    EXPECT_EQ(std::tuple(JahresDruckFlaeche(4000, 1000), JahresDruckFlaeche(2000, 1000), JahresDruckFlaeche(100, -1)),
              std::tuple(Flaeche{3000, 1000}, Flaeche{2000, 666}, Flaeche{0, 0}));
}

struct AdminDrucken : AdminDatenbank {
    std::string pdf = t / "plan.pdf";

    void SetUp() override {
        AdminDatenbank::SetUp();
        if (IsSkipped()) return;
        // A tool built without the Qt layer has no "drucken".
        if (AdminAufrufen({"--help"}, t.pfad()).out.find("drucken") == std::string::npos)
            GTEST_SKIP() << "kalvora-admin ohne drucken gebaut";
        for (const auto& [b1, gruppe] : {std::pair{"Wolf", "Service"}, {"Becker", "Entwicklung"}, {"Braun", "Service"}})
            ASSERT_EQ(Aufruf({"anlegen", "--b1", b1, "--b2", "X", "--gruppe", gruppe}).rc, 0);
        ASSERT_EQ(Aufruf({"markieren", "--b1", "Wolf", "--b2", "X", "--von", "2025-03-10", "--bis", "2025-03-14",
                          "--art", "1"}).rc, 0);
    }
    AdminErgebnis Drucken(std::vector<std::string> mehr) {
        mehr.insert(mehr.begin(), {"drucken", "--pdf", pdf});
        return Aufruf(mehr);
    }
};

TEST_F(AdminDrucken, EineSeiteJeGruppeOderAllePruefungenWieImDialog) {
    const std::pair<std::vector<std::string>, const char*> faelle[] = {
        {{"--von", "2025-03-01", "--bis", "2025-03-01", "--gruppe", "Service", "--nach-gruppen", "--schema", "5"},
         "(2 Ressourcen, 1 Tag)"},
        // The longest period the dialog lets through, with other holiday regions.
        {{"--von", "2025-01-01", "--bis", "2026-02-05", "--regionen", "2,Wien"}, "(3 Ressourcen, 401 Tage)"},
    };
    for (const auto& [args, ausgabe] : faelle) {
        std::filesystem::remove(pdf);
        const AdminErgebnis e = Drucken(args);
        const std::string inhalt = DateiInhalt(pdf); // exactly one page
        // Nothing on stderr: no Qt diagnostics either.
        EXPECT_EQ(std::tuple(e.rc, e.out, e.err, inhalt.starts_with("%PDF"), inhalt.find("/Count 1") != std::string::npos),
                  std::tuple(0, "PDF geschrieben: " + pdf + " " + ausgabe + "\n", "", true, true));
    }
    std::filesystem::remove(pdf);
    const AdminErgebnis hilfe = AdminAufrufen({"drucken", "--help"}, t.pfad());
    EXPECT_EQ(std::tuple(hilfe.rc, hilfe.out.starts_with("Aufruf: kalvora-admin drucken DATEI --von")),
              std::tuple(0, true)) << hilfe.out;
    const std::pair<std::vector<std::string>, const char*> fehler[] = { // refused as in the dialog
        {{"--von", "2025-01-01", "--bis", "2026-02-06"},
         "Fehler: Maximal kann nur 1 Jahr ausgedruckt werden! Überprüfen Sie bitte die Datumseingabe!\n"},
        {{"--von", "2025-03-01", "--bis", "2025-03-31", "--gruppe", "Lager"}, "Fehler: Kein Mitarbeiter ausgewählt!\n"},
        {{"--von", "2025-03-31", "--bis", "2025-03-01"}, "Fehler: --bis liegt vor --von\n"},
        {{"--von", "2025-02-30", "--bis", "2025-03-01"}, "ungültiges Datum \"2025-02-30\" bei --von"},
        {{"--von", "2025-03-01", "--bis", "2025-03-31", "--schema", "6"}, "ungültiges Farbschema \"6\""},
        {{"--von", "1970-12-31", "--bis", "1971-01-01"},
         "ungültiges Datum \"1970-12-31\" bei --von (erlaubt: JJJJ-MM-TT von 1971-01-01 bis 2036-12-31)"},
    };
    for (const auto& [args, meldung] : fehler) {
        const AdminErgebnis e = Drucken(args);
        EXPECT_EQ(std::tuple(e.rc, e.err.find(meldung) != std::string::npos, std::filesystem::exists(pdf)),
                  std::tuple(1, true, false)) << e.err;
    }
    const std::string ordner = t / "fehlt";
    const AdminErgebnis e = Aufruf({"drucken", "--pdf", ordner + "/plan.pdf", "--von", "2025-03-01", "--bis", "2025-03-01"});
    EXPECT_EQ(std::tuple(e.rc, e.err), std::tuple(1, "Fehler: Die Datei \"" + ordner + "/plan.pdf\" kann nicht geschrieben "
                                                     "werden. Die Datei oder ihr Ordner existiert nicht.\n"));
}

// More resources than fit on the page even at the lowest row height: the PDF shows those that fit,
// and the command says how many are missing and fails.
TEST_F(AdminDrucken, ZuVieleRessourcenFuerDieSeite) {
    constexpr long kAnzahl = 6000;
    RessourcenListe liste;
    for (long i = 0; i < kAnzahl; ++i) liste.push_back(NeueRessource("R" + std::to_string(100000 + i), "x"));
    DateiSchreibenTest(datei, DatenbankSchreiben(liste));
    const AdminErgebnis e = Drucken({"--von", "2025-03-01", "--bis", "2025-03-01"});
    long gedruckt = 0, fehlend = 0;
    const bool gelesen =
        std::sscanf(e.out.c_str(), ("PDF geschrieben: " + pdf + " (%ld Ressourcen, 1 Tag)").c_str(), &gedruckt) == 1 &&
        std::sscanf(e.err.c_str(), "Fehler: %ld Ressourcen passen nicht mehr auf die Seite und fehlen im PDF", &fehlend) == 1;
    EXPECT_EQ(std::tuple(e.rc, gelesen, gedruckt + fehlend, fehlend > 0, DateiInhalt(pdf).starts_with("%PDF")),
              std::tuple(1, true, kAnzahl, true, true)) << e.out << e.err;
}

} // namespace
