#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "calendar/Feiertage.h"
#include "view/GitterLayout.h"

using namespace kalvora;

namespace {

constexpr int kBayern = 2;

Regionen Auswahl(std::initializer_list<int> laender) {
    Regionen r{};
    for (int l : laender) r[static_cast<std::size_t>(l)] = 1;
    AbgeleiteteFlagsSetzen(r);
    return r;
}

GitterEingabe Eingabe(Datum heute, int breite = 800, int hoehe = 400) {
    GitterEingabe e;
    e.m_nClientBreite = breite;
    e.m_nClientHoehe = hoehe;
    e.m_heute = heute;
    return e;
}

std::string Text(const TagSpalte& s) {
    return std::to_string(s.m_datum.tag) + '.' + std::to_string(s.m_datum.monat) + '.' +
           std::to_string(s.m_datum.jahr);
}

// The month headers of a layout as "left-right year month|...".
std::string Monatskoepfe(const GitterLayout& l) {
    std::string s;
    for (const auto& sp : l.m_spalten) {
        if (!sp.m_bMonatsKopf) continue;
        const auto& m = sp.m_monat;
        EXPECT_EQ(m.m_rect.oben, 0);
        EXPECT_EQ(m.m_rect.unten, l.m_geo.m_nZellgroesse);
        s += std::to_string(m.m_rect.links) + '-' + std::to_string(m.m_rect.rechts) + ' ' + m.m_strJahr + ' ' +
             std::string(m.m_strMonat) + '|';
    }
    return s;
}

} // namespace

TEST(GitterGeometrie, PixelBeiZoom30UndNamensbreite150) {
    const GitterGeometrie g{150, 30};
    EXPECT_EQ(g.Tageszelle(0, 0), (Rechteck{151, 62, 181, 92}));
    EXPECT_EQ(g.Tageszelle(1, 1), (Rechteck{182, 93, 212, 123}));
    EXPECT_EQ(g.TagesKopf(0), (Rechteck{151, 31, 181, 61}));
    EXPECT_EQ(g.Namenszelle(1), (Rechteck{0, 93, 150, 123}));
    EXPECT_EQ(g.Ecke(), (Rechteck{0, 0, 150, 61}));

    struct Fall {
        int pixel, spalte, zeile;
    };
    for (const Fall& f : {Fall{0, -1, -1}, Fall{61, -1, -1}, Fall{62, -1, 0}, Fall{92, -1, 0}, Fall{93, -1, 1},
                          Fall{150, -1, 2}, Fall{151, 0, 2}, Fall{181, 0, 3}, Fall{182, 1, 3}, Fall{212, 1, 4},
                          Fall{213, 2, 4}}) {
        EXPECT_EQ(g.SpalteBei(f.pixel), f.spalte) << "x " << f.pixel;
        EXPECT_EQ(g.ZeileBei(f.pixel), f.zeile) << "y " << f.pixel;
    }
}

TEST(GitterGeometrie, UmkehrungBeiJederZoomstufe) {
    for (int z : {10, 11, 30, 299, 300})
        for (int nw : {10, 150, 611}) {
            const GitterGeometrie g{nw, z};
            for (int i = 0; i < 40; ++i) {
                EXPECT_EQ(g.SpalteBei(g.SpalteLinks(i)), i);
                EXPECT_EQ(g.SpalteBei(g.SpalteLinks(i) + z), i);
                EXPECT_EQ(g.ZeileBei(g.ZeileOben(i)), i);
                EXPECT_EQ(g.ZeileBei(g.ZeileOben(i) + z), i);
            }
        }
}

TEST(GitterGeometrie, NamensbreiteUntenZuerstDannOben) {
    struct Fall {
        int nw, breite, ergebnis;
    };
    for (const Fall& f : {Fall{150, 1000, 150}, Fall{5, 1000, 10}, Fall{2000, 1000, 990}, Fall{150, 100, 90},
                          Fall{5, 15, 5}, Fall{150, 0, -10}}) {
        EXPECT_EQ(NamenBreiteBegrenzen(f.nw, f.breite), f.ergebnis) << f.nw << " in " << f.breite;
    }
}

TEST(GitterLayout, SchmalesFensterKuerztNamensspalte) {
    const Regionen keine{};
    GitterLayout l;
    GitterAnordnen(Eingabe({2025, 3, 12}, 100, 100), CFeiertage(keine), l);
    EXPECT_EQ(l.m_geo.m_nNamenBreite, 90);
    ASSERT_EQ(l.AnzahlSpalten(), 1);
    EXPECT_EQ(l.m_spalten[0].m_nLinks, 91);
    EXPECT_TRUE(l.m_spalten[0].m_bMonatsKopf);

    GitterAnordnen(Eingabe({2025, 3, 12}, 0, 0), CFeiertage(keine), l); // a window not yet shown
    EXPECT_EQ(l.AnzahlZeilen(), 0);
}

TEST(GitterLayout, SpaltenBisZumRechtenRand) {
    const Regionen keine{};
    GitterLayout l;
    GitterAnordnen(Eingabe({2025, 3, 12}, 399), CFeiertage(keine), l);
    ASSERT_EQ(l.AnzahlSpalten(), 9); // x = 151, 182, ..., 399: a column may start on the edge
    EXPECT_EQ(l.m_spalten[8].m_nLinks, 399);
    GitterAnordnen(Eingabe({2025, 3, 12}, 398), CFeiertage(keine), l);
    EXPECT_EQ(l.AnzahlSpalten(), 8);
    EXPECT_EQ(Text(l.m_spalten[0]), "12.3.2025");
    EXPECT_EQ(Text(l.m_spalten[7]), "19.3.2025");
    EXPECT_EQ(l.m_spalten[0].m_strTag, "12");
    EXPECT_EQ(l.m_spalten[0].m_strWochentag, "MI");
    EXPECT_EQ(l.m_spalten[0].m_kopf, (Rechteck{151, 31, 181, 61}));
}

TEST(GitterLayout, Monatskoepfe) {
    const Regionen keine{};
    GitterLayout l;
    // 30 and 31 March: two columns are narrower than 2 · 30 + 1 and stay empty; April closes on
    // the last column in mid-month.
    GitterAnordnen(Eingabe({2025, 3, 30}, 400), CFeiertage(keine), l);
    EXPECT_EQ(Monatskoepfe(l), "151-212  |213-429 2025 April|");

    // Three columns are wide enough; the year turns with the month.
    GitterAnordnen(Eingabe({2024, 12, 29}, 800), CFeiertage(keine), l);
    EXPECT_EQ(Monatskoepfe(l), "151-243 2024 Dezember|244-801 2025 Januar|");

    // A one-column month at the right edge.
    GitterAnordnen(Eingabe({2025, 3, 12}, 200), CFeiertage(keine), l);
    EXPECT_EQ(Monatskoepfe(l), "151-212  |");

    // Every month name in Windows-1252.
    GitterAnordnen(Eingabe({2025, 2, 20}, 800), CFeiertage(keine), l);
    EXPECT_EQ(Monatskoepfe(l), "151-429 2025 Februar|430-801 2025 M\xE4rz|");
}

TEST(GitterLayout, HeuteWochenendeUndFeiertag) {
    const Regionen bayern = Auswahl({kBayern});
    const Regionen keine{};
    GitterLayout l;
    auto e = Eingabe({2024, 12, 30}, 500);
    GitterAnordnen(e, CFeiertage(bayern), l);
    ASSERT_GE(l.AnzahlSpalten(), 8);
    // 30.12. Monday (today), 31.12., 1.1. (holiday), 2.1., 3.1., 4.1. Sat, 5.1. Sun, 6.1. Epiphany
    const TagesArt erwartet[] = {TagesArt::Heute, TagesArt::Werktag, TagesArt::Frei, TagesArt::Werktag,
                                 TagesArt::Werktag, TagesArt::Frei, TagesArt::Frei, TagesArt::Frei};
    for (int j = 0; j < 8; ++j) EXPECT_EQ(l.m_spalten[static_cast<std::size_t>(j)].m_art, erwartet[j]) << j;

    GitterAnordnen(e, CFeiertage(keine), l);
    EXPECT_EQ(l.m_spalten[7].m_art, TagesArt::Werktag); // Epiphany only where it is a holiday

    // Scrolled one day on, today is nowhere.
    e.m_nTagOffset = 1;
    GitterAnordnen(e, CFeiertage(bayern), l);
    for (const auto& s : l.m_spalten) EXPECT_NE(s.m_art, TagesArt::Heute) << Text(s);
    // Scrolled back, today sits further right.
    e.m_nTagOffset = -4;
    GitterAnordnen(e, CFeiertage(bayern), l);
    EXPECT_EQ(Text(l.m_spalten[0]), "26.12.2024");
    EXPECT_EQ(l.m_spalten[0].m_art, TagesArt::Frei);
    EXPECT_EQ(l.m_spalten[1].m_art, TagesArt::Werktag);
    EXPECT_EQ(l.m_spalten[4].m_art, TagesArt::Heute);

    // Today wins over Sunday.
    GitterAnordnen(Eingabe({2024, 12, 29}, 500), CFeiertage(bayern), l);
    EXPECT_EQ(l.m_spalten[0].m_art, TagesArt::Heute);
}

TEST(GitterLayout, SchulferienUndKalenderwoche) {
    const Regionen bayern = Auswahl({kBayern});
    GitterLayout l;
    GitterAnordnen(Eingabe({2024, 12, 30}, 500), CFeiertage(bayern), l);
    // ISO week 1 of 2025 starts on 30 December 2024; only Mondays carry a number.
    EXPECT_EQ(l.m_spalten[0].m_strKalenderwoche, "1");
    for (int j = 1; j < 7; ++j) EXPECT_EQ(l.m_spalten[static_cast<std::size_t>(j)].m_strKalenderwoche, "") << j;
    EXPECT_EQ(l.m_spalten[7].m_strKalenderwoche, "2");
    EXPECT_TRUE(l.m_spalten[0].m_bSchulferien);  // Christmas holidays
    EXPECT_FALSE(l.m_spalten[7].m_bSchulferien); // school again on 6 January

    const Regionen keine{};
    GitterAnordnen(Eingabe({2024, 12, 30}, 500), CFeiertage(keine), l);
    EXPECT_FALSE(l.m_spalten[0].m_bSchulferien);
}

TEST(GitterLayout, ZeilenAbDerErstenBisZumUnterenRand) {
    const Regionen keine{};
    GitterLayout l;
    auto e = Eingabe({2025, 3, 12}, 400, 200);
    e.m_nZeilen = 12;
    GitterAnordnen(e, CFeiertage(keine), l);
    ASSERT_EQ(l.AnzahlZeilen(), 5); // tops 62, 93, 124, 155, 186; 217 lies below
    EXPECT_EQ(l.m_namen[4], (Rechteck{0, 186, 150, 216}));
    EXPECT_EQ(l.Tageszelle(1, 4), (Rechteck{182, 186, 212, 216}));

    e.m_nErsteZeile = 10;
    GitterAnordnen(e, CFeiertage(keine), l);
    EXPECT_EQ(l.AnzahlZeilen(), 2);
    EXPECT_EQ(l.m_nErsteZeile, 10);
    e.m_nErsteZeile = 12;
    GitterAnordnen(e, CFeiertage(keine), l);
    EXPECT_EQ(l.AnzahlZeilen(), 0);
}

TEST(GitterLayout, WiederverwendetGleichWieFrisch) {
    const Regionen bayern = Auswahl({kBayern});
    const CFeiertage feiertage(bayern);
    GitterLayout benutzt;
    auto gross = Eingabe({2024, 12, 30}, 1900, 1000);
    gross.m_nZellgroesse = 10;
    gross.m_nZeilen = 100;
    GitterAnordnen(gross, feiertage, benutzt);
    auto klein = Eingabe({2025, 3, 30}, 600, 300);
    klein.m_nTagOffset = 2;
    klein.m_nZeilen = 3;
    GitterAnordnen(klein, feiertage, benutzt);
    GitterLayout frisch;
    GitterAnordnen(klein, feiertage, frisch);

    EXPECT_EQ(benutzt.m_namen, frisch.m_namen);
    ASSERT_EQ(benutzt.AnzahlSpalten(), frisch.AnzahlSpalten());
    for (std::size_t j = 0; j < frisch.m_spalten.size(); ++j) {
        const TagSpalte& a = benutzt.m_spalten[j];
        const TagSpalte& b = frisch.m_spalten[j];
        EXPECT_EQ(Text(a), Text(b));
        EXPECT_EQ(a.m_kopf, b.m_kopf);
        EXPECT_EQ(a.m_strTag, b.m_strTag);
        EXPECT_EQ(a.m_strKalenderwoche, b.m_strKalenderwoche);
        EXPECT_EQ(a.m_bSchulferien, b.m_bSchulferien);
        EXPECT_EQ(a.m_art, b.m_art);
        EXPECT_EQ(a.m_bMonatsKopf, b.m_bMonatsKopf);
        if (b.m_bMonatsKopf) {
            EXPECT_EQ(a.m_monat.m_rect, b.m_monat.m_rect);
            EXPECT_EQ(a.m_monat.m_strJahr, b.m_monat.m_strJahr);
        }
    }
}

TEST(GitterLayout, EintragDerSpalteNachEigenemDatum) {
    CRessource r;
    SetTag(&r, CTime(2024, 2, 29, 9, 0, 0), 1, 1, "", CTime(1));
    SetTag(&r, CTime(2028, 2, 29, 23, 59, 59), 2, 2, "", CTime(1));
    SetTag(&r, CTime(2028, 3, 1, 0, 0, 0), 3, 3, "", CTime(1));
    SetTag(&r, CTime(2028, 3, 26, 21, 0, 0), 4, 4, "", CTime(1)); // the day the clocks go forward

    const Regionen keine{};
    GitterLayout l;
    GitterAnordnen(Eingabe({2028, 2, 28}, 300), CFeiertage(keine), l);
    ASSERT_GE(l.AnzahlSpalten(), 3);
    EXPECT_EQ(EintragAm(r, l.m_spalten[0]), nullptr);
    const CTagEintrag* e = EintragAm(r, l.m_spalten[1]); // 29.2.2028, not the 2024 entry
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->m_nArtVormittag, 2);
    ASSERT_NE(EintragAm(r, l.m_spalten[2]), nullptr);
    EXPECT_EQ(EintragAm(r, l.m_spalten[2])->m_nArtVormittag, 3);

    GitterAnordnen(Eingabe({2028, 3, 26}, 300), CFeiertage(keine), l);
    ASSERT_NE(EintragAm(r, l.m_spalten[0]), nullptr);
    EXPECT_EQ(EintragAm(r, l.m_spalten[0])->m_nArtVormittag, 4);
    EXPECT_EQ(l.m_spalten[0].m_timeEnde.GetTime() - l.m_spalten[0].m_timeAnfang.GetTime(), 23 * 3600);
}

TEST(GitterLayout, UnsinnigeEingabenBleibenHarmlos) {
    const Regionen bayern = Auswahl({kBayern});
    GitterLayout l;
    for (int d : {INT32_MIN, -1000000, 1000000, INT32_MAX}) {
        auto e = Eingabe({2025, 3, 12}, 400, 200);
        e.m_nTagOffset = d;
        e.m_nErsteZeile = -5;
        e.m_nZeilen = 3;
        GitterAnordnen(e, CFeiertage(bayern), l);
        EXPECT_EQ(l.AnzahlSpalten(), 9) << d;
        EXPECT_EQ(l.AnzahlZeilen(), 3) << d;
    }
    auto e = Eingabe({2025, 3, 12}, 400, 200);
    e.m_nZellgroesse = 0; // never set by the view; must still end
    GitterAnordnen(e, CFeiertage(bayern), l);
    EXPECT_GT(l.AnzahlSpalten(), 0);
}
