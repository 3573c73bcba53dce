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

template <typename T> T* Finde(QWidget& dlg, const char* name) {
    T* w = dlg.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

} // namespace

// Alignment 2 is the third radio ("Mitte"); the fourth gives 3. An empty meaning is allowed.
TEST(BedeutungDlg, ZeigtDieWerteUndGibtSieNachOkZurueck) {
    CBedeutungDlg dlg;
    dlg.m_farbe = 0x00C800;
    dlg.m_strBedeutung = "Gr\xfc\x6e"; // Windows-1252 "Grün"
    dlg.m_nAusrichtung = 2;
    dlg.show();
    EXPECT_EQ(Finde<CFarbButton>(dlg, "id1063")->Flaeche(), 0x00C800u);
    auto* edit = Finde<QLineEdit>(dlg, "id1064");
    EXPECT_EQ(edit->text(), QStringLiteral("Grün"));
    EXPECT_TRUE(Finde<QRadioButton>(dlg, "id1065")->isChecked());

    edit->setText(QString{});
    Finde<QRadioButton>(dlg, "id1066")->setChecked(true);
    Finde<QPushButton>(dlg, "id1")->click();
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
    auto* farbe = Finde<CFarbButton>(dlg, "id1063");
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
    auto* edit = Finde<QLineEdit>(dlg, "id1064");
    edit->insert(QStringLiteral("Büro €"));
    edit->insert(QStringLiteral("ł")); // no place for it in Windows-1252
    edit->insert(QStringLiteral("\t"));
    EXPECT_EQ(edit->text(), QStringLiteral("Büro €"));
    Finde<QPushButton>(dlg, "id1")->click();
    EXPECT_EQ(dlg.m_strBedeutung, "B\xFCro \x80");
    EXPECT_EQ(dlg.m_nAusrichtung, 7); // no radio checked: nothing to take back
}

TEST(InfoDlg, NameVersionUndHersteller) {
    CInfoDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Info über Kalvora"));
    EXPECT_EQ(Finde<QLabel>(dlg, "version")->text(), QStringLiteral("Kalvora Version 1.15"));
    EXPECT_EQ(Finde<QLabel>(dlg, "adresse")->text(), QStringLiteral("www.tervolan.de"));
    EXPECT_FALSE(Finde<QLabel>(dlg, "symbol")->pixmap().isNull());
}
