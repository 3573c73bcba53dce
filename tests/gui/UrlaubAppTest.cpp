#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include "GuiHilfen.h"
#include "app/QtEinstellungsSpeicher.h"
#include "app/QtMeldungen.h"
#include "app/QuickStart.h"
#include "app/Stempel.h"
#include "app/UrlaubApp.h"
#include "data/UrlaubDoc.h"
#include "frame/MainFrame.h"

using namespace kalvora::test;

namespace {

void EinstellungenLeeren() {
    QSettings s(QStringLiteral("Tervolan"), QStringLiteral("Orlim"));
    s.clear();
    s.sync();
}

QString Dokumente() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

// Clicks the button with `text` of the next message box once it is shown.
void BeantworteMeldung(const QString& text, QString* gesehen, QString* titel) {
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        *gesehen = box->text();
        *titel = box->windowTitle();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == text) b->click();
    });
}

} // namespace

TEST(QtEinstellungsSpeicher, WerteUeberstehenDenNeustart) {
    EinstellungenLeeren();
    {
        QtEinstellungsSpeicher s;
        ASSERT_TRUE(s.Oeffnen());
        EXPECT_TRUE(s.SchreibeText("Abteilung", "Küche & Service"));
        EXPECT_TRUE(s.SchreibeZahl("Left", static_cast<std::uint32_t>(-300)));
        EXPECT_TRUE(s.SchreibeZahl("Spalte1", 140));
    }
    QtEinstellungsSpeicher s;
    EXPECT_EQ(s.LeseText("Abteilung"), "Küche & Service");
    EXPECT_EQ(s.LeseZahl("Left"), static_cast<std::uint32_t>(-300));
    EXPECT_EQ(s.LeseZahl("Spalte1"), 140u);
    EXPECT_EQ(s.LeseZahl("Fehlt"), std::nullopt);
    EXPECT_EQ(s.LeseText("Fehlt"), std::nullopt);

    QSettings roh(QStringLiteral("Tervolan"), QStringLiteral("Orlim"));
    roh.setValue(QStringLiteral("Top"), QStringLiteral("kein Wert"));
    roh.setValue(QStringLiteral("Bottom"), QStringLiteral("-20"));
    roh.sync();
    QtEinstellungsSpeicher neu;
    EXPECT_EQ(neu.LeseZahl("Top"), std::nullopt);
    EXPECT_EQ(neu.LeseZahl("Bottom"), static_cast<std::uint32_t>(-20));

    bool offen = false;
    const auto ordner = neu.PersoenlicherOrdner(offen);
    EXPECT_TRUE(offen);
    ASSERT_TRUE(ordner);
    EXPECT_TRUE(QDir(QString::fromStdString(*ordner)).exists());
    EXPECT_EQ(neu.Laufwerkswurzel(), QDir::homePath().toStdString() + "/");
}

TEST(UrlaubApp, ErsterStartLegtDatenbankImDokumenteOrdnerAn) {
    EinstellungenLeeren();
    CUrlaubApp* app = CUrlaubApp::Instanz();
    ASSERT_NE(app, nullptr);
    ASSERT_TRUE(app->InitInstance(QString{}));
    const QString datei = Dokumente() + QStringLiteral("/Ressource.dat");
    EXPECT_EQ(QString::fromStdString(app->m_strDatei), datei);
    EXPECT_EQ(QString::fromStdString(app->m_strStempel), Dokumente() + QStringLiteral("/Ressource.d"));
    EXPECT_TRUE(QFile::exists(datei));
    EXPECT_TRUE(QFile::exists(Dokumente() + QStringLiteral("/Ressource.BK1")));
    EXPECT_EQ(DateiInhalt((Dokumente() + QStringLiteral("/Ressource.d")).toStdString()), "0 0");
    EXPECT_EQ(QSettings(QStringLiteral("Tervolan"), QStringLiteral("Orlim"))
                  .value(QStringLiteral("Datei"))
                  .toString(),
              datei);

    ASSERT_NE(app->Rahmen(), nullptr);
    EXPECT_TRUE(app->Rahmen()->isVisible());
    EXPECT_EQ(app->Rahmen()->windowTitle(), QStringLiteral("Kalvora - www.tervolan.de"));
    EXPECT_TRUE(app->Dokument().m_pRessourcen.empty());

    app->m_nSpalte1 = 150;
    app->m_strAbteilung = "K\xfc"
                          "che"; // Windows-1252
    app->m_bAlpha = false;
    app->Rahmen()->close();
    EXPECT_EQ(app->ExitInstance(), 0);
    QSettings s(QStringLiteral("Tervolan"), QStringLiteral("Orlim"));
    EXPECT_EQ(s.value(QStringLiteral("Spalte1")).toInt(), 150);
    EXPECT_EQ(s.value(QStringLiteral("Abteilung")).toString(), QStringLiteral("Küche"));
    EXPECT_EQ(s.value(QStringLiteral("Alpha")).toInt(), 0);
    EXPECT_EQ(s.value(QStringLiteral("Max")).toInt(), 0);
}

TEST(UrlaubApp, DatenbankVonDerBefehlszeileUndMaximiert) {
    EinstellungenLeeren();
    TempOrdner ordner;
    const std::string datei = ordner / "Plan 2025.dat";
    kalvora::StempelSchreiben(ordner / "Plan 2025.d", {0, 12});
    {
        QSettings s(QStringLiteral("Tervolan"), QStringLiteral("Orlim"));
        s.setValue(QStringLiteral("Max"), 1);
        s.setValue(QStringLiteral("Spalte1"), 1500);
    }
    CUrlaubApp* app = CUrlaubApp::Instanz();
    ASSERT_TRUE(app->InitInstance(QStringLiteral("\"%1\"").arg(QString::fromStdString(datei))));
    EXPECT_EQ(app->m_strDatei, datei);
    EXPECT_EQ(app->m_nSpalte1, 110);
    EXPECT_EQ(DateiInhalt(ordner / "Plan 2025.d"), "0 12"); // a readable stamp stays
    EXPECT_TRUE(std::filesystem::exists(datei));
    QCoreApplication::processEvents();
    EXPECT_TRUE(app->Rahmen()->isMaximized());
    app->Rahmen()->close();
}

TEST(QtMeldungen, TexteTitelUndAntworten) {
    QtMeldungen meldungen;
    QString text, titel;
    BeantworteMeldung(QStringLiteral("&Ja"), &text, &titel);
    EXPECT_EQ(meldungen.Zeige(
                  "Bitte stellen Sie sicher, dass kein anderer Mitarbeiter auf die Datenbank zugreift.\n"
                  "Optimierung starten?",
                  "Datenbank optimieren", kalvora::Knoepfe::JaNein),
              kalvora::Antwort::Ja);
    EXPECT_EQ(titel, QStringLiteral("Datenbank optimieren"));
    EXPECT_TRUE(text.endsWith(QStringLiteral("zugreift.\nOptimierung starten?")));

    BeantworteMeldung(QStringLiteral("&Nein"), &text, &titel);
    EXPECT_EQ(meldungen.Zeige("Frage?", "", kalvora::Knoepfe::JaNein), kalvora::Antwort::Nein);

    BeantworteMeldung(QStringLiteral("OK"), &text, &titel);
    EXPECT_EQ(meldungen.Zeige("Regestry Error"), kalvora::Antwort::Ok);
    EXPECT_EQ(text, QStringLiteral("Regestry Error"));
    EXPECT_EQ(titel, QStringLiteral("Kalvora")); // no caption: the application title
}

TEST(QuickStart, PdfAusDemMitgeliefertenText) {
    TempOrdner ordner;
    const QString pfad = QString::fromStdString(ordner / "QuickStart.pdf");
    ASSERT_TRUE(kalvora::QuickStartSchreiben(pfad));
    const std::string inhalt = DateiInhalt(pfad.toStdString());
    EXPECT_EQ(inhalt.substr(0, 5), "%PDF-");
    EXPECT_NE(inhalt.find("/Title"), std::string::npos);
    EXPECT_GT(inhalt.size(), 10000u); // the whole guide, not an empty page
    EXPECT_FALSE(kalvora::QuickStartSchreiben(QString::fromStdString(ordner / "fehlt/x.pdf")));
}

TEST(UrlaubApp, NurHilfeOderVersionBrauchenKeinFenster) {
    const struct {
        std::vector<const char*> argumente;
        bool auskunft;
    } faelle[] = {
        {{"kalvora"}, false},
        {{"kalvora", "Plan.dat"}, false},
        {{"kalvora", "--help"}, true},
        {{"kalvora", "Plan.dat", "-v"}, true},
        {{"kalvora", "--", "--help"}, false}, // a file of that name
    };
    for (const auto& f : faelle)
        EXPECT_EQ(CUrlaubApp::NurAuskunft(static_cast<int>(f.argumente.size()), f.argumente.data()),
                  f.auskunft)
            << f.argumente.back();
}
