#include "print/DruckBefehle.h"

#include <QApplication>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "frame/Befehle.h"
#include "frame/MainFrame.h"
#include "print/DruckBild.h"
#include "print/DruckDlg.h"
#include "view/VIduvavIzoz.h"

using namespace kalvora;

namespace {

constexpr const char* kObjektName = "DruckBefehle";

// A guard that forgets the year overview when resource management's print has run.
class FeldMerken {
public:
    FeldMerken(const CJahresFeld*& ziel, const CJahresFeld* feld) : m_ziel(ziel) { m_ziel = feld; }
    ~FeldMerken() { m_ziel = nullptr; }
    FeldMerken(const FeldMerken&) = delete;
    FeldMerken& operator=(const FeldMerken&) = delete;

private:
    const CJahresFeld*& m_ziel;
};

} // namespace

CDruckBefehle::CDruckBefehle(VIduvavIzoz& ansicht) : QObject(&ansicht), m_ansicht(ansicht) {
    setObjectName(QString::fromLatin1(kObjektName));
}

CDruckBefehle::~CDruckBefehle() = default;

QPrinter& CDruckBefehle::Drucker() {
    if (!m_pDrucker) {
        m_pDrucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // A plan is wider than high.
        m_pDrucker->setPageOrientation(QPageLayout::Landscape);
        m_pDrucker->setDocName(QStringLiteral("Kalvora"));
    }
    return *m_pDrucker;
}

QWidget* CDruckBefehle::Eltern() const {
    // Resource management prints from its own modal window.
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return m_ansicht.window();
}

bool CDruckBefehle::Vorbereiten() {
    if (m_ansicht.m_bVerwaltungOffen) return m_pDruckFeld != nullptr;

    RessourcenListe& liste = m_ansicht.Dokument().m_pRessourcen;
    CDruckDlg dlg(liste, m_ansicht.App().m_strAbteilung, m_ansicht.Meldungen(), Eltern());
    const int ergebnis = m_druckDialog ? m_druckDialog(dlg) : dlg.exec();
    if (ergebnis != QDialog::Accepted) return false;
    m_ansicht.m_nDruckArt = dlg.m_nDruckArt;
    m_ansicht.m_timeDruckVon = dlg.m_timeErsterTag;
    m_ansicht.m_timeDruckBis = dlg.m_timeLetzterTag;
    // Taken now: a sync while the printer dialog is open renumbers or replaces the records.
    m_auftrag = DruckAuftragBilden(liste, dlg.m_nDruckArt, dlg.m_timeErsterTag, dlg.m_timeLetzterTag,
                                   m_ansicht.Rahmen().m_tabelle, m_ansicht.App().m_nFarbschema);
    return true;
}

void CDruckBefehle::Zeichnen(QPainter& dc, const QRect& seite) const {
    if (m_ansicht.m_bVerwaltungOffen) {
        if (m_pDruckFeld) JahresUebersichtDrucken(dc, seite, *m_pDruckFeld);
        return;
    }
    DruckseiteZeichnen(dc, seite, m_auftrag);
}

void CDruckBefehle::Ausgeben(QPrinter& drucker) {
    QPainter dc;
    if (!dc.begin(&drucker)) {
        m_ansicht.Meldungen().Zeige("Der Drucker konnte nicht geöffnet werden. Es wurde nichts gedruckt.");
        return;
    }
    // The painter's origin is the printable area's top-left.
    Zeichnen(dc, QRect(0, 0, drucker.width(), drucker.height()));
    dc.end();
}

void CDruckBefehle::OnDrucken() {
    if (!Vorbereiten()) return;
    QPrinter& drucker = Drucker();
    bool weiter = false;
    if (m_druckerDialog) {
        weiter = m_druckerDialog(drucker, Eltern());
    } else {
        QPrintDialog dlg(&drucker, Eltern());
        // The whole plan is one page.
        dlg.setOption(QAbstractPrintDialog::PrintPageRange, false);
        weiter = dlg.exec() == QDialog::Accepted;
    }
    if (weiter) Ausgeben(drucker);
}

void CDruckBefehle::OnSeitenansicht() {
    if (!Vorbereiten()) return;
    QPrintPreviewDialog dlg(&Drucker(), Eltern());
    connect(&dlg, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* drucker) {
        if (drucker) Ausgeben(*drucker);
    });
    if (m_vorschau)
        m_vorschau(dlg);
    else
        dlg.exec();
}

void CDruckBefehle::OnDruckerEinrichtung() {
    QPrinter& drucker = Drucker();
    if (m_einrichtung) {
        m_einrichtung(drucker, Eltern());
        return;
    }
    QPageSetupDialog dlg(&drucker, Eltern());
    dlg.exec();
}

void CDruckBefehle::VerwaltungDrucken(CJahresFeld& feld) {
    const FeldMerken merken(m_pDruckFeld, &feld);
    m_ansicht.Befehl(befehl::Drucken);
}

CDruckBefehle& DruckenAnschliessen(VIduvavIzoz& ansicht) {
    auto* befehle = ansicht.findChild<CDruckBefehle*>(QString::fromLatin1(kObjektName), Qt::FindDirectChildrenOnly);
    if (befehle) return *befehle;
    befehle = new CDruckBefehle(ansicht);
    ansicht.BefehlSetzen(befehl::Drucken, [befehle] { befehle->OnDrucken(); });
    // The printer dialog is always shown, so printing directly is printing.
    ansicht.BefehlSetzen(befehl::DirektDrucken, [befehle] { befehle->OnDrucken(); });
    ansicht.BefehlSetzen(befehl::Seitenansicht, [befehle] { befehle->OnSeitenansicht(); });
    ansicht.BefehlSetzen(befehl::DruckerEinrichtung, [befehle] { befehle->OnDruckerEinrichtung(); });
    return *befehle;
}

void VerwaltungDrucken(VIduvavIzoz& ansicht, CJahresFeld& feld) {
    DruckenAnschliessen(ansicht).VerwaltungDrucken(feld);
}
