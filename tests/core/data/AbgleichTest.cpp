// The sharing protocol between instances: two or more documents with their own sync state on one
// temporary folder, driven tick by tick.
#include <gtest/gtest.h>

#include <atomic>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

#include "TestHilfen.h"
#include "data/Abgleich.h"
#include "data/StempelSperre.h"
#include "view/Markierung.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

CTime Um(int j, int m, int t, int h) {
    return CTime(j, m, t, h, 0, 0);
}

class AnzeigeRekorder : public AbgleichAnzeige {
public:
    int m_nAufbauten = 0;
    std::vector<std::string> m_titel;
    void AnzeigeAufbauen() override { ++m_nAufbauten; }
    void SetzeTitel(const std::string& titel) override { m_titel.push_back(titel); }
};

// One program instance: document, frame flag, view and its sync state.
struct Instanz {
    MeldungsRekorder meldungen;
    CUrlaubDoc doc{meldungen};
    bool bAbgleichOffen = false;
    AnzeigeRekorder anzeige;
    std::string strDatei;
    Abgleich abgleich;

    Instanz(const std::string& datei, const std::string& stempel)
        : strDatei(datei), abgleich(doc, strDatei, stempel, bAbgleichOffen, anzeige) {}

    CRessource* Finde(const std::string& b1) {
        for (auto& r : doc.m_pRessourcen)
            if (r->m_strBenennung1 == b1) return r.get();
        return nullptr;
    }
    // A drag over one day and the sync that follows it.
    AbgleichStand Markiere(const std::string& b1, CTime tag, int art) {
        MarkierungUebernehmen(nullptr, Finde(b1), Um(tag.GetYear(), tag.GetMonth(), tag.GetDay(), 9),
                              Um(tag.GetYear(), tag.GetMonth(), tag.GetDay(), 21), art, Jetzt());
        return abgleich.Abgleichen(false);
    }
    void Takte(int n) {
        for (int i = 0; i < n; ++i)
            abgleich.Takt();
    }
};

std::unique_ptr<CRessource> Ressource(const std::string& b1, CTime geaendert = CTime(1000)) {
    auto r = std::make_unique<CRessource>();
    r->m_strBenennung1 = b1;
    r->m_strBenennung2 = "Vorname";
    r->m_timeGeaendert = geaendert;
    return r;
}

class AbgleichTest : public ::testing::Test {
protected:
    TempOrdner t;
    std::string datei = t / "Ressource.dat";
    std::string stempel = t / "Ressource.d";
    UhrFixiert uhr{Um(2025, 6, 2, 12)};

    void Stempel(const std::string& inhalt) { DateiSchreibenTest(stempel, inhalt); }
    std::string Stempel() const { return DateiInhalt(stempel); }
    void Datenbank(const RessourcenListe& liste) { DateiSchreibenTest(datei, DatenbankSchreiben(liste)); }
    void DatenbankMit(std::initializer_list<std::string> namen) {
        RessourcenListe liste;
        for (const auto& n : namen)
            liste.push_back(Ressource(n));
        Datenbank(liste);
    }
    RessourcenListe AufPlatte() {
        RessourcenListe liste;
        EXPECT_FALSE(DatenbankLaden(datei, liste).has_value());
        return liste;
    }
    std::unique_ptr<Instanz> Starten() {
        auto i = std::make_unique<Instanz>(datei, stempel);
        EXPECT_TRUE(i->abgleich.ErstesLaden());
        return i;
    }
    // The clock moves on between user actions, as it does between ticks.
    void Weiter(int sekunden = 10) { uhr.uhr().Vorstellen(sekunden); }
};

// ---- stamp preparation at view construction

TEST_F(AbgleichTest, VorbereitungSetztFehlendeOderFremdeSperrzahlAufNullNull) {
    DatenbankMit({});
    for (const char* inhalt : {"", "abc", "2 5", "-1 9", "99"}) {
        Stempel(inhalt);
        Instanz i(datei, stempel);
        EXPECT_EQ(Stempel(), "0 0") << '"' << inhalt << '"';
        EXPECT_EQ(i.abgleich.m_nLokalZaehler, 0) << inhalt;
        EXPECT_EQ(i.abgleich.m_nWarteTakte, 0);
        EXPECT_FALSE(i.abgleich.m_bDiagnose);
    }
    std::filesystem::remove(stempel);
    Instanz fehlt(datei, stempel);
    EXPECT_EQ(Stempel(), "0 0");
    EXPECT_EQ(fehlt.abgleich.m_nLokalZaehler, 0);
}

TEST_F(AbgleichTest, VorbereitungLaesstNullUndEinsStehen) {
    DatenbankMit({});
    Stempel("1 7");
    EXPECT_EQ(Instanz(datei, stempel).abgleich.m_nLokalZaehler, 7);
    EXPECT_EQ(Stempel(), "1 7") << "a lock being held is not touched";
    Stempel("0 41\n");
    EXPECT_EQ(Instanz(datei, stempel).abgleich.m_nLokalZaehler, 41);
    EXPECT_EQ(Stempel(), "0 41\n");
}

TEST_F(AbgleichTest, UnlesbarerStempelBeimStartLaedtBeimErstenLesbarenTakt) {
    // "0" alone: the flag reads as 0, so nothing is rewritten, but there is no counter.
    Stempel("0");
    DatenbankMit({"A"});
    auto a = Starten();
    EXPECT_EQ(a->abgleich.m_nLokalZaehler, -1);
    EXPECT_EQ(Stempel(), "0");
    // Another instance reset the stamp meanwhile and saved a resource.
    DatenbankMit({"A", "B"});
    Stempel("0 0");
    EXPECT_EQ(a->abgleich.Takt(), AbgleichStand::Fertig) << "0 differs from -1: reload";
    EXPECT_NE(a->Finde("B"), nullptr);
    EXPECT_EQ(a->abgleich.m_nLokalZaehler, 0);
    EXPECT_EQ(Stempel(), "0 0");
}

TEST_F(AbgleichTest, StempelInFehlendemOrdnerGibtMinusEins) {
    DatenbankMit({});
    Instanz i(datei, t / "fehlt/Ressource.d");
    EXPECT_EQ(i.abgleich.m_nLokalZaehler, -1);
    EXPECT_FALSE(std::filesystem::exists(t / "fehlt"));
}

// ---- initial load

TEST_F(AbgleichTest, ErstesLadenUebernimmtDiePlatteUnveraendertUndBautDieAnzeige) {
    RessourcenListe liste;
    liste.push_back(Ressource("Zeta"));
    liste.push_back(Ressource("Alpha")); // file order is kept, not sorted
    SetTag(liste[0].get(), Um(2025, 3, 4, 9), 2, 3, "n", CTime(77));
    Datenbank(liste);
    Stempel("0 3");
    auto a = Starten();
    ASSERT_EQ(a->doc.m_pRessourcen.size(), 2u);
    EXPECT_EQ(a->doc.m_pRessourcen[0]->m_strBenennung1, "Zeta");
    EXPECT_EQ(a->doc.m_pRessourcen[0]->FindeTag(Um(2025, 3, 4, 0))->m_timeGeaendert, CTime(77));
    EXPECT_TRUE(a->doc.m_pGeladen.empty());
    EXPECT_EQ(a->anzeige.m_nAufbauten, 1);
    EXPECT_EQ(Stempel(), "0 3") << "the first load neither locks nor counts";
}

TEST_F(AbgleichTest, ErstesLadenOhneDatenbankMeldetUndBautTrotzdemDieAnzeige) {
    Stempel("0 3");
    Instanz i(datei, stempel);
    EXPECT_FALSE(i.abgleich.ErstesLaden());
    EXPECT_EQ(i.meldungen.m_gezeigt.size(), 1u);
    EXPECT_EQ(i.anzeige.m_nAufbauten, 1);
}

// ---- the sync between two instances

TEST_F(AbgleichTest, ZaehlerVon41Auf42UndDieAndereInstanzUebernimmt) {
    DatenbankMit({"Huber", "Meier"});
    Stempel("0 41");
    auto a = Starten();
    auto b = Starten();
    ASSERT_EQ(a->Markiere("Huber", Um(2025, 7, 1, 0), 4), AbgleichStand::Fertig);
    EXPECT_EQ(Stempel(), "0 42");
    EXPECT_EQ(a->abgleich.m_nLokalZaehler, 42);
    EXPECT_FALSE(a->bAbgleichOffen);
    EXPECT_EQ(a->anzeige.m_nAufbauten, 2);

    Weiter();
    const auto vorher = DateiInhalt(datei);
    EXPECT_EQ(b->abgleich.Takt(), AbgleichStand::Fertig);
    EXPECT_EQ(b->abgleich.m_nLokalZaehler, 42);
    EXPECT_EQ(Stempel(), "0 42") << "a reload does not count";
    const CTagEintrag* e = b->Finde("Huber")->FindeTag(Um(2025, 7, 1, 0));
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->m_nArtVormittag, 4);
    EXPECT_EQ(e->m_nArtNachmittag, 4);
    EXPECT_EQ(b->anzeige.m_nAufbauten, 2);
    EXPECT_EQ(b->abgleich.m_nWarteTakte, 0);
    // The reload saves as well; the day is the same, only its change time is that of B's merge.
    EXPECT_NE(DateiInhalt(datei), vorher);
    EXPECT_EQ(AufPlatte()[0]->FindeTag(Um(2025, 7, 1, 0))->m_timeGeaendert, Jetzt());

    Weiter();
    EXPECT_EQ(b->abgleich.Takt(), std::nullopt) << "nothing new: no sync";
    EXPECT_EQ(a->abgleich.Takt(), std::nullopt);
}

TEST_F(AbgleichTest, BeideAenderungenLandenInDerDatei) {
    DatenbankMit({"Huber", "Meier"});
    Stempel("0 1");
    auto a = Starten();
    auto b = Starten();
    ASSERT_EQ(a->Markiere("Huber", Um(2025, 7, 1, 0), 4), AbgleichStand::Fertig);
    Weiter();
    // B has not ticked yet: its save merges A's day in before writing.
    ASSERT_EQ(b->Markiere("Meier", Um(2025, 7, 2, 0), 5), AbgleichStand::Fertig);
    EXPECT_EQ(Stempel(), "0 3");
    const auto platte = AufPlatte();
    EXPECT_EQ(platte[0]->FindeTag(Um(2025, 7, 1, 0))->m_nArtVormittag, 4);
    EXPECT_EQ(platte[1]->FindeTag(Um(2025, 7, 2, 0))->m_nArtVormittag, 5);
    EXPECT_EQ(a->abgleich.Takt(), AbgleichStand::Fertig);
    EXPECT_EQ(a->Finde("Meier")->FindeTag(Um(2025, 7, 2, 0))->m_nArtNachmittag, 5);
}

TEST_F(AbgleichTest, ZaehlerSpringtVon100000UndAusNullUndNegativAufEins) {
    DatenbankMit({"A"});
    const std::pair<const char*, const char*> faelle[] = {{"0 100000", "0 1"}, {"0 0", "0 1"},
                                                          {"0 -7", "0 1"},     {"0 99999", "0 100000"},
                                                          {"0 150000", "0 1"}, {"0 2147483647", "0 1"}};
    for (const auto& [vorher, nachher] : faelle) {
        Stempel(vorher);
        auto a = Starten();
        EXPECT_EQ(a->Markiere("A", Um(2025, 1, 6, 0), 1), AbgleichStand::Fertig);
        EXPECT_EQ(Stempel(), nachher) << vorher;
    }
}

TEST_F(AbgleichTest, NurLadenLaesstDenZaehlerAuchBei100000Stehen) {
    DatenbankMit({"A"});
    Stempel("0 5");
    auto a = Starten();
    Stempel("0 100000");
    EXPECT_EQ(a->abgleich.Takt(), AbgleichStand::Fertig);
    EXPECT_EQ(Stempel(), "0 100000");
    EXPECT_EQ(a->abgleich.m_nLokalZaehler, 100000);
}

TEST_F(AbgleichTest, LoeschungGewinntUeberDieAeltereKopie) {
    DatenbankMit({"Huber", "Meier"});
    Stempel("0 10");
    auto a = Starten();
    auto b = Starten();
    Weiter();
    CRessource* huber = a->Finde("Huber");
    huber->m_bGeloescht = true;
    huber->m_timeGeaendert = Jetzt();
    ASSERT_EQ(a->abgleich.Abgleichen(false), AbgleichStand::Fertig);

    Weiter();
    ASSERT_EQ(b->abgleich.Takt(), AbgleichStand::Fertig);
    EXPECT_TRUE(b->Finde("Huber")->m_bGeloescht) << "hidden from B's display after its merge";
    const auto platte = AufPlatte();
    ASSERT_EQ(platte.size(), 2u) << "the deleted resource stays in the file as a mark";
    EXPECT_TRUE(platte[0]->m_bGeloescht);

    // B's own older copy does not bring it back when B saves.
    b->Finde("Huber")->m_bGeloescht = false;
    b->Finde("Huber")->m_timeGeaendert = CTime(1000);
    ASSERT_EQ(b->Markiere("Meier", Um(2025, 8, 1, 0), 2), AbgleichStand::Fertig);
    EXPECT_TRUE(AufPlatte()[0]->m_bGeloescht);
}

TEST_F(AbgleichTest, LeerenGewinntUeberDieAeltereMarkierung) {
    DatenbankMit({"Huber"});
    Stempel("0 1");
    auto a = Starten();
    auto b = Starten();
    ASSERT_EQ(a->Markiere("Huber", Um(2025, 9, 1, 0), 6), AbgleichStand::Fertig);
    Weiter();
    ASSERT_EQ(b->abgleich.Takt(), AbgleichStand::Fertig);
    ASSERT_EQ(b->Finde("Huber")->FindeTag(Um(2025, 9, 1, 0))->m_nArtVormittag, 6);
    Weiter();
    ASSERT_EQ(b->Markiere("Huber", Um(2025, 9, 1, 0), 0), AbgleichStand::Fertig); // "Tage löschen"
    Weiter();
    ASSERT_EQ(a->abgleich.Takt(), AbgleichStand::Fertig);
    const CTagEintrag* e = a->Finde("Huber")->FindeTag(Um(2025, 9, 1, 0));
    ASSERT_NE(e, nullptr) << "a cleared day stays as an entry";
    EXPECT_TRUE(e->IstGeloescht());
    EXPECT_TRUE(AufPlatte()[0]->FindeTag(Um(2025, 9, 1, 0))->IstGeloescht());
}

TEST_F(AbgleichTest, AeltereOderGleichAlteTageDerPlatteAendernNichts) {
    RessourcenListe liste;
    liste.push_back(Ressource("Huber"));
    SetTag(liste[0].get(), Um(2025, 9, 1, 9), 1, 1, "alt", CTime(500));
    SetTag(liste[0].get(), Um(2025, 9, 2, 9), 1, 1, "alt", CTime(500));
    Datenbank(liste);
    Stempel("0 1");
    auto a = Starten();
    CRessource* h = a->Finde("Huber");
    h->Slot(9, 1)[0] = {CTime(600), 7, 7, Um(2025, 9, 1, 9), "neu"};    // newer here
    h->Slot(9, 2)[0] = {CTime(500), 8, 8, Um(2025, 9, 2, 9), "gleich"}; // same time: ours stays
    ASSERT_EQ(a->abgleich.Abgleichen(false), AbgleichStand::Fertig);
    EXPECT_EQ(h->FindeTag(Um(2025, 9, 1, 0))->m_strNotiz, "neu");
    EXPECT_EQ(h->FindeTag(Um(2025, 9, 2, 0))->m_nArtVormittag, 8);
    EXPECT_EQ(AufPlatte()[0]->FindeTag(Um(2025, 9, 2, 0))->m_strNotiz, "gleich");
}

TEST_F(AbgleichTest, TagNurAufDerPlatteKommtMitBeidenHaelftenNotizUndFrischerZeit) {
    DatenbankMit({"Huber"});
    Stempel("0 1");
    auto a = Starten();
    RessourcenListe liste;
    liste.push_back(Ressource("Huber"));
    SetTag(liste[0].get(), Um(2025, 10, 3, 15), 3, 9, "Arzt", CTime(400));
    Datenbank(liste);
    Stempel("0 2");
    Weiter(3600);
    ASSERT_EQ(a->abgleich.Takt(), AbgleichStand::Fertig);
    const CTagEintrag* e = a->Finde("Huber")->FindeTag(Um(2025, 10, 3, 0));
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->m_nArtVormittag, 3);
    EXPECT_EQ(e->m_nArtNachmittag, 9);
    EXPECT_EQ(e->m_strNotiz, "Arzt");
    EXPECT_EQ(e->m_timeGeaendert, Jetzt()) << "the time of the merge, not the disk's";
    EXPECT_EQ(e->m_timeDatum, Um(2025, 10, 3, 9));
}

// ---- stopping early: the sync stays pending

TEST_F(AbgleichTest, BelegterStempelLaesstDenAbgleichOffenUndDerTaktSpeichertNach) {
    DatenbankMit({"Huber"});
    Stempel("0 9");
    auto a = Starten();
    Stempel("1 9"); // another instance is saving
    EXPECT_EQ(a->Markiere("Huber", Um(2025, 7, 1, 0), 4), AbgleichStand::StempelBelegt);
    EXPECT_TRUE(a->bAbgleichOffen);
    EXPECT_EQ(Stempel(), "1 9");
    EXPECT_EQ(AufPlatte()[0]->AnzahlEintraege(), 0u);
    EXPECT_EQ(a->anzeige.m_nAufbauten, 1);

    EXPECT_EQ(a->abgleich.Takt(), AbgleichStand::StempelBelegt);
    EXPECT_EQ(a->abgleich.m_nWarteTakte, 1);
    Stempel("0 10"); // it finished
    EXPECT_EQ(a->abgleich.Takt(), AbgleichStand::Fertig) << "a pending sync is retried as a save";
    EXPECT_FALSE(a->bAbgleichOffen);
    EXPECT_EQ(Stempel(), "0 11");
    EXPECT_EQ(AufPlatte()[0]->AnzahlEintraege(), 1u);
}

TEST_F(AbgleichTest, VerwaisteSperre17WirdImSiebtenTaktMitDemEigenenZaehlerGebrochen) {
    DatenbankMit({"Huber"});
    Stempel("0 5");
    auto b = Starten();
    Stempel("1 7"); // left by an instance that ended during its sync
    for (int takt = 1; takt <= 6; ++takt) {
        EXPECT_EQ(b->abgleich.Takt(), std::nullopt);
        EXPECT_EQ(Stempel(), "1 7") << "tick " << takt;
        EXPECT_EQ(b->abgleich.m_nWarteTakte, takt);
    }
    EXPECT_EQ(b->abgleich.Takt(), std::nullopt);
    EXPECT_EQ(Stempel(), "0 5") << "broken with the breaker's counter, not the stamp's";
    EXPECT_EQ(b->abgleich.m_nWarteTakte, 0) << "the same tick then found it free";
    EXPECT_FALSE(b->bAbgleichOffen);
}

TEST_F(AbgleichTest, EinFreierTaktSetztDasWartenZurueck) {
    DatenbankMit({"Huber"});
    Stempel("0 5");
    auto b = Starten();
    Stempel("1 5");
    b->Takte(5);
    Stempel("0 5");
    b->Takte(1);
    EXPECT_EQ(b->abgleich.m_nWarteTakte, 0);
    Stempel("1 5");
    b->Takte(6);
    EXPECT_EQ(Stempel(), "1 5") << "six ticks after a free one break nothing";
}

TEST_F(AbgleichTest, UnlesbarerOderFehlenderStempelGiltAlsGesperrt) {
    const std::optional<std::string> faelle[] = {"", "x y", "1", "0 ", "-", std::nullopt};
    for (const auto& inhalt : faelle) {
        DatenbankMit({"Huber"});
        Stempel("0 20");
        auto a = Starten();
        if (inhalt)
            Stempel(*inhalt);
        else
            std::filesystem::remove(stempel);
        const auto stand = [&] { return std::filesystem::exists(stempel) ? Stempel() : "(fehlt)"; };
        const std::string vorher = stand();
        EXPECT_EQ(a->Markiere("Huber", Um(2025, 7, 1, 0), 4), AbgleichStand::StempelBelegt) << vorher;
        EXPECT_TRUE(a->bAbgleichOffen);
        a->Takte(6);
        EXPECT_EQ(stand(), vorher) << "untouched for six ticks";
        EXPECT_EQ(AufPlatte()[0]->AnzahlEintraege(), 0u) << vorher;
        // The seventh rewrites it with the own counter; the pending save then goes through.
        EXPECT_EQ(a->abgleich.Takt(), AbgleichStand::Fertig) << vorher;
        EXPECT_EQ(Stempel(), "0 21") << vorher;
        EXPECT_FALSE(a->bAbgleichOffen);
        EXPECT_EQ(AufPlatte()[0]->AnzahlEintraege(), 1u) << vorher;
    }
}

TEST_F(AbgleichTest, DatenbankNichtLesbarHaeltDieSperreUndDenAbgleichOffen) {
    DatenbankMit({"Huber"});
    Stempel("0 30");
    auto a = Starten();
    auto b = Starten();
    const std::string kaputt("\x05\x00\x00\x00\x01", 5);
    DateiSchreibenTest(datei, kaputt);
    EXPECT_EQ(a->Markiere("Huber", Um(2025, 7, 1, 0), 4), AbgleichStand::LadenFehlgeschlagen);
    EXPECT_EQ(a->meldungen.m_gezeigt.size(), 1u);
    EXPECT_EQ(Stempel(), "1 30") << "the lock stays taken";
    EXPECT_TRUE(a->bAbgleichOffen);
    EXPECT_EQ(a->abgleich.m_nLokalZaehler, 30);
    EXPECT_EQ(DateiInhalt(datei), kaputt) << "nothing is saved over an unreadable file";
    EXPECT_EQ(a->anzeige.m_nAufbauten, 1);

    // Every instance, this one included, waits for the stale-lock rule.
    for (int takt = 1; takt <= 6; ++takt) {
        EXPECT_EQ(a->abgleich.Takt(), AbgleichStand::StempelBelegt);
        EXPECT_EQ(b->abgleich.Takt(), std::nullopt);
    }
    EXPECT_EQ(a->meldungen.m_gezeigt.size(), 1u);
    EXPECT_EQ(a->abgleich.Takt(), AbgleichStand::LadenFehlgeschlagen) << "seventh tick: broken, tried again";
    EXPECT_EQ(a->meldungen.m_gezeigt.size(), 2u) << "the message comes again while the file stays bad";
    EXPECT_EQ(Stempel(), "1 30");

    DatenbankMit({"Huber"}); // repaired
    EXPECT_EQ(a->abgleich.Takt(), AbgleichStand::Fertig);
    EXPECT_EQ(Stempel(), "0 31");
    EXPECT_FALSE(a->bAbgleichOffen);
    EXPECT_EQ(AufPlatte()[0]->FindeTag(Um(2025, 7, 1, 0))->m_nArtVormittag, 4);
}

TEST_F(AbgleichTest, SpeicherfehlerMeldetUndSchliesstDenAbgleichTrotzdemAb) {
    DatenbankMit({"Huber"});
    Stempel("0 4");
    auto a = Starten();
    // A reader elsewhere holds its shared lock: loading works, the exclusive save times out.
    const int fd = ::open(datei.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    struct flock fl {};
    fl.l_type = F_RDLCK;
    fl.l_whence = SEEK_SET;
    ASSERT_EQ(::fcntl(fd, F_OFD_SETLK, &fl), 0);
    EXPECT_EQ(a->Markiere("Huber", Um(2025, 7, 1, 0), 4), AbgleichStand::NichtGespeichert);
    ::close(fd);
    ASSERT_EQ(a->meldungen.m_gezeigt.size(), 1u);
    EXPECT_NE(a->meldungen.m_gezeigt[0].text.find("kann nicht gespeichert werden"), std::string::npos);
    EXPECT_EQ(Stempel(), "0 5") << "released with the new counter";
    EXPECT_FALSE(a->bAbgleichOffen);
    EXPECT_EQ(a->anzeige.m_nAufbauten, 2);
}

TEST_F(AbgleichTest, GeaenderterDatenbankPfadGiltAbDemNaechstenAbgleich) {
    DatenbankMit({"Huber"});
    Stempel("0 1");
    auto a = Starten();
    const std::string neu = t / "Neu.dat";
    DateiSchreibenTest(neu, std::string(4, '\0'));
    a->strDatei = neu; // settings dialog OK; the stamp path stays
    ASSERT_EQ(a->Markiere("Huber", Um(2025, 7, 1, 0), 4), AbgleichStand::Fertig);
    EXPECT_EQ(Stempel(), "0 2");
    RessourcenListe liste;
    ASSERT_FALSE(DatenbankLaden(neu, liste).has_value());
    ASSERT_EQ(liste.size(), 1u);
    EXPECT_EQ(liste[0]->AnzahlEintraege(), 1u);
}

// ---- diagnostic titles

TEST_F(AbgleichTest, DiagnoseSchreibtZaehlerUndTaktInDenTitel) {
    DatenbankMit({"Huber"});
    Stempel("0 5");
    auto a = Starten();
    a->abgleich.Takt();
    a->Markiere("Huber", Um(2025, 7, 1, 0), 4);
    EXPECT_TRUE(a->anzeige.m_titel.empty()) << "off by default";

    a->abgleich.m_bDiagnose = true;
    a->abgleich.Takt();
    EXPECT_EQ(a->anzeige.m_titel, (std::vector<std::string>{"******************** TIMER ********************",
                                                            "Lokal: 6 / HD: 6"}));
    a->anzeige.m_titel.clear();
    a->Markiere("Huber", Um(2025, 7, 2, 0), 4);
    EXPECT_EQ(a->anzeige.m_titel, std::vector<std::string>{"Lokal: 7 / HD: 7 Gespeichert!"});
    a->anzeige.m_titel.clear();
    Stempel("0 12");
    a->abgleich.Takt();
    EXPECT_EQ(a->anzeige.m_titel,
              (std::vector<std::string>{"******************** TIMER ********************",
                                        "Lokal: 7 / HD: 12", "Lokal: 12 / HD: 12 Gespeichert!"}));
    a->anzeige.m_titel.clear();
    Stempel("1 12");
    a->abgleich.Takt();
    EXPECT_EQ(a->anzeige.m_titel,
              std::vector<std::string>{"******************** TIMER ********************"});
}

// ---- the OS lock under the stamp protocol

TEST(StempelSperre, ZweiGleichzeitigeNehmerSiegenNieBeide) {
    TempOrdner t;
    const std::string stempel = t / "R.d";
    DateiSchreibenTest(stempel, "0 0");
    std::atomic<int> halter{0}, doppelt{0}, gewonnen{0};
    std::vector<std::thread> faeden;
    const auto ende = std::chrono::steady_clock::now() + std::chrono::milliseconds(400);
    for (int f = 0; f < 6; ++f)
        faeden.emplace_back([&] {
            while (std::chrono::steady_clock::now() < ende) {
                const SperrErgebnis e = SperreNehmen(stempel);
                if (e.stand != SperrStand::Genommen) continue;
                if (++halter > 1) ++doppelt;
                ++gewonnen;
                std::this_thread::yield();
                --halter;
                SperreFreigeben(stempel, e.stempel.zaehler + 1);
            }
        });
    for (auto& f : faeden)
        f.join();
    EXPECT_EQ(doppelt, 0);
    EXPECT_GT(gewonnen, 0);
    EXPECT_EQ(DateiInhalt(stempel), "0 " + std::to_string(gewonnen.load())) << "no lost counter step";
}

// Holds the OS lock on a file as another process would, until destroyed.
class FremdeSperre {
public:
    FremdeSperre(const std::string& pfad, short art) : m_fd(::open(pfad.c_str(), O_RDWR)) {
        struct flock fl {};
        fl.l_type = art;
        fl.l_whence = SEEK_SET;
        EXPECT_EQ(::fcntl(m_fd, F_OFD_SETLK, &fl), 0);
    }
    ~FremdeSperre() { ::close(m_fd); }

private:
    int m_fd;
};

TEST(StempelSperre, WartetAufDieOsSperreUndLiestErstDanach) {
    TempOrdner t;
    const std::string stempel = t / "R.d";
    DateiSchreibenTest(stempel, "0 4");
    using namespace std::chrono;
    {
        // Another instance is between its read and its write: "0 4" is about to become "1 4".
        auto andere = std::make_unique<FremdeSperre>(stempel, F_WRLCK);
        std::thread schreiber([&] {
            std::this_thread::sleep_for(milliseconds(150));
            DateiSchreibenTest(stempel, "1 4");
            andere.reset();
        });
        const auto start = steady_clock::now();
        const SperrErgebnis e = SperreNehmen(stempel);
        EXPECT_GE(steady_clock::now() - start, milliseconds(100));
        schreiber.join();
        EXPECT_EQ(e.stand, SperrStand::Belegt) << "both would have written 1 without the OS lock";
        EXPECT_EQ(DateiInhalt(stempel), "1 4");
    }
    {
        auto andere = std::make_unique<FremdeSperre>(stempel, F_WRLCK);
        std::thread schreiber([&] {
            std::this_thread::sleep_for(milliseconds(100));
            DateiSchreibenTest(stempel, "0 5");
            andere.reset();
        });
        const auto gelesen = StempelGeschuetztLesen(stempel);
        schreiber.join();
        ASSERT_TRUE(gelesen.has_value());
        EXPECT_EQ(gelesen->zaehler, 5) << "a reader waits for the writer";
    }
    {
        // Readers share: a reader elsewhere does not hold up another reader.
        FremdeSperre leser(stempel, F_RDLCK);
        const auto start = steady_clock::now();
        EXPECT_TRUE(StempelGeschuetztLesen(stempel).has_value());
        EXPECT_LT(steady_clock::now() - start, milliseconds(100));
    }
}

TEST(StempelSperre, VorbereitungSetztEinenGeradeGenommenenStempelNichtZurueck) {
    TempOrdner t;
    const std::string stempel = t / "R.d";
    DateiSchreibenTest(stempel, "");
    // Another instance has emptied the file and is about to write "1 12".
    auto andere = std::make_unique<FremdeSperre>(stempel, F_WRLCK);
    std::string mittendrin;
    std::thread schreiber([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        mittendrin = DateiInhalt(stempel);
        DateiSchreibenTest(stempel, "1 12");
        andere.reset();
    });
    EXPECT_EQ(StempelVorbereiten(stempel), 12);
    schreiber.join();
    EXPECT_EQ(mittendrin, "") << "nothing written while the other held the OS lock";
    EXPECT_EQ(DateiInhalt(stempel), "1 12");
}

TEST(StempelSperre, SchreibtGenauDieZweiZahlen) {
    TempOrdner t;
    const std::string stempel = t / "R.d";
    DateiSchreibenTest(stempel, "0 100000\r\n");
    const SperrErgebnis e = SperreNehmen(stempel);
    EXPECT_EQ(e.stand, SperrStand::Genommen);
    EXPECT_EQ(e.stempel.zaehler, 100000);
    EXPECT_EQ(DateiInhalt(stempel), "1 100000");
    EXPECT_EQ(SperreNehmen(stempel).stand, SperrStand::Belegt);
    ASSERT_TRUE(SperreFreigeben(stempel, 1));
    EXPECT_EQ(DateiInhalt(stempel), "0 1") << "the longer old text is cut off";
}

TEST(StempelSperre, FehlendeDateiWirdBeimNehmenNichtAngelegtBeimFreigebenSchon) {
    TempOrdner t;
    const std::string stempel = t / "R.d";
    EXPECT_EQ(SperreNehmen(stempel).stand, SperrStand::Unlesbar);
    EXPECT_FALSE(std::filesystem::exists(stempel));
    EXPECT_EQ(StempelGeschuetztLesen(stempel), std::nullopt);
    EXPECT_TRUE(SperreFreigeben(stempel, 8));
    EXPECT_EQ(DateiInhalt(stempel), "0 8");
}

TEST(StempelSperre, WartenBisDieSperreFreiIstOderDieZeitUm) {
    TempOrdner t;
    const std::string datei = t / "R.dat", stempel = t / "R.d";
    DateiSchreibenTest(datei, std::string(4, '\0'));
    DateiSchreibenTest(stempel, "1 3");
    MeldungsRekorder m;
    CUrlaubDoc doc(m);
    bool offen = false;
    AnzeigeRekorder anzeige;
    Abgleich abgleich(doc, datei, stempel, offen, anzeige);
    ASSERT_TRUE(abgleich.ErstesLaden());
    using namespace std::chrono;
    auto start = steady_clock::now();
    EXPECT_EQ(AbgleichenMitWarten(abgleich, milliseconds(20), milliseconds(150)),
              AbgleichStand::StempelBelegt);
    EXPECT_GE(steady_clock::now() - start, milliseconds(120));
    EXPECT_TRUE(offen);

    std::thread anderer([&] {
        std::this_thread::sleep_for(milliseconds(100));
        SperreFreigeben(stempel, 3);
    });
    EXPECT_EQ(AbgleichenMitWarten(abgleich, milliseconds(20), seconds(10)), AbgleichStand::Fertig);
    anderer.join();
    EXPECT_EQ(DateiInhalt(stempel), "0 4");
}

} // namespace
