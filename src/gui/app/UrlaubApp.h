#pragma once
#include <QApplication>
#include <QTranslator>
#include <memory>

#include "app/AppEinstellungen.h"
#include "app/EinstellungsSpeicher.h"
#include "app/Meldungen.h"

class CMainFrame;
class CUrlaubDoc;
class VIduvavIzoz;

// The application object: per-user settings (the members of AppEinstellungen: m_strDatei,
// m_strStempel, m_nFarbschema, m_nSpalte1, m_strAbteilung, m_bAlpha), the document and the frame.
class CUrlaubApp : public QApplication, public kalvora::AppEinstellungen {
    Q_OBJECT
public:
    CUrlaubApp(int& argc, char** argv);
    ~CUrlaubApp() override;

    struct Befehlszeile {
        QString m_strDatei;      // the database path, empty when none was given
        QString m_strQuickStart; // write the quick-start document there and end
    };
    // Reads the arguments; --help and --version print and end the process.
    static Befehlszeile BefehlszeileLesen(const QStringList& argumente);
    // True when the arguments only ask for help or the version, which need no window system.
    static bool NurAuskunft(int argc, const char* const* argv);
    // Program and maker names, version: for the settings paths and the texts of --help.
    static void NamenSetzen();
    // Qt's own texts (dialog buttons, colour chooser, --help) in German, when installed.
    static void QtDeutschLaden(QTranslator& uebersetzer);

    // Start-up with the database path of the command line; false ends the program.
    bool InitInstance(const QString& kommandozeile);
    // Writes the remaining per-user settings.
    int ExitInstance();

    CMainFrame* Rahmen() const { return m_pRahmen.get(); }
    // The plan view, owned by the frame; nullptr before InitInstance.
    VIduvavIzoz* Ansicht() const { return m_pAnsicht; }
    CUrlaubDoc& Dokument() { return *m_pDoc; }
    kalvora::EinstellungsSpeicher& Speicher() { return *m_pSpeicher; }
    kalvora::Meldungen& Meldungen() { return *m_pMeldungen; }

    // Other stores and message boxes (before InitInstance), for unattended runs.
    void SetzeDienste(std::unique_ptr<kalvora::EinstellungsSpeicher> speicher,
                      std::unique_ptr<kalvora::Meldungen> meldungen);

    // The running application object, or nullptr.
    static CUrlaubApp* Instanz();

private:
    QTranslator m_qtDeutsch;
    std::unique_ptr<kalvora::EinstellungsSpeicher> m_pSpeicher;
    std::unique_ptr<kalvora::Meldungen> m_pMeldungen;
    std::unique_ptr<CUrlaubDoc> m_pDoc;
    std::unique_ptr<CMainFrame> m_pRahmen;
    VIduvavIzoz* m_pAnsicht = nullptr;
};
