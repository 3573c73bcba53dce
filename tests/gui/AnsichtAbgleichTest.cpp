// Two instances on one database: what one saves shows in the other's grid after its next tick.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

#include "AnsichtHilfen.h"
#include "app/Stempel.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

constexpr int kGrenzeMs = 15000;

CTagEintrag* Arbeitstag(AnsichtUmgebung& a, const std::string& b1, CTime tag) {
    for (auto& r : a.doc.m_pRessourcen)
        if (r->m_strBenennung1 == b1) return r->FindeTag(tag);
    return nullptr;
}

const CTagEintrag* Angezeigt(AnsichtUmgebung& a, int zeile, CTime tag) {
    const CRessource* r = a.Gitter().Zeile(zeile);
    return r ? r->FindeTag(tag) : nullptr;
}

// A drag over one whole day of `b1` in the working list, then the save.
void Markieren(AnsichtUmgebung& a, const std::string& b1, CTime tag, int art) {
    for (auto& r : a.doc.m_pRessourcen)
        if (r->m_strBenennung1 == b1) {
            SetTag(r.get(), CTime(tag.GetYear(), tag.GetMonth(), tag.GetDay(), 9, 0, 0), art, art, "",
                   Jetzt());
            SetTag(r.get(), CTime(tag.GetYear(), tag.GetMonth(), tag.GetDay(), 21, 0, 0), art, art, "",
                   Jetzt());
        }
    ASSERT_EQ(a.ansicht->Abgleichen(false), AbgleichStand::Fertig);
}

RessourcenListe Zwei() {
    RessourcenListe liste;
    liste.push_back(Ressource("Bauer", "Anna", "Technik"));
    liste.push_back(Ressource("Kurz", "Karl", "Verkauf"));
    return liste;
}

QString Werkzeug(const char* umgebung, const QString& name) {
    const QString pfad = qEnvironmentVariable(umgebung);
    if (!pfad.isEmpty()) return pfad;
    const QString nebenan = QCoreApplication::applicationDirPath() + QStringLiteral("/../src/") + name;
    return QFileInfo::exists(nebenan) ? nebenan : QString();
}

} // namespace

TEST(AnsichtAbgleich, ZweiAnsichtenGetakteteUebernahme) {
    UhrFixiert uhr(CTime(2025, 6, 2, 8, 0, 0));
    AnsichtUmgebung a;
    a.Speichern(Zwei());
    AnsichtUmgebung b(&a);
    a.Starten();
    b.Starten();
    const CTime tag(2025, 6, 10, 12, 0, 0);

    Markieren(a, "Kurz", tag, 4);
    EXPECT_EQ(StempelLesen(a.u.app.m_strStempel)->zaehler, 1);
    EXPECT_EQ(Angezeigt(b, 2, tag), nullptr); // not before B's tick
    b.ansicht->Takt();
    const CTagEintrag* e = Angezeigt(b, 2, tag);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->m_nArtVormittag, 4);
    EXPECT_EQ(e->m_nArtNachmittag, 4);
    EXPECT_EQ(b.ansicht->Abgleicher().m_nLokalZaehler, 1);
    EXPECT_EQ(StempelLesen(a.u.app.m_strStempel)->zaehler, 1); // taking in does not count

    // B clears later: its newer change wins in A.
    uhr.uhr().Vorstellen(60);
    b.u.app.m_bAlpha = false; // B's own order does not matter to A
    Markieren(b, "Kurz", tag, 0);
    a.ansicht->Takt();
    e = Angezeigt(a, 2, tag);
    ASSERT_NE(e, nullptr);
    EXPECT_TRUE(e->IstGeloescht());
    EXPECT_TRUE(Arbeitstag(a, "Kurz", tag)->IstGeloescht());
    EXPECT_FALSE(a.rahmen->m_bAbgleichOffen);
}

TEST(AnsichtAbgleich, DerTimerHoltDieAenderungSelbst) {
    AnsichtUmgebung a;
    a.Speichern(Zwei());
    AnsichtUmgebung b(&a);
    a.Starten();
    b.ansicht->SetTaktMs(50);
    b.Starten();
    ASSERT_TRUE(b.ansicht->TaktLaeuft());
    const CTime tag(2025, 6, 11, 12, 0, 0);
    Markieren(a, "Bauer", tag, 7);
    EXPECT_GE(WartenBis([&] { return Angezeigt(b, 1, tag) != nullptr; }, kGrenzeMs), 0);
    EXPECT_TRUE(b.ansicht->TaktLaeuft());
}

// The other instance is a separate process: kalvora-admin marks through the same stamp lock.
TEST(AnsichtAbgleich, AenderungEinesAnderenProzesses) {
    const QString admin = Werkzeug("KALVORA_ADMIN", QStringLiteral("kalvora-admin"));
    if (admin.isEmpty()) GTEST_SKIP() << "kalvora-admin nicht gefunden";
    AnsichtUmgebung a;
    a.Speichern(Zwei());
    a.ansicht->SetTaktMs(100);
    a.Starten();

    QProcess prozess;
    prozess.start(admin,
                  {"markieren", QString::fromStdString(a.u.app.m_strDatei), "--b1", "Bauer", "--b2", "Anna",
                   "--von", "2025-07-01", "--bis", "2025-07-02:1", "--art", "3", "--notiz", "Messe"});
    ASSERT_TRUE(prozess.waitForFinished(kGrenzeMs));
    ASSERT_EQ(prozess.exitCode(), 0) << prozess.readAllStandardError().toStdString();

    const CTime erster(2025, 7, 1, 12, 0, 0);
    const CTime zweiter(2025, 7, 2, 12, 0, 0);
    ASSERT_GE(WartenBis([&] { return Angezeigt(a, 1, zweiter) != nullptr; }, kGrenzeMs), 0);
    EXPECT_EQ(Angezeigt(a, 1, erster)->m_nArtVormittag, 3);
    EXPECT_EQ(Angezeigt(a, 1, erster)->m_nArtNachmittag, 3);
    EXPECT_EQ(Angezeigt(a, 1, zweiter)->m_nArtVormittag, 3);
    EXPECT_EQ(Angezeigt(a, 1, zweiter)->m_nArtNachmittag, 0);
    EXPECT_EQ(Angezeigt(a, 1, erster)->m_strNotiz, "Messe");
    EXPECT_EQ(a.ansicht->Abgleicher().m_nLokalZaehler, StempelLesen(a.u.app.m_strStempel)->zaehler);
}
