#include "frame/MainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QUrl>
#include <algorithm>

#include "app/EintragsartDatei.h"
#include "app/QtWandlung.h"
#include "app/QuickStart.h"
#include "dialogs/InfoDlg.h"
#include "frame/Befehle.h"
#include "frame/StatusLeiste.h"
#include "frame/TypLeiste.h"

using kalvora::BefehlsEintrag;
using kalvora::Regel;

namespace {

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

// A plain stand-in until the plan view is set.
QWidget* Platzhalter() {
    auto* w = new QWidget;
    w->setObjectName(QStringLiteral("Platzhalter"));
    w->setAutoFillBackground(true);
    w->setBackgroundRole(QPalette::Base);
    return w;
}

} // namespace

CMainFrame::CMainFrame(kalvora::AppEinstellungen& app, kalvora::EinstellungsSpeicher& speicher,
                       kalvora::Meldungen& meldungen, QWidget* parent)
    : QMainWindow(parent), m_tabelle(kalvora::EintragsartTabelle::Standard()), m_app(app),
      m_speicher(speicher), m_meldungen(meldungen) {
    kalvora::RessourcenEinbinden();
    setObjectName(QStringLiteral("MainFrame"));
    if (!m_app.m_strDatei.empty())
        kalvora::EintragsartDateiLesen(kalvora::EintragsartPfad(m_app.m_strDatei), m_tabelle);

    m_strQuickStart = kalvora::QuickStartPfad();
    m_oeffnen = [](const QUrl& url) { return QDesktopServices::openUrl(url); };

    AktionenAnlegen();
    MenuesAnlegen();

    m_pTypLeiste = new CTypLeiste(this);
    addToolBar(Qt::TopToolBarArea, m_pTypLeiste);
    m_pStatusLeiste = new CStatusLeiste(m_app.m_strStempel, m_bAbgleichOffen, this);
    setStatusBar(m_pStatusLeiste);
    QAction* symbolleiste = Aktion(kalvora::befehl::Symbolleiste);
    symbolleiste->setChecked(true);
    connect(symbolleiste, &QAction::toggled, m_pTypLeiste, &QWidget::setVisible);
    // The bar can also be closed from its own context menu.
    connect(m_pTypLeiste, &QToolBar::visibilityChanged, symbolleiste,
            [this, symbolleiste] { symbolleiste->setChecked(!m_pTypLeiste->isHidden()); });
    QAction* statusleiste = Aktion(kalvora::befehl::Statusleiste);
    statusleiste->setChecked(true);
    connect(statusleiste, &QAction::toggled, m_pStatusLeiste, &QWidget::setVisible);

    const kalvora::RahmenStart start = kalvora::RahmenStartLesen(m_speicher, m_meldungen);
    m_startPlatz = start.m_platz;
    PlatzAnwenden(m_startPlatz);
    m_pTypLeiste->Aufbauen([this](int id) { return Aktion(id); }, m_tabelle, start.m_nFarbschema);

    setCentralWidget(Platzhalter());
    setWindowTitle(ProduktTitel());
    setWindowIcon(QIcon(QStringLiteral(":/kalvora/kalvora.png")));
    SetAktiveArt(1);
}

CMainFrame::~CMainFrame() = default;

QString CMainFrame::ProduktTitel() {
    return QStringLiteral("Kalvora - www.tervolan.de");
}

QAction* CMainFrame::Aktion(int id) const {
    const auto it = m_aktionen.find(id);
    return it == m_aktionen.end() ? nullptr : it->second;
}

void CMainFrame::AktionenAnlegen() {
    for (const BefehlsEintrag& e : kalvora::BefehlsTabelle()) {
        auto* a = new QAction(Utf8(e.pszText), this);
        a->setObjectName(QStringLiteral("cmd%1").arg(e.nId));
        const QString prompt = Utf8(e.pszPrompt);
        const qsizetype umbruch = prompt.indexOf(QLatin1Char('\n'));
        a->setStatusTip(umbruch < 0 ? prompt : prompt.left(umbruch));
        if (umbruch >= 0) a->setToolTip(prompt.mid(umbruch + 1));
        if (*e.pszTaste) a->setShortcut(QKeySequence(Utf8(e.pszTaste), QKeySequence::PortableText));
        if (*e.pszSymbol) a->setIcon(QIcon(Utf8(e.pszSymbol)));
        a->setCheckable(e.regel == Regel::Art || e.regel == Regel::Umschalter);
        a->setEnabled(e.regel != Regel::Ansicht);
        // Shortcuts of commands without a menu item work through the frame.
        addAction(a);
        m_aktionen[e.nId] = a;

        if (*e.pszZeichen) {
            // Acts on the typed character, from the main keys and the keypad alike.
            const QKeySequence zeichen(Utf8(e.pszZeichen));
            for (const QKeySequence& folge : {zeichen, QKeySequence(zeichen[0].key() | Qt::KeypadModifier)}) {
                auto* kurz = new QShortcut(folge, this);
                connect(kurz, &QShortcut::activated, a, [a] {
                    if (a->isEnabled()) a->trigger();
                });
            }
        }
    }

    for (int art = 0; art <= kalvora::kAnzahlArten; ++art) {
        QAction* a = Aktion(kalvora::kArtBefehl[static_cast<std::size_t>(art)]);
        if (art > 0)
            a->setText(kalvora::TextAusCp1252(m_tabelle.m_strBedeutung[static_cast<std::size_t>(art)]));
        connect(a, &QAction::triggered, this, [this, art] {
            SetAktiveArt(art);
            emit ArtGewaehlt(art);
        });
    }

    connect(Aktion(kalvora::befehl::Beenden), &QAction::triggered, this, &QWidget::close);
    connect(Aktion(kalvora::befehl::QuickStart), &QAction::triggered, this, &CMainFrame::OnQuickStart);
    connect(Aktion(kalvora::befehl::Info), &QAction::triggered, this, &CMainFrame::OnInfo);
}

void CMainFrame::MenuesAnlegen() {
    for (const kalvora::MenueTitel& titel : kalvora::kMenues) {
        QMenu* menue = menuBar()->addMenu(Utf8(titel.pszText));
        for (const BefehlsEintrag& e : kalvora::BefehlsTabelle()) {
            if (e.menue != titel.menue) continue;
            if (e.bTrennerDavor && !menue->isEmpty()) menue->addSeparator();
            menue->addAction(Aktion(e.nId));
        }
    }
}

void CMainFrame::PlatzAnwenden(const kalvora::FensterPlatz& platz) {
    if (platz.art == kalvora::FensterPlatz::System) {
        // The window system places it; the size follows the screen.
        const QScreen* bildschirm = screen();
        const QSize verfuegbar = bildschirm ? bildschirm->availableSize() : QSize(1280, 800);
        resize(std::min(1180, verfuegbar.width() * 9 / 10), std::min(760, verfuegbar.height() * 9 / 10));
        return;
    }
    move(platz.r.links, platz.r.oben);
    resize(platz.r.rechts - platz.r.links, platz.r.unten - platz.r.oben);
}

void CMainFrame::SetAktiveArt(int art) {
    if (art >= 0 && art <= kalvora::kAnzahlArten) {
        for (int k = 0; k <= kalvora::kAnzahlArten; ++k)
            Aktion(kalvora::kArtBefehl[static_cast<std::size_t>(k)])->setChecked(k == art);
    }
    m_pTypLeiste->SetAktiveArt(art, m_tabelle, m_app.m_nFarbschema);
}

void CMainFrame::SetTypTexte() {
    for (int art = 1; art <= kalvora::kAnzahlArten; ++art)
        Aktion(kalvora::kArtBefehl[static_cast<std::size_t>(art)])
            ->setText(kalvora::TextAusCp1252(m_tabelle.m_strBedeutung[static_cast<std::size_t>(art)]));
    m_pTypLeiste->SetTypTexte(m_tabelle);
}

void CMainFrame::SetzeAnsicht(QWidget* ansicht) {
    if (ansicht) setCentralWidget(ansicht);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // Position of the window with its frame, size of its content: both come back unchanged.
    const QPoint ecke = pos();
    const kalvora::FensterRechteck r{ecke.x(), ecke.y(), ecke.x() + width(), ecke.y() + height()};
    kalvora::FensterPlatzSpeichern(m_speicher, m_meldungen, r, isMaximized());
    event->accept();
}

void CMainFrame::OnQuickStart() {
    // Silent when the document is missing or no viewer is set up.
    if (!QFileInfo::exists(m_strQuickStart) || !m_oeffnen) return;
    m_oeffnen(QUrl::fromLocalFile(m_strQuickStart));
}

void CMainFrame::OnInfo() {
    CInfoDlg dlg(this);
    dlg.exec();
}
