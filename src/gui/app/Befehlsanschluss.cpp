#include "app/Befehlsanschluss.h"

#include "app/UrlaubApp.h"
#include "dialogs/EinstellungenBefehle.h"
#include "dialogs/ExportDlg.h"
#include "dialogs/FarbButton.h"
#include "dialogs/Verwaltung.h"
#include "frame/Befehle.h"
#include "frame/MainFrame.h"
#include "print/DruckBefehle.h"
#include "view/KalenderWnd.h"
#include "view/VIduvavIzoz.h"

namespace {

constexpr int kRessourceVerwalten = 32771;
constexpr int kEinstellungen = 32785;
constexpr int kDatenbankOptimieren = 32786;

} // namespace

void BefehleAnschliessen(CUrlaubApp& app, VIduvavIzoz& ansicht) {
    ansicht.BefehlSetzen(kRessourceVerwalten, [&app, &ansicht] {
        VerwaltungsAnschluss anschluss;
        anschluss.m_gruppeZurueckgesetzt = [&ansicht] { ansicht.Kalender()->SetTitel({}); };
        anschluss.m_abgleichenUndAufbauen = [&ansicht] {
            // The edited copy is the working list now; the display must follow it even when the
            // sync has to wait for the lock.
            const auto stand = ansicht.Abgleichen(false);
            if (stand != kalvora::AbgleichStand::Fertig && stand != kalvora::AbgleichStand::NichtGespeichert)
                ansicht.AnzeigeAufbauen();
        };
        anschluss.m_drucken = [&ansicht](CJahresFeld& feld) { VerwaltungDrucken(ansicht, feld); };
        RessourcenVerwalten(&ansicht, app.Dokument().m_pRessourcen, app, app.Rahmen()->m_tabelle, app.Meldungen(),
                            ansicht.m_bVerwaltungOffen, anschluss);
    });

    DruckenAnschliessen(ansicht);
    ansicht.BefehlSetzen(kalvora::befehl::Exportieren, [&app, &ansicht] {
        CExportDlg dlg(app.Dokument().m_pRessourcen, app.m_strAbteilung, app.Rahmen()->m_tabelle, app.Meldungen(),
                       ansicht.window());
        dlg.exec();
    });

    auto* einstellungen = new CEinstellungenBefehle(app, &ansicht);
    einstellungen->m_strDatenbank = ansicht.Datenbank();
    einstellungen->m_ansicht = {
        [&ansicht](int nSchema) { ansicht.SetFarbschema(nSchema); },
        [&ansicht](kalvora::COLORREF farbe) { ansicht.HeuteKnopf()->SetFarbe(farbe, farbe, farbe); },
        [&ansicht] { ansicht.AnzeigeAufbauen(); },
        [&ansicht] { return ansicht.AktiveArt(); },
        [&ansicht](int nArt) { ansicht.Kalender()->SetAktiveArt(nArt); },
    };
    ansicht.BefehlSetzen(kEinstellungen, [einstellungen] { einstellungen->OnEinstellungen(); });
    // The view enables compaction once a load has brought the file into the working list.
    ansicht.BefehlSetzen(kDatenbankOptimieren, [einstellungen] { einstellungen->OnDatenbankOptimieren(); });
    ansicht.BefehleAktualisieren();
}
