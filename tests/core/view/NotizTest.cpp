// Day notes: which half opens one, the dialog title, the 200-character rule. "Löschen" with OK and
// "Abbrechen", Enter and 200 vs 201 characters are driven through the real dialogs in tests/gui.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "TestHilfen.h"
#include "view/Notiz.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

const CTime kJetzt(1760000000);

// Row 2: "M\xFCller" with 2024-03-05 first half only (note "alt") and 2023-03-05 both halves.
struct Plan {
    RessourcenListe arbeit;
    MeldungsRekorder meldungen;
    UhrFixiert uhr{kJetzt};
    int aufrufe = 0;
    std::string titel, vorher;

    Plan() {
        auto r = std::make_unique<CRessource>();
        r->m_strBenennung1 = "M\xFCller";
        r->m_strIdentNr = "7";
        r->m_nZeile = 2;
        SetTag(r.get(), CTime(2023, 3, 5, 9, 0, 0), 2, 2, "", CTime(1000));
        SetTag(r.get(), CTime(2024, 3, 5, 9, 0, 0), 4, 0, "alt", CTime(1000));
        arbeit.push_back(std::move(r));
    }
    CTagEintrag& Tag(int jahr) { return *arbeit[0]->FindeTag(CTime(jahr, 3, 5, 12, 0, 0)); }

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

} // namespace

TEST(Notiz, TitelMitLeerstellenVorEinstelligenZahlen) {
    EXPECT_EQ(NotizTitel(CTime(2024, 3, 5, 9, 0, 0), "M\xFCller"), " 5. 3.2024 * M\xFCller");
    EXPECT_EQ(NotizTitel(CTime(2024, 11, 12, 21, 0, 0), "X"), "12.11.2024 * X");
}

TEST(Notiz, NurEineMarkierteHaelfteOeffnetDieNotiz) {
    struct Fall {
        int zeile;
        CTime zeit;
        bool oeffnet;
    };
    const Fall faelle[] = {
        {2, CTime(2024, 3, 5, 9, 0, 0), true},   // marked first half
        {2, CTime(2024, 3, 5, 21, 0, 0), false}, // empty second half
        {2, CTime(2023, 3, 5, 21, 0, 0), true},  // the other year in the same slot
        {9, CTime(2024, 3, 5, 9, 0, 0), false},  // a row without a record
    };
    for (const Fall& f : faelle) {
        Plan p;
        EXPECT_FALSE(p.Bearbeiten(f.zeile, f.zeit, std::nullopt));
        EXPECT_EQ(p.aufrufe, f.oeffnet ? 1 : 0) << f.zeit.GetTime();
        ASSERT_EQ(p.meldungen.m_gezeigt.size(), f.oeffnet ? 0u : 1u) << f.zeit.GetTime();
        if (!f.oeffnet)
            EXPECT_EQ(p.meldungen.m_gezeigt[0].text, "Notizen sind nur bei eingetragenen Tagen möglich!");
    }
}

TEST(Notiz, OkSpeichertMitNeuerZeitAbbrechenLaesstAlles) {
    Plan p;
    EXPECT_FALSE(p.Bearbeiten(2, CTime(2024, 3, 5, 9, 0, 0), std::nullopt));
    EXPECT_EQ(p.titel, " 5. 3.2024 * M\xFCller");
    EXPECT_EQ(p.vorher, "alt");
    EXPECT_EQ(p.Tag(2024).m_timeGeaendert, CTime(1000));

    EXPECT_TRUE(p.Bearbeiten(2, CTime(2024, 3, 5, 9, 0, 0), std::string("neu\r\nzwei")));
    EXPECT_EQ(p.Tag(2024).m_strNotiz, "neu\r\nzwei");
    EXPECT_EQ(p.Tag(2024).m_timeGeaendert, kJetzt);
    EXPECT_EQ(p.Tag(2023).m_timeGeaendert, CTime(1000)); // the other year in the slot stays

    EXPECT_TRUE(p.Bearbeiten(2, CTime(2024, 3, 5, 9, 0, 0), std::string()));
    EXPECT_EQ(p.Tag(2024).m_nArtVormittag, 4) << "the halves stay";
}

// A sync while the dialog is open may move the slot's entries and insert records before the row.
TEST(Notiz, GespeichertWirdAmTagNachDemDialog) {
    Plan p;
    EXPECT_TRUE(p.Bearbeiten(2, CTime(2024, 3, 5, 9, 0, 0), std::string("nach"), [&] {
        for (int jahr = 2000; jahr < 2020; ++jahr)
            SetTag(p.arbeit[0].get(), CTime(jahr, 3, 5, 9, 0, 0), 1, 1, "", kJetzt);
        auto neu = std::make_unique<CRessource>();
        neu->m_strBenennung1 = "M\xFCller";
        neu->m_strIdentNr = "8"; // another resource of the same name
        p.arbeit.insert(p.arbeit.begin(), std::move(neu));
    }));
    EXPECT_EQ(p.arbeit[1]->FindeTag(CTime(2024, 3, 5, 9, 0, 0))->m_strNotiz, "nach");
    EXPECT_EQ(p.arbeit[0]->AnzahlEintraege(), 0u);
}

TEST(Notiz, HoechstensZweihundertZeichen) {
    const std::string z198(198, 'x'), z199(199, 'x'), z200(200, 'a');
    const struct {
        std::string notiz, gespeichert;
        bool meldung;
    } faelle[] = {
        {z200, z200, false},
        {z199 + "\r\n", z199, true}, // a line break cut in half goes altogether
        {z198 + "\r\nz", z198 + "\r\n", true},
    };
    for (const auto& f : faelle) {
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
