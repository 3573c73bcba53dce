// The database file: its bytes, whole and piecewise reading, damage, and the document using it.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <random>
#include <thread>
#include <unistd.h>

#include "TestHilfen.h"
#include "data/DateiZugriff.h"
#include "data/DatenbankFormat.h"
#include "data/UrlaubDoc.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

std::string Dword(std::uint32_t w) {
    return Bytes({int(w & 0xFF), int((w >> 8) & 0xFF), int((w >> 16) & 0xFF), int(w >> 24)});
}

TEST(DatenbankBytes, LeererPlanEineRessourceUndEintragMitNotiz) {
    EXPECT_EQ(DatenbankSchreiben({}), Bytes({0, 0, 0, 0}));
    RessourcenListe l;
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
        {0, Bytes({0})}, {254, Bytes({0xFE})}, {255, Bytes({0xFF, 0xFF, 0x00})}, {300, Bytes({0xFF, 0x2C, 0x01})},
        {65533, Bytes({0xFF, 0xFD, 0xFF})}, {65534, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        {70000, Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})}};
    for (const auto& [laenge, praefix] : faelle) {
        std::string p;
        TextSchreiben(p, std::string(laenge, 'n'));
        EXPECT_EQ(p, praefix + std::string(laenge, 'n')) << laenge;
        RessourcenListe l, gelesen; // every form reads back, in a note of an entry
        Neu(l, "R").m_pTage.Anhaengen(3, 5, {CTime(0), 1, 0, CTime(1709625600), std::string(laenge, 'n')});
        ASSERT_FALSE(DatenbankLesen(DatenbankSchreiben(l), gelesen)) << laenge;
        EXPECT_EQ(gelesen[0]->Slot(3, 5)[0].m_strNotiz.Text().size(), laenge);
    }
}

TEST(DatenbankBytes, LangeSchreibweisenUnsinnigeWerteAngehaengteBytesUndTagesfolge) {
    // "A" with a 3-byte, "B" with a 7-byte prefix; 2024-03-04 23:30 UTC is 5 March in Berlin; odd types.
    const std::string datei = Dword(1) + Bytes({0xFF, 1, 0}) + "A" + Bytes({0xFF, 0xFF, 0xFF, 1, 0, 0, 0}) + "B" +
                              Bytes({0, 0}) + Dword(0) + Dword(7) + Dword(1) + Dword(1709595000) +
                              Dword(0xFFFFFFFF) + Dword(99) + Dword(0) + Bytes({0, 0xDE, 0xAD});
    RessourcenListe l;
    ASSERT_FALSE(DatenbankLesen(datei, l)) << "trailing bytes are accepted";
    EXPECT_EQ(std::tuple(l[0]->m_strBenennung1 + l[0]->m_strBenennung2, l[0]->m_bGeloescht, l[0]->AnzahlEintraege(),
                         Haelften(*l[0], {Um(2024, 3, 5)})),
              std::tuple("AB", true, 1u, "-1/99 ")); // deleted: any non-zero value
    // 5.3.2024, 4.3.2024, 5.3.2023 (09:00): grouped by day, each day in file order, and written so.
    const auto eintrag = [](std::uint32_t datum, std::uint32_t art) {
        return Dword(datum) + Dword(art) + Dword(art) + Dword(0) + Bytes({0});
    };
    const std::string kopf = Dword(1) + Bytes({1}) + "A" + Bytes({0, 0, 0}) + Dword(0) + Dword(0) + Dword(3);
    RessourcenListe g;
    ASSERT_FALSE(DatenbankLesen(kopf + eintrag(1709625600, 1) + eintrag(1709539200, 2) + eintrag(1678003200, 3), g));
    EXPECT_EQ(DatenbankSchreiben(g), kopf + eintrag(1709539200, 2) + eintrag(1709625600, 1) + eintrag(1678003200, 3));
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
            Anhaengen(r, datum, vm, nm, text(rng() % 10 == 0 ? 400 : 5), geaendert);
        }
    }
    return l;
}

// Reads `bytes` from a source handing out at most `stueck` bytes per read: through the small
// window, or read ahead on a thread when `voraus`.
std::optional<LeseFehler> StueckweiseLesen(std::string_view bytes, std::size_t stueck, RessourcenListe& l,
                                           bool voraus = false) {
    std::size_t pos = 0;
    const Nachladen quelle = [&](char* ziel, std::size_t n) {
        n = std::min({n, stueck, bytes.size() - pos});
        std::copy_n(bytes.data() + pos, n, ziel);
        pos += n;
        return static_cast<std::ptrdiff_t>(n);
    };
    return DatenbankLesen(bytes.size(), quelle, l, voraus ? 0 : kVorauslesenBis);
}

// Whole, and piecewise in pieces of 1, 7 and 1 MiB bytes, through the window and read ahead.
TEST(DatenbankRundreise, LesenUndSchreibenErgibtDieselbenBytes) {
    for (unsigned saat = 1; saat <= 200; ++saat) {
        const std::string bytes = DatenbankSchreiben(ZufallsPlan(saat));
        RessourcenListe gelesen;
        ASSERT_FALSE(DatenbankLesen(bytes, gelesen)) << saat;
        ASSERT_EQ(DatenbankSchreiben(gelesen), bytes) << saat;
        for (std::size_t stueck : {std::size_t{1}, std::size_t{7}, std::size_t{1} << 20})
            for (bool voraus : {false, true}) {
                if (saat > 50) break;
                RessourcenListe stueckweise;
                ASSERT_FALSE(StueckweiseLesen(bytes, stueck, stueckweise, voraus)) << saat;
                ASSERT_EQ(DatenbankSchreiben(stueckweise), bytes) << saat << " " << stueck << " " << voraus;
            }
    }
}

// A fault early in a long file: the reading thread stops and never reads again after the return.
TEST(DatenbankDefekt, VorauslesenEndetMitDemFehler) {
    const std::string bytes = Dword(0xFFFFFFFF) + std::string(4 << 20, '\0');
    std::atomic<std::size_t> aufrufe = 0;
    const Nachladen quelle = [&](char* ziel, std::size_t) {
        *ziel = bytes[aufrufe++];
        return std::ptrdiff_t{1};
    };
    RessourcenListe l;
    const auto fehler = DatenbankLesen(bytes.size(), quelle, l, 0);
    ASSERT_TRUE(fehler.has_value());
    const std::size_t danach = aufrufe;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(std::tuple(fehler->offset, l.empty(), aufrufe.load()), std::tuple(std::size_t{4}, true, danach));
}

TEST(DatenbankDefekt, JedeAbgeschnitteneDateiScheitertMitGrundUndOffset) {
    const std::string bytes = DatenbankSchreiben(ZufallsPlan(7));
    ASSERT_GT(bytes.size(), 100u);
    for (std::size_t n = 1; n < bytes.size(); ++n) {
        RessourcenListe l;
        const auto fehler = DatenbankLesen(std::string_view(bytes).substr(0, n), l);
        ASSERT_TRUE(fehler.has_value()) << n; // a partly read plan must not be handed out
        EXPECT_TRUE(!fehler->grund.empty() && fehler->offset <= n && l.empty()) << n;
        // Piece by piece from a file that turns out shorter than announced: the same.
        for (bool voraus : {false, true}) {
            const auto stueckweise = StueckweiseLesen(std::string_view(bytes).substr(0, n), 3, l, voraus);
            ASSERT_TRUE(stueckweise.has_value()) << n;
            EXPECT_EQ(stueckweise->grund + "@" + std::to_string(stueckweise->offset),
                      fehler->grund + "@" + std::to_string(fehler->offset));
        }
    }
}

TEST(DatenbankDefekt, UeberhoeheZahlenWerdenVorDemAnlegenAbgewiesen) {
    const std::pair<std::string, std::size_t> faelle[] = { // bytes, offset of the error
        {Dword(0xFFFFFFFF) + std::string(64, '\0'), 4},                                      // resources
        {Dword(2) + Bytes({0, 0, 0, 0}) + Dword(0) + Dword(0) + Dword(0), 4},                // resources, barely
        {Dword(1) + Bytes({0, 0, 0, 0}) + Dword(0) + Dword(0) + Dword(0x7FFFFFFF), 20},      // day entries
        {Dword(1) + Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}) + std::string(20, 'x'), 11}, // 4 GB text
        {Dword(1) + Bytes({0xFF, 0x00, 0x10}) + std::string(20, 'x'), 7},                    // 16-bit text length
        {Dword(1) + Bytes({0, 0, 0, 0}) + Dword(0) + Dword(0) + Dword(1) + Dword(0) + Dword(1) + Dword(1) +
             Dword(0) + Bytes({9, 'a'}), 37}, // note too long
    };
    for (const auto& [bytes, offset] : faelle) {
        RessourcenListe l;
        const auto fehler = DatenbankLesen(bytes, l);
        ASSERT_TRUE(fehler.has_value()) << offset;
        EXPECT_EQ(fehler->offset, offset) << fehler->grund;
    }
}

TEST(Dokument, LeereFehlendeOderDefekteDatei) {
    TempOrdner t;
    DateiSchreibenTest(t / "leer.dat", "");
    DateiSchreibenTest(t / "kaputt.dat", std::string("\x05\x00\x00\x00\x01", 5));
    for (const std::string name : {"leer.dat", "fehlt.dat", "kaputt.dat"}) {
        MeldungsRekorder m;
        CUrlaubDoc doc(m);
        doc.m_pGeladen.push_back(NeueRessource("alt"));
        const bool leer = name == "leer.dat"; // 0 bytes are an empty plan
        EXPECT_EQ(doc.OnOpenDocument(t / name), leer) << name;
        EXPECT_TRUE(doc.m_pGeladen.empty()) << name;
        ASSERT_EQ(m.m_gezeigt.size(), leer ? 0u : 1u);
        if (!leer) EXPECT_NE(m.m_gezeigt[0].text.find("kann nicht geöffnet werden"), std::string::npos);
    }
}

TEST(Dokument, LesenUndSchreibenSchliessenSichGegenseitigAus) {
    TempOrdner t;
    const std::string pfad = t / "R.dat";
    DateiSchreibenTest(pfad, std::string(4, '\0'));
    const int fd = ::open(pfad.c_str(), O_RDWR); // another holder of a write lock
    ASSERT_TRUE(FremdeSperre(fd, F_WRLCK));
    std::string inhalt;
    DateiFehler f;
    EXPECT_FALSE(DateiLesen(pfad, inhalt, f, 50));
    EXPECT_FALSE(DateiSicherErsetzen(pfad, "abcd", f, 50));
    EXPECT_EQ(DateiInhalt(pfad), std::string(4, '\0')) << "a refused save must not change the file";
    ASSERT_TRUE(FremdeSperre(fd, F_RDLCK)); // readers share; a save waits for them, then gives up
    EXPECT_TRUE(DateiLesen(pfad, inhalt, f, 50) && !DateiSicherErsetzen(pfad, "abcd", f, 50));
    EXPECT_NE(f.grund.find("von einem anderen Programm benutzt"), std::string::npos) << f.grund;
    ::close(fd);
    EXPECT_TRUE(DateiSicherErsetzen(pfad, "abcd", f, 50) && DateiInhalt(pfad) == "abcd");
}

TEST(Verdichtung, EntferntGeloeschteRessourcenUndGeleerteTageSpeichernKuerzt) {
    TempOrdner t;
    MeldungsRekorder m;
    m.m_antworten = {Antwort::Ja};
    CUrlaubDoc doc(m);
    doc.m_pRessourcen.push_back(NeueRessource("weg", "", "", "", true));
    doc.m_pRessourcen.push_back(NeueRessource("bleibt"));
    CRessource& r = *doc.m_pRessourcen[1];
    SetTag(&r, Um(2024, 4, 1, 9), 0, 0, "", CTime(1));     // cleared: goes
    SetTag(&r, Um(2025, 4, 1, 9), 0, 3, "halb", CTime(2)); // one half set: stays as it is
    SetTag(&r, Um(2026, 4, 1, 9), 0, 0, "", CTime(3));     // cleared: goes
    SetTag(&r, Um(2024, 4, 2, 9), 0, 0, "", CTime(4));     // only a cleared entry: slot empties
    doc.OnDatenbankOptimieren(t / "R.dat");
    ASSERT_EQ(m.m_gezeigt.size(), 2u);
    EXPECT_EQ(std::tuple(m.m_gezeigt[0].text, m.m_gezeigt[0].titel, m.m_gezeigt[0].knoepfe, m.m_gezeigt[1].text),
              std::tuple("Bitte stellen Sie sicher, dass kein anderer Mitarbeiter auf die Datenbank zugreift.\n"
                         "Optimierung starten?",
                         "Datenbank optimieren", Knoepfe::JaNein, "Datenbankoptimierung durchgeführt!"));
    ASSERT_EQ(doc.m_pRessourcen.size(), 1u);
    ASSERT_EQ(std::tuple(r.AnzahlEintraege(), r.Slot(4, 1).size()), std::tuple(1u, 1u));
    EXPECT_EQ(r.Slot(4, 1)[0].m_strNotiz, "halb");
    EXPECT_EQ(DateiInhalt(t / "R.dat"), DatenbankSchreiben(doc.m_pRessourcen));
    DateiSchreibenTest(t / "R.dat", std::string(5000, 'x')); // a save truncates a longer old file
    ASSERT_TRUE(doc.OnSaveDocument(t / "R.dat"));
    EXPECT_EQ(DateiInhalt(t / "R.dat"), DatenbankSchreiben(doc.m_pRessourcen));
}

} // namespace
