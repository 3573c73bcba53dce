#include "dialogs/EinstellungenBefehle.h"

#include <QAction>

#include "app/Einstellungen.h"
#include "app/UrlaubApp.h"
#include "data/UrlaubDoc.h"
#include "dialogs/EinstellungenDlg.h"
#include "frame/Befehle.h"
#include "frame/MainFrame.h"

CEinstellungenBefehle::CEinstellungenBefehle(kalvora::AppEinstellungen& app, CMainFrame& rahmen,
                                             CUrlaubDoc& doc, kalvora::EinstellungsSpeicher& speicher,
                                             kalvora::Meldungen& meldungen, QObject* parent)
    : QObject(parent), m_strDatenbank(app.m_strDatei), m_app(app), m_rahmen(rahmen), m_doc(doc),
      m_speicher(speicher), m_meldungen(meldungen) {
    m_ausfuehren = [](CEinstellungenDlg& dlg) { return dlg.exec(); };
}

CEinstellungenBefehle::CEinstellungenBefehle(CUrlaubApp& app, QObject* parent)
    : CEinstellungenBefehle(app, *app.Rahmen(), app.Dokument(), app.Speicher(), app.Meldungen(), parent) {}

void CEinstellungenBefehle::Anschliessen() {
    if (QAction* a = m_rahmen.Aktion(kalvora::befehl::Einstellungen)) {
        connect(a, &QAction::triggered, this, [this] { OnEinstellungen(); });
        a->setEnabled(true);
    }
    if (QAction* a = m_rahmen.Aktion(kalvora::befehl::DatenbankOptimieren))
        connect(a, &QAction::triggered, this, &CEinstellungenBefehle::OnDatenbankOptimieren);
}

int CEinstellungenBefehle::AktiveArt() const {
    if (m_ansicht.m_aktiveArt) return m_ansicht.m_aktiveArt();
    // Without a view the frame's marked type stands for it.
    for (int art = 0; art <= kalvora::kAnzahlArten; ++art) {
        const QAction* a = m_rahmen.Aktion(kalvora::kArtBefehl[static_cast<std::size_t>(art)]);
        if (a && a->isChecked()) return art;
    }
    return 1;
}

bool CEinstellungenBefehle::OnEinstellungen() {
    CEinstellungenDlg dlg(m_rahmen.m_tabelle, &m_rahmen);
    dlg.m_nSchemaIndex = m_app.m_nFarbschema - 1;
    const kalvora::EintragsartTabelle vorher = m_rahmen.m_tabelle;
    dlg.m_nHaken = vorher.m_nRegion;
    dlg.m_strDatei = m_app.m_strDatei;
    if (!m_ausfuehren || m_ausfuehren(dlg) != QDialog::Accepted) return false;

    kalvora::EinstellungenUebernehmen(dlg.Werte(), dlg.m_strDateiAlt, m_app, m_rahmen.m_tabelle, m_speicher,
                                      m_meldungen, [this] { m_rahmen.SetTypTexte(); });

    const int schema = m_app.m_nFarbschema;
    if (m_ansicht.m_farbschema) m_ansicht.m_farbschema(schema);
    if (const auto farbe = kalvora::HeuteKnopfFarbe(schema); farbe && m_ansicht.m_heuteKnopf)
        m_ansicht.m_heuteKnopf(*farbe);
    if (m_ansicht.m_anzeigeAufbauen) m_ansicht.m_anzeigeAufbauen();
    const int art = AktiveArt();
    m_rahmen.SetAktiveArt(art);
    if (m_ansicht.m_gitterAktiveArt) m_ansicht.m_gitterAktiveArt(art);
    kalvora::EintragsartDateiAbgleichen(vorher, m_rahmen.m_tabelle, m_strDatenbank);
    return true;
}

void CEinstellungenBefehle::OnDatenbankOptimieren() {
    m_doc.OnDatenbankOptimieren(m_strDatenbank);
}
