// Local time, the day table, half days, lists, display copies, inserting by key and merging a disk copy.
#include <sstream>

#include "TestHilfen.h"
#include "data/DatenbankFormat.h"
#include "data/Einfuegen.h"
#include "data/Ressource.h"
#include "data/Zusammenfuehren.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

// Coarse steps over 32 bits, then quarter hours around the 2024 clock changes and the turn of the
// year, in zones east and west of UTC, on it, and one with half-hour summer time.
TEST(Zeit, ZerlegungUndTagesfachStimmenMitDerCBibliothek) {
    struct ZurueckNachBerlin {
        ~ZurueckNachBerlin() {
            setenv("TZ", "Europe/Berlin", 1);
            ZeitzoneNeuLaden();
        }
    } zurueck;
    for (const char* zone :
         {"Europe/Berlin", "UTC", "America/New_York", "Australia/Lord_Howe", "Pacific/Kiritimati"}) {
        setenv("TZ", zone, 1);
        ZeitzoneNeuLaden();
        std::vector<std::int64_t> zeiten;
        for (std::int64_t t = 0; t < 4294967295; t += 7777777) zeiten.push_back(t);
        for (const CTime& anfang : {Um(2024, 3, 30), Um(2024, 4, 6), Um(2024, 10, 26), Um(2024, 12, 31)})
            for (std::int64_t t = anfang.GetTime(); t < anfang.GetTime() + 3 * 86400; t += 900)
                zeiten.push_back(t);
        const SlotRechner rechner;
        for (const std::int64_t t : zeiten) {
            const std::time_t tt = static_cast<std::time_t>(t);
            std::tm tm{};
            localtime_r(&tt, &tm);
            const LokaleZeit z = CTime(t).Lokal();
            ASSERT_EQ(std::tuple(z.jahr, z.monat, z.tag, z.stunde, z.minute, z.wochentag),
                      std::tuple(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min,
                                 tm.tm_wday + 1))
                << zone << " " << t;
            ASSERT_EQ(rechner.Slot(static_cast<std::uint32_t>(t)),
                      TagTabelle::SlotVon(tm.tm_mon + 1, tm.tm_mday))
                << zone << " " << t;
        }
    }
}

// 32 bits as in the file: every stored value is kept, instants beyond either end stop there.
TEST(Zeit, ZweiunddreissigBitMitSaettigung) {
    for (const std::int64_t t : {0x0LL, 0x7FFFFFFFLL, 0x80000000LL, 0xFFFFFFFFLL})
        EXPECT_EQ(CTime(t).GetTime(), t);
    EXPECT_EQ(CTime(-1), CTime(0));
    EXPECT_EQ(Um(1970, 1, 1, 0), CTime(0)); // an hour before the epoch in Berlin
    EXPECT_EQ(CTime(std::int64_t{1} << 40).GetTime(), 0xFFFFFFFF);
    EXPECT_LT(Um(2035, 12, 31, 21), Um(2106, 1, 1));
}

TEST(Tage, TagestabelleHaeltDieReihenfolgeJedesTages) {
    auto jahre = [](std::span<const CTagEintrag> tag) {
        std::string s;
        for (const CTagEintrag& e : tag) s += std::to_string(e.m_timeDatum.GetYear()) + " ";
        return s;
    };
    TagTabelle t;
    t.Anhaengen(3, 5, {CTime(1), 1, 1, Um(2024, 3, 5, 9), ""});
    t.Anhaengen(1, 2, {CTime(1), 0, 0, Um(2020, 1, 2, 9), ""});
    t.Anhaengen(3, 5, {CTime(1), 0, 0, Um(2021, 3, 5, 9), ""});
    t.AnhaengenAlle({{TagTabelle::SlotVon(3, 5), {CTime(2), 2, 2, Um(2019, 3, 5, 9), ""}},
                     {TagTabelle::SlotVon(12, 31), {CTime(2), 2, 2, Um(2019, 12, 31, 9), ""}},
                     {TagTabelle::SlotVon(3, 5), {CTime(2), 2, 2, Um(2025, 3, 5, 9), ""}}});
    EXPECT_EQ(jahre(t.Slot(3, 5)), "2024 2021 2019 2025 ") << "old entries first, new ones in order";
    EXPECT_EQ(jahre(t.Alle()), "2020 2024 2021 2019 2025 2019 ") << "months, days, each day's order";

    t.EntfernenWenn([](const CTagEintrag& e) { return e.IstGeloescht(); });
    EXPECT_EQ(jahre(t.Alle()) + std::to_string(t.Slot(1, 2).size()), "2024 2019 2025 2019 0");
}

TEST(Tage, HalbtagNachLokalerStundeUndNotizRegeln) {
    CRessource r, anzeige;
    const auto halbe = [&] {
        const CTagEintrag* e = r.FindeTag(Um(2024, 5, 6));
        return e ? std::to_string(e->m_nArtVormittag) + "/" + std::to_string(e->m_nArtNachmittag) + " " +
                       e->m_strNotiz.Text() + " " + std::to_string(e->m_timeGeaendert.GetTime())
                 : "-";
    };
    SetTag(&r, Um(2024, 5, 6, 21), 3, 4, "alt", CTime(1));
    EXPECT_EQ(halbe(), "3/4 alt 1") << "a new entry takes both types, whatever the hour";
    SetTag(&r, Um(2024, 5, 6, 11), 7, 8, "neu", CTime(2));
    EXPECT_EQ(halbe(), "7/4 alt 2") << "hour < 12 changes only the first half; SetTag keeps the note";
    SetTag(&r, Um(2024, 5, 6, 12), 0, 0, "", CTime(3));
    EXPECT_EQ(halbe(), "7/0 alt 3") << "12 or later only the second";
    SetTag(&r, Um(2024, 5, 6, 9), 0, 0, "", CTime(4));
    EXPECT_EQ(halbe() + " " + std::to_string(r.AnzahlEintraege()), "0/0 alt 4 1") << "a cleared entry stays";

    SetTagAnzeige(anzeige, Um(2024, 1, 2, 9), 1, 0, "alt"); // the display setter replaces the note
    SetTagAnzeige(anzeige, Um(2024, 1, 2, 21), 0, 2, "neu");
    const CTagEintrag* e = anzeige.FindeTag(Um(2024, 1, 2));
    EXPECT_EQ(std::tuple(Haelften(anzeige, {Um(2024, 1, 2)}), e->m_strNotiz.Text(), e->m_timeGeaendert),
              std::tuple("1/2 ", "neu", CTime(0)));
    SetTag(nullptr, Um(2024, 1, 2, 9), 1, 1, "", CTime(3)); // no-op, no crash
}

// The one-pass copy into a display row gives what one SetTagAnzeige per entry gives, double dates included.
TEST(AnzeigeKopie, GleichJedemEinzelnenSetTagAnzeige) {
    std::mt19937 rng(3);
    for (int runde = 0; runde < 50; ++runde) {
        CRessource quelle;
        for (int k = 0; k < 200; ++k) { // appended directly, so a date can occur twice in its day's list
            const CTime datum(2024, 1 + static_cast<int>(rng() % 12), 1 + static_cast<int>(rng() % 28),
                              static_cast<int>(rng() % 24), 0, 0);
            const int vm = static_cast<int>(rng() % 17), nm = static_cast<int>(rng() % 17);
            Anhaengen(quelle, datum, vm, nm, rng() % 3 ? "" : "n" + std::to_string(k), CTime(5));
        }
        RessourcenListe einzeln, gesamt;
        CRessource& zeile = Neu(einzeln, "");
        quelle.FuerAlleTage([&](const CTagEintrag& e) {
            SetTagAnzeige(zeile, e.m_timeDatum, e.m_nArtVormittag, e.m_nArtNachmittag, e.m_strNotiz);
        });
        TageAnzeigen(quelle, Neu(gesamt, ""));
        ASSERT_EQ(DatenbankSchreiben(gesamt), DatenbankSchreiben(einzeln)) << runde;
    }
}

TEST(Listen, ZeilennummerIstDieKleinsteFreieKopieIstTiefUndOhneHilfsfelder) {
    RessourcenListe l;
    EXPECT_EQ(FreieZeile(l), 1);
    for (int z : {1, 2, 4}) Neu(l, "").m_nZeile = z;
    EXPECT_EQ(FreieZeile(l), 3);
    l.clear();
    for (const char* name : {"B", "A"}) {
        CRessource& r = Neu(l, name, "", "", "", true);
        r.m_nPosition = 5;
        r.m_bDrucken = true;
        r.m_nZeile = 2;
        r.m_timeGeaendert = CTime(77);
        SetTag(&r, Um(2024, 3, 3, 9), 1, 2, "n", CTime(8));
    }
    RessourcenListe k = KopiereListe(l);
    ASSERT_EQ(k.size(), 2u);
    const CRessource& c = *k[0];
    EXPECT_EQ(std::tuple(c.m_strBenennung1 + k[1]->m_strBenennung1, c.m_nPosition, c.m_nZeile, c.m_bDrucken,
                         c.m_bGeloescht, c.m_timeGeaendert, Haelften(*k[1], {Um(2024, 3, 3)})),
              std::tuple("BA", 0, 0, false, true, CTime(77), "1/2 "));
    SetTag(k[0].get(), Um(2024, 3, 3, 9), 9, 0, "", CTime(9));
    EXPECT_EQ(Haelften(*l[0], {Um(2024, 3, 3)}), "1/2 ") << "the original stays";
    ListeFreigeben(l);
    EXPECT_TRUE(l.empty());
}

// A resource "B1.B2.Nr" (later parts optional) appended to `l`.
CRessource& R(RessourcenListe& l, const std::string& name, CTime geaendert = CTime(1000), std::string gruppe = "") {
    std::istringstream in(name);
    std::string b1, b2, nr;
    std::getline(in, b1, '.');
    std::getline(in, b2, '.');
    std::getline(in, nr);
    CRessource& r = Neu(l, b1, b2, std::move(gruppe), nr);
    r.m_timeGeaendert = geaendert;
    return r;
}

// "B1/B2/Nr@Gruppe ..." of a list.
std::string Reihe(const RessourcenListe& liste) {
    std::string s;
    for (const auto& r : liste)
        s += (s.empty() ? "" : " ") + r->m_strBenennung1 + "/" + r->m_strBenennung2 + "/" + r->m_strIdentNr +
             (r->m_strGruppe.empty() ? "" : "@" + r->m_strGruppe);
    return s;
}

const CTime kJetzt = Um(2025, 6, 2, 12);

// "Neu" in resource management inserts by the key b1 + b2 + nr without separator; the merge of a loaded
// disk copy inserts new resources by their first name. Words "B1.B2.Nr", deleted ones marked "-".
TEST(EinfuegenSortiert, NeuNachDemVerkettetenSchluesselAbgleichNachBenennung1) {
    const std::tuple<bool, const char*, const char*, const char*> faelle[] = {
        // merge (else one new record, group "x"), before, new, result
        {false, "Ab.c A.bz", "A.bd", "Ab/c/ A/bd/@x A/bz/"}, // "Abd" goes between, though "A" < "Ab"
        {false, "Abc", "Abc..1", "Abc// Abc//1@x"},
        // Before an equal key, also an equal head, and deleted records count.
        {false, "B -D F", "D", "B// D//@x D// F//"},
        {false, "B", "B", "B//@x B//"},
        {false, "B", "Z", "B// Z//@x"},
        {false, "Zorn \xC4rger", "zorn", "Zorn// zorn//@x \xC4rger//"}, // unsigned bytes, upper case before lower
        {false, "C A", "B", "B//@x C// A//"}, // unsorted: before the first record that is not smaller
        // Smaller than the head: new head. Equal to the head: after it. Equal to a later record:
        // before it (the walk stops at the last smaller one).
        {true, "B D F", "C A G B.2 D.2 A.2", "A// A/2/ B/2/ B// C// D/2/ D// F// G//"},
        {true, "C A", "B", "C// A// B//"}, // an unsorted list is not re-sorted
        {true, "", "M Z A", "A// M// Z//"},
        {true, "Zorn", "\xC4rger adler Adler", "Adler// Zorn// adler// \xC4rger//"},
    };
    for (const auto& [abgleich, vorher, neu, erwartet] : faelle) {
        RessourcenListe liste, n;
        std::istringstream in(vorher), g(neu);
        for (std::string w; in >> w;) R(liste, w.substr(w[0] == '-')).m_bGeloescht = w[0] == '-';
        for (std::string w; g >> w;) R(n, w);
        if (abgleich) Zusammenfuehren(liste, n, kJetzt);
        else EinfuegenSortiert(liste, n[0]->m_strBenennung1, n[0]->m_strBenennung2, "x", n[0]->m_strIdentNr, CTime(1));
        EXPECT_EQ(Reihe(liste), erwartet) << vorher << " + " << neu;
    }
}

// All fields of an entry, to compare entries whole.
std::string Felder(const CTagEintrag& e) {
    std::ostringstream s;
    s << e.m_timeDatum.GetTime() << ' ' << e.m_nArtVormittag << ' ' << e.m_nArtNachmittag << ' ' << e.m_strNotiz
      << ' ' << e.m_timeGeaendert.GetTime();
    return s.str();
}

TEST(Zusammenfuehren, StammdatenNurVonNeuererPlatteUndIdentitaetOhneGruppe) {
    RessourcenListe arbeit, geladen;
    for (int zeit : {100, 300, 200}) { // older than the disk's 200, newer, equal; the group differs
        R(arbeit, "H" + std::to_string(zeit) + ".b.1", CTime(zeit), "hier");
        R(geladen, "H" + std::to_string(zeit) + ".b.1", CTime(200), "dort").m_bGeloescht = true;
    }
    for (const char* anders : {"h100.b.1", "H100.B.1", "H100.b.2"}) R(geladen, anders); // case and number count
    std::vector<CRessource*> hier;
    for (auto& r : arbeit) hier.push_back(r.get());
    Zusammenfuehren(arbeit, geladen, kJetzt);
    std::string stand = std::to_string(arbeit.size());
    for (const CRessource* r : hier)
        stand += " " + r->m_strGruppe + (r->m_bGeloescht ? " geloescht " : " ") +
                 std::to_string(r->m_timeGeaendert.GetTime());
    EXPECT_EQ(stand, "6 dort geloescht 200 hier 300 hier 200");
}

TEST(Zusammenfuehren, TagesregelnNachAenderungszeitUndNeueRessource) {
    RessourcenListe arbeit, geladen;
    CRessource& w = R(arbeit, "H");
    CRessource& r = R(geladen, "H");
    Anhaengen(w, Um(2025, 5, 1, 9), 1, 1, "w-alt", CTime(100)); // disk newer: all fields change
    Anhaengen(r, Um(2025, 5, 1, 15), 2, 0, "r-neu", CTime(200));
    Anhaengen(w, Um(2025, 5, 2, 9), 1, 1, "w-neu", CTime(300)); // disk older: stays
    Anhaengen(r, Um(2025, 5, 2, 9), 3, 3, "r-alt", CTime(200));
    Anhaengen(w, Um(2025, 5, 3, 9), 1, 1, "w", CTime(200)); // equal: stays
    Anhaengen(r, Um(2025, 5, 3, 9), 4, 4, "r", CTime(200));
    Anhaengen(w, Um(2025, 5, 4, 9), 6, 6, "nur hier", CTime(1)); // only here: stays
    Anhaengen(w, Um(2025, 5, 5, 9), 7, 7, "", CTime(1));
    Anhaengen(r, Um(2024, 5, 5, 21), 8, 9, "nur dort", CTime(1)); // only there, same slot: appended, fresh time
    // A new resource brings its master data as stored and its days, cleared ones too, with fresh times.
    CRessource& n = R(geladen, "Neu.Nina.7", CTime(333), "Lager");
    n.m_bGeloescht = true;
    Anhaengen(n, Um(2026, 3, 4, 15), 2, 5, "n1", CTime(50));
    Anhaengen(n, Um(2024, 3, 4, 9), 0, 0, "", CTime(60));
    Zusammenfuehren(arbeit, geladen, kJetzt);

    EXPECT_EQ(Felder(w.Slot(5, 1)[0]), Felder({CTime(200), 2, 0, Um(2025, 5, 1, 15), "r-neu"}));
    for (const auto& [tag, notiz] : {std::pair{2, "w-neu"}, {3, "w"}, {4, "nur hier"}, {5, ""}})
        EXPECT_EQ(w.Slot(5, tag)[0].m_strNotiz, notiz) << tag;
    ASSERT_EQ(w.Slot(5, 5).size(), 2u);
    EXPECT_EQ(Felder(w.Slot(5, 5)[1]), Felder({kJetzt, 8, 9, Um(2024, 5, 5, 9), "nur dort"}));

    ASSERT_EQ(arbeit.size(), 2u);
    const CRessource& neu = *arbeit[1];
    ASSERT_EQ(std::tuple(neu.m_strBenennung2 + neu.m_strGruppe + neu.m_strIdentNr, neu.m_timeGeaendert,
                         neu.m_bGeloescht, neu.Slot(3, 4).size()),
              std::tuple("NinaLager7", CTime(333), true, 2u));
    EXPECT_EQ(Felder(neu.Slot(3, 4)[0]), Felder({kJetzt, 2, 5, Um(2026, 3, 4, 9), "n1"}));
    EXPECT_EQ(Felder(neu.Slot(3, 4)[1]), Felder({kJetzt, 0, 0, Um(2024, 3, 4, 9), ""}));
}

// Three-way: (base, here, there) -> result, each "vm nm note time"; "-" = no entry. Every case
// records the day as changed here except the last two, which show the unchanged day taking the disk.
TEST(Zusammenfuehren, DreiWegeJeHalbtagUndNotiz) {
    const std::tuple<const char*, const char*, const char*, const char*> faelle[] = {
        {"1 0 . 100", "1 2 . 300", "3 0 . 200", "3 2 . 300"}, // other halves: both kept
        {"-", "1 0 . 300", "0 2 . 200", "1 2 . 300"},         // no base entry counts as cleared
        {"-", "1 0 . 200", "0 2 . 300", "1 2 . 300"},
        {"1 1 . 100", "2 1 . 300", "3 1 . 200", "2 1 . 300"}, // same half: the later change wins
        {"1 1 . 100", "2 1 . 300", "3 1 . 400", "3 1 . 400"},
        {"1 1 . 100", "1 1 . 300", "4 4 . 200", "4 4 . 300"}, // only there changed, however old
        {"1 1 a 100", "1 1 b 300", "2 1 a 200", "2 1 b 300"}, // the note is a part of its own
        {"1 1 a 100", "1 1 b 300", "1 1 c 400", "1 1 c 400"},
        {"1 1 a 100", "0 0 a 300", "1 1 b 200", "0 0 b 300"},
        {nullptr, "5 5 x 300", "6 6 y 200", "6 6 y 200"}, // not changed here: the disk's state
        {nullptr, "5 5 x 300", "5 5 x 300", "5 5 x 300"},
    };
    const auto lesen = [](const char* text, CTagEintrag& e) {
        std::istringstream in(text);
        std::string notiz;
        long long zeit = 0;
        in >> e.m_nArtVormittag >> e.m_nArtNachmittag >> notiz >> zeit;
        e.m_strNotiz = notiz == "." ? "" : notiz;
        e.m_timeGeaendert = CTime(zeit);
    };
    const CTime tag = Um(2025, 5, 6, 9);
    for (const auto& [basis, hier, dort, erwartet] : faelle) {
        RessourcenListe arbeit, geladen;
        CRessource& w = R(arbeit, "H");
        AenderungsBasis aenderungen;
        if (basis && std::string_view(basis) != "-") {
            Anhaengen(w, tag, 0, 0);
            lesen(basis, w.Slot(5, 6)[0]);
        }
        if (basis) aenderungen.Vormerken(w, tag);
        if (w.Slot(5, 6).empty()) Anhaengen(w, tag, 0, 0);
        lesen(hier, w.Slot(5, 6)[0]);
        Anhaengen(R(geladen, "H"), Um(2025, 5, 6, 15), 0, 0);
        lesen(dort, geladen[0]->Slot(5, 6)[0]);
        Zusammenfuehren(arbeit, geladen, kJetzt, &aenderungen);
        CTagEintrag e;
        lesen(erwartet, e);
        e.m_timeDatum = w.Slot(5, 6)[0].m_timeDatum;
        EXPECT_EQ(Felder(w.Slot(5, 6)[0]), Felder(e)) << hier << " / " << dort;
        // The file just read is the base of the next merge.
        CTagEintrag d{CTime(0), 0, 0, Um(2025, 5, 6, 15)};
        lesen(dort, d);
        if (basis) EXPECT_EQ(Felder(aenderungen.Fuer(IdentitaetsSchluessel(w))->at(LokaleTagNummer(tag)).value()),
                             Felder(d)) << hier;
    }
}

} // namespace
