// The display list as the view builds it: order, labels, group filter, sort and group commands.
#include <gtest/gtest.h>

#include <QAction>

#include "AnsichtHilfen.h"
#include "frame/Befehle.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

RessourcenListe Plan() {
    RessourcenListe liste; // stored order: alphabetical by name 1
    liste.push_back(Ressource("Adler", "Eva", "Lager"));
    liste.push_back(Ressource("Berg", "Jan", ""));
    liste.push_back(Ressource("Hahn", "Ida", ""));
    liste.push_back(Ressource("Kern", "Tom", "Einkauf", "10"));
    liste.push_back(Ressource("Kern", "Tom", "Einkauf", "9"));
    liste.push_back(Ressource("Otto", "Uwe", "lager"));
    liste.push_back(Ressource("Zorn", "Max", "Lager", "", true));
    return liste;
}

struct Fall {
    const char* was;
    bool bAlpha;
    std::string filter;
    std::vector<std::string> labels;
};

} // namespace

TEST(AnsichtAnzeige, ReihenfolgeUndBeschriftung) {
    const Fall faelle[] = {
        {"alphabetisch",
         true,
         "",
         {"Adler, Eva", "Berg, Jan", "Hahn, Ida", "Kern, Tom", "Kern, Tom", "Otto, Uwe"}},
        {"nach Gruppen",
         false,
         "",
         {"Berg, Jan", "Einkauf: Kern, Tom", "Einkauf: Kern, Tom", "Hahn, Ida", "Lager: Adler, Eva",
          "lager: Otto, Uwe"}},
        {"Filter genau", true, "Lager", {"Adler, Eva"}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        AnsichtUmgebung a;
        a.Speichern(Plan());
        a.u.app.m_bAlpha = f.bAlpha;
        a.u.app.m_strAbteilung = f.filter;
        a.Starten();
        EXPECT_EQ(a.Labels(), f.labels);
        EXPECT_EQ(a.ansicht->VertikalBalken()->maximum(), static_cast<int>(f.labels.size()));
        // Every record points at its row, or 0; the deleted one never shows.
        for (const auto& r : a.doc.m_pRessourcen) {
            if (r->m_nZeile == 0) continue;
            EXPECT_FALSE(r->m_bGeloescht);
            const CRessource* zeile = a.Gitter().Zeile(r->m_nZeile);
            ASSERT_NE(zeile, nullptr);
            EXPECT_NE(zeile->m_strBenennung1.find(r->m_strBenennung1), std::string::npos);
        }
        EXPECT_EQ(a.doc.m_pRessourcen.back()->m_nZeile, 0);
    }
}

TEST(AnsichtAnzeige, GleicherSchluesselMeldetFehler) {
    AnsichtUmgebung a;
    RessourcenListe plan;
    plan.push_back(Ressource("Ulm", "Bo", "Team"));
    plan.push_back(Ressource("Ulm", "Bo", "Team"));
    plan.push_back(Ressource("Vogt", "Al", "Team"));
    a.Speichern(std::move(plan));
    a.u.app.m_bAlpha = false;
    a.Starten();
    ASSERT_EQ(a.u.meldungen.m_gezeigt.size(), 1u);
    EXPECT_EQ(a.u.meldungen.m_gezeigt[0].text, "Fehler: Ausgabe nach Gruppen");
    EXPECT_TRUE(a.u.meldungen.m_gezeigt[0].titel.empty()); // the application title
    EXPECT_TRUE(a.Labels().empty());                       // stopped at the first gap
    a.ansicht->OnSortieren();                              // alphabetical shows both
    EXPECT_EQ(a.Labels(), (std::vector<std::string>{"Ulm, Bo", "Ulm, Bo", "Vogt, Al"}));
}

TEST(AnsichtAnzeige, SortierenSchaltetUndHaekchenFolgt) {
    AnsichtUmgebung a;
    a.Speichern(Plan());
    a.Starten();
    QAction* sortieren = a.Aktion(befehl::SortierenNachGruppen);
    ASSERT_TRUE(sortieren->isEnabled());
    ASSERT_TRUE(sortieren->isCheckable());
    const std::vector<std::string> vorher = a.Labels();
    EXPECT_FALSE(sortieren->isChecked());
    sortieren->trigger();
    EXPECT_FALSE(a.u.app.m_bAlpha);
    EXPECT_TRUE(sortieren->isChecked());
    EXPECT_EQ(a.Labels()[1], "Einkauf: Kern, Tom");
    sortieren->trigger();
    EXPECT_TRUE(a.u.app.m_bAlpha);
    EXPECT_FALSE(sortieren->isChecked());
    EXPECT_EQ(a.Labels(), vorher);
}

TEST(AnsichtAnzeige, GruppenbefehlFiltertOderLaesstAlles) {
    AnsichtUmgebung a;
    a.Speichern(Plan());
    a.Starten();
    std::vector<std::string> vorgaben;
    std::optional<std::string> antwort = "Lager";
    a.ansicht->m_gruppeWaehlen = [&](const RessourcenListe& liste, const std::string& vorgabe) {
        EXPECT_EQ(&liste, &a.doc.m_pRessourcen);
        vorgaben.push_back(vorgabe);
        return antwort;
    };
    a.ansicht->Kalender()->SetErsteZeile(3);
    a.Aktion(befehl::GruppeAnzeigen)->trigger();
    EXPECT_EQ(a.u.app.m_strAbteilung, "Lager");
    EXPECT_EQ(a.Gitter().Titel(), "Lager");
    EXPECT_EQ(a.Labels(), std::vector<std::string>{"Adler, Eva"});
    EXPECT_EQ(a.ansicht->VertikalBalken()->maximum(), 1);

    antwort = std::nullopt; // cancelled
    a.Aktion(befehl::GruppeAnzeigen)->trigger();
    EXPECT_EQ(a.u.app.m_strAbteilung, "Lager");
    EXPECT_EQ(a.Labels().size(), 1u);

    antwort = ""; // "--- Alle Ressourcen ---"
    a.Aktion(befehl::GruppeAnzeigen)->trigger();
    EXPECT_EQ(a.u.app.m_strAbteilung, "");
    EXPECT_EQ(a.Gitter().Titel(), "");
    EXPECT_EQ(a.Labels().size(), 6u);
    EXPECT_EQ(vorgaben, (std::vector<std::string>{"", "Lager", "Lager"}));
}
