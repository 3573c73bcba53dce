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

// Values survive a new store object; a stored text that is no number reads as missing.
TEST(QtEinstellungsSpeicher, WerteUeberstehenDenNeustart) {
    EinstellungenLeeren();
    {
        QtEinstellungsSpeicher s;
        ASSERT_TRUE(s.Oeffnen());
        EXPECT_TRUE(s.SchreibeText("Abteilung", "Küche & Service"));
        EXPECT_TRUE(s.SchreibeZahl("Left", static_cast<std::uint32_t>(-300)));
        QSettings roh(QStringLiteral("Tervolan"), QStringLiteral("Orlim"));
        roh.setValue(QStringLiteral("Top"), QStringLiteral("kein Wert"));
    }
    QtEinstellungsSpeicher s;
    EXPECT_EQ(s.LeseText("Abteilung"), "Küche & Service");
    EXPECT_EQ(s.LeseZahl("Left"), static_cast<std::uint32_t>(-300));
    EXPECT_EQ(s.LeseZahl("Top"), std::nullopt);
    EXPECT_EQ(s.LeseText("Fehlt"), std::nullopt);
    bool offen = false;
    const auto ordner = s.PersoenlicherOrdner(offen);
    ASSERT_TRUE(ordner && offen);
    EXPECT_TRUE(QDir(QString::fromStdString(*ordner)).exists());
}

TEST(UrlaubApp, ErsterStartLegtDatenbankImDokumenteOrdnerAn) {
    EinstellungenLeeren();
    CUrlaubApp* app = CUrlaubApp::Instanz();
    ASSERT_TRUE(app->InitInstance(QString{}));
    const QString datei = Dokumente() + QStringLiteral("/Ressource.dat");
    EXPECT_EQ(QString::fromStdString(app->m_strDatei), datei);
    EXPECT_TRUE(QFile::exists(datei));
    EXPECT_EQ(QSettings(QStringLiteral("Tervolan"), QStringLiteral("Orlim"))
                  .value(QStringLiteral("Datei"))
                  .toString(),
              datei);

    ASSERT_TRUE(app->Rahmen() && app->Rahmen()->isVisible());

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
}

TEST(UrlaubApp, DatenbankVonDerBefehlszeileUndMaximiert) {
    EinstellungenLeeren();
    TempOrdner ordner;
    const std::string datei = ordner / "Plan 2025.dat";
    kalvora::StempelSchreiben(ordner / "Plan 2025.d", {0, 12});
    {
        QSettings s(QStringLiteral("Tervolan"), QStringLiteral("Orlim"));
        s.setValue(QStringLiteral("Max"), 1);
    }
    CUrlaubApp* app = CUrlaubApp::Instanz();
    ASSERT_TRUE(app->InitInstance(QStringLiteral("\"%1\"").arg(QString::fromStdString(datei))));
    EXPECT_EQ(app->m_strDatei, datei);
    EXPECT_EQ(DateiInhalt(ordner / "Plan 2025.d"), "0 12"); // a readable stamp stays
    QCoreApplication::processEvents();
    EXPECT_TRUE(app->Rahmen()->isMaximized());
    app->Rahmen()->close();
}

// The message box shows text and caption, an empty caption becomes the application title.
TEST(QtMeldungen, TexteTitelUndAntworten) {
    QtMeldungen meldungen;
    QString text, titel;
    BeantworteMeldung(QStringLiteral("&Nein"), &text, &titel);
    EXPECT_EQ(meldungen.Zeige("Frage?", "Datenbank optimieren", kalvora::Knoepfe::JaNein),
              kalvora::Antwort::Nein);
    EXPECT_EQ(titel, QStringLiteral("Datenbank optimieren"));
    BeantworteMeldung(QStringLiteral("OK"), &text, &titel);
    EXPECT_EQ(meldungen.Zeige("Regestry Error"), kalvora::Antwort::Ok);
    EXPECT_EQ(text, QStringLiteral("Regestry Error"));
    EXPECT_EQ(titel, QStringLiteral("Kalvora"));
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
    const struct {
        std::vector<const char*> argumente;
        bool auskunft;
    } faelle[] = {
        {{"kalvora"}, false},
        {{"kalvora", "--help"}, true},
        {{"kalvora", "Plan.dat", "-v"}, true},
        {{"kalvora", "--", "--help"}, false}, // a file of that name
    };
    for (const auto& f : faelle)
        EXPECT_EQ(CUrlaubApp::NurAuskunft(static_cast<int>(f.argumente.size()), f.argumente.data()),
                  f.auskunft)
            << f.argumente.back();
}
