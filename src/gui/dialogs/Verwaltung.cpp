#include "dialogs/Verwaltung.h"

#include "dialogs/JahresFeld.h"
#include "dialogs/RessourcenDlg.h"
#include "view/Verwaltung.h"

int RessourcenVerwalten(QWidget* eltern, kalvora::RessourcenListe& arbeitsliste,
                        kalvora::AppEinstellungen& app, const kalvora::EintragsartTabelle& tabelle,
                        kalvora::Meldungen& meldungen, bool& bVerwaltungOffen,
                        const VerwaltungsAnschluss& anschluss) {
    kalvora::RessourcenListe kopie = kalvora::KopiereListe(arbeitsliste);
    int ergebnis = 0;
    {
        CRessourcenDlg dlg(kopie, tabelle, meldungen, eltern);
        dlg.m_dialogFarben = kalvora::DialogFarbenFuerSchema(app.m_nFarbschema);
        if (anschluss.m_drucken)
            QObject::connect(&dlg, &CRessourcenDlg::DruckenAngefordert, &dlg,
                             [&anschluss](CJahresFeld* feld) {
                                 if (feld) anschluss.m_drucken(*feld);
                             });
        bVerwaltungOffen = true;
        ergebnis = dlg.exec();
        bVerwaltungOffen = false;
    }
    if (kalvora::VerwaltungAbschliessen(arbeitsliste, std::move(kopie), app.m_strAbteilung) &&
        anschluss.m_gruppeZurueckgesetzt)
        anschluss.m_gruppeZurueckgesetzt();
    if (anschluss.m_abgleichenUndAufbauen) anschluss.m_abgleichenUndAufbauen();
    return ergebnis;
}
