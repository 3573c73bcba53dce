// The small dialogs on their own and the colour button's pixels; "Löschen" of notes: MausAnsichtTest.
#include "AnsichtHilfen.h"
#include "dialogs/BedeutungDlg.h"
#include "dialogs/EinstellungenDlg.h"
#include "dialogs/GruppeDlg.h"
#include "dialogs/InfoDlg.h"
#include "dialogs/NotizDlg.h"
#include "dialogs/RessourceDlg.h"
#include "dialogs/RessourcenDlg.h"
#include "print/DruckDlg.h"

// Alignment 2 is the third radio; the picker starts at the shown colour; unstorable text is refused.
TEST(BedeutungDlg, ZeigtDieWerteFarbwahlUndGibtNurSpeicherbareZeichenZurueck) {
    CBedeutungDlg dlg;
    dlg.m_farbe = 0x00C800;
    dlg.m_strBedeutung = "Gr\xfc\x6e"; // Windows-1252 "Grün"
    dlg.m_nAusrichtung = 2;
    std::vector<QColor> angeboten;
    std::optional<QColor> antwort; // nullopt: cancelled
    dlg.m_farbWahl = [&](const QColor& start) { return angeboten.push_back(start), antwort; };
    dlg.show();
    auto* edit = Kind<QLineEdit>(dlg, 1064);
    auto* farbe = Kind<CFarbButton>(dlg, 1063);
    EXPECT_EQ(std::tuple(farbe->Flaeche(), edit->text(), Kind<QRadioButton>(dlg, 1065)->isChecked()),
              std::tuple(0x00C800u, QStringLiteral("Grün"), true));
    farbe->click();
    EXPECT_EQ(dlg.m_farbe, 0x00C800u);
    antwort = QColor(10, 20, 30);
    farbe->click();
    EXPECT_EQ(std::pair(dlg.m_farbe, farbe->Flaeche()), std::pair(0x1E140Au, 0x1E140Au));
    EXPECT_EQ(angeboten, (std::vector<QColor>{QColor(0, 200, 0), QColor(0, 200, 0)}));
    edit->clear();
    for (const QString& s : {QStringLiteral("Büro €"), QStringLiteral("ł"), QStringLiteral("\t")})
        edit->insert(s);
    EXPECT_EQ(edit->text(), QStringLiteral("Büro €"));
    Kind<QRadioButton>(dlg, 1066)->setChecked(true);
    Klick(dlg, 1);
    EXPECT_EQ(std::tuple(dlg.result(), dlg.m_strBedeutung, dlg.m_nAusrichtung),
              std::tuple(int{QDialog::Accepted}, std::string("B\xFCro \x80"), 3));

    CBedeutungDlg leer; // an empty meaning is allowed; no radio for 7: nothing to take back
    leer.m_strBedeutung = "x";
    leer.m_nAusrichtung = 7;
    leer.show();
    Kind<QLineEdit>(leer, 1064)->clear();
    Klick(leer, 1);
    EXPECT_EQ(std::pair(leer.m_strBedeutung, leer.m_nAusrichtung), std::pair(std::string(), 7));
}

// Typed one by one through the validator: Omega has no place in the code page, the euro sign has.
TEST(RessourceDlg, NurZeichenDesZeichensatzes) {
    CRessourceDlg dlg;
    dlg.show();
    for (const QChar c : QStringLiteral("\u03a9\u20acB"))
        Kind<QLineEdit>(dlg, 1004)->insert(QString(c));
    Klick(dlg, 1);
    EXPECT_EQ(dlg.m_strBenennung1, std::string("\x80") + "B");
}

TEST(InfoDlg, NameVersionUndHersteller) {
    CInfoDlg dlg;
    EXPECT_EQ((QStringList{dlg.windowTitle(), Kind<QLabel>(dlg, "version")->text(),
                           Kind<QLabel>(dlg, "adresse")->text(), Kind<QLabel>(dlg, "schulferien")->text()}),
              (QStringList{"Info über Kalvora", "Kalvora Version 1.15", "www.tervolan.de",
                           "Schulferien 2010–2029: OpenHolidays API (ODbL 1.0)"}));
    EXPECT_FALSE(Kind<QLabel>(dlg, "symbol")->pixmap().isNull());
}

// Enter stays in the dialog and counts as CR LF (98 + 2 + 100 = 200); stored notes show plain line breaks.
TEST(NotizDlg, EnterZaehltZweiZeichenBisZurGrenzeVon200) {
    MeldungsRekorder m;
    CNotizDlg dlg(m);
    dlg.Einrichten("t", "");
    dlg.show();
    QTest::keyClicks(dlg.Eingabe(), QString(98, QLatin1Char('a')));
    QTest::keyClick(dlg.Eingabe(), Qt::Key_Return);
    QTest::keyClicks(dlg.Eingabe(), QString(100, QLatin1Char('b')));
    EXPECT_TRUE(dlg.isVisible());
    Klick(dlg, 1);
    EXPECT_TRUE(dlg.result() == QDialog::Accepted && m.m_gezeigt.empty());
    EXPECT_EQ(dlg.m_strNotiz, std::string(98, 'a') + "\r\n" + std::string(100, 'b'));

    CNotizDlg zweiter(m);
    zweiter.Einrichten(" 5. 3.2024 * M\xFCller", dlg.m_strNotiz + "c");
    EXPECT_EQ(zweiter.windowTitle(), QStringLiteral(" 5. 3.2024 * Müller"));
    EXPECT_EQ(zweiter.Eingabe()->toPlainText(), QString(98, u'a') + u'\n' + QString(100, u'b') + u'c');

    CNotizDlg fremd(m); // characters outside Windows-1252 are replaced visibly
    fremd.Einrichten("t", "");
    fremd.Eingabe()->setPlainText(QStringLiteral("5 € für Ω und 😀\u00A0!"));
    Klick(fremd, 1);
    EXPECT_EQ(fremd.m_strNotiz, "5 \x80 f\xFCr ? und ?\xA0!");
}

// Order of core GruppenAuflisten; only the exact text preselects; "all" and no selection give "".
TEST(GruppeDlg, EintraegeAufsteigendVorgabeAusgewaehltOkGibtDieGruppeAbbrechenLaesstSie) {
    const std::string kueche = "K\xFC"
                               "che"; // Windows-1252
    RessourcenListe plan;
    for (const char* gruppe :
         {"beta", "Zeta", kueche.c_str(), "Alpha", "", "beta", "Beta", "!dringend", CGruppeDlg::kAlle})
        plan.push_back(Ressource("N", "V", gruppe));
    plan.push_back(Ressource("F", "6", "Alt", "", true)); // only a deleted one has it
    const std::tuple<std::string, QString, int, bool, std::string> faelle[] = {
        // preset, preselected, row then chosen (-1: none selected), OK, group
        {"", "!dringend", 5, true, kueche},
        {kueche, "Küche", 1, true, ""},
        {"zeta", "!dringend", -1, true, ""},
        {"beta", "beta", 5, false, "beta"},
        {CGruppeDlg::kAlle, "--- Alle Ressourcen ---", 5, false, CGruppeDlg::kAlle}};
    for (const auto& [vorgabe, ausgewaehlt, zeile, ok, erwartet] : faelle) {
        CGruppeDlg dlg;
        dlg.m_pListe = &plan;
        dlg.m_strGruppe = vorgabe;
        QTimer::singleShot(0, &dlg, [&] {
            EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Wählen Sie die anzuzeigende Gruppe!"));
            EXPECT_EQ(Zeilen(*dlg.Liste()), (QStringList{"!dringend", "--- Alle Ressourcen ---", "Alpha",
                                                         "Beta", "beta", "Küche", "Zeta"}));
            EXPECT_EQ(Zeilen(*dlg.Liste(), true), QStringList{ausgewaehlt}) << vorgabe;
            zeile < 0 ? dlg.Liste()->clearSelection() : dlg.Liste()->setCurrentRow(zeile);
            Klick(dlg, ok ? 1 : 2);
        });
        EXPECT_EQ(dlg.exec(), ok ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(dlg.m_strGruppe, erwartet) << vorgabe;
    }
}

// Enter presses the focused button (reached by Tab as the user would), on a list OK.
TEST(Dialoge, EnterDruecktDenFokussiertenKnopf) {
    RessourcenListe plan = Liste(Ressource("Apfel", "Anna"));
    MeldungsRekorder meldungen;
    EintragsartTabelle arten = EintragsartTabelle::Standard();
    const auto verwaltung = [&] { return std::make_unique<CRessourcenDlg>(plan, arten, meldungen); };
    const struct {
        std::function<std::unique_ptr<QDialog>()> dialog;
        const char* start;
        int tabs;
        const char* knopf; // where the focus is when Enter comes
        QString geoeffnet; // the title of the dialog Enter opened
        int ergebnis;      // -1: still open
    } faelle[] = {
        {verwaltung, "id1003", 1, "id1000", "Ressource", -1},
        {verwaltung, "id1003", 0, "id1003", "", QDialog::Accepted},
        {[&] { return std::make_unique<CEinstellungenDlg>(arten); }, "id2", 0, "id2", "", QDialog::Rejected},
        {[] { return std::make_unique<CGruppeDlg>(); }, "id2", 0, "id2", "", QDialog::Rejected},
    };
    for (const auto& f : faelle) {
        const std::unique_ptr<QDialog> dlg = f.dialog();
        dlg->show();
        dlg->setResult(-1);
        Kind(*dlg, f.start)->setFocus();
        for (int i = 0; i < f.tabs; ++i)
            QTest::keyClick(dlg->focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(dlg->focusWidget()->objectName(), QString::fromLatin1(f.knopf)) << f.start;
        QString geoeffnet;
        QTimer::singleShot(0, [&] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                geoeffnet = modal->windowTitle(), modal->reject();
        });
        QTest::keyClick(dlg->focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
        EXPECT_EQ(geoeffnet, f.geoeffnet) << f.knopf;
        EXPECT_EQ(dlg->isVisible() ? -1 : dlg->result(), f.ergebnis) << f.knopf;
    }
}

// A long group or name ends in "…" with the whole line as tooltip, at every width; the dialog stays narrow.
TEST(Dialoge, LangeZeilenGekuerztMitTooltip) {
    const std::string lang(120, 'W');
    RessourcenListe plan = Liste(Ressource("Apfel", "Anna", "Lager"), Ressource(lang, "Bert", lang));
    MeldungsRekorder meldungen;
    CGruppeDlg gruppe;
    gruppe.m_pListe = &plan;
    CDruckDlg druck(plan, "", meldungen);
    const QString ganz = QString::fromStdString(lang);
    for (const auto& [dlg, zeile] :
         {std::pair<QDialog*, QString>{&gruppe, ganz}, {&druck, ganz + ": " + ganz + ", Bert ()"}}) {
        dlg->show();
        QCoreApplication::processEvents();
        auto* liste = dlg->findChild<QListWidget*>();
        const auto hinweise = [&] {
            QStringList t;
            for (int i = 0; i < liste->count(); ++i)
                if (!liste->item(i)->toolTip().isEmpty()) t << liste->item(i)->toolTip();
            return t;
        };
        EXPECT_EQ(hinweise(), QStringList{zeile}) << dlg->windowTitle().toStdString();
        EXPECT_LE(dlg->sizeHint().width(), 1600);
        dlg->resize(2 * liste->fontMetrics().horizontalAdvance(zeile) + 600, dlg->height());
        QCoreApplication::processEvents();
        EXPECT_EQ(hinweise(), QStringList{}) << dlg->windowTitle().toStdString(); // fits now
    }
}

namespace {

constexpr COLORREF kRot = 0x0000C8, kStreifen = 0xDCFFFF;

struct FarbButtonTest : ::testing::Test {
    CFarbButton knopf{QStringLiteral("Urlaub")};
    void SetUp() override { knopf.SetFarbe(0x000000, kRot, kStreifen); }

    QImage Bild(const CFarbButton::Zustand& zustand, QRect r = {0, 0, 80, 22}) const {
        return Malen({r.right() + 1, r.bottom() + 1}, Qt::magenta,
                     [&](QPainter& p) { knopf.DrawItem(p, r, zustand); });
    }
    QRgb Palette(QPalette::ColorRole rolle) const {
        return knopf.palette().color(QPalette::Active, rolle).rgb() & 0xFFFFFF;
    }
    // Caption pixels matching `treffer`, away from the frame rings.
    static QRect Text(const QImage& bild, const std::function<bool(QRgb)>& treffer) {
        return Umriss(bild, QRect(3, 3, 74, 16), treffer);
    }
};

} // namespace

// Frames per state, the pressed caption one pixel down-right, the stripe, the engraved disabled caption.
TEST_F(FarbButtonTest, RahmenJeZustandStreifenUndDeaktiviert) {
    const auto dunkel = [](QRgb c) { return qRed(c) < 90 && qGreen(c) < 90; };
    const QRect los = Text(Bild({}), dunkel);
    ASSERT_FALSE(los.isEmpty());
    EXPECT_EQ(Text(Bild({.bGedrueckt = true}), dunkel), los.translated(1, 1));

    knopf.setText(QString{});
    const QRgb glanz = Palette(QPalette::Light), hell = Palette(QPalette::Midlight);
    const QRgb schatten = Palette(QPalette::Dark), schwarz = Palette(QPalette::Shadow);
    const struct {
        CFarbButton::Zustand zustand;
        std::vector<QRgb> pixel; // corner, top right, inner ring left and bottom, second inner ring
    } faelle[] = {
        // raised: highlight/dark shadow outside, light/shadow inside; the lower-right colour wins the corner
        {{}, {glanz, schwarz, hell, schatten, Rgb(kRot)}},
        {{.bGedrueckt = true}, {schwarz, schwarz, schatten, schatten, Rgb(kRot)}},
        {{.bStandard = true}, {0, 0, glanz, schwarz, hell}},
        {{.bFokus = true}, {0, 0, glanz, schwarz, hell}},
    };
    for (const auto& f : faelle) {
        const QImage b = Bild(f.zustand);
        EXPECT_EQ((std::vector<QRgb>{Pixel(b, 0, 0), Pixel(b, 79, 0), Pixel(b, 1, 10), Pixel(b, 40, 20),
                                     Pixel(b, 2, 10)}),
                  f.pixel)
            << &f - faelle;
    }
    const QRect versetzt(30, 5, 80, 22); // any item rectangle, not only one at the origin
    knopf.SetMarkiert(true);
    const QImage streifen = Bild({}, versetzt);
    for (int x = 32; x < 50; ++x)
        EXPECT_EQ(Pixel(streifen, x, 15), x >= 35 && x < 45 ? Rgb(kStreifen) : Rgb(kRot)) << "x=" << x;
    knopf.SetMarkiert(false);
    EXPECT_EQ(Pixel(Bild({}, versetzt), 40, 15), Rgb(kRot));
    knopf.setText(QStringLiteral("Urlaub")); // disabled: the system's face, a white copy under the grey text
    const QImage bild = Bild({.bDeaktiviert = true});
    EXPECT_EQ(Pixel(bild, 4, 4), Palette(QPalette::Button));
    const QRect weiss = Text(bild, [](QRgb c) { return qRed(c) > 0xF8 && qBlue(c) > 0xF8; });
    const QRect grau = Text(bild, [](QRgb c) { return qRed(c) < 0x98; });
    ASSERT_FALSE(weiss.isEmpty() || grau.isEmpty());
    EXPECT_EQ(weiss.bottomRight(), grau.bottomRight() + QPoint(1, 1));
}
