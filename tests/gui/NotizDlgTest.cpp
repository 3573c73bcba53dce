// The note dialog on its own; "Löschen" and the unmarked-half rule run in MausAnsichtTest.
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

// Enter must not close the dialog and counts as CR LF: 98 + 2 + 100 is exactly 200.
TEST(NotizDlg, EnterZaehltZweiZeichenBisZurGrenzeVon200) {
    MeldungsRekorder m;
    CNotizDlg dlg(m);
    dlg.Einrichten("t", "");
    dlg.show();
    QTest::keyClicks(dlg.Eingabe(), QString(98, QLatin1Char('a')));
    QTest::keyClick(dlg.Eingabe(), Qt::Key_Return);
    QTest::keyClicks(dlg.Eingabe(), QString(100, QLatin1Char('b')));
    EXPECT_TRUE(dlg.isVisible());
    QTest::mouseClick(Knopf(dlg, "id1"), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_TRUE(m.m_gezeigt.empty());
    EXPECT_EQ(dlg.m_strNotiz, std::string(98, 'a') + "\r\n" + std::string(100, 'b'));

    // Set up again with a 201st character: shown with plain line breaks, cut back on OK.
    CNotizDlg zweiter(m);
    zweiter.Einrichten(" 5. 3.2024 * M\xFCller", dlg.m_strNotiz + "c");
    EXPECT_EQ(zweiter.windowTitle(), QStringLiteral(" 5. 3.2024 * Müller"));
    EXPECT_EQ(zweiter.Eingabe()->toPlainText(), QString(98, u'a') + u'\n' + QString(100, u'b') + u'c');
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
