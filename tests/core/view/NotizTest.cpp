// Day notes: which half opens one, the dialog title, the 200-character rule, line breaks.
#include <gtest/gtest.h>

#include <memory>

#include "TestHilfen.h"
#include "view/Notiz.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

const CTime kJetzt(1760000000);

struct Plan {
    RessourcenListe arbeit;
    MeldungsRekorder meldungen;
    UhrFixiert uhr{kJetzt};
    int aufrufe = 0;
    std::string titel, vorher;

    // Row 2: "M\xFCller" with 2024-03-05 first half only (note "alt") and 2023-03-05 both halves.
    Plan() {
        auto andere = std::make_unique<CRessource>();
        andere->m_strBenennung1 = "Anders";
        andere->m_nZeile = 1;
        arbeit.push_back(std::move(andere));
        auto r = std::make_unique<CRessource>();
        r->m_strBenennung1 = "M\xFCller";
        r->m_strBenennung2 = "Eva";
        r->m_strIdentNr = "7";
        r->m_nZeile = 2;
        SetTag(r.get(), CTime(2023, 3, 5, 9, 0, 0), 2, 2, "", CTime(1000));
        SetTag(r.get(), CTime(2024, 3, 5, 9, 0, 0), 4, 0, "alt", CTime(1000));
        arbeit.push_back(std::move(r));
    }
    CTagEintrag& Tag(int jahr) { return *arbeit[1]->FindeTag(CTime(jahr, 3, 5, 12, 0, 0)); }

    bool Bearbeiten(int zeile, CTime zeit, std::optional<std::string> antwort,
                    const std::function<void()>& waehrend = {}) {
        return NotizBearbeiten(arbeit, zeile, zeit, meldungen,
                               [&](const std::string& t, const std::string& n) {
                                   ++aufrufe;
                                   titel = t;
                                   vorher = n;
                                   if (waehrend) waehrend();
                                   return antwort;
                               });
    }
};

} // namespace

TEST(Notiz, TitelMitLeerstellenVorEinstelligenZahlen) {
    EXPECT_EQ(NotizTitel(CTime(2024, 3, 5, 9, 0, 0), "M\xFCller"), " 5. 3.2024 * M\xFCller");
    EXPECT_EQ(NotizTitel(CTime(2024, 11, 12, 21, 0, 0), "X"), "12.11.2024 * X");
    EXPECT_EQ(NotizTitel(CTime(1999, 12, 31, 23, 59, 0), ""), "31.12.1999 * ");
}

TEST(Notiz, NurEineMarkierteHaelfteOeffnetDieNotiz) {
    struct Fall {
        int zeile;
        CTime zeit;
        bool oeffnet;
        const char* was;
    };
    const Fall faelle[] = {
        {2, CTime(2024, 3, 5, 9, 0, 0), true, "markierte erste Hälfte"},
        {2, CTime(2024, 3, 5, 21, 0, 0), false, "leere zweite Hälfte"},
        {2, CTime(2023, 3, 5, 21, 0, 0), true, "Vorjahr im selben Fach"},
        {2, CTime(2025, 3, 5, 9, 0, 0), false, "Jahr ohne Eintrag"},
        {2, CTime(2024, 3, 6, 9, 0, 0), false, "Tag ohne Eintrag"},
        {1, CTime(2024, 3, 5, 9, 0, 0), false, "andere Zeile"},
        {9, CTime(2024, 3, 5, 9, 0, 0), false, "Zeile ohne Datensatz"},
        {0, CTime(2024, 3, 5, 9, 0, 0), false, "keine Zeile"},
    };
    for (const Fall& f : faelle) {
        Plan p;
        EXPECT_FALSE(p.Bearbeiten(f.zeile, f.zeit, std::nullopt)) << f.was;
        EXPECT_EQ(p.aufrufe, f.oeffnet ? 1 : 0) << f.was;
        if (f.oeffnet) {
            EXPECT_TRUE(p.meldungen.m_gezeigt.empty()) << f.was;
        } else {
            ASSERT_EQ(p.meldungen.m_gezeigt.size(), 1u) << f.was;
            EXPECT_EQ(p.meldungen.m_gezeigt[0].text, "Notizen sind nur bei eingetragenen Tagen möglich!");
            EXPECT_EQ(p.meldungen.m_gezeigt[0].titel, "");
        }
    }
}

TEST(Notiz, OkSpeichertMitNeuerZeitAbbrechenLaesstAlles) {
    Plan p;
    EXPECT_FALSE(p.Bearbeiten(2, CTime(2024, 3, 5, 9, 0, 0), std::nullopt));
    EXPECT_EQ(p.titel, " 5. 3.2024 * M\xFCller");
    EXPECT_EQ(p.vorher, "alt");
    EXPECT_EQ(p.Tag(2024).m_strNotiz, "alt");
    EXPECT_EQ(p.Tag(2024).m_timeGeaendert, CTime(1000));

    EXPECT_TRUE(p.Bearbeiten(2, CTime(2024, 3, 5, 9, 0, 0), std::string("neu\r\nzwei")));
    EXPECT_EQ(p.Tag(2024).m_strNotiz, "neu\r\nzwei");
    EXPECT_EQ(p.Tag(2024).m_timeGeaendert, kJetzt);
    EXPECT_EQ(p.Tag(2023).m_strNotiz, "");
    EXPECT_EQ(p.Tag(2023).m_timeGeaendert, CTime(1000));

    EXPECT_TRUE(p.Bearbeiten(2, CTime(2024, 3, 5, 9, 0, 0), std::string()));
    EXPECT_EQ(p.Tag(2024).m_strNotiz, "");
    EXPECT_EQ(p.Tag(2024).m_nArtVormittag, 4) << "the halves stay";
}

// What a sync does while the dialog is open: entries of the slot move, records come before.
TEST(Notiz, GespeichertWirdAmTagNachDemDialog) {
    Plan p;
    EXPECT_TRUE(p.Bearbeiten(2, CTime(2024, 3, 5, 9, 0, 0), std::string("nach"), [&] {
        for (int jahr = 2000; jahr < 2020; ++jahr)
            SetTag(p.arbeit[1].get(), CTime(jahr, 3, 5, 9, 0, 0), 1, 1, "", kJetzt);
        auto neu = std::make_unique<CRessource>();
        neu->m_strBenennung1 = "M\xFCller";
        neu->m_strBenennung2 = "Eva";
        neu->m_strIdentNr = "8"; // another resource of the same name
        p.arbeit.insert(p.arbeit.begin(), std::move(neu));
    }));
    EXPECT_EQ(p.arbeit[2]->FindeTag(CTime(2024, 3, 5, 9, 0, 0))->m_strNotiz, "nach");
    EXPECT_EQ(p.arbeit[0]->AnzahlEintraege(), 0u);
}

TEST(Notiz, HoechstensZweihundertZeichen) {
    struct Fall {
        std::string notiz;
        std::string gespeichert;
        bool meldung;
    };
    const std::string z199(199, 'x');
    const Fall faelle[] = {
        {"", "", false},
        {std::string(200, 'a'), std::string(200, 'a'), false},
        {std::string(200, 'a') + "b", std::string(200, 'a'), true},
        {std::string(450, 'a'), std::string(200, 'a'), true},
        {std::string(198, 'x') + "\r\n", std::string(198, 'x') + "\r\n", false},
        {z199 + "\r\n", z199, true}, // a line break cut in half goes altogether
        {z199 + "\r\nz", z199, true},
        {std::string(198, 'x') + "\r\nz", std::string(198, 'x') + "\r\n", true},
    };
    for (const Fall& f : faelle) {
        MeldungsRekorder m;
        std::string notiz = f.notiz;
        EXPECT_EQ(NotizBegrenzen(notiz, m), f.meldung) << f.notiz.size();
        EXPECT_EQ(notiz, f.gespeichert) << f.notiz.size();
        ASSERT_EQ(m.m_gezeigt.size(), f.meldung ? 1u : 0u);
        if (f.meldung)
            EXPECT_EQ(m.m_gezeigt[0].text, "Es sind nur maximal 200 Zeichen zulässig - es werden nur die "
                                           "ersten 200 Zeichen gespeichert!");
    }
}

TEST(Notiz, ZeilenumbruecheAlsCrLf) {
    struct Fall {
        std::string eingabe, gespeichert, zurueck;
    };
    const Fall faelle[] = {
        {"a\nb", "a\r\nb", "a\nb"},   {"a\r\nb", "a\r\nb", "a\nb"}, {"a\rb", "a\r\nb", "a\nb"},
        {"\n\n", "\r\n\r\n", "\n\n"}, {"ohne", "ohne", "ohne"},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(NotizAusEingabe(f.eingabe), f.gespeichert);
        EXPECT_EQ(NotizFuerEingabe(f.gespeichert), f.zurueck);
    }
    // A line break counts two: 198 letters, a break and one more are 201 stored characters.
    MeldungsRekorder m;
    std::string notiz = NotizAusEingabe(std::string(198, 'x') + "\ny");
    EXPECT_EQ(notiz.size(), 201u);
    EXPECT_TRUE(NotizBegrenzen(notiz, m));
}
