#include "dialogs/BedeutungDlg.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QValidator>

#include "app/QtWandlung.h"
#include "dialogs/FarbButton.h"

namespace {

// Meanings are stored as Windows-1252 tokens: refuse what could not be written back.
class BedeutungsPruefer final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& eingabe, int&) const override {
        return kalvora::IstSpeicherbarerText(eingabe) ? Acceptable : Invalid;
    }
};

} // namespace

CBedeutungDlg::CBedeutungDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Bedeutung und Farbe"));
    m_farbWahl = [](const QColor& start) -> std::optional<QColor> {
        const QColor farbe = QColorDialog::getColor(start, nullptr);
        if (!farbe.isValid()) return std::nullopt;
        return farbe;
    };

    auto* label = new QLabel(QStringLiteral("Bedeutung"));
    m_pBedeutung = new QLineEdit;
    m_pBedeutung->setObjectName(QStringLiteral("id1064"));
    m_pBedeutung->setValidator(new BedeutungsPruefer(m_pBedeutung));
    m_pBedeutung->setMinimumWidth(110);
    label->setBuddy(m_pBedeutung);

    m_pFarbe = new CFarbButton(QStringLiteral("Farbe"));
    m_pFarbe->setObjectName(QStringLiteral("id1063"));
    m_pFarbe->setMinimumSize(64, 24);
    connect(m_pFarbe, &QPushButton::clicked, this, &CBedeutungDlg::OnFarbe);

    auto* gruppe = new QGroupBox(QStringLiteral("Ausrichtung"));
    auto* raster = new QGridLayout(gruppe);
    m_pAusrichtung = new QButtonGroup(this);
    const struct {
        const char* text;
        const char* id;
        int zeile, spalte;
    } knoepfe[4] = {{"Voll", "id1053", 0, 0},
                    {"Oben", "id1054", 1, 0},
                    {"Mitte", "id1065", 0, 1},
                    {"Unten", "id1066", 1, 1}};
    for (int i = 0; i < 4; ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(knoepfe[i].text));
        radio->setObjectName(QString::fromLatin1(knoepfe[i].id));
        m_pAusrichtung->addButton(radio, i);
        raster->addWidget(radio, knoepfe[i].zeile, knoepfe[i].spalte);
    }

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("id1"));
    ok->setDefault(true);
    auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"));
    abbrechen->setObjectName(QStringLiteral("id2"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);

    auto* eingabe = new QHBoxLayout;
    eingabe->addWidget(m_pBedeutung, 1);
    eingabe->addWidget(m_pFarbe);
    auto* links = new QVBoxLayout;
    links->addWidget(label);
    links->addLayout(eingabe);
    links->addSpacing(6);
    links->addWidget(gruppe);
    auto* rechts = new QVBoxLayout;
    rechts->addStretch(1);
    rechts->addWidget(ok);
    rechts->addWidget(abbrechen);
    auto* haupt = new QHBoxLayout(this);
    haupt->addLayout(links, 1);
    haupt->addSpacing(8);
    haupt->addLayout(rechts);
}

void CBedeutungDlg::showEvent(QShowEvent* event) {
    if (QAbstractButton* radio = m_pAusrichtung->button(m_nAusrichtung)) {
        radio->setChecked(true);
    } else {
        m_pAusrichtung->setExclusive(false);
        for (QAbstractButton* b : m_pAusrichtung->buttons())
            b->setChecked(false);
        m_pAusrichtung->setExclusive(true);
    }
    m_pFarbe->SetFarbe(0x000000, m_farbe, m_farbe);
    m_pBedeutung->setText(kalvora::TextAusCp1252(m_strBedeutung));
    QDialog::showEvent(event);
}

void CBedeutungDlg::OnFarbe() {
    if (m_farbWahl) {
        if (const auto farbe = m_farbWahl(kalvora::QFarbe(m_farbe))) m_farbe = kalvora::Colorref(*farbe);
    }
    m_pFarbe->SetFarbe(0x000000, m_farbe, m_farbe);
}

void CBedeutungDlg::accept() {
    // The validator keeps the text storable; a pasted remainder is replaced visibly.
    QString text = m_pBedeutung->text();
    auto cp1252 = kalvora::Cp1252AusText(text);
    if (!cp1252) {
        for (QChar& c : text)
            if (!kalvora::IstSpeicherbarerText(QString(c))) c = QLatin1Char('?');
        cp1252 = kalvora::Cp1252AusText(text);
    }
    m_strBedeutung = cp1252.value_or(std::string());
    if (const int gewaehlt = m_pAusrichtung->checkedId(); gewaehlt >= 0) m_nAusrichtung = gewaehlt;
    QDialog::accept();
}
