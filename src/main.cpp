#include <QCoreApplication>
#include <QTranslator>

#include "app/QuickStart.h"
#include "app/UrlaubApp.h"
#include "data/Speicher.h"

int main(int argc, char** argv) {
    kalvora::SpeicherFuerNeuladenEinrichten();
    if (CUrlaubApp::NurAuskunft(argc, argv)) {
        // Help and version are printed without a window system.
        QCoreApplication text(argc, argv);
        QTranslator deutsch;
        CUrlaubApp::QtDeutschLaden(deutsch);
        CUrlaubApp::NamenSetzen();
        CUrlaubApp::BefehlszeileLesen(QCoreApplication::arguments());
    }
    CUrlaubApp app(argc, argv);
    const CUrlaubApp::Befehlszeile zeile = CUrlaubApp::BefehlszeileLesen(QCoreApplication::arguments());
    if (!zeile.m_strQuickStart.isEmpty()) return kalvora::QuickStartSchreiben(zeile.m_strQuickStart) ? 0 : 1;
    if (!app.InitInstance(zeile.m_strDatei)) return 1;
    const int ergebnis = app.exec();
    app.ExitInstance();
    return ergebnis;
}
