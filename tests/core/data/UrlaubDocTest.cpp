#include <gtest/gtest.h>

#include "TestHilfen.h"
#include "data/DateiZugriff.h"
#include "data/UrlaubDoc.h"

#include <fcntl.h>
#include <unistd.h>

using namespace kalvora;
using namespace kalvora::test;

namespace {

CTime Um(int j, int m, int t, int h) { return CTime(j, m, t, h, 0, 0); }

std::unique_ptr<CRessource> Ressource(const std::string& b1) {
    auto r = std::make_unique<CRessource>();
    r->m_strBenennung1 = b1;
    return r;
}

TEST(Dokument, LeereFehlendeOderDefekteDatei) {
    TempOrdner t;
    DateiSchreibenTest(t / "leer.dat", "");
    DateiSchreibenTest(t / "kaputt.dat", std::string("\x05\x00\x00\x00\x01", 5));
    for (const std::string name : {"leer.dat", "fehlt.dat", "kaputt.dat"}) {
        MeldungsRekorder m;
        CUrlaubDoc doc(m);
        doc.m_pGeladen.push_back(Ressource("alt"));
        EXPECT_EQ(doc.OnOpenDocument(t / name), name == "leer.dat") << "0 bytes are an empty plan";
        EXPECT_TRUE(doc.m_pGeladen.empty()) << name;
        ASSERT_EQ(m.m_gezeigt.size(), name == "leer.dat" ? 0u : 1u);
        if (name != "leer.dat") EXPECT_NE(m.m_gezeigt[0].text.find("kann nicht geöffnet werden"), std::string::npos);
    }
}

TEST(Dokument, SpeichernKuerztDieAlteDateiUndLaedtZurueck) {
    TempOrdner t;
    MeldungsRekorder m;
    CUrlaubDoc doc(m);
    doc.m_pRessourcen.push_back(Ressource("B"));
    SetTag(doc.m_pRessourcen[0].get(), Um(2025, 6, 2, 9), 4, 4, "Notiz", CTime(100));
    DateiSchreibenTest(t / "R.dat", std::string(5000, 'x'));
    ASSERT_TRUE(doc.OnSaveDocument(t / "R.dat"));
    EXPECT_EQ(DateiInhalt(t / "R.dat"), DatenbankSchreiben(doc.m_pRessourcen));
    CUrlaubDoc zweites(m);
    ASSERT_TRUE(zweites.ErstesLaden(t / "R.dat"));
    EXPECT_EQ(zweites.m_pRessourcen[0]->FindeTag(Um(2025, 6, 2, 0))->m_strNotiz, "Notiz");
}

TEST(Dokument, LesenUndSchreibenSchliessenSichGegenseitigAus) {
    TempOrdner t;
    const std::string pfad = t / "R.dat";
    DateiSchreibenTest(pfad, std::string(4, '\0'));
    // Another holder of a write lock (another process or instance).
    const int fd = ::open(pfad.c_str(), O_RDWR);
    ASSERT_GE(fd, 0);
    struct flock fl{};
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    ASSERT_EQ(::fcntl(fd, F_OFD_SETLK, &fl), 0);
    std::string inhalt;
    DateiFehler f;
    EXPECT_FALSE(DateiLesen(pfad, inhalt, f, 50));
    EXPECT_FALSE(DateiSchreiben(pfad, "abcd", f, 50));
    EXPECT_EQ(DateiInhalt(pfad), std::string(4, '\0')) << "a refused save must not truncate";
    fl.l_type = F_RDLCK;
    ASSERT_EQ(::fcntl(fd, F_OFD_SETLK, &fl), 0);
    EXPECT_TRUE(DateiLesen(pfad, inhalt, f, 50)) << "readers share";
    EXPECT_FALSE(DateiSchreiben(pfad, "abcd", f, 50));
    ::close(fd);
    EXPECT_TRUE(DateiSchreiben(pfad, "abcd", f, 50));
    EXPECT_EQ(DateiInhalt(pfad), "abcd");
}

TEST(Verdichtung, EntferntGeloeschteRessourcenUndGeleerteTage) {
    TempOrdner t;
    MeldungsRekorder m;
    m.m_antworten = {Antwort::Ja};
    CUrlaubDoc doc(m);
    doc.m_pRessourcen.push_back(Ressource("weg"));
    doc.m_pRessourcen[0]->m_bGeloescht = true;
    doc.m_pRessourcen.push_back(Ressource("bleibt"));
    CRessource& r = *doc.m_pRessourcen[1];
    SetTag(&r, Um(2024, 4, 1, 9), 0, 0, "", CTime(1));     // cleared: goes
    SetTag(&r, Um(2025, 4, 1, 9), 0, 3, "halb", CTime(2)); // one half set: stays as it is
    SetTag(&r, Um(2026, 4, 1, 9), 0, 0, "", CTime(3));     // cleared: goes
    SetTag(&r, Um(2024, 4, 2, 9), 0, 0, "", CTime(4));     // only a cleared entry: slot empties
    doc.OnDatenbankOptimieren(t / "R.dat");
    ASSERT_EQ(m.m_gezeigt.size(), 2u);
    EXPECT_EQ(m.m_gezeigt[0].text,
              "Bitte stellen Sie sicher, dass kein anderer Mitarbeiter auf die Datenbank zugreift.\nOptimierung starten?");
    EXPECT_EQ(m.m_gezeigt[0].titel, "Datenbank optimieren");
    EXPECT_EQ(m.m_gezeigt[0].knoepfe, Knoepfe::JaNein);
    EXPECT_EQ(m.m_gezeigt[1].text, "Datenbankoptimierung durchgeführt!");

    ASSERT_EQ(doc.m_pRessourcen.size(), 1u);
    ASSERT_EQ(r.Slot(4, 1).size(), 1u);
    EXPECT_EQ(r.Slot(4, 1)[0].m_strNotiz, "halb");
    EXPECT_TRUE(r.Slot(4, 2).empty());
    EXPECT_EQ(DateiInhalt(t / "R.dat"), DatenbankSchreiben(doc.m_pRessourcen));
}

} // namespace
