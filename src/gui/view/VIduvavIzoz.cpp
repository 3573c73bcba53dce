#include "view/VIduvavIzoz.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

#include "app/QtWandlung.h"
#include "app/Uhr.h"
#include "data/StempelSperre.h"
#include "dialogs/FarbButton.h"
#include "dialogs/GruppeDlg.h"
#include "dialogs/NotizDlg.h"
#include "frame/Befehle.h"
#include "frame/MainFrame.h"
#include "frame/StatusLeiste.h"
#include "view/Anzeige.h"
#include "view/Farbschema.h"
#include "view/KalenderWnd.h"
#include "view/Notiz.h"

namespace befehl = kalvora::befehl;

namespace {

constexpr int kRand = 30;   // room right of and below the grid for the bars and the button
constexpr int kBalken = 20; // thickness of a bar, side of the button
constexpr int kBalkenAbstand = 25;

kalvora::Rollen RollenAus(int aktion) {
    switch (aktion) {
    case QAbstractSlider::SliderSingleStepAdd:
        return kalvora::Rollen::ZeileVor;
    case QAbstractSlider::SliderSingleStepSub:
        return kalvora::Rollen::ZeileZurueck;
    case QAbstractSlider::SliderPageStepAdd:
        return kalvora::Rollen::SeiteVor;
    case QAbstractSlider::SliderPageStepSub:
        return kalvora::Rollen::SeiteZurueck;
    default:
        return kalvora::Rollen::Sonstiges;
    }
}

} // namespace

VIduvavIzoz::VIduvavIzoz(CUrlaubDoc& doc, kalvora::AppEinstellungen& app, CMainFrame& rahmen,
                         kalvora::Meldungen& meldungen, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_app(app), m_rahmen(rahmen), m_meldungen(meldungen),
      m_abgleich(doc, app.m_strDatei, app.m_strStempel, rahmen.m_bAbgleichOffen, *this),
      m_wiederherstellung(m_abgleich.Datenbank()) {
    setObjectName(QStringLiteral("VIduvavIzoz"));
    setFocusPolicy(Qt::StrongFocus);

    m_pGitterRahmen = new QFrame(this);
    m_pGitterRahmen->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_pKalender = new CKalenderWnd(rahmen.m_tabelle, m_pGitterRahmen);
    // A click into the grid gives the keyboard to the view, whose keys scroll.
    m_pKalender->setFocusPolicy(Qt::ClickFocus);
    m_pKalender->setFocusProxy(this);
    auto* innen = new QVBoxLayout(m_pGitterRahmen);
    innen->setContentsMargins(0, 0, 0, 0);
    innen->addWidget(m_pKalender);

    m_pHorizontal = new QScrollBar(Qt::Horizontal, this);
    m_pHorizontal->setObjectName(QStringLiteral("id1001"));
    m_pVertikal = new QScrollBar(Qt::Vertical, this);
    m_pVertikal->setObjectName(QStringLiteral("id1002"));
    for (QScrollBar* b : {m_pHorizontal, m_pVertikal}) {
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QAbstractSlider::actionTriggered, this,
                [this, b](int aktion) { BalkenAktion(b, aktion); });
        connect(b, &QAbstractSlider::sliderReleased, this, [this, b] {
            if (b == m_pHorizontal)
                HorizontalRollen(kalvora::Rollen::DaumenLosgelassen, b->sliderPosition());
            else
                VertikalRollen(kalvora::Rollen::DaumenLosgelassen, b->sliderPosition());
        });
    }
    m_pHorizontal->setPageStep(7);
    m_pVertikal->setPageStep(5);
    HorizontalBalkenSetzen();
    VertikalBalkenSetzen();

    m_pHeute = new CFarbButton(QStringLiteral("0"), this);
    m_pHeute->setObjectName(QStringLiteral("id1005"));
    m_pHeute->setFocusPolicy(Qt::NoFocus);
    m_pHeute->setToolTip(QStringLiteral("Heute"));
    connect(m_pHeute, &QPushButton::clicked, this, &VIduvavIzoz::OnHeute);

    m_takt.setObjectName(QStringLiteral("Takt"));
    connect(&m_takt, &QTimer::timeout, this, &VIduvavIzoz::Takt);

    // Entry-type commands: the frame marks its buttons, the view keeps the type.
    connect(&m_rahmen, &CMainFrame::ArtGewaehlt, this, [this](int art) {
        m_nAktiveArt = art;
        m_pKalender->SetAktiveArt(art);
    });
    connect(m_pKalender, &CKalenderWnd::Befehl, this, &VIduvavIzoz::Befehl);
    connect(m_pKalender, &CKalenderWnd::MarkierungBegonnen, this, [this] {
        m_markierKennung = kalvora::KennungDerZeile(m_doc.m_pRessourcen, m_pKalender->MausZeile());
    });
    connect(m_pKalender, &CKalenderWnd::NamenBreiteGezogen, this, [this](int n) { m_app.m_nSpalte1 = n; });

    BefehlSetzen(befehl::Verkleinern, [this] { OnVerkleinern(); });
    BefehlSetzen(befehl::Vergroessern, [this] { OnVergroessern(); });
    BefehlSetzen(befehl::GruppeAnzeigen, [this] { OnGruppe(); });
    BefehlSetzen(befehl::SortierenNachGruppen, [this] { OnSortieren(); });
    BefehlSetzen(befehl::Diagnose, [this] { OnDiagnose(); });
    BefehlSetzen(1005, [this] { OnHeute(); });
    BefehlSetzen(CKalenderWnd::kMarkierungFertig, [this] { MarkierungUebernehmen(); });
    BefehlSetzen(CKalenderWnd::kNotizGewuenscht, [this] { NotizBearbeiten(); });
    BefehlSetzen(befehl::Rueckgaengig, [this] { OnRueckgaengig(); });
    BefehlSetzen(befehl::Wiederherstellen, [this] { OnWiederherstellen(); });
    if (QAction* a = m_rahmen.Aktion(befehl::Wiederherstellen))
        a->setShortcuts({a->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    if (QAction* sortieren = m_rahmen.Aktion(befehl::SortierenNachGruppen)) sortieren->setCheckable(true);

    Anordnen();
    BefehleAktualisieren();
}

VIduvavIzoz::~VIduvavIzoz() {
    m_takt.stop();
}

void VIduvavIzoz::ErsteAnzeige() {
    if (m_bGestartet) return;
    m_bGestartet = true;

    m_pKalender->SetFarbschema(m_app.m_nFarbschema);
    m_pKalender->SetNamenBreite(m_app.m_nSpalte1);
    m_pKalender->SetZellgroesse(kalvora::GitterZustand{}.m_nSpaltenBreite);
    m_pKalender->SetErsteZeile(0);
    m_pKalender->SetTagOffset(0);
    HorizontalBalkenSetzen();
    const kalvora::COLORREF heute = m_pKalender->Farben().C(3);
    m_pHeute->SetFarbe(heute, heute, heute);
    m_rahmen.SetAktiveArt(m_nAktiveArt);
    m_pKalender->SetAktiveArt(m_nAktiveArt);

    m_pKalender->SetTitel(m_app.m_strAbteilung);
    // Builds the display list. An empty or damaged database may have a backup to come back to.
    if (SicherungAnbieten(m_abgleich.ErstesLaden(), false)) {
        m_abgleich.ErstesLaden();
        // The restore raised the counter: no reload of what was just loaded.
        if (const auto stempel = kalvora::StempelGeschuetztLesen(m_abgleich.StempelDatei()))
            m_abgleich.m_nLokalZaehler = stempel->zaehler;
    }
    m_takt.start(m_nTaktMs);
    m_rahmen.setWindowTitle(CMainFrame::ProduktTitel());
    m_bGeladen = m_doc.LetzterFehler().empty();
    BefehleAktualisieren();
    setFocus();
}

void VIduvavIzoz::SetAktiveArt(int nArt) {
    if (nArt < 0 || nArt > kalvora::kAnzahlArten) return;
    m_nAktiveArt = nArt;
    m_rahmen.SetAktiveArt(nArt);
    m_pKalender->SetAktiveArt(nArt);
}

kalvora::AbgleichStand VIduvavIzoz::Abgleichen(bool bNurLaden) {
    m_bImAbgleich = true;
    const kalvora::AbgleichStand stand = m_abgleich.Abgleichen(bNurLaden);
    m_bImAbgleich = false;
    NachAbgleich(stand);
    return stand;
}

void VIduvavIzoz::Takt() {
    m_takt.stop();
    if (m_pKalender->MarkiertGerade()) {
        // A rebuild now would move the rows under the band.
        m_bTaktNachholen = true;
    } else if (!m_bImAbgleich) {
        m_bTaktNachholen = false;
        m_bImAbgleich = true;
        const std::optional<kalvora::AbgleichStand> stand = m_abgleich.Takt();
        m_bImAbgleich = false;
        if (stand) NachAbgleich(*stand);
    }
    m_takt.start(m_nTaktMs);
}

void VIduvavIzoz::TaktNachholen() {
    if (m_bTaktNachholen) Takt();
}

void VIduvavIzoz::NachAbgleich(kalvora::AbgleichStand stand) {
    SpeicherstandZeigen();
    using S = kalvora::AbgleichStand;
    if (!m_bGeladen && (stand == S::Fertig || stand == S::NichtGespeichert)) {
        m_bGeladen = true;
        BefehleAktualisieren();
    }
    if (stand == S::Fertig || stand == S::NichtGespeichert) m_wiederherstellung.Behoben();
    if (stand == S::LadenFehlgeschlagen && SicherungAnbieten(false, true)) Abgleichen(false);
}

bool VIduvavIzoz::SicherungAnbieten(bool bGeladen, bool bSperreGehalten) {
    // No tick may start a sync while the question is open, nor may the sync after a restore ask again.
    if (m_bImAbgleich) return false;
    m_bImAbgleich = true;
    const bool ersetzt = m_wiederherstellung.Anbieten(bGeladen, m_meldungen,
                                                      bSperreGehalten ? &m_abgleich.StempelDatei() : nullptr);
    m_bImAbgleich = false;
    return ersetzt;
}

void VIduvavIzoz::SpeicherstandZeigen() {
    if (CStatusLeiste* leiste = m_rahmen.StatusLeiste())
        leiste->SetNichtGespeichert(m_abgleich.m_bNichtGespeichert);
}

void VIduvavIzoz::SetTaktMs(int nMs) {
    m_nTaktMs = std::max(nMs, 1);
    if (m_takt.isActive()) m_takt.start(m_nTaktMs);
}

void VIduvavIzoz::AnzeigeAufbauen() {
    m_pKalender->ListeLeeren();
    // After "Fehler: Ausgabe nach Gruppen" the partial rows stay unpainted until the next change.
    if (kalvora::AnzeigeAufbauen(m_doc.m_pRessourcen, m_app.m_strAbteilung, m_app.m_bAlpha,
                                 m_pKalender->m_pZeilen, m_meldungen))
        m_pKalender->Neuzeichnen();
    // The bar follows the number of rows, so that it can scroll before its first use.
    VertikalBalkenSetzen();
}

void VIduvavIzoz::SetzeTitel(const std::string& titel) {
    m_rahmen.setWindowTitle(QString::fromUtf8(titel.data(), static_cast<qsizetype>(titel.size())));
}

void VIduvavIzoz::Befehl(int nId) {
    const auto it = m_befehle.find(nId);
    if (it != m_befehle.end() && it->second) it->second();
}

void VIduvavIzoz::BefehlSetzen(int nId, std::function<void()> ausfuehren) {
    m_befehle[nId] = std::move(ausfuehren);
    QAction* aktion = m_rahmen.Aktion(nId);
    if (!aktion) return;
    aktion->setEnabled(true);
    if (m_verbunden.insert(nId).second)
        connect(aktion, &QAction::triggered, this, [this, nId] { Befehl(nId); });
}

void VIduvavIzoz::BefehleAktualisieren() {
    if (QAction* a = m_rahmen.Aktion(befehl::Rueckgaengig)) a->setEnabled(m_verlauf.KannRueckgaengig());
    if (QAction* a = m_rahmen.Aktion(befehl::Wiederherstellen)) a->setEnabled(m_verlauf.KannWiederherstellen());
    if (QAction* a = m_rahmen.Aktion(befehl::Verkleinern))
        a->setEnabled(m_pKalender->SpaltenBreite() != kalvora::kKleinsteZelle);
    if (QAction* a = m_rahmen.Aktion(befehl::Vergroessern))
        a->setEnabled(m_pKalender->SpaltenBreite() != kalvora::kGroessteZelle);
    if (QAction* a = m_rahmen.Aktion(befehl::SortierenNachGruppen)) a->setChecked(!m_app.m_bAlpha);
    if (QAction* a = m_rahmen.Aktion(befehl::DatenbankOptimieren))
        a->setEnabled(m_bGeladen && HatBefehl(befehl::DatenbankOptimieren));
}

void VIduvavIzoz::Zoomen(int nZellgroesse) {
    m_pKalender->SetZellgroesse(nZellgroesse);
    BefehleAktualisieren();
}

void VIduvavIzoz::OnVerkleinern() {
    m_pKalender->SetZellgroesse(m_pKalender->SpaltenBreite() - 1);
    BefehleAktualisieren();
}

void VIduvavIzoz::OnVergroessern() {
    m_pKalender->SetZellgroesse(m_pKalender->SpaltenBreite() + 1);
    BefehleAktualisieren();
}

std::optional<std::string> VIduvavIzoz::GruppeDialog(const kalvora::RessourcenListe& liste,
                                                     const std::string& gruppe) {
    CGruppeDlg dlg(this);
    dlg.m_strGruppe = gruppe;
    dlg.m_pListe = &liste;
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    return dlg.m_strGruppe;
}

void VIduvavIzoz::OnGruppe() {
    const std::optional<std::string> gruppe = m_gruppeWaehlen
                                                  ? m_gruppeWaehlen(m_doc.m_pRessourcen, m_app.m_strAbteilung)
                                                  : GruppeDialog(m_doc.m_pRessourcen, m_app.m_strAbteilung);
    if (!gruppe) return;
    m_app.m_strAbteilung = *gruppe;
    m_pKalender->SetTitel(*gruppe);
    AnzeigeAufbauen();
}

void VIduvavIzoz::MarkierungUebernehmen() {
    const kalvora::MarkierZiel ziel =
        kalvora::MarkierZielFinden(m_doc.m_pRessourcen, m_markierKennung, m_pKalender->MausZeile());
    m_markierKennung.reset();
    kalvora::MarkierenMitVerlauf(m_verlauf, m_pKalender->Zeile(ziel.m_nZeile), ziel.m_pArbeit,
                                 m_pKalender->StartZeit(), m_pKalender->EndZeit(), m_nAktiveArt, kalvora::Jetzt(),
                                 &m_doc.m_basis);
    // The grid repaints after the command, so the run shows even when the sync has to wait.
    Abgleichen(false);
    BefehleAktualisieren();
    TaktNachholen();
}

void VIduvavIzoz::NotizBearbeiten() {
    const kalvora::NotizDialog dialog = [this](const std::string& titel, const std::string& notiz) {
        if (m_notizBearbeiten) return m_notizBearbeiten(titel, notiz);
        CNotizDlg dlg(m_meldungen, this);
        dlg.Einrichten(titel, notiz);
        return dlg.exec() == QDialog::Accepted ? std::optional<std::string>(dlg.m_strNotiz) : std::nullopt;
    };
    if (kalvora::NotizMitVerlauf(m_verlauf, m_doc.m_pRessourcen, m_pKalender->MausZeile(),
                                 m_pKalender->StartZeit(), m_meldungen, dialog, &m_doc.m_basis))
        Abgleichen(false);
    BefehleAktualisieren();
}

void VIduvavIzoz::OnRueckgaengig() {
    VerlaufAnwenden(true);
}

void VIduvavIzoz::OnWiederherstellen() {
    VerlaufAnwenden(false);
}

void VIduvavIzoz::VerlaufAnwenden(bool bZurueck) {
    if (m_pKalender->MarkiertGerade() || m_bImAbgleich) return;
    // A change still waiting for its save goes first: the check below compares the file with what
    // this window wrote, and would take an unsaved step for another writer's work.
    if (m_rahmen.m_bAbgleichOffen && Abgleichen(false) != kalvora::AbgleichStand::Fertig) {
        m_meldungen.Zeige(kalvora::kVerlaufGesperrt);
        return;
    }
    // The steps are checked against the file inside the sync's lock, between its load and merge.
    std::optional<kalvora::Schritt> ausgelassen;
    m_bImAbgleich = true;
    const kalvora::AbgleichStand stand = m_abgleich.Abgleichen(false, [&](const kalvora::RessourcenListe& datei) {
        ausgelassen = m_verlauf.Anwenden(bZurueck, datei, m_doc.m_pRessourcen, kalvora::Jetzt(), &m_doc.m_basis);
    });
    m_bImAbgleich = false;
    NachAbgleich(stand);
    BefehleAktualisieren();
    if (!ausgelassen) {
        // A failed load has told the user already.
        if (stand != kalvora::AbgleichStand::LadenFehlgeschlagen) m_meldungen.Zeige(kalvora::kVerlaufGesperrt);
    } else if (!ausgelassen->empty()) {
        m_meldungen.Zeige(kalvora::AusgelassenText(*ausgelassen, bZurueck));
    }
}

void VIduvavIzoz::OnSortieren() {
    m_app.m_bAlpha = !m_app.m_bAlpha;
    AnzeigeAufbauen();
    BefehleAktualisieren();
}

void VIduvavIzoz::OnDiagnose() {
    m_abgleich.m_bDiagnose = !m_abgleich.m_bDiagnose;
    if (!m_abgleich.m_bDiagnose) m_rahmen.setWindowTitle(CMainFrame::ProduktTitel());
}

void VIduvavIzoz::OnHeute() {
    m_pKalender->SetTagOffset(0);
    m_pHeute->update();
}

void VIduvavIzoz::SetFarbschema(int nSchema) {
    m_pKalender->SetFarbschema(nSchema);
    const kalvora::COLORREF heute = m_pKalender->Farben().C(3);
    m_pHeute->SetFarbe(heute, heute, heute);
    m_pKalender->Neuzeichnen();
}

void VIduvavIzoz::VertikalRollen(kalvora::Rollen r, int nDaumen) {
    if (r != kalvora::Rollen::Sonstiges)
        m_pKalender->SetErsteZeile(kalvora::VertikalZiel(m_pKalender->ErsteZeile(), r, nDaumen));
    VertikalBalkenSetzen();
}

void VIduvavIzoz::HorizontalRollen(kalvora::Rollen r, int nDaumen) {
    if (r != kalvora::Rollen::Sonstiges)
        m_pKalender->SetTagOffset(kalvora::HorizontalZiel(m_pKalender->TagOffset(), r, nDaumen));
    HorizontalBalkenSetzen();
}

void VIduvavIzoz::BalkenAktion(QScrollBar* balken, int aktion) {
    kalvora::Rollen r = RollenAus(aktion);
    int daumen = 0;
    if (aktion == QAbstractSlider::SliderMove) {
        // Dragging: only the release counts. The wheel moves without a drag: taken as a release.
        if (balken->isSliderDown()) return;
        r = kalvora::Rollen::DaumenLosgelassen;
        daumen = balken->sliderPosition();
    }
    if (balken == m_pHorizontal)
        HorizontalRollen(r, daumen);
    else
        VertikalRollen(r, daumen);
}

void VIduvavIzoz::VertikalBalkenSetzen() {
    const kalvora::Balken b{0, m_pKalender->AnzahlZeilen(), m_pKalender->ErsteZeile()};
    const QSignalBlocker sperre(m_pVertikal);
    m_pVertikal->setRange(b.m_nMin, b.m_nMax);
    m_pVertikal->setValue(b.m_nPos);
}

void VIduvavIzoz::HorizontalBalkenSetzen() {
    constexpr kalvora::Balken b = kalvora::GitterZustand::HorizontalBalken();
    const QSignalBlocker sperre(m_pHorizontal);
    m_pHorizontal->setRange(b.m_nMin, b.m_nMax);
    m_pHorizontal->setValue(b.m_nPos);
}

void VIduvavIzoz::Anordnen() {
    const int r = width();
    const int b = height();
    m_pGitterRahmen->setGeometry(0, 0, std::max(r - kRand, 0), std::max(b - kRand, 0));
    m_pHorizontal->setGeometry(0, b - kBalkenAbstand, std::max(r - kRand, 0), kBalken);
    m_pVertikal->setGeometry(r - kBalkenAbstand, 0, kBalken, std::max(b - kRand, 0));
    m_pHeute->setGeometry(r - kBalkenAbstand, b - kBalkenAbstand, kBalken, kBalken);
}

void VIduvavIzoz::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Anordnen();
}

void VIduvavIzoz::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_bGestartet) ErsteAnzeige();
}

void VIduvavIzoz::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        if (m_pKalender->MarkiertGerade()) {
            m_pKalender->MarkierungAbbrechen();
            m_markierKennung.reset();
            TaktNachholen();
            event->accept();
            return;
        }
        break;
    case Qt::Key_Left:
        m_pKalender->SetTagOffset(m_pKalender->TagOffset() - 1);
        break;
    case Qt::Key_Right:
        m_pKalender->SetTagOffset(m_pKalender->TagOffset() + 1);
        break;
    case Qt::Key_Up:
        m_pKalender->SetErsteZeile(m_pKalender->ErsteZeile() - 1);
        VertikalBalkenSetzen();
        break;
    case Qt::Key_Down:
        m_pKalender->SetErsteZeile(m_pKalender->ErsteZeile() + 1);
        VertikalBalkenSetzen();
        break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        const int seite = kalvora::SeitenZeilen(m_pKalender->height(), m_pKalender->ZeilenHoehe());
        m_pKalender->SetErsteZeile(m_pKalender->ErsteZeile() + (event->key() == Qt::Key_PageUp ? -seite : seite));
        VertikalBalkenSetzen();
        break;
    }
    case Qt::Key_Home:
        OnHeute();
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void VIduvavIzoz::wheelEvent(QWheelEvent* event) {
    const QPoint winkel = event->angleDelta();
    const Qt::KeyboardModifiers tasten = event->modifiers();
    const kalvora::RadSchritt s = m_rad.Auswerten(winkel.x(), winkel.y(), tasten & Qt::ShiftModifier,
                                                  tasten & Qt::ControlModifier, QApplication::wheelScrollLines());
    if (s.m_nZeilen != 0) {
        m_pKalender->SetErsteZeile(m_pKalender->ErsteZeile() + s.m_nZeilen);
        VertikalBalkenSetzen();
    }
    if (s.m_nTage != 0) m_pKalender->SetTagOffset(m_pKalender->TagOffset() + s.m_nTage);
    if (s.m_nZoom != 0) Zoomen(kalvora::ZoomZiel(m_pKalender->SpaltenBreite(), s.m_nZoom));
    event->accept();
}
