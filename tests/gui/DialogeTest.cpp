#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

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

TEST(BedeutungDlg, ZeigtDieWerteUndGibtSieNachOkZurueck) {
    CBedeutungDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Bedeutung und Farbe"));
    dlg.m_farbe = 0x00C800;
    dlg.m_strBedeutung = "Gr\xfc\x6e"; // Windows-1252 "Grün"
    dlg.m_nAusrichtung = 2;
    dlg.show();

    auto* farbe = Finde<CFarbButton>(dlg, "id1063");
    auto* edit = Finde<QLineEdit>(dlg, "id1064");
    EXPECT_EQ(farbe->text(), QStringLiteral("Farbe"));
    EXPECT_EQ(farbe->Flaeche(), 0x00C800u);
    EXPECT_EQ(farbe->Streifen(), 0x00C800u);
    EXPECT_EQ(farbe->Textfarbe(), 0x000000u);
    EXPECT_EQ(edit->text(), QStringLiteral("Grün"));
    EXPECT_TRUE(Finde<QRadioButton>(dlg, "id1065")->isChecked());
    const struct {
        const char* id;
        const char* text;
    } radios[] = {{"id1053", "Voll"}, {"id1054", "Oben"}, {"id1065", "Mitte"}, {"id1066", "Unten"}};
    for (const auto& r : radios)
        EXPECT_EQ(Finde<QRadioButton>(dlg, r.id)->text(), QString::fromLatin1(r.text));

    edit->setText(QString{}); // an empty meaning is fine
    Finde<QRadioButton>(dlg, "id1066")->setChecked(true);
    Finde<QPushButton>(dlg, "id1")->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_strBedeutung, "");
    EXPECT_EQ(dlg.m_nAusrichtung, 3);
    EXPECT_EQ(dlg.m_farbe, 0x00C800u);
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
    EXPECT_EQ(farbe->Flaeche(), 0x0000C8u);

    antwort = QColor(10, 20, 30);
    farbe->click();
    EXPECT_EQ(dlg.m_farbe, 0x1E140Au);
    EXPECT_EQ(farbe->Flaeche(), 0x1E140Au);
    EXPECT_EQ(farbe->Streifen(), 0x1E140Au);
    ASSERT_EQ(angeboten.size(), 2u);
    EXPECT_EQ(angeboten[0], QColor(200, 0, 0));

    // Cancel leaves the members as the caller set them, apart from the chosen colour.
    dlg.m_strBedeutung = "alt";
    Finde<QPushButton>(dlg, "id2")->click();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(dlg.m_strBedeutung, "alt");
}

TEST(BedeutungDlg, NurSpeicherbareZeichenUndUngueltigeAusrichtung) {
    CBedeutungDlg dlg;
    dlg.m_nAusrichtung = 7;
    dlg.show();
    for (const char* id : {"id1053", "id1054", "id1065", "id1066"})
        EXPECT_FALSE(Finde<QRadioButton>(dlg, id)->isChecked());

    auto* edit = Finde<QLineEdit>(dlg, "id1064");
    edit->insert(QStringLiteral("Büro €"));
    edit->insert(QStringLiteral("ł")); // no place for it in Windows-1252
    edit->insert(QStringLiteral("\t"));
    EXPECT_EQ(edit->text(), QStringLiteral("Büro €"));
    edit->setText(QStringLiteral("Zeit*ausgleich"));

    Finde<QPushButton>(dlg, "id1")->click();
    EXPECT_EQ(dlg.m_strBedeutung, "Zeit*ausgleich");
    EXPECT_EQ(dlg.m_nAusrichtung, 7); // no radio chosen: nothing to take back
}

TEST(InfoDlg, NameVersionUndHersteller) {
    CInfoDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Info über Kalvora"));
    EXPECT_EQ(Finde<QLabel>(dlg, "version")->text(), QStringLiteral("Kalvora Version 1.15"));
    EXPECT_TRUE(Finde<QLabel>(dlg, "copyright")->text().contains(QStringLiteral("Tervolan")));
    EXPECT_EQ(Finde<QLabel>(dlg, "adresse")->text(), QStringLiteral("www.tervolan.de"));
    EXPECT_FALSE(Finde<QLabel>(dlg, "symbol")->pixmap().isNull());
    auto* ok = Finde<QPushButton>(dlg, "id1");
    EXPECT_TRUE(ok->isDefault());
    dlg.show();
    ok->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}
