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
#include "frame/MainFrame.h"

using namespace kalvora::test;

namespace {

// The store after clearing it.
QSettings& Geleert() {
    static QSettings s(QStringLiteral("Tervolan"), QStringLiteral("Orlim"));
    s.clear();
    s.sync();
    return s;
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
    EXPECT_EQ(s.LeseText("Abteilung"), "Küche & Service");
    EXPECT_EQ(s.LeseZahl("Left"), -300u);
    EXPECT_EQ(s.LeseZahl("Top"), std::nullopt);
    EXPECT_EQ(s.LeseText("Fehlt"), std::nullopt);
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
    EXPECT_EQ(s.value(QStringLiteral("Spalte1")).toInt(), 150);
    EXPECT_EQ(s.value(QStringLiteral("Abteilung")).toString(), QStringLiteral("Küche"));
    EXPECT_EQ(s.value(QStringLiteral("Alpha")).toInt(), 0);
}

TEST(UrlaubApp, DatenbankVonDerBefehlszeileUndMaximiert) {
    Geleert().setValue(QStringLiteral("Max"), 1);
    TempOrdner ordner;
    const std::string datei = ordner / "Plan 2025.dat";
    kalvora::StempelSchreiben(ordner / "Plan 2025.d", {0, 12});
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
         {std::tuple{"&Nein", "Datenbank optimieren", kalvora::Antwort::Nein},
          {"OK", "", kalvora::Antwort::Ok}}) {
        QString gesehen;
        QTimer::singleShot(0, [&, knopf = QString::fromUtf8(knopf)] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            gesehen = box->text() + "|" + box->windowTitle();
            for (QAbstractButton* b : box->buttons())
                if (b->text() == knopf) b->click();
        });
        const auto knoepfe = *titel ? kalvora::Knoepfe::JaNein : kalvora::Knoepfe::Ok;
        EXPECT_EQ(meldungen.Zeige("Regestry Error", titel, knoepfe), antwort);
        EXPECT_EQ(gesehen, QStringLiteral("Regestry Error|") + (*titel ? titel : "Kalvora"));
    }
}

TEST(QuickStart, PdfAusDemMitgeliefertenText) {
    TempOrdner ordner;
    const QString pfad = QString::fromStdString(ordner / "QuickStart.pdf");
    ASSERT_TRUE(kalvora::QuickStartSchreiben(pfad));
    const std::string inhalt = DateiInhalt(pfad.toStdString());
    EXPECT_EQ(inhalt.substr(0, 5), "%PDF-");
    EXPECT_GT(inhalt.size(), 10000u); // the whole guide, not an empty page
    EXPECT_FALSE(kalvora::QuickStartSchreiben(QString::fromStdString(ordner / "fehlt/x.pdf")));
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
