#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "TestHilfen.h"
#include "data/DatenbankFormat.h"

using namespace kalvora;
using kalvora::test::Bytes;
using kalvora::test::Neu;

namespace {

std::string Dword(std::uint32_t w) {
    return Bytes({int(w & 0xFF), int((w >> 8) & 0xFF), int((w >> 16) & 0xFF), int(w >> 24)});
}

TEST(DatenbankBytes, LeererPlanEineRessourceUndEintragMitNotiz) {
    EXPECT_EQ(DatenbankSchreiben({}), Bytes({0, 0, 0, 0}));
    RessourcenListe l;
    Neu(l, "A");
    EXPECT_EQ(DatenbankSchreiben(l), Bytes({1, 0, 0, 0, 1, 0x41, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

    l.clear();
    CRessource& r = Neu(l, "Mü", "Jö", "Grp", "7", true);
    r.m_timeGeaendert = CTime(0x01020304);
    r.m_pTage.Anhaengen(3, 5, {CTime(0xA0B0C0D0), 3, 16, CTime(1709625600), "x"}); // 2024-03-05 09:00 local
    const std::string erwartet = Dword(1) + Bytes({3}) + "Mü" + Bytes({3}) + "Jö" + Bytes({3}) + "Grp" +
                                 Bytes({1}) + "7" + Dword(0x01020304) + Dword(1) + Dword(1) + Dword(1709625600) +
                                 Dword(3) + Dword(16) + Dword(0xA0B0C0D0) + Bytes({1}) + "x";
    EXPECT_EQ(DatenbankSchreiben(l), erwartet);
}

TEST(DatenbankBytes, TextLaengenformen) {
    const std::pair<std::size_t, std::string> faelle[] = {
        {0, Bytes({0})},
        {254, Bytes({0xFE})},
        {255, Bytes({0xFF, 0xFF, 0x00})},
        {300, Bytes({0xFF, 0x2C, 0x01})},
        {65533, Bytes({0xFF, 0xFD, 0xFF})},
        {65534, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        {70000, Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
    };
    for (const auto& [laenge, praefix] : faelle) {
        std::string p;
        TextSchreiben(p, std::string(laenge, 'n'));
        EXPECT_EQ(p, praefix + std::string(laenge, 'n')) << laenge;
        // Every form reads back, in a note of an entry.
        RessourcenListe l, gelesen;
        Neu(l, "R").m_pTage.Anhaengen(3, 5, {CTime(0), 1, 0, CTime(1709625600), std::string(laenge, 'n')});
        ASSERT_FALSE(DatenbankLesen(DatenbankSchreiben(l), gelesen)) << laenge;
        EXPECT_EQ(gelesen[0]->Slot(3, 5)[0].m_strNotiz.size(), laenge);
    }
}

TEST(DatenbankBytes, LangeSchreibweisenUnsinnigeWerteUndAngehaengteBytesWerdenGelesen) {
    // "A" written with a 3-byte and "B" with a 7-byte prefix, as another writer might have done; one
    // entry dated 2024-03-04 23:30 UTC, which is 5 March 00:30 in Berlin, with types outside 0..16;
    // two trailing bytes, which are ignored.
    const std::string datei = Dword(1) + Bytes({0xFF, 1, 0}) + "A" + Bytes({0xFF, 0xFF, 0xFF, 1, 0, 0, 0}) + "B" +
                              Bytes({0, 0}) + Dword(0) + Dword(7) + Dword(1) + Dword(1709595000) +
                              Dword(0xFFFFFFFF) + Dword(99) + Dword(0) + Bytes({0, 0xDE, 0xAD});
    RessourcenListe l;
    ASSERT_FALSE(DatenbankLesen(datei, l)) << "trailing bytes are accepted";
    EXPECT_EQ(l[0]->m_strBenennung1, "A");
    EXPECT_EQ(l[0]->m_strBenennung2, "B");
    EXPECT_TRUE(l[0]->m_bGeloescht); // any non-zero value
    ASSERT_EQ(l[0]->Slot(3, 5).size(), 1u);
    EXPECT_TRUE(l[0]->Slot(3, 4).empty());
    EXPECT_EQ(l[0]->Slot(3, 5)[0].m_nArtVormittag, -1);
    EXPECT_EQ(l[0]->Slot(3, 5)[0].m_nArtNachmittag, 99);
}

// A random well-formed plan; includes odd type values and bytes of the whole 8-bit range.
RessourcenListe ZufallsPlan(unsigned saat) {
    std::mt19937 rng(saat);
    auto text = [&](std::size_t max) {
        std::string s(rng() % (max + 1), ' ');
        for (char& c : s) c = static_cast<char>(rng());
        return s;
    };
    RessourcenListe l;
    for (int i = static_cast<int>(rng() % 6); i > 0; --i) {
        CRessource& r = Neu(l, text(20), text(300), text(3), text(2), rng() % 2);
        r.m_timeGeaendert = CTime(rng());
        for (int k = static_cast<int>(rng() % 40); k > 0; --k) {
            const CTime datum(static_cast<std::int64_t>(rng() % 2000000000u));
            const int vm = static_cast<int>(rng() % 18), nm = static_cast<int>(rng() % 18) - 1;
            const CTime geaendert(rng());
            const LokaleZeit z = datum.Lokal();
            r.m_pTage.Anhaengen(z.monat, z.tag, {geaendert, vm, nm, datum, text(rng() % 10 == 0 ? 400 : 5)});
        }
    }
    return l;
}

TEST(DatenbankRundreise, LesenUndSchreibenErgibtDieselbenBytes) {
    for (unsigned saat = 1; saat <= 200; ++saat) {
        const std::string bytes = DatenbankSchreiben(ZufallsPlan(saat));
        RessourcenListe gelesen;
        ASSERT_FALSE(DatenbankLesen(bytes, gelesen)) << saat;
        ASSERT_EQ(DatenbankSchreiben(gelesen), bytes) << saat;
    }
}

// Reads `bytes` through the piecewise reader, handing out at most `stueck` bytes per read.
std::optional<LeseFehler> StueckweiseLesen(std::string_view bytes, std::size_t stueck, RessourcenListe& l) {
    std::size_t pos = 0;
    const Nachladen quelle = [&](char* ziel, std::size_t n) {
        n = std::min({n, stueck, bytes.size() - pos});
        std::copy_n(bytes.data() + pos, n, ziel);
        pos += n;
        return static_cast<std::ptrdiff_t>(n);
    };
    return DatenbankLesen(bytes.size(), quelle, l);
}

TEST(DatenbankRundreise, StueckweiseGelesenWieAmStueck) {
    for (unsigned saat = 1; saat <= 50; ++saat) {
        const std::string bytes = DatenbankSchreiben(ZufallsPlan(saat));
        for (std::size_t stueck : {std::size_t{1}, std::size_t{7}, std::size_t{1} << 20}) {
            RessourcenListe gelesen;
            ASSERT_FALSE(StueckweiseLesen(bytes, stueck, gelesen)) << saat;
            ASSERT_EQ(DatenbankSchreiben(gelesen), bytes) << saat << " " << stueck;
        }
    }
}

TEST(DatenbankBytes, TageOhneTagesordnungWerdenNachTagGruppiert) {
    // 5 March 2024, 4 March 2024, 5 March 2023 (09:00 Berlin): the day table groups them by day,
    // each day in file order, and writes them so.
    const auto eintrag = [](std::uint32_t datum, std::uint32_t art) {
        return Dword(datum) + Dword(art) + Dword(art) + Dword(0) + Bytes({0});
    };
    const std::string kopf = Dword(1) + Bytes({1}) + "A" + Bytes({0, 0, 0}) + Dword(0) + Dword(0) + Dword(3);
    const std::string datei = kopf + eintrag(1709625600, 1) + eintrag(1709539200, 2) + eintrag(1678003200, 3);
    RessourcenListe l;
    ASSERT_FALSE(DatenbankLesen(datei, l));
    ASSERT_EQ(l[0]->Slot(3, 5).size(), 2u);
    EXPECT_EQ(l[0]->Slot(3, 5)[1].m_nArtVormittag, 3);
    EXPECT_EQ(l[0]->Slot(3, 4)[0].m_nArtVormittag, 2);
    EXPECT_EQ(DatenbankSchreiben(l),
              kopf + eintrag(1709539200, 2) + eintrag(1709625600, 1) + eintrag(1678003200, 3));
}

TEST(DatenbankDefekt, JedeAbgeschnitteneDateiScheitertMitGrundUndOffset) {
    const std::string bytes = DatenbankSchreiben(ZufallsPlan(7));
    ASSERT_GT(bytes.size(), 100u);
    for (std::size_t n = 1; n < bytes.size(); ++n) {
        RessourcenListe l;
        const auto fehler = DatenbankLesen(std::string_view(bytes).substr(0, n), l);
        ASSERT_TRUE(fehler.has_value()) << n;
        EXPECT_FALSE(fehler->grund.empty());
        EXPECT_LE(fehler->offset, n);
        EXPECT_TRUE(l.empty()) << "a partly read plan must not be handed out";
        // Read piece by piece from a file that turns out shorter than announced: the same.
        std::size_t pos = 0;
        const Nachladen quelle = [&](char* ziel, std::size_t k) {
            k = std::min({k, std::size_t{3}, n - pos});
            std::copy_n(bytes.data() + pos, k, ziel);
            pos += k;
            return static_cast<std::ptrdiff_t>(k);
        };
        const auto stueckweise = DatenbankLesen(n, quelle, l);
        ASSERT_TRUE(stueckweise.has_value()) << n;
        EXPECT_EQ(stueckweise->grund + "@" + std::to_string(stueckweise->offset),
                  fehler->grund + "@" + std::to_string(fehler->offset));
    }
}

TEST(DatenbankDefekt, UeberhoeheZahlenWerdenVorDemAnlegenAbgewiesen) {
    const std::tuple<const char*, std::string, std::size_t> faelle[] = {
        {"Ressourcen", Dword(0xFFFFFFFF) + std::string(64, '\0'), 4},
        {"Ressourcen knapp", Dword(2) + Bytes({0, 0, 0, 0}) + Dword(0) + Dword(0) + Dword(0), 4},
        {"Tageinträge", Dword(1) + Bytes({0, 0, 0, 0}) + Dword(0) + Dword(0) + Dword(0x7FFFFFFF), 20},
        {"Textlänge 4 GB", Dword(1) + Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}) + std::string(20, 'x'), 11},
        {"Textlänge 16 Bit", Dword(1) + Bytes({0xFF, 0x00, 0x10}) + std::string(20, 'x'), 7},
        {"Notiz zu lang", Dword(1) + Bytes({0, 0, 0, 0}) + Dword(0) + Dword(0) + Dword(1) + Dword(0) + Dword(1) +
                              Dword(1) + Dword(0) + Bytes({9, 'a'}),
         37},
    };
    for (const auto& [name, bytes, offset] : faelle) {
        RessourcenListe l;
        const auto fehler = DatenbankLesen(bytes, l);
        ASSERT_TRUE(fehler.has_value()) << name;
        EXPECT_EQ(fehler->offset, offset) << name << ": " << fehler->grund;
    }
}

} // namespace
