#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "GuiHilfen.h"
#include "dialogs/BedeutungDlg.h"
#include "dialogs/FarbButton.h"
#include "dialogs/InfoDlg.h"

using namespace kalvora::test;

namespace {

} // namespace

// Alignment 2 is the third radio ("Mitte"); the fourth gives 3. An empty meaning is allowed.
TEST(BedeutungDlg, ZeigtDieWerteUndGibtSieNachOkZurueck) {
    CBedeutungDlg dlg;
    dlg.m_farbe = 0x00C800;
    dlg.m_strBedeutung = "Gr\xfc\x6e"; // Windows-1252 "Grün"
    dlg.m_nAusrichtung = 2;
    dlg.show();
    EXPECT_EQ(Kind<CFarbButton>(dlg, "id1063")->Flaeche(), 0x00C800u);
    auto* edit = Kind<QLineEdit>(dlg, "id1064");
    EXPECT_EQ(edit->text(), QStringLiteral("Grün"));
    EXPECT_TRUE(Kind<QRadioButton>(dlg, "id1065")->isChecked());

    edit->setText(QString{});
    Kind<QRadioButton>(dlg, "id1066")->setChecked(true);
    Kind<QPushButton>(dlg, "id1")->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_strBedeutung, "");
    EXPECT_EQ(dlg.m_nAusrichtung, 3);
}

TEST(BedeutungDlg, FarbwahlUebernehmenOderVerwerfen) {
    CBedeutungDlg dlg;
    dlg.m_farbe = 0x0000C8;
    std::vector<QColor> angeboten;
    std::optional<QColor> antwort; // nullopt: cancelled
    dlg.m_farbWahl = [&](const QColor& start) {
        angeboten.push_back(start);
        return antwort;
    };
    dlg.show();
    auto* farbe = Kind<CFarbButton>(dlg, "id1063");
    farbe->click();
    EXPECT_EQ(dlg.m_farbe, 0x0000C8u);
    antwort = QColor(10, 20, 30);
    farbe->click();
    EXPECT_EQ(dlg.m_farbe, 0x1E140Au);
    EXPECT_EQ(farbe->Flaeche(), 0x1E140Au);
    EXPECT_EQ(angeboten, (std::vector<QColor>{QColor(200, 0, 0), QColor(200, 0, 0)}));
}

TEST(BedeutungDlg, NurSpeicherbareZeichenUndUngueltigeAusrichtung) {
    CBedeutungDlg dlg;
    dlg.m_nAusrichtung = 7;
    dlg.show();
    auto* edit = Kind<QLineEdit>(dlg, "id1064");
    edit->insert(QStringLiteral("Büro €"));
    edit->insert(QStringLiteral("ł")); // no place for it in Windows-1252
    edit->insert(QStringLiteral("\t"));
    EXPECT_EQ(edit->text(), QStringLiteral("Büro €"));
    Kind<QPushButton>(dlg, "id1")->click();
    EXPECT_EQ(dlg.m_strBedeutung, "B\xFCro \x80");
    EXPECT_EQ(dlg.m_nAusrichtung, 7); // no radio checked: nothing to take back
}

TEST(InfoDlg, NameVersionUndHersteller) {
    CInfoDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Info über Kalvora"));
    EXPECT_EQ(Kind<QLabel>(dlg, "version")->text(), QStringLiteral("Kalvora Version 1.15"));
    EXPECT_EQ(Kind<QLabel>(dlg, "adresse")->text(), QStringLiteral("www.tervolan.de"));
    EXPECT_FALSE(Kind<QLabel>(dlg, "symbol")->pixmap().isNull());
}
