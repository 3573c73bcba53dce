// Export: runs of days as calendar events, the period check, the selection and the CSV statistics.
#include <gtest/gtest.h>

#include <set>

#include "TestHilfen.h"
#include "export/ExportAuswahl.h"
#include "export/KalenderTermin.h"
#include "export/StatistikCsv.h"
#include "view/Statistik.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

struct Mark {
    Datum tag;
    int vm, nm;
    const char* notiz = "";
};

// "G 2025-03-03 2025-03-06 Art 1 [note]": kind (G whole days, V morning, N afternoon), first and
// end day, category and description.
std::string Kurz(const KalenderTermin& t) {
    char s[64];
    std::snprintf(s, sizeof s, "%c %04d-%02d-%02d %04d-%02d-%02d ", "GVN"[t.m_nArt], t.m_datumVon.jahr,
                  t.m_datumVon.monat, t.m_datumVon.tag, t.m_datumBis.jahr, t.m_datumBis.monat, t.m_datumBis.tag);
    return s + t.m_strKategorie + (t.m_strBeschreibung.empty() ? "" : " [" + t.m_strBeschreibung + "]");
}

struct LaufFall {
    const char* name;
    std::vector<Mark> marken;
    Datum von, bis;
    std::vector<std::string> erwartet;
};

class Laeufe : public ::testing::TestWithParam<LaufFall> {};

TEST_P(Laeufe, WerdenZuTerminen) {
    const LaufFall& f = GetParam();
    RessourcenListe liste;
    CRessource& r = Neu(liste, "Meier", "Anna");
    for (const Mark& m : f.marken) Anhaengen(r, Um(m.tag.jahr, m.tag.monat, m.tag.tag, 12), m.vm, m.nm, m.notiz);
    EintragsartTabelle arten = EintragsartTabelle::Standard();
    arten.m_strBedeutung[1] = "Urlaub";
    arten.m_strBedeutung[2] = " "; // as an empty meaning reads back from the file
    std::vector<std::string> kurz;
    for (const auto& t : TermineBilden({&r}, arten, f.von, f.bis)) kurz.push_back(Kurz(t));
    EXPECT_EQ(kurz, f.erwartet);
}

constexpr Datum kMaerz1{2025, 3, 1}, kMaerz31{2025, 3, 31};
INSTANTIATE_TEST_SUITE_P(
    Export, Laeufe,
    ::testing::Values(
        LaufFall{"DreiGanzeTage", {{{2025, 3, 3}, 1, 1}, {{2025, 3, 4}, 1, 1}, {{2025, 3, 5}, 1, 1}}, kMaerz1, kMaerz31,
                 {"G 2025-03-03 2025-03-06 Urlaub"}},
        LaufFall{"LueckeUndArtwechselTrennen",
                 {{{2025, 3, 3}, 1, 1}, {{2025, 3, 5}, 1, 1}, {{2025, 3, 6}, 2, 2}, {{2025, 3, 7}, 0, 0}}, kMaerz1, kMaerz31,
                 {"G 2025-03-03 2025-03-04 Urlaub", "G 2025-03-05 2025-03-06 Urlaub", "G 2025-03-06 2025-03-07 Art 2"}},
        LaufFall{"HalbtageAnBeidenEnden",
                 {{{2025, 3, 3}, 0, 1}, {{2025, 3, 4}, 1, 1}, {{2025, 3, 5}, 1, 0, "zur\xFC" "ck"}}, kMaerz1, kMaerz31,
                 {"N 2025-03-03 2025-03-03 Urlaub", "G 2025-03-04 2025-03-05 Urlaub",
                  "V 2025-03-05 2025-03-05 Urlaub [zurück]"}},
        LaufFall{"ZweiArtenAnEinemTag", {{{2025, 3, 3}, 2, 1}}, {2025, 3, 3}, {2025, 3, 3},
                 {"V 2025-03-03 2025-03-03 Art 2", "N 2025-03-03 2025-03-03 Urlaub"}},
        LaufFall{"UeberDenJahreswechsel", {{{2024, 12, 30}, 1, 1}, {{2024, 12, 31}, 1, 1}, {{2025, 1, 1}, 1, 1}},
                 {2024, 12, 1}, {2025, 1, 31}, {"G 2024-12-30 2025-01-02 Urlaub"}},
        LaufFall{"UeberDieZeitumstellungen",
                 {{{2025, 3, 29}, 1, 1}, {{2025, 3, 30}, 1, 1}, {{2025, 3, 31}, 1, 1}, {{2025, 10, 26}, 0, 1}},
                 kMaerz1, {2025, 10, 31}, {"G 2025-03-29 2025-04-01 Urlaub", "N 2025-10-26 2025-10-26 Urlaub"}},
        LaufFall{"ZeitraumSchneidetDenLauf", {{{2025, 3, 3}, 1, 1}, {{2025, 3, 4}, 1, 1}, {{2025, 3, 5}, 1, 1}},
                 {2025, 3, 4}, {2025, 3, 4}, {"G 2025-03-04 2025-03-05 Urlaub"}},
        LaufFall{"NotizenEinmalOderMitTag",
                 {{{2025, 3, 3}, 1, 1, "Kur; Bad\r\nT\xF6lz"}, {{2025, 3, 4}, 1, 1, "Kur; Bad\r\nT\xF6lz"},
                  {{2025, 3, 10}, 1, 1, "a"}, {{2025, 3, 11}, 1, 1}, {{2025, 3, 12}, 1, 1, "b"}}, kMaerz1, kMaerz31,
                 {"G 2025-03-03 2025-03-05 Urlaub [Kur; Bad\nTölz]",
                  "G 2025-03-10 2025-03-13 Urlaub [10.03.2025: a\n12.03.2025: b]"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Export, TitelUidUndAuswahlDerArten) {
    RessourcenListe liste;
    CRessource& a = Neu(liste, "M\xFC" "ller", "J\xF6rg", "", "1");
    CRessource& b = Neu(liste, "M\xFC" "ller", "J\xF6rg", "", "2"); // same names, another number
    Neu(liste, "Weg", "", "", "", true);
    for (CRessource* r : {&a, &b, liste[2].get()}) {
        Anhaengen(*r, Um(2025, 3, 3, 12), 1, 1, {}, CTime(1'740'000'000));
        Anhaengen(*r, Um(2025, 3, 4, 12), 1, 1, {}, CTime(1'740'100'000));
        Anhaengen(*r, Um(2025, 3, 5, 12), 1, 2, {}, CTime(1'740'000'000));
    }
    auto arten = EintragsartTabelle::Standard();
    arten.m_strBedeutung[1] = "Urlaub, lang";
    const auto termine = TermineBilden({&a, &b, liste[2].get()}, arten, kMaerz1, kMaerz31);
    ASSERT_EQ(termine.size(), 6u); // the deleted resource gives none
    EXPECT_EQ(termine[0].m_strTitel, "Müller, Jörg: Urlaub, lang");
    EXPECT_EQ(termine[0].m_timeStempel, CTime(1'740'100'000)); // newest day of the run
    std::set<std::string> uids;
    for (const auto& t : termine) uids.insert(t.m_strUid);
    EXPECT_EQ(uids.size(), termine.size());
    // Stable: the same plan gives the same UIDs.
    EXPECT_EQ(TermineBilden({&a}, arten, kMaerz1, kMaerz31)[0].m_strUid, termine[0].m_strUid);

    ArtFilter nurZwei{};
    nurZwei[2] = true;
    const auto zwei = TermineBilden({&a}, arten, kMaerz1, kMaerz31, nurZwei);
    ASSERT_EQ(zwei.size(), 1u);
    EXPECT_EQ(Kurz(zwei[0]), "N 2025-03-05 2025-03-05 Art 2");
}

TEST(Export, ZeitraumWieBeimDrucken) {
    const struct {
        Datum von, bis;
        bool ausgewaehlt;
        ExportFehler fehler;
    } faelle[] = {
        {{2025, 1, 1}, {2026, 2, 5}, true, ExportFehler::Keiner}, // 400 days
        {{2025, 1, 1}, {2026, 2, 6}, true, ExportFehler::ZeitraumZuLang},
        {{2025, 1, 2}, {2025, 1, 1}, true, ExportFehler::Verkehrt},
        {{2025, 1, 1}, {2025, 1, 1}, false, ExportFehler::NichtsAusgewaehlt},
    };
    for (const auto& f : faelle) EXPECT_EQ(ExportPruefen(f.von, f.bis, f.ausgewaehlt), f.fehler) << f.bis.tag;
    EXPECT_EQ(ExportFehlerText(ExportFehler::ZeitraumZuLang),
              "Maximal kann nur 1 Jahr exportiert werden! Überprüfen Sie bitte die Datumseingabe!");
}

TEST(Export, AuswahlInListenOrdnung) {
    RessourcenListe liste;
    for (const auto& [name, gruppe, weg] : {std::tuple{"Zander", "Lager", false}, {"Abel", "B\xFCro", false},
                                            {"Weg", "Lager", true}, {"Berg", "Lager", false}})
        Neu(liste, name, "", gruppe, "", weg);
    DruckAuswahl auswahl;
    auswahl.Fuellen(liste, "Lager");
    std::string namen;
    for (const CRessource* r : AusgewaehlteRessourcen(liste, auswahl)) namen += r->m_strBenennung1 + " ";
    EXPECT_EQ(namen, "Berg Zander ");
}

TEST(Export, CsvFelderUndZahlen) {
    const std::pair<const char*, const char*> felder[] = {
        {"Meier", "Meier"}, {"a;b", "\"a;b\""}, {"sagt \"ja\"", "\"sagt \"\"ja\"\"\""}, {"a\nb", "\"a\nb\""},
        {"a,b", "a,b"},     {"", ""},
    };
    for (const auto& [roh, feld] : felder) EXPECT_EQ(CsvFeld(roh), feld);
    const std::pair<float, const char*> zahlen[] = {{0.0f, "0"}, {0.5f, "0,5"}, {1.0f, "1"}, {12.5f, "12,5"},
                                                    {366.0f, "366"}};
    for (const auto& [zahl, text] : zahlen) EXPECT_EQ(TageCsv(zahl), text);
}

TEST(Export, StatistikZaehltWieDerDialog) {
    RessourcenListe liste;
    CRessource& a = Neu(liste, "Meier", "Anna;Maria", "Lager", "17");
    Anhaengen(a, Um(2025, 3, 3, 12), 1, 1);
    Anhaengen(a, Um(2025, 3, 4, 12), 1, 3);
    Anhaengen(a, Um(2024, 3, 4, 12), 1, 1); // another year
    Anhaengen(a, Um(2025, 3, 5, 12), 0, 0); // cleared
    Neu(liste, "Weg", "", "", "", true);
    auto arten = EintragsartTabelle::Standard();
    arten.m_strBedeutung[1] = "Urlaub";
    arten.m_strBedeutung[3] = "Schule; extern";

    const std::string csv = StatistikCsv({liste[0].get(), liste[1].get()}, arten, 2025);
    std::string kopf = "\xEF\xBB\xBF" "Benennung 1;Benennung 2;Gruppe;Identifikations-Nr.;Urlaub;Art 2;\"Schule; extern\"";
    for (int art = 4; art <= 16; ++art) kopf += ";Art " + std::to_string(art);
    std::string zeile = "Meier;\"Anna;Maria\";Lager;17";
    for (const float n : TageZaehlen(a, 2025)) zeile += ';' + TageCsv(n);
    EXPECT_EQ(csv, kopf + "\r\n" + zeile + "\r\n");
    EXPECT_NE(zeile.find("17;1,5;0;0,5;0;"), std::string::npos) << zeile;
}

} // namespace
