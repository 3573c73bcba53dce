// Display rows, and what a drag or a note writes into them and the plan; the GUI side is in tests/gui.
#include <functional>

#include "TestHilfen.h"
#include "view/Anzeige.h"
#include "view/Markierung.h"
#include "view/Notiz.h"

using namespace kalvora;
using namespace kalvora::test;

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

// The row numbers the records get, which the mouse and note code rely on.
TEST(Anzeige, ReihenfolgeUndZeilenDerDatensaetze) {
    using V = std::vector<std::string>;
    const std::tuple<const char*, bool, V, std::vector<int>> faelle[] = {
        // filter, alphabetical, labels, rows (0: not shown, also for a row left over from an earlier display)
        {"", true, V{"1 Albers, Jan", "2 Huber, Eva", "3 Meier, Anna", "4 Zorn, Max"}, {1, 0, 2, 3, 4}},
        // Keys "EinkaufMeier...", "einkaufZorn...", "HuberEva3", "ITAlbers...": case does not count.
        {"", false, V{"1 Einkauf: Meier, Anna", "2 einkauf: Zorn, Max", "3 Huber, Eva", "4 IT: Albers, Jan"},
         {4, 0, 3, 1, 2}},
        {"Einkauf", false, V{"1 Einkauf: Meier, Anna"}, {0, 0, 0, 1, 0}}, // byte-exact, no deleted one
        {"Vertrieb", true, V{}, {0, 0, 0, 0, 0}},
    };
    for (const auto& [filter, alpha, labels, zeilen] : faelle) {
        RessourcenListe arbeit; // stored (alphabetical) order, groups E..., I... and one without a group
        Neu(arbeit, "Albers", "Jan", "IT", "1");
        Neu(arbeit, "Alt", "Ute", "Einkauf", "2", true);
        Neu(arbeit, "Huber", "Eva", "", "3");
        Neu(arbeit, "Meier", "Anna", "Einkauf", "4");
        Neu(arbeit, "Zorn", "Max", "einkauf", "5");
        for (auto& r : arbeit) r->m_nZeile = 7;
        Aufbau a;
        ASSERT_TRUE(a.Los(arbeit, filter, alpha));
        EXPECT_EQ(std::tuple(Labels(a.anzeige), Zeilen(arbeit), a.meldungen.m_gezeigt.size()),
                  std::tuple(labels, zeilen, 0u)) << filter << alpha;
    }
}

// "10" before "9" as text; the days go into the row with their halves, notes and cleared ones.
TEST(Anzeige, GleicheNamenNachNummerAlsTextGeloeschterZwillingStoertNichtTageWerdenKopiert) {
    RessourcenListe arbeit;
    Neu(arbeit, "Lenz", "Tom", "Lager", "9");
    CRessource& r = Neu(arbeit, "Lenz", "Tom", "Lager", "10");
    Neu(arbeit, "Lenz", "Tom", "Lager", "10", true).m_nZeile = 5;
    SetTag(&r, Um(2024, 2, 29, 9), 3, 4, "Arzt", CTime(1));
    SetTag(&r, Um(2028, 2, 29, 9), 0, 0, "", CTime(2));
    Aufbau a;
    ASSERT_TRUE(a.Los(arbeit, "", false));
    const CRessource& z = *a.anzeige.at(0);
    const CTagEintrag* e = z.FindeTag(Um(2024, 2, 29));
    EXPECT_EQ(std::tuple(Zeilen(arbeit), arbeit[1]->m_nPosition, Haelften(z, {Um(2024, 2, 29), Um(2028, 2, 29)}),
                         z.AnzahlEintraege(), e ? e->m_strNotiz.Text() : "-"),
              std::tuple(std::vector<int>{2, 1, 0}, 0, "3/4 0/0 ", 2u, "Arzt"));
}

TEST(Anzeige, DoppelterSchluesselBrichtNachGruppenAb) {
    RessourcenListe arbeit;
    Neu(arbeit, "Berg", "Ina", "A", "1");
    Neu(arbeit, "Kurz", "Udo", "B", "2");
    Neu(arbeit, "Kurz", "Udo", "B", "2");
    Neu(arbeit, "Zander", "Ole", "C", "3");
    Aufbau a;
    EXPECT_FALSE(a.Los(arbeit, "", false)); // the message text is checked in tests/gui
    // The pair's first record took the later position; rows before the gap stay, none points past them.
    EXPECT_EQ(std::tuple(a.meldungen.m_gezeigt.size(), Labels(a.anzeige), Zeilen(arbeit), arbeit[1]->m_nPosition,
                         arbeit[2]->m_nPosition),
              std::tuple(1u, std::vector<std::string>{"1 A: Berg, Ina"}, std::vector<int>{1, 0, 0, 0}, 2, -1));
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
        const bool gilt = GruppenFilterPruefen(arbeit, filter);
        EXPECT_EQ(std::tuple(gilt, filter), std::tuple(!*nachher, nachher)) << vorher;
    }
}

const CTime kJetzt(1760000000);

TEST(Markierung, LoeschenLeertNurDieGezogenenHaelftenAuchUeberDieZeitumstellung) {
    CRessource anzeige, arbeit;
    MarkierungUebernehmen(&anzeige, &arbeit, Um(2025, 3, 3, 9), Um(2025, 3, 5, 21), 4, kJetzt);
    MarkierungUebernehmen(&anzeige, &arbeit, Um(2025, 3, 3, 21), Um(2025, 3, 5, 9), 0, CTime(kJetzt.GetTime() + 5));
    for (const CRessource* r : {&anzeige, &arbeit}) // cleared entries stay, untouched halves keep their type
        EXPECT_EQ(Haelften(*r, {Um(2025, 3, 3), Um(2025, 3, 4), Um(2025, 3, 5)}), "4/0 0/0 0/4 ");
    EXPECT_EQ(arbeit.FindeTag(Um(2025, 3, 4))->m_timeGeaendert, CTime(kJetzt.GetTime() + 5));
    // 43,200-second steps from 21:00 winter time land on 10:00 and 22:00 summer time.
    MarkierungUebernehmen(nullptr, &arbeit, Um(2025, 3, 29, 21), CTime(Um(2025, 3, 29, 21).GetTime() + 5 * 43200), 9,
                          kJetzt);
    EXPECT_EQ(Haelften(arbeit, {Um(2025, 3, 29), Um(2025, 3, 30), Um(2025, 3, 31), Um(2025, 4, 1)}) +
                  std::to_string(arbeit.AnzahlEintraege()),
              "0/9 9/9 9/9 9/0 7");
}

TEST(Markierung, NotizBleibtImPlanDieAnzeigeZeigtSieErstNachDemAbgleich) {
    CRessource anzeige, arbeit;
    SetTag(&arbeit, Um(2025, 3, 4, 9), 1, 1, "Arzt", CTime(1));
    SetTagAnzeige(anzeige, Um(2025, 3, 4, 9), 1, 1, "Arzt");
    MarkierungUebernehmen(&anzeige, &arbeit, Um(2025, 3, 4, 9), Um(2025, 3, 4, 21), 3, kJetzt);
    // The display row takes the empty note until rebuilt.
    EXPECT_EQ(std::tuple(arbeit.FindeTag(Um(2025, 3, 4))->m_strNotiz.Text(), Haelften(arbeit, {Um(2025, 3, 4)}),
                         anzeige.FindeTag(Um(2025, 3, 4))->m_strNotiz.Text()),
              std::tuple("Arzt", "3/3 ", ""));
}

// A drag remembers its resource at the press; by the release a sync may have put records before
// it, left a deleted twin of it in front, moved its row or deleted it.
TEST(Markierung, ZielIstDieLebendeRessourceDerPresseInIhrerZeileVonJetzt) {
    RessourcenListe arbeit;
    Neu(arbeit, "Adler").m_nZeile = 1;
    Neu(arbeit, "Kurz", "Karl", "", "7", true);        // deleted twin, first in the list
    Neu(arbeit, "Kurz", "Karl", "", "8").m_nZeile = 2; // another number: another resource
    Neu(arbeit, "Kurz", "Karl", "", "7").m_nZeile = 3;
    Neu(arbeit, "Zorn", "", "", "", true);
    const auto kennung = [](std::string b1, std::string b2, std::string nr) {
        return std::optional(RessourcenKennung{std::move(b1), std::move(b2), std::move(nr)});
    };
    const std::tuple<std::optional<RessourcenKennung>, int, int, int> faelle[] = {
        // kennung at the press, press row, record index (-1: none), display row
        {kennung("Kurz", "Karl", "7"), 2, 3, 3}, // the press row now shows someone else
        {kennung("Kurz", "Karl", "8"), 3, 2, 2},
        {kennung("Zorn", "", ""), 4, -1, 0}, // deleted meanwhile: nothing is marked
        {std::nullopt, 5, -1, 5},            // no record at the press: the display row only
    };
    for (const auto& [k, druck, index, zeile] : faelle) {
        const MarkierZiel ziel = MarkierZielFinden(arbeit, k, druck);
        EXPECT_EQ(std::pair(ziel.m_pArbeit, ziel.m_nZeile),
                  std::pair(index < 0 ? nullptr : arbeit[static_cast<std::size_t>(index)].get(), zeile)) << druck;
    }
    EXPECT_EQ(std::pair(KennungDerZeile(arbeit, 3)->m_strIdentNr, KennungDerZeile(arbeit, 4).has_value()),
              std::pair(std::string("7"), false));
}

// Row 2: "M\xFCller" with 2024-03-05 first half only (note "alt") and 2023-03-05 both halves.
struct Plan {
    RessourcenListe arbeit;
    MeldungsRekorder meldungen;
    UhrFixiert uhr{kJetzt};
    int aufrufe = 0;
    std::string titel, vorher;

    Plan() {
        CRessource& r = Neu(arbeit, "M\xFCller", "", "", "7");
        r.m_nZeile = 2;
        SetTag(&r, Um(2023, 3, 5, 9), 2, 2, "", CTime(1000));
        SetTag(&r, Um(2024, 3, 5, 9), 4, 0, "alt", CTime(1000));
    }
    CTagEintrag& Tag(int jahr) { return *arbeit[0]->FindeTag(Um(jahr, 3, 5, 12)); }

    bool Bearbeiten(int zeile, CTime zeit, std::optional<std::string> antwort,
                    const std::function<void()>& waehrend = {}) {
        return NotizBearbeiten(arbeit, zeile, zeit, meldungen, [&](const std::string& t, const std::string& n) {
            ++aufrufe;
            titel = t;
            vorher = n;
            if (waehrend) waehrend();
            return antwort;
        });
    }
};

// The dialog's buttons, Enter and 200 vs 201 characters are driven through the real dialogs in tests/gui.
TEST(Notiz, NurEineMarkierteHaelfteOeffnetDieNotiz) {
    const std::tuple<int, CTime, bool> faelle[] = {
        {2, Um(2024, 3, 5, 9), true},   // marked first half
        {2, Um(2024, 3, 5, 21), false}, // empty second half
        {2, Um(2023, 3, 5, 21), true},  // the other year in the same slot
        {9, Um(2024, 3, 5, 9), false},  // a row without a record
    };
    for (const auto& [zeile, zeit, oeffnet] : faelle) {
        Plan p;
        EXPECT_FALSE(p.Bearbeiten(zeile, zeit, std::nullopt));
        EXPECT_EQ(std::to_string(p.aufrufe) + " " + p.meldungen.Texte(),
                  oeffnet ? "1 " : "0 Notizen sind nur bei eingetragenen Tagen möglich!\n") << zeit.GetTime();
    }
}

TEST(Notiz, OkSpeichertAmTagNachDemDialogMitNeuerZeitAbbrechenLaesstAlles) {
    Plan p;
    EXPECT_FALSE(p.Bearbeiten(2, Um(2024, 3, 5, 9), std::nullopt)); // blanks before one-digit numbers
    EXPECT_EQ(std::tuple(p.titel, NotizTitel(Um(2024, 11, 12, 21), "X"), p.vorher, p.Tag(2024).m_timeGeaendert),
              std::tuple(" 5. 3.2024 * M\xFCller", "12.11.2024 * X", "alt", CTime(1000)));
    EXPECT_TRUE(p.Bearbeiten(2, Um(2024, 3, 5, 9), std::string("neu\r\nzwei"))); // the other year stays
    EXPECT_EQ(std::tuple(p.Tag(2024).m_strNotiz.Text(), p.Tag(2024).m_timeGeaendert, p.Tag(2023).m_timeGeaendert),
              std::tuple("neu\r\nzwei", kJetzt, CTime(1000)));

    EXPECT_TRUE(p.Bearbeiten(2, Um(2024, 3, 5, 9), std::string()));
    EXPECT_EQ(p.Tag(2024).m_nArtVormittag, 4) << "the halves stay";
    // A sync while the dialog is open may move the slot's entries and insert records before the row.
    // ... and a deleted twin of the same identity, holding the same day, in front of it.
    EXPECT_TRUE(p.Bearbeiten(2, Um(2024, 3, 5, 9), std::string("nach"), [&] {
        for (int jahr = 2000; jahr < 2020; ++jahr) SetTag(p.arbeit[0].get(), Um(jahr, 3, 5, 9), 1, 1, "", kJetzt);
        p.arbeit.insert(p.arbeit.begin(), NeueRessource("M\xFCller", "", "", "8")); // same name, another resource
        p.arbeit.insert(p.arbeit.begin(), NeueRessource("M\xFCller", "", "", "7", true));
        SetTag(p.arbeit[0].get(), Um(2024, 3, 5, 9), 4, 0, "", CTime(1000));
    }));
    EXPECT_EQ(std::tuple(p.arbeit[2]->FindeTag(Um(2024, 3, 5, 9))->m_strNotiz.Text(),
                         p.arbeit[0]->FindeTag(Um(2024, 3, 5, 9))->m_strNotiz.Text(), p.arbeit[1]->AnzahlEintraege()),
              std::tuple("nach", "", 0u));
}

// Another user cleared the day or deleted the resource while the dialog was open: nothing is
// stored, the user is told and gets the typed text back until cancelling or the day is there again.
TEST(Notiz, TagInzwischenGeloeschtZeigtDenTextNochEinmal) {
    const std::string tag = std::string(kNotizTagGeloescht) + "\n";
    const std::string ressource = std::string(kNotizRessourceGeloescht) + "\n";
    const std::tuple<const char*, std::function<void(Plan&)>, std::string> faelle[] = {
        {"halves cleared", [](Plan& p) { SetTag(p.arbeit[0].get(), Um(2024, 3, 5, 9), 0, 0, "", kJetzt); }, tag},
        {"entry gone", [](Plan& p) { p.arbeit[0]->m_pTage = {}; }, tag},
        {"deleted", [](Plan& p) { p.arbeit[0]->m_bGeloescht = true; }, ressource},
    };
    using V = std::vector<std::string>;
    for (const auto& [name, loeschen, meldung] : faelle) {
        for (const bool wiederDa : {false, true}) {
            Plan p;
            V gezeigt;
            const bool gespeichert = NotizBearbeiten(p.arbeit, 2, Um(2024, 3, 5, 9), p.meldungen,
                                                     [&](const std::string&, const std::string& n) {
                gezeigt.push_back(n);
                if (gezeigt.size() == 1) loeschen(p);
                if (gezeigt.size() == 2 && wiederDa) { // the next sync brought the day back
                    if (p.arbeit[0]->m_bGeloescht) p.arbeit.push_back(NeueRessource("M\xFCller", "", "", "7"));
                    SetTag(p.arbeit.back().get(), Um(2024, 3, 5, 9), 3, 3, "", kJetzt);
                }
                return gezeigt.size() < 3 ? std::optional<std::string>("getippt") : std::nullopt;
            });
            EXPECT_EQ(std::tuple(gespeichert, gezeigt, p.meldungen.Texte()),
                      std::tuple(wiederDa, wiederDa ? V{"alt", "getippt"} : V{"alt", "getippt", "getippt"},
                                 wiederDa ? meldung : meldung + meldung)) << name;
            if (wiederDa) EXPECT_EQ(p.arbeit.back()->FindeTag(Um(2024, 3, 5))->m_strNotiz, "getippt") << name;
        }
    }
}

TEST(Notiz, HoechstensZweihundertZeichen) {
    const std::string z198(198, 'x'), z199(199, 'x'), z200(200, 'a');
    const std::tuple<std::string, std::string, bool> faelle[] = {
        {z200, z200, false},
        {z199 + "\r\n", z199 + "\r", true}, // the 200th byte stays, though it is half a line break
        {z198 + "\r\nz", z198 + "\r\n", true},
    };
    for (const auto& [eingabe, gespeichert, meldung] : faelle) {
        MeldungsRekorder m;
        std::string notiz = eingabe;
        const bool gemeldet = NotizBegrenzen(notiz, m);
        EXPECT_EQ(std::tuple(gemeldet, notiz, m.Texte()),
                  std::tuple(meldung, gespeichert, meldung ? "Es sind nur maximal 200 Zeichen zulässig - es werden nur "
                                                             "die ersten 200 Zeichen gespeichert!\n" : ""))
            << eingabe.size();
    }
}

} // namespace
