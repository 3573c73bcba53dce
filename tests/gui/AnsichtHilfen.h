#pragma once
// A frame with the plan view on a database in a temporary folder, with a fixed today.
#include <QScrollBar>
#include <memory>
#include <string>

#include "GuiHilfen.h"
#include "data/UrlaubDoc.h"
#include "view/KalenderWnd.h"
#include "view/VIduvavIzoz.h"

namespace kalvora::test {

inline std::unique_ptr<CRessource> Ressource(std::string b1, std::string b2, std::string gruppe = {},
                                             std::string nr = {}, bool geloescht = false) {
    auto r = NeueRessource(std::move(b1), std::move(b2), std::move(gruppe), std::move(nr), geloescht);
    r->m_timeGeaendert = CTime(1700000000);
    return r;
}
template <typename... R> RessourcenListe Liste(R... r) {
    RessourcenListe liste;
    (liste.push_back(std::move(r)), ...);
    return liste;
}

struct AnsichtUmgebung {
    RahmenUmgebung u;
    CUrlaubDoc doc{u.meldungen};
    std::unique_ptr<CMainFrame> rahmen;
    VIduvavIzoz* ansicht = nullptr;

    // A second instance passes the first one's folder, so both share one database.
    explicit AnsichtUmgebung(const AnsichtUmgebung* andere = nullptr) {
        if (andere) {
            u.app.m_strDatei = andere->u.app.m_strDatei;
            u.app.m_strStempel = andere->u.app.m_strStempel;
        } else {
            DatenbankAnlegen(u.app.m_strDatei);
        }
        rahmen = u.Rahmen();
        ansicht = new VIduvavIzoz(doc, u.app, *rahmen, u.meldungen);
        rahmen->SetzeAnsicht(ansicht);
        rahmen->resize(1000, 600);
    }
    ~AnsichtUmgebung() { rahmen.reset(); }

    // Saves `liste` as the database before the first showing.
    void Speichern(RessourcenListe liste) {
        CUrlaubDoc schreiber(u.meldungen);
        schreiber.m_pRessourcen = std::move(liste);
        ASSERT_TRUE(schreiber.OnSaveDocument(u.app.m_strDatei));
    }
    void Starten() { ansicht->ErsteAnzeige(); }
    CKalenderWnd& Gitter() { return *ansicht->Kalender(); }
    std::vector<std::string> Labels() {
        std::vector<std::string> labels;
        for (const auto& r : Gitter().m_pZeilen)
            labels.push_back(r->m_strBenennung1);
        return labels;
    }
    QAction* Aktion(int id) { return rahmen->Aktion(id); }
};

} // namespace kalvora::test
