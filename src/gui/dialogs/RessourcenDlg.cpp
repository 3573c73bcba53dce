#include "dialogs/RessourcenDlg.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "app/QtWandlung.h"
#include "app/Uhr.h"
#include "app/Zeichensatz.h"
#include "data/Einfuegen.h"
#include "dialogs/JahresFeld.h"
#include "dialogs/KurzText.h"
#include "dialogs/RessourceDlg.h"
#include "dialogs/StatistikFeld.h"
#include "view/Statistik.h"

using namespace kalvora;

namespace {

const char* const kKeineAuswahl = "Kein Mitarbeiter ausgewählt! ";

QPushButton* Knopf(const QString& text, const char* id) {
    auto* knopf = new QPushButton(text);
    knopf->setObjectName(QString::fromLatin1(id));
    return knopf;
}

QLabel* Info(const char* id) {
    auto* label = new CKurzText(QStringLiteral("-"));
    label->setObjectName(QString::fromLatin1(id));
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

CRessourcenDlg::CRessourcenDlg(RessourcenListe& liste, const EintragsartTabelle& tabelle,
                               Meldungen& meldungen, QWidget* parent)
    : QDialog(parent), m_nJahr(Jetzt().GetYear()), m_nJahrAlt(m_nJahr), m_pListe(&liste), m_tabelle(tabelle),
      m_meldungen(meldungen) {
    setWindowTitle(QStringLiteral("Ressourcen verwalten"));

    m_pListeFeld = new QListWidget;
    m_pListeFeld->setObjectName(QStringLiteral("id1003"));
    m_pListeFeld->setSelectionMode(QAbstractItemView::SingleSelection);
    // The selection stays visible while another control has the focus.
    QPalette palette = m_pListeFeld->palette();
    for (const auto rolle : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, rolle, palette.color(QPalette::Active, rolle));
    m_pListeFeld->setPalette(palette);
    connect(m_pListeFeld, &QListWidget::itemSelectionChanged, this, &CRessourcenDlg::Auffrischen);

    auto* neu = Knopf(QStringLiteral("Neu"), "id1000");
    auto* bearbeiten = Knopf(QStringLiteral("Bearbeiten"), "id1001");
    auto* kopieren = Knopf(QStringLiteral("Kopieren"), "id1004");
    auto* loeschen = Knopf(QStringLiteral("Löschen"), "id1002");
    connect(neu, &QPushButton::clicked, this, &CRessourcenDlg::OnNeu);
    connect(bearbeiten, &QPushButton::clicked, this, &CRessourcenDlg::OnBearbeiten);
    connect(kopieren, &QPushButton::clicked, this, &CRessourcenDlg::OnKopieren);
    connect(loeschen, &QPushButton::clicked, this, &CRessourcenDlg::OnLoeschen);

    auto* ressource = new QGroupBox(QStringLiteral("Ressource"));
    auto* links = new QVBoxLayout(ressource);
    links->addWidget(m_pListeFeld, 1);
    auto* knoepfe = new QHBoxLayout;
    for (QPushButton* k : {neu, bearbeiten, kopieren, loeschen})
        knoepfe->addWidget(k);
    links->addLayout(knoepfe);

    m_pInfo1 = Info("id1033");
    m_pInfo2 = Info("id1034");
    m_pInfo3 = Info("id1035");
    m_pStatistik = new CStatistikFeld;
    m_pStatistik->setObjectName(QStringLiteral("id1037"));
    m_pStatistik->SetTabelle(&m_tabelle);
    m_pJahresFeld = new CJahresFeld;
    m_pJahresFeld->setObjectName(QStringLiteral("id1048"));
    m_pJahresFeld->SetTabelle(&m_tabelle);

    auto* zurueck = Knopf(QStringLiteral("<<<"), "id1038");
    auto* vor = Knopf(QStringLiteral(">>>"), "id1039");
    auto* drucken = Knopf(QStringLiteral("Drucken"), "id1050");
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("id1"));
    ok->setDefault(true);
    m_pJahr = new QLabel(QStringLiteral("0000"));
    m_pJahr->setObjectName(QStringLiteral("id1040"));
    m_pJahr->setAlignment(Qt::AlignCenter);
    m_pJahr->setMinimumWidth(DuX(35));
    connect(zurueck, &QPushButton::clicked, this, &CRessourcenDlg::OnJahrZurueck);
    connect(vor, &QPushButton::clicked, this, &CRessourcenDlg::OnJahrVor);
    connect(drucken, &QPushButton::clicked, this, [this] { emit DruckenAngefordert(m_pJahresFeld); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    zurueck->setMinimumWidth(DuX(25));
    vor->setMinimumWidth(DuX(25));
    drucken->setMinimumWidth(DuX(50));
    ok->setMinimumWidth(DuX(50));

    auto* jahrZeile = new QHBoxLayout;
    jahrZeile->addWidget(zurueck);
    jahrZeile->addWidget(m_pJahr);
    jahrZeile->addWidget(vor);
    jahrZeile->addSpacing(DuX(30));
    jahrZeile->addWidget(drucken);
    jahrZeile->addStretch(1);
    jahrZeile->addWidget(ok);

    auto* rechts = new QVBoxLayout;
    rechts->addSpacing(DuY(4));
    rechts->addWidget(m_pInfo1);
    rechts->addWidget(m_pInfo2);
    rechts->addWidget(m_pInfo3);
    rechts->addSpacing(DuY(4));
    rechts->addWidget(m_pStatistik, 100);
    rechts->addWidget(m_pJahresFeld, 168);
    rechts->addLayout(jahrZeile);

    auto* aussen = new QHBoxLayout(this);
    aussen->addWidget(ressource, 195);
    aussen->addLayout(rechts, 386);

    m_pStatistik->setMinimumSize(DuX(190), DuY(60));
    m_pJahresFeld->setMinimumSize(DuX(190), DuY(100));
    resize(DuX(600), DuY(360));
}

int CRessourcenDlg::DuX(int einheiten) const {
    const QFontMetrics fm = fontMetrics();
    const int basis =
        (fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 26 +
         1) /
        2;
    return einheiten * basis / 4;
}

int CRessourcenDlg::DuY(int einheiten) const {
    return einheiten * fontMetrics().height() / 8;
}

void CRessourcenDlg::showEvent(QShowEvent* event) {
    if (!m_bInitialisiert && !event->spontaneous()) {
        m_bInitialisiert = true;
        ListeFuellen();
        m_pJahr->setText(QString::number(m_nJahr));
        m_pStatistik->SetZahlen(TagesZahlen{});
        m_pJahresFeld->SetFarben(m_dialogFarben.m_nFrei, m_dialogFarben.m_nFrei, m_dialogFarben.m_nWerktag,
                                 m_dialogFarben.m_nHeute);
        m_pJahresFeld->SetJahr(m_nJahr, std::string());
    }
    QDialog::showEvent(event);
}

void CRessourcenDlg::ListeFuellen() {
    {
        const QSignalBlocker stille(m_pListeFeld);
        m_pListeFeld->clear();
        for (const std::string& text : ListenTexte(*m_pListe))
            m_pListeFeld->addItem(TextAusCp1252(text));
        ListeKuerzen(*m_pListeFeld);
    }
    Auffrischen();
}

CRessource& CRessourcenDlg::EinfuegenSortiert(const std::string& benennung1, const std::string& benennung2,
                                              const std::string& gruppe, const std::string& identNr) {
    return kalvora::EinfuegenSortiert(*m_pListe, benennung1, benennung2, gruppe, identNr, Jetzt());
}

int CRessourcenDlg::Auswahl() const {
    for (int i = 0; i < m_pListeFeld->count(); ++i)
        if (m_pListeFeld->item(i)->isSelected()) return i;
    return -1;
}

CRessource* CRessourcenDlg::AusgewaehlteRessource() {
    return RessourceAufZeile(*m_pListe, Auswahl());
}

CRessource* CRessourcenDlg::AuswahlOderMeldung() {
    CRessource* r = AusgewaehlteRessource();
    if (!r) m_meldungen.Zeige(kKeineAuswahl);
    return r;
}

namespace {
void MitRessourceFuellen(CRessourceDlg& dlg, const CRessource& r) {
    dlg.m_strBenennung1 = r.m_strBenennung1;
    dlg.m_strBenennung2 = r.m_strBenennung2;
    dlg.m_strGruppe = r.m_strGruppe;
    dlg.m_strIdentNr = r.m_strIdentNr;
}
} // namespace

void CRessourcenDlg::OnNeu() {
    CRessourceDlg dlg(this);
    if (dlg.exec() != QDialog::Accepted) return;
    EinfuegenSortiert(dlg.m_strBenennung1, dlg.m_strBenennung2, dlg.m_strGruppe, dlg.m_strIdentNr);
    ListeFuellen();
}

void CRessourcenDlg::OnBearbeiten() {
    CRessource* r = AuswahlOderMeldung();
    if (!r) return;
    CRessourceDlg dlg(this);
    MitRessourceFuellen(dlg, *r);
    dlg.m_bNurGruppe = true;
    if (dlg.exec() != QDialog::Accepted) return;
    RessourceAendern(*r, dlg.m_strBenennung1, dlg.m_strBenennung2, dlg.m_strGruppe, dlg.m_strIdentNr,
                     Jetzt());
    ListeFuellen();
}

void CRessourcenDlg::OnKopieren() {
    CRessource* r = AuswahlOderMeldung();
    if (!r) return;
    CRessourceDlg dlg(this);
    MitRessourceFuellen(dlg, *r);
    if (dlg.exec() != QDialog::Accepted) return;
    switch (RessourceKopieren(*m_pListe, *r, dlg.m_strBenennung1, dlg.m_strBenennung2, dlg.m_strGruppe,
                              dlg.m_strIdentNr, Jetzt())) {
    case KopierErgebnis::IdentitaetUnveraendert:
        m_meldungen.Zeige("Zum Kopieren müssen Sie Name, Vorname oder Personalnummer ändern!");
        return;
    case KopierErgebnis::ExistiertBereits:
        m_meldungen.Zeige("Ressource existiert bereits!");
        return;
    case KopierErgebnis::Kopiert:
        break;
    }
    ListeFuellen();
}

void CRessourcenDlg::OnLoeschen() {
    CRessource* r = AuswahlOderMeldung();
    if (!r) return;
    if (m_meldungen.Zeige(Utf8AusCp1252(LoeschFrage(*r)), "Ressource löschen", Knoepfe::JaNein) !=
        Antwort::Ja)
        return;
    RessourceLoeschen(*r, Jetzt());
    ListeFuellen();
}

void CRessourcenDlg::OnJahrZurueck() {
    m_nJahr = JahrZurueck(m_nJahr);
    JahrAnzeigen();
}

void CRessourcenDlg::OnJahrVor() {
    m_nJahr = JahrVor(m_nJahr);
    JahrAnzeigen();
}

void CRessourcenDlg::JahrAnzeigen() {
    m_pJahr->setText(QString::number(m_nJahr));
    m_pJahresFeld->SetJahr(m_nJahr, JahresUeberschrift(m_info.m_strName, m_info.m_strGruppe));
    update();
    // The counts follow the new year at once rather than at the next notification.
    Auffrischen();
}

void CRessourcenDlg::Auffrischen() {
    const int p = Auswahl();
    if (p + 1 == m_nAuswahlAlt && m_nJahr == m_nJahrAlt) return;
    m_nJahrAlt = m_nJahr;
    CRessource* r = RessourceAufZeile(*m_pListe, p);
    m_info = InfoZeilenVon(r);
    m_pInfo1->setText(TextAusCp1252(m_info.m_strName));
    m_pInfo2->setText(TextAusCp1252(m_info.m_strGruppe));
    m_pInfo3->setText(TextAusCp1252(m_info.m_strIdentNr));
    m_pJahresFeld->Leeren();
    if (r) {
        m_pStatistik->SetZahlen(TageZaehlen(*r, m_nJahr));
        for (const TagMarke& t : JahresMarken(*r, m_tabelle))
            m_pJahresFeld->AddTag(t.m_timeDatum, t.m_nFarbe, t.m_bErsteHaelfte, t.m_bZweiteHaelfte,
                                  t.m_nAusrichtung);
        m_pJahresFeld->SetFarben(m_dialogFarben.m_nFrei, m_dialogFarben.m_nFrei, m_dialogFarben.m_nWerktag,
                                 m_dialogFarben.m_nHeute);
        m_pJahresFeld->SetJahr(m_nJahr, JahresUeberschrift(m_info.m_strName, m_info.m_strGruppe));
    } else {
        m_pStatistik->SetZahlen(TagesZahlen{});
        m_pJahresFeld->SetJahr(m_nJahr, std::string());
    }
    m_nAuswahlAlt = p + 1;
}
