// The display list as the view builds it: order, labels, group filter, sort and group commands.
#include <gtest/gtest.h>

#include <QAction>

#include "AnsichtHilfen.h"
#include "frame/Befehle.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

// Stored order is alphabetical by name 1; one deleted record, two groups differing in case.
void PlanStarten(AnsichtUmgebung& a, bool bAlpha = true, const std::string& filter = {}) {
    RessourcenListe liste;
    liste.push_back(Ressource("Adler", "Eva", "Lager"));
    liste.push_back(Ressource("Berg", "Jan", ""));
    liste.push_back(Ressource("Hahn", "Ida", ""));
    liste.push_back(Ressource("Kern", "Tom", "Einkauf", "10"));
    liste.push_back(Ressource("Kern", "Tom", "Einkauf", "9"));
    liste.push_back(Ressource("Otto", "Uwe", "lager"));
    liste.push_back(Ressource("Zorn", "Max", "Lager", "", true));
    a.Speichern(std::move(liste));
    a.u.app.m_bAlpha = bAlpha;
    a.u.app.m_strAbteilung = filter;
    a.Starten();
}

using Labels = std::vector<std::string>;
const Labels kAlpha = {"Adler, Eva", "Berg, Jan", "Hahn, Ida", "Kern, Tom", "Kern, Tom", "Otto, Uwe"};

} // namespace

TEST(AnsichtAnzeige, ReihenfolgeUndBeschriftung) {
    const std::tuple<bool, std::string, Labels> faelle[] = {
        {true, "", kAlpha},
        {false, "", {"Berg, Jan", "Einkauf: Kern, Tom", "Einkauf: Kern, Tom", "Hahn, Ida", "Lager: Adler, Eva",
                     "lager: Otto, Uwe"}},
        {true, "Lager", {"Adler, Eva"}}, // the filter is exact
    };
    for (const auto& [bAlpha, filter, labels] : faelle) {
        AnsichtUmgebung a;
        PlanStarten(a, bAlpha, filter);
        EXPECT_EQ(a.Labels(), labels);
        EXPECT_EQ(a.ansicht->VertikalBalken()->maximum(), static_cast<int>(labels.size()));
    }
}

TEST(AnsichtAnzeige, GleicherSchluesselMeldetFehler) {
    AnsichtUmgebung a;
    RessourcenListe plan;
    plan.push_back(Ressource("Ulm", "Bo", "Team"));
    plan.push_back(Ressource("Ulm", "Bo", "Team"));
    a.Speichern(std::move(plan));
    a.u.app.m_bAlpha = false;
    a.Starten();
    ASSERT_EQ(a.u.meldungen.m_gezeigt.size(), 1u);
    EXPECT_EQ(a.u.meldungen.m_gezeigt[0].text, "Fehler: Ausgabe nach Gruppen");
    a.ansicht->OnSortieren(); // alphabetical shows both
    EXPECT_EQ(a.Labels(), (Labels{"Ulm, Bo", "Ulm, Bo"}));
}

TEST(AnsichtAnzeige, SortierenSchaltetUndHaekchenFolgt) {
    AnsichtUmgebung a;
    PlanStarten(a);
    QAction* sortieren = a.Aktion(befehl::SortierenNachGruppen);
    EXPECT_FALSE(sortieren->isChecked());
    sortieren->trigger();
    EXPECT_FALSE(a.u.app.m_bAlpha);
    EXPECT_TRUE(sortieren->isChecked());
    EXPECT_EQ(a.Labels()[1], "Einkauf: Kern, Tom");
    sortieren->trigger();
    EXPECT_FALSE(sortieren->isChecked());
    EXPECT_EQ(a.Labels(), kAlpha);
}

TEST(AnsichtAnzeige, GruppenbefehlFiltertOderLaesstAlles) {
    AnsichtUmgebung a;
    PlanStarten(a);
    std::vector<std::string> vorgaben;
    std::optional<std::string> antwort = "Lager";
    a.ansicht->m_gruppeWaehlen = [&](const RessourcenListe&, const std::string& vorgabe) {
        vorgaben.push_back(vorgabe);
        return antwort;
    };
    a.Aktion(befehl::GruppeAnzeigen)->trigger();
    EXPECT_EQ(a.Gitter().Titel(), "Lager");
    EXPECT_EQ(a.Labels(), Labels{"Adler, Eva"});
    antwort = std::nullopt; // cancelled: the filter stays
    a.Aktion(befehl::GruppeAnzeigen)->trigger();
    EXPECT_EQ(a.u.app.m_strAbteilung, "Lager");
    antwort = ""; // "--- Alle Ressourcen ---"
    a.Aktion(befehl::GruppeAnzeigen)->trigger();
    EXPECT_EQ(a.Gitter().Titel(), "");
    EXPECT_EQ(a.Labels(), kAlpha);
    EXPECT_EQ(vorgaben, (std::vector<std::string>{"", "Lager", "Lager"}));
}
