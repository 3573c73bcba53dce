// The display list as the view builds it: order, labels, group filter, sort and group commands.
#include <gtest/gtest.h>

#include <QAction>

#include "AnsichtHilfen.h"
#include "frame/Befehle.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

// Stored order is alphabetical by name 1; one deleted record, two groups differing in case.
void PlanStarten(AnsichtUmgebung& a, bool bAlpha = true) {
    a.Speichern(Liste(Ressource("Adler", "Eva", "Lager"), Ressource("Berg", "Jan", ""),
                      Ressource("Hahn", "Ida", ""), Ressource("Kern", "Tom", "Einkauf", "10"),
                      Ressource("Kern", "Tom", "Einkauf", "9"), Ressource("Otto", "Uwe", "lager"),
                      Ressource("Zorn", "Max", "Lager", "", true)));
    a.u.app.m_bAlpha = bAlpha;
    a.Starten();
}

const Texte kAlpha = {"Adler, Eva", "Berg, Jan", "Hahn, Ida", "Kern, Tom", "Kern, Tom", "Otto, Uwe"};
const Texte kGruppen = {"Berg, Jan", "Einkauf: Kern, Tom", "Einkauf: Kern, Tom",
                        "Hahn, Ida", "Lager: Adler, Eva",  "lager: Otto, Uwe"};

} // namespace

// Started by groups; the command switches to alphabetical and back, its check mark follows.
TEST(AnsichtAnzeige, SortierenSchaltetUndHaekchenFolgt) {
    AnsichtUmgebung a;
    PlanStarten(a, false);
    EXPECT_EQ(a.Labels(), kGruppen);
    QAction* sortieren = a.Aktion(befehl::SortierenNachGruppen);
    for (bool bAlpha : {true, false}) {
        sortieren->trigger();
        EXPECT_EQ(a.u.app.m_bAlpha, bAlpha);
        EXPECT_EQ(sortieren->isChecked(), !bAlpha);
        EXPECT_EQ(a.Labels(), bAlpha ? kAlpha : kGruppen);
    }
}

TEST(AnsichtAnzeige, GleicherSchluesselMeldetFehler) {
    AnsichtUmgebung a;
    a.Speichern(Liste(Ressource("Ulm", "Bo", "Team"), Ressource("Ulm", "Bo", "Team")));
    a.u.app.m_bAlpha = false;
    a.Starten();
    EXPECT_EQ(Gezeigt(a.u.meldungen), Texte{"Fehler: Ausgabe nach Gruppen"});
    a.ansicht->OnSortieren(); // alphabetical shows both
    EXPECT_EQ(a.Labels(), (Texte{"Ulm, Bo", "Ulm, Bo"}));
}

// The filter is exact; cancelling keeps it, "--- Alle Ressourcen ---" ("") lifts it.
TEST(AnsichtAnzeige, GruppenbefehlFiltertOderLaesstAlles) {
    AnsichtUmgebung a;
    PlanStarten(a);
    Texte vorgaben;
    std::optional<std::string> antwort = "Lager";
    a.ansicht->m_gruppeWaehlen = [&](const RessourcenListe&, const std::string& vorgabe) {
        return vorgaben.push_back(vorgabe), antwort;
    };
    a.Aktion(befehl::GruppeAnzeigen)->trigger();
    EXPECT_EQ(a.Gitter().Titel(), "Lager");
    EXPECT_EQ(a.Labels(), Texte{"Adler, Eva"});
    EXPECT_EQ(a.ansicht->VertikalBalken()->maximum(), 1);
    antwort = std::nullopt;
    a.Aktion(befehl::GruppeAnzeigen)->trigger();
    EXPECT_EQ(a.u.app.m_strAbteilung, "Lager");
    antwort = "";
    a.Aktion(befehl::GruppeAnzeigen)->trigger();
    EXPECT_EQ(a.Gitter().Titel(), "");
    EXPECT_EQ(a.Labels(), kAlpha);
    EXPECT_EQ(vorgaben, (Texte{"", "Lager", "Lager"}));
}
