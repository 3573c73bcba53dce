// The note dialog on its own: template, set-up, Enter and the 200-character rule, characters
// Windows-1252 cannot hold. "Löschen" runs in the view's note tests.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "GuiHilfen.h"
#include "dialogs/NotizDlg.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

QPushButton* Knopf(const CNotizDlg& dlg, const char* id) {
    return dlg.findChild<QPushButton*>(QString::fromLatin1(id));
}

} // namespace

TEST(NotizDlg, VorlageUndEinrichten) {
    MeldungsRekorder m;
    CNotizDlg dlg(m);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Notiz"));
    EXPECT_EQ(Knopf(dlg, "id1")->text(), QStringLiteral("OK"));
    EXPECT_EQ(Knopf(dlg, "id2")->text(), QStringLiteral("Abbrechen"));
    EXPECT_EQ(Knopf(dlg, "id1002")->text(), QStringLiteral("Löschen"));
    for (const char* id : {"id1", "id2", "id1002"}) {
        EXPECT_FALSE(Knopf(dlg, id)->isDefault()) << id;
        EXPECT_FALSE(Knopf(dlg, id)->autoDefault()) << id;
    }
    ASSERT_EQ(dlg.findChild<QPlainTextEdit*>(QStringLiteral("id1067")), dlg.Eingabe());
    EXPECT_EQ(dlg.Eingabe()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    dlg.Einrichten(" 5. 3.2024 * M\xFCller", "erste\r\nzweite");
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral(" 5. 3.2024 * Müller"));
    EXPECT_EQ(dlg.Eingabe()->toPlainText(), QStringLiteral("erste\nzweite"));
}

TEST(NotizDlg, EnterIstEinZeilenumbruchUndZaehltZwei) {
    MeldungsRekorder m;
    CNotizDlg dlg(m);
    dlg.Einrichten("t", "");
    dlg.show();
    QTest::keyClicks(dlg.Eingabe(), QString(98, QLatin1Char('a')));
    QTest::keyClick(dlg.Eingabe(), Qt::Key_Return);
    QTest::keyClicks(dlg.Eingabe(), QString(100, QLatin1Char('b')));
    EXPECT_TRUE(dlg.isVisible()) << "Enter does not close the dialog";
    QTest::mouseClick(Knopf(dlg, "id1"), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_TRUE(m.m_gezeigt.empty());
    EXPECT_EQ(dlg.m_strNotiz, std::string(98, 'a') + "\r\n" + std::string(100, 'b'));

    // One more character: 201 with the line break.
    CNotizDlg zweiter(m);
    zweiter.Einrichten("t", dlg.m_strNotiz + "c");
    QTest::mouseClick(Knopf(zweiter, "id1"), Qt::LeftButton);
    ASSERT_EQ(m.m_gezeigt.size(), 1u);
    EXPECT_EQ(zweiter.m_strNotiz, dlg.m_strNotiz);
}

TEST(NotizDlg, ZeichenAusserhalbVon1252WerdenSichtbarErsetzt) {
    MeldungsRekorder m;
    CNotizDlg dlg(m);
    dlg.Einrichten("t", "");
    dlg.Eingabe()->setPlainText(QStringLiteral("5 € für Ω und 😀\u00A0!"));
    QTest::mouseClick(Knopf(dlg, "id1"), Qt::LeftButton);
    EXPECT_EQ(dlg.m_strNotiz, "5 \x80 f\xFCr ? und ?\xA0!");
}
