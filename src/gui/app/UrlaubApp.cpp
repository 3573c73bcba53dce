#include "app/UrlaubApp.h"

#include <QCommandLineParser>
#include <QIcon>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <cstdio>
#include <string_view>

#include "app/Befehlsanschluss.h"
#include "app/QtEinstellungsSpeicher.h"
#include "app/QtMeldungen.h"
#include "app/QtWandlung.h"
#include "data/UrlaubDoc.h"
#include "frame/MainFrame.h"
#include "view/VIduvavIzoz.h"

CUrlaubApp::CUrlaubApp(int& argc, char** argv)
    : QApplication(argc, argv), m_pSpeicher(std::make_unique<QtEinstellungsSpeicher>()),
      m_pMeldungen(std::make_unique<QtMeldungen>()) {
    kalvora::RessourcenEinbinden();
    NamenSetzen();
    setDesktopFileName(QStringLiteral("kalvora"));
    setWindowIcon(QIcon(QStringLiteral(":/kalvora/kalvora.png")));
    QtDeutschLaden(m_qtDeutsch);
}

CUrlaubApp::~CUrlaubApp() {
    // The frame refers to the settings and message services: it goes first.
    m_pRahmen.reset();
    m_pDoc.reset();
}

CUrlaubApp* CUrlaubApp::Instanz() {
    return dynamic_cast<CUrlaubApp*>(QCoreApplication::instance());
}

void CUrlaubApp::SetzeDienste(std::unique_ptr<kalvora::EinstellungsSpeicher> speicher,
                              std::unique_ptr<kalvora::Meldungen> meldungen) {
    if (speicher) m_pSpeicher = std::move(speicher);
    if (meldungen) m_pMeldungen = std::move(meldungen);
}

void CUrlaubApp::NamenSetzen() {
    setApplicationName(QStringLiteral("Kalvora"));
    setApplicationVersion(QStringLiteral(KALVORA_VERSION));
    setOrganizationName(QStringLiteral("Tervolan"));
    setOrganizationDomain(QStringLiteral("tervolan.de"));
}

void CUrlaubApp::QtDeutschLaden(QTranslator& uebersetzer) {
    // Date pickers, number formats and Qt's own dialogs are German whatever the environment says.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString ordner = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (uebersetzer.load(QStringLiteral("qtbase_de"), ordner)) {
        QCoreApplication::installTranslator(&uebersetzer);
        return;
    }
    std::fprintf(stderr,
                 "Kalvora: Qts deutsche Übersetzungen (qtbase_de.qm) fehlen in %s - die Standarddialoge "
                 "bleiben englisch (Paket qt6-translations-l10n).\n",
                 qUtf8Printable(QDir::toNativeSeparators(ordner)));
}

bool CUrlaubApp::NurAuskunft(int argc, const char* const* argv) {
    for (int i = 1; i < argc && argv[i]; ++i) {
        const std::string_view a(argv[i]);
        if (a == "--") return false;
        if (a == "-h" || a == "--help" || a == "--help-all" || a == "-?" || a == "-v" || a == "--version")
            return true;
    }
    return false;
}

CUrlaubApp::Befehlszeile CUrlaubApp::BefehlszeileLesen(const QStringList& argumente) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Jahresplaner für Abwesenheiten und Einsätze von Mitarbeitern, Räumen und Geräten."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("datenbank"),
        QStringLiteral("Datenbankdatei (sonst die zuletzt benutzte oder Ressource.dat "
                       "im Dokumente-Ordner)."),
        QStringLiteral("[datenbank]"));
    QCommandLineOption quickStart(QStringLiteral("quickstart-pdf"),
                                  QStringLiteral("Schreibt die Kurzanleitung als PDF und endet."),
                                  QStringLiteral("datei"));
    quickStart.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(quickStart);
    parser.process(argumente);

    Befehlszeile zeile;
    // An unquoted path with blanks arrives in pieces; it was one command line.
    zeile.m_strDatei = parser.positionalArguments().join(QLatin1Char(' '));
    zeile.m_strQuickStart = parser.value(quickStart);
    return zeile;
}

bool CUrlaubApp::InitInstance(const QString& kommandozeile) {
    if (!Starten(*m_pSpeicher, *m_pMeldungen, kalvora::PfadAusText(kommandozeile))) return false;
    m_pDoc = std::make_unique<CUrlaubDoc>(*m_pMeldungen);
    m_pRahmen = std::make_unique<CMainFrame>(*this, *m_pSpeicher, *m_pMeldungen);
    m_pAnsicht = new VIduvavIzoz(*m_pDoc, *this, *m_pRahmen, *m_pMeldungen);
    // Tests of several instances on one database shorten the sync period.
    if (const int ms = qEnvironmentVariableIntValue("KALVORA_TAKT_MS"); ms > 0) m_pAnsicht->SetTaktMs(ms);
    m_pRahmen->SetzeAnsicht(m_pAnsicht);
    if (m_bMaximiert)
        m_pRahmen->showMaximized();
    else
        m_pRahmen->show();
    BefehleAnschliessen(*this, *m_pAnsicht);
    return true;
}

int CUrlaubApp::ExitInstance() {
    Beenden(*m_pSpeicher, *m_pMeldungen);
    return 0;
}
