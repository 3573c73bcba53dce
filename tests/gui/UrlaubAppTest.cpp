// The application object: settings store, start and end, message boxes, the command wiring.
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>

#include "GuiHilfen.h"
#include "app/QtEinstellungsSpeicher.h"
#include "app/QtMeldungen.h"
#include "app/QuickStart.h"
#include "app/UrlaubApp.h"
#include "dialogs/EinstellungenDlg.h"
#include "view/KalenderWnd.h"
#include "view/VIduvavIzoz.h"

namespace {

// The store after clearing it.
QSettings& Geleert() {
    static QSettings s(QStringLiteral("Tervolan"), QStringLiteral("Orlim"));
    s.clear();
    s.sync();
    return s;
}

// Answers the application's message boxes from now on, so a failing load waits for no click.
MeldungsRekorder& AppMeldungenAufzeichnen() {
    static MeldungsRekorder rekorder;
    struct Weiter : Meldungen {
        Antwort Zeige(const std::string& t, const std::string& k, Knoepfe b) override {
            return rekorder.Zeige(t, k, b);
        }
    };
    static const bool gesetzt = [] {
        CUrlaubApp::Instanz()->SetzeDienste(nullptr, std::make_unique<Weiter>());
        return true;
    }();
    (void)gesetzt;
    return rekorder;
}

} // namespace

// Values survive a new store object; a stored text that is no number reads as missing.
TEST(QtEinstellungsSpeicher, WerteUeberstehenDenNeustart) {
    Geleert().setValue(QStringLiteral("Top"), QStringLiteral("kein Wert"));
    {
        QtEinstellungsSpeicher s;
        ASSERT_TRUE(s.Oeffnen());
        EXPECT_TRUE(s.SchreibeText("Abteilung", "Küche & Service") && s.SchreibeZahl("Left", -300u));
    }
    QtEinstellungsSpeicher s;
    EXPECT_EQ(std::tuple(s.LeseText("Abteilung"), s.LeseZahl("Left"), s.LeseZahl("Top"), s.LeseText("Fehlt")),
              std::tuple(std::optional<std::string>("Küche & Service"), std::optional(-300u), std::nullopt,
                         std::nullopt));
    bool offen = false;
    const auto ordner = s.PersoenlicherOrdner(offen);
    ASSERT_TRUE(ordner && offen);
    EXPECT_TRUE(QDir(QString::fromStdString(*ordner)).exists());
}

TEST(UrlaubApp, ErsterStartLegtDatenbankImDokumenteOrdnerAnUndEndeSchreibtDieWerte) {
    QSettings& s = Geleert();
    CUrlaubApp* app = CUrlaubApp::Instanz();
    ASSERT_TRUE(app->InitInstance(QString{}));
    const QString datei = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                          QStringLiteral("/Ressource.dat");
    EXPECT_EQ(QString::fromStdString(app->m_strDatei), datei);
    EXPECT_TRUE(QFile::exists(datei));
    s.sync();
    EXPECT_EQ(s.value(QStringLiteral("Datei")).toString(), datei);
    ASSERT_TRUE(app->Rahmen() && app->Rahmen()->isVisible());

    app->m_nSpalte1 = 150;
    app->m_strAbteilung = "K\xfc"
                          "che"; // Windows-1252
    app->m_bAlpha = false;
    app->Rahmen()->close();
    EXPECT_EQ(app->ExitInstance(), 0);
    s.sync();
    EXPECT_EQ((QVariantList{s.value("Spalte1").toInt(), s.value("Abteilung"), s.value("Alpha").toInt()}),
              (QVariantList{150, QStringLiteral("Küche"), 0}));
}

TEST(UrlaubApp, DatenbankVonDerBefehlszeileUndMaximiert) {
    Geleert().setValue(QStringLiteral("Max"), 1);
    TempOrdner ordner;
    const std::string datei = ordner / "Plan 2025.dat";
    StempelSchreiben(ordner / "Plan 2025.d", {0, 12});
    CUrlaubApp* app = CUrlaubApp::Instanz();
    ASSERT_TRUE(app->InitInstance(QStringLiteral("\"%1\"").arg(QString::fromStdString(datei))));
    EXPECT_EQ(app->m_strDatei, datei);
    EXPECT_EQ(DateiInhalt(ordner / "Plan 2025.d"), "0 12"); // a readable stamp stays
    QCoreApplication::processEvents();
    EXPECT_TRUE(app->Rahmen()->isMaximized());
    app->Rahmen()->close();
}

// The box shows text and caption (an empty caption becomes the application title) and returns the answer.
TEST(QtMeldungen, TexteTitelUndAntworten) {
    QtMeldungen meldungen;
    for (const auto& [knopf, titel, antwort] :
         {std::tuple{"&Nein", "Datenbank optimieren", Antwort::Nein}, {"OK", "", Antwort::Ok}}) {
        QString gesehen;
        BeimNaechstenDialog<QMessageBox>([&, knopf = QString::fromUtf8(knopf)](QMessageBox& box) {
            gesehen = box.text() + "|" + box.windowTitle();
            for (QAbstractButton* b : box.buttons())
                if (b->text() == knopf) b->click();
        });
        const auto knoepfe = *titel ? Knoepfe::JaNein : Knoepfe::Ok;
        EXPECT_EQ(meldungen.Zeige("Regestry Error", titel, knoepfe), antwort);
        EXPECT_EQ(gesehen, QStringLiteral("Regestry Error|") + (*titel ? titel : "Kalvora"));
    }
}

TEST(QuickStart, PdfAusDemMitgeliefertenText) {
    TempOrdner ordner;
    const QString pfad = QString::fromStdString(ordner / "QuickStart.pdf");
    ASSERT_TRUE(QuickStartSchreiben(pfad));
    const std::string inhalt = DateiInhalt(pfad.toStdString());
    EXPECT_TRUE(inhalt.starts_with("%PDF-") && inhalt.size() > 10000u); // the whole guide, not an empty page
    EXPECT_FALSE(QuickStartSchreiben(QString::fromStdString(ordner / "fehlt/x.pdf")));
}

TEST(UrlaubApp, NurHilfeOderVersionBrauchenKeinFenster) {
    const std::pair<std::vector<const char*>, bool> faelle[] = {
        {{"kalvora"}, false},
        {{"kalvora", "--help"}, true},
        {{"kalvora", "Plan.dat", "-v"}, true},
        {{"kalvora", "--", "--help"}, false}, // a file of that name
    };
    for (const auto& [argumente, auskunft] : faelle)
        EXPECT_EQ(CUrlaubApp::NurAuskunft(static_cast<int>(argumente.size()), argumente.data()), auskunft)
            << argumente.back();
}

// Commands wired after the start; compacting stays off after a failed load, or it would save an empty list.
TEST(Befehlsanschluss, BefehleNachDemStartOptimierenNurNachDemLaden) {
    MeldungsRekorder& meldungen = AppMeldungenAufzeichnen();
    for (const std::string inhalt : {std::string(4, '\0'), std::string("\x09\x00\x00\x00", 4)}) {
        const bool kaputt = inhalt[0] != 0;
        TempOrdner ordner;
        const std::string datei = ordner / "Plan.dat";
        DateiSchreibenTest(datei, inhalt);
        StempelSchreiben(ordner / "Plan.d", {0, 3});
        meldungen.m_gezeigt.clear();
        CUrlaubApp* app = CUrlaubApp::Instanz();
        ASSERT_TRUE(app->InitInstance(QString::fromStdString(datei)));
        ASSERT_TRUE(app->Ansicht()->IstGestartet());
        ASSERT_EQ(meldungen.m_gezeigt.size(), kaputt ? 1u : 0u);
        if (kaputt)
            EXPECT_NE(meldungen.m_gezeigt[0].text.find("kann nicht geöffnet werden"), std::string::npos);
        const auto aktiv = [&](int id) { return app->Rahmen()->Aktion(id)->isEnabled(); };
        for (int id : kaputt ? std::vector{32771} : std::vector{32771, 32785, 57606, 57607, 57609})
            EXPECT_TRUE(aktiv(id)) << id;
        EXPECT_EQ(aktiv(32786), !kaputt);
        if (!kaputt) { // a new scheme reaches the grid and the today button
            BeimNaechstenDialog<CEinstellungenDlg>(
                [](CEinstellungenDlg& dlg) { Klick(dlg, 1030), Klick(dlg, 1); });
            app->Rahmen()->Aktion(32785)->trigger();
            EXPECT_EQ(
                std::pair(app->Ansicht()->Kalender()->Farben().C(1), app->Ansicht()->HeuteKnopf()->Flaeche()),
                std::pair(COLORREF{0}, COLORREF{0x960000}));
        }
        app->Rahmen()->close();
        EXPECT_EQ(DateiInhalt(datei), inhalt);
    }
}
