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

const CTagEintrag* Angezeigt(AnsichtUmgebung& a, int zeile, CTime tag) {
    const CRessource* r = a.Gitter().Zeile(zeile);
    return r ? r->FindeTag(tag) : nullptr;
}

// A whole day of `b1` set in the working list, then the saving sync, as after a drag.
void Markieren(AnsichtUmgebung& a, const std::string& b1, CTime tag, int art) {
    for (auto& r : a.doc.m_pRessourcen)
        if (r->m_strBenennung1 == b1)
            for (int stunde : {9, 21})
                SetTag(r.get(), CTime(tag.GetYear(), tag.GetMonth(), tag.GetDay(), stunde, 0, 0), art, art, "",
                       Jetzt());
    ASSERT_EQ(a.ansicht->Abgleichen(false), AbgleichStand::Fertig);
}

void Zwei(AnsichtUmgebung& a) {
    RessourcenListe liste;
    liste.push_back(Ressource("Bauer", "Anna", "Technik"));
    liste.push_back(Ressource("Kurz", "Karl", "Verkauf"));
    a.Speichern(std::move(liste));
}

} // namespace

TEST(AnsichtAbgleich, ZweiAnsichtenGetakteteUebernahme) {
    UhrFixiert uhr(CTime(2025, 6, 2, 8, 0, 0));
    AnsichtUmgebung a;
    Zwei(a);
    AnsichtUmgebung b(&a);
    a.Starten();
    b.Starten();
    const CTime tag(2025, 6, 10, 12, 0, 0);

    Markieren(a, "Kurz", tag, 4);
    EXPECT_EQ(Angezeigt(b, 2, tag), nullptr); // not before B's tick
    b.ansicht->Takt();
    ASSERT_NE(Angezeigt(b, 2, tag), nullptr);
    EXPECT_EQ(Angezeigt(b, 2, tag)->m_nArtNachmittag, 4);
    EXPECT_EQ(StempelLesen(a.u.app.m_strStempel)->zaehler, 1); // taking in does not count

    // B clears later: its newer change wins in A.
    uhr.uhr().Vorstellen(60);
    Markieren(b, "Kurz", tag, 0);
    a.ansicht->Takt();
    ASSERT_NE(Angezeigt(a, 2, tag), nullptr);
    EXPECT_TRUE(Angezeigt(a, 2, tag)->IstGeloescht());
}

TEST(AnsichtAbgleich, DerTimerHoltDieAenderungSelbst) {
    AnsichtUmgebung a;
    Zwei(a);
    AnsichtUmgebung b(&a);
    a.Starten();
    b.ansicht->SetTaktMs(50);
    b.Starten();
    const CTime tag(2025, 6, 11, 12, 0, 0);
    Markieren(a, "Bauer", tag, 7);
    EXPECT_GE(WartenBis([&] { return Angezeigt(b, 1, tag) != nullptr; }, kGrenzeMs), 0);
}

// The other instance is a separate process: kalvora-admin marks through the same stamp lock.
TEST(AnsichtAbgleich, AenderungEinesAnderenProzesses) {
    QString admin = qEnvironmentVariable("KALVORA_ADMIN");
    if (admin.isEmpty()) admin = QCoreApplication::applicationDirPath() + QStringLiteral("/../src/kalvora-admin");
    if (!QFileInfo::exists(admin)) GTEST_SKIP() << "kalvora-admin nicht gefunden";
    AnsichtUmgebung a;
    Zwei(a);
    a.ansicht->SetTaktMs(100);
    a.Starten();

    QProcess prozess;
    prozess.start(admin, {"markieren", QString::fromStdString(a.u.app.m_strDatei), "--b1", "Bauer", "--b2", "Anna",
                          "--von", "2025-07-01", "--bis", "2025-07-02:1", "--art", "3", "--notiz", "Messe"});
    ASSERT_TRUE(prozess.waitForFinished(kGrenzeMs));
    ASSERT_EQ(prozess.exitCode(), 0) << prozess.readAllStandardError().toStdString();

    const CTime erster(2025, 7, 1, 12, 0, 0);
    const CTime zweiter(2025, 7, 2, 12, 0, 0);
    ASSERT_GE(WartenBis([&] { return Angezeigt(a, 1, zweiter) != nullptr; }, kGrenzeMs), 0);
    EXPECT_EQ(Angezeigt(a, 1, erster)->m_nArtNachmittag, 3);
    EXPECT_EQ(Angezeigt(a, 1, erster)->m_strNotiz, "Messe");
    EXPECT_EQ(Angezeigt(a, 1, zweiter)->m_nArtVormittag, 3);
    EXPECT_EQ(Angezeigt(a, 1, zweiter)->m_nArtNachmittag, 0);
}
