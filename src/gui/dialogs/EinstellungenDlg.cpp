#include "dialogs/EinstellungenDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/AppEinstellungen.h"
#include "app/QtWandlung.h"
#include "dialogs/BedeutungDlg.h"
#include "dialogs/FarbButton.h"
#include "view/Farbschema.h"

using kalvora::kAnzahlArten;
using kalvora::kAnzahlRegionsflags;

namespace {

struct RegionsFeld {
    int nRegion; // index in the region flags
    int nId;
    const char* pszText; // UTF-8
    int nSpalte;
    int nZeile;
};

// The three German and three Austrian columns.
constexpr RegionsFeld kDeutschland[] = {
    {1, 1001, "Baden-Württemberg", 0, 0},
    {15, 1004, "Brandenburg", 0, 1},
    {6, 1016, "Hessen", 0, 2},
    {9, 1009, "Nordrhein-Westfalen", 0, 3},
    {12, 1012, "Sachsen", 0, 4},
    {14, 1015, "Thüringen", 0, 5},
    {2, 1002, "Bayern", 1, 0},
    {4, 1005, "Bremen", 1, 1},
    {7, 1007, "Mecklenburg-Vorpommern", 1, 2},
    {10, 1010, "Rheinland-Pfalz", 1, 3},
    {0, 1013, "Sachsen-Anhalt", 1, 4},
    {3, 1003, "Berlin", 2, 0},
    {5, 1006, "Hamburg", 2, 1},
    {8, 1008, "Niedersachsen", 2, 2},
    {11, 1011, "Saarland", 2, 3},
    {13, 1014, "Schleswig-Holstein", 2, 4},
};
constexpr RegionsFeld kOesterreich[] = {
    {16, 1017, "Burgenland", 0, 0},       {19, 1020, "Oberösterreich", 0, 1}, {22, 1023, "Tirol", 0, 2},
    {17, 1018, "Kämten", 1, 0},           {20, 1021, "Salzburg", 1, 1},       {23, 1024, "Voralberg", 1, 2},
    {18, 1019, "Niederösterreich", 2, 0}, {21, 1022, "Steiermark", 2, 1},     {24, 1032, "Wien", 2, 2},
};

constexpr const char* kSchemata[kalvora::kAnzahlSchemata] = {"Standard", "Light", "Pastell", "Dark",
                                                             "Schwarz/Weiß"};

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

QString IdName(int id) {
    return QStringLiteral("id%1").arg(id);
}

QPushButton* Knopf(const char* text, int id, int breite) {
    auto* k = new QPushButton(Utf8(text));
    k->setObjectName(IdName(id));
    k->setMinimumWidth(breite);
    return k;
}

} // namespace

const std::array<int, kAnzahlRegionsflags>& CEinstellungenDlg::RegionsIds() {
    static const std::array<int, kAnzahlRegionsflags> ids = [] {
        std::array<int, kAnzahlRegionsflags> r{};
        for (const RegionsFeld& f : kDeutschland)
            r[static_cast<std::size_t>(f.nRegion)] = f.nId;
        for (const RegionsFeld& f : kOesterreich)
            r[static_cast<std::size_t>(f.nRegion)] = f.nId;
        r[kalvora::kFlagDeutschland] = 1051;
        r[kalvora::kFlagOesterreich] = 1052;
        return r;
    }();
    return ids;
}

int CEinstellungenDlg::Dlu(int x) const {
    // Horizontal base unit: the average width of the letters, as the templates were measured.
    const int basis = (fontMetrics().horizontalAdvance(
                           QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) +
                       26) /
                      52;
    return x * basis / 4;
}

int CEinstellungenDlg::DluY(int y) const {
    return y * fontMetrics().height() / 8;
}

CEinstellungenDlg::CEinstellungenDlg(kalvora::EintragsartTabelle& arten, QWidget* parent)
    : QDialog(parent), m_arten(arten) {
    setWindowTitle(QStringLiteral("Einstellungen"));
    m_dateiWahl = [this]() -> QString {
        QFileDialog wahl(this, QString(), QString(), QStringLiteral("Urlaub Datenbank (*.dat)"));
        wahl.setAcceptMode(QFileDialog::AcceptOpen);
        // A new name is allowed: the database is then created.
        wahl.setFileMode(QFileDialog::AnyFile);
        wahl.setDefaultSuffix(QStringLiteral("dat"));
        if (wahl.exec() != QDialog::Accepted || wahl.selectedFiles().isEmpty()) return {};
        return QDir::toNativeSeparators(wahl.selectedFiles().constFirst());
    };
    m_bedeutungAusfuehren = [](CBedeutungDlg& dlg) { return dlg.exec() == QDialog::Accepted; };

    // Database location.
    auto* lage = new QGroupBox(QStringLiteral("Lage der Datenbank"));
    auto* lageZeile = new QHBoxLayout(lage);
    m_pDatei = new QLineEdit;
    m_pDatei->setObjectName(IdName(1026));
    m_pDatei->setMinimumWidth(Dlu(313));
    auto* durchsuchen = Knopf("Duchsuchen", 1025, Dlu(50));
    connect(durchsuchen, &QPushButton::clicked, this, &CEinstellungenDlg::OnDurchsuchen);
    lageZeile->addWidget(m_pDatei, 1);
    lageZeile->addSpacing(Dlu(6));
    lageZeile->addWidget(durchsuchen);

    // Colour scheme: five radios in one row.
    auto* schema = new QGroupBox(QStringLiteral("Farbschema"));
    auto* schemaZeile = new QGridLayout(schema);
    m_pSchema = new QButtonGroup(this);
    for (int i = 0; i < kalvora::kAnzahlSchemata; ++i) {
        auto* radio = new QRadioButton(Utf8(kSchemata[i]));
        radio->setObjectName(IdName(1027 + i));
        m_pSchema->addButton(radio, i);
        schemaZeile->addWidget(radio, 0, i);
        schemaZeile->setColumnMinimumWidth(i, Dlu(70));
    }
    schemaZeile->setColumnStretch(kalvora::kAnzahlSchemata, 1);

    // Entry types: two rows of eight, types 1..8 above 9..16. The buttons are sized like the
    // originals at the standard font (67 x 23 pixels, 3 and 7 apart) and scaled with the font.
    auto* typen = new QGroupBox(QStringLiteral("Bedeutung und Farbe der Eingabe ändern"));
    auto* artenRaster = new QGridLayout(typen);
    artenRaster->setHorizontalSpacing(Dlu(2));
    artenRaster->setVerticalSpacing(DluY(4));
    for (int art = 1; art <= kAnzahlArten; ++art) {
        auto* k = new CFarbButton(QStringLiteral("Button%1").arg(art));
        k->setObjectName(IdName(1054 + art));
        k->setFixedSize(Dlu(45), std::max(DluY(14), fontMetrics().height() + 8));
        connect(k, &QPushButton::clicked, this, [this, art] { OnFarbe(art); });
        artenRaster->addWidget(k, (art - 1) / 8, (art - 1) % 8);
        m_pFarben[static_cast<std::size_t>(art)] = k;
    }
    artenRaster->setColumnStretch(8, 1);

    // Holiday regions.
    auto regionen = [this](const QString& titel, const auto& felder, int versteckteZeile, int versteckteId) {
        auto* box = new QGroupBox(titel);
        auto* raster = new QGridLayout(box);
        raster->setContentsMargins(Dlu(40), DluY(4), Dlu(10), DluY(4));
        raster->setVerticalSpacing(DluY(3));
        raster->setColumnMinimumWidth(0, Dlu(98));
        raster->setColumnMinimumWidth(1, Dlu(108));
        raster->setColumnStretch(2, 1);
        for (const RegionsFeld& f : felder) {
            auto* haken = new QCheckBox(Utf8(f.pszText));
            haken->setObjectName(IdName(f.nId));
            raster->addWidget(haken, f.nZeile, f.nSpalte);
            m_pHaken[static_cast<std::size_t>(f.nRegion)] = haken;
        }
        // Kept for the exchange of its value, never shown and never used.
        auto* bundesweit = new QCheckBox(QStringLiteral("FEIERTAGE BUNDESWEIT"));
        bundesweit->setObjectName(IdName(versteckteId));
        bundesweit->hide();
        raster->addWidget(bundesweit, versteckteZeile, 1, 1, 2);
        return std::pair{box, bundesweit};
    };
    auto [deutschland, bundesweitDe] = regionen(QStringLiteral("Deutschland"), kDeutschland, 5, 1051);
    auto [oesterreich, bundesweitAt] = regionen(QStringLiteral("Österreich"), kOesterreich, 3, 1052);
    m_pHaken[kalvora::kFlagDeutschland] = bundesweitDe;
    m_pHaken[kalvora::kFlagOesterreich] = bundesweitAt;

    auto* feiertage = new QGroupBox(QStringLiteral("Feiertage / Schulferien"));
    auto* feiertageSpalte = new QVBoxLayout(feiertage);
    feiertageSpalte->setContentsMargins(Dlu(14), DluY(6), Dlu(14), DluY(4));
    feiertageSpalte->addWidget(deutschland);
    feiertageSpalte->addWidget(oesterreich);
    auto* hinweis = new QLabel(QStringLiteral("Angezeigte Feiertage und Ferien ohne Gewähr."));
    hinweis->setObjectName(QStringLiteral("hinweis"));
    feiertageSpalte->addWidget(hinweis);

    auto* ok = Knopf("OK", 1, Dlu(50));
    ok->setDefault(true);
    auto* abbrechen = Knopf("Abbrechen", 2, Dlu(50));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);

    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(Dlu(7), DluY(7), Dlu(7), DluY(7));
    haupt->addWidget(lage);
    haupt->addWidget(schema);
    haupt->addWidget(typen);
    haupt->addWidget(feiertage);
    haupt->addSpacing(DluY(2));
    haupt->addLayout(knoepfe);
    haupt->setSizeConstraint(QLayout::SetFixedSize);
}

void CEinstellungenDlg::showEvent(QShowEvent* event) {
    if (!m_bInitialisiert) OnInitDialog();
    QDialog::showEvent(event);
}

void CEinstellungenDlg::OnInitDialog() {
    m_bInitialisiert = true;
    if (QAbstractButton* radio = m_pSchema->button(m_nSchemaIndex)) {
        radio->setChecked(true);
    } else {
        // A scheme outside 1..5 shows no radio.
        m_pSchema->setExclusive(false);
        for (QAbstractButton* b : m_pSchema->buttons())
            b->setChecked(false);
        m_pSchema->setExclusive(true);
    }
    for (std::size_t i = 0; i < m_pHaken.size(); ++i)
        m_pHaken[i]->setChecked(m_nHaken[i] != 0);

    m_pDatei->setText(kalvora::TextAusPfad(m_strDatei));
    m_strDateiAlt = m_strDatei;
    for (int art = 1; art <= kAnzahlArten; ++art) {
        m_strBedeutung[static_cast<std::size_t>(art)] = m_arten.m_strBedeutung[static_cast<std::size_t>(art)];
        KnopfSetzen(art);
    }
}

void CEinstellungenDlg::KnopfSetzen(int art) {
    const auto k = static_cast<std::size_t>(art);
    m_pFarben[k]->SetFarbe(0x000000, m_arten.m_nFarbe[k], m_arten.m_nFarbe[k]);
    m_pFarben[k]->setText(kalvora::TextAusCp1252(m_strBedeutung[k]));
}

void CEinstellungenDlg::OnFarbe(int art) {
    const auto k = static_cast<std::size_t>(art);
    CBedeutungDlg dlg(this);
    dlg.m_farbe = m_arten.m_nFarbe[k];
    dlg.m_strBedeutung = m_arten.m_strBedeutung[k];
    dlg.m_nAusrichtung = m_arten.m_nAusrichtung[k];
    if (!m_bedeutungAusfuehren || !m_bedeutungAusfuehren(dlg)) return;
    // Into the frame's table at once: the running program keeps it even after Cancel.
    m_arten.m_nFarbe[k] = dlg.m_farbe;
    m_arten.m_strBedeutung[k] = dlg.m_strBedeutung;
    m_arten.m_nAusrichtung[k] = dlg.m_nAusrichtung;
    m_strBedeutung[k] = dlg.m_strBedeutung;
    KnopfSetzen(art);
}

void CEinstellungenDlg::OnDurchsuchen() {
    const QString pfad = m_dateiWahl ? m_dateiWahl() : QString();
    if (pfad.isEmpty() || pfad == m_pDatei->text()) return;
    m_pDatei->setText(pfad);
    kalvora::DatenbankBeimDurchsuchenAnlegen(kalvora::PfadAusText(pfad));
}

void CEinstellungenDlg::accept() {
    if (!m_bInitialisiert) OnInitDialog();
    m_nSchemaIndex = m_pSchema->checkedId();
    for (std::size_t i = 0; i < m_pHaken.size(); ++i)
        m_nHaken[i] = m_pHaken[i]->isChecked() ? 1 : 0;
    m_strDatei = kalvora::PfadAusText(m_pDatei->text());
    QDialog::accept();
}

kalvora::EinstellungsWerte CEinstellungenDlg::Werte() const {
    kalvora::EinstellungsWerte w;
    w.m_strDatei = m_strDatei;
    w.m_nSchemaIndex = m_nSchemaIndex;
    w.m_strBedeutung = m_strBedeutung;
    w.m_nHaken = m_nHaken;
    return w;
}
