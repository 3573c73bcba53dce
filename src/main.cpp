#include "app/QuickStart.h"
#include "app/UrlaubApp.h"

int main(int argc, char** argv) {
    CUrlaubApp app(argc, argv);
    const CUrlaubApp::Befehlszeile zeile = app.BefehlszeileLesen();
    if (!zeile.m_strQuickStart.isEmpty()) return kalvora::QuickStartSchreiben(zeile.m_strQuickStart) ? 0 : 1;
    if (!app.InitInstance(zeile.m_strDatei)) return 1;
    const int ergebnis = app.exec();
    app.ExitInstance();
    return ergebnis;
}
