#include "dialogs/RessourceDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <QValidator>

#include "app/QtWandlung.h"

namespace {

// The texts are stored in Windows-1252: refuse what could not be written back.
class Cp1252Pruefer final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& eingabe, int&) const override {
        return kalvora::Cp1252AusText(eingabe) ? Acceptable : Invalid;
    }
};

QLineEdit* Feld(QWidget* eltern, const char* id) {
    auto* edit = new QLineEdit(eltern);
    edit->setObjectName(QString::fromLatin1(id));
    edit->setValidator(new Cp1252Pruefer(edit));
    edit->setMinimumWidth(150);
    return edit;
}

QGroupBox* Rahmen(const QString& titel, QLineEdit* edit) {
    auto* box = new QGroupBox(titel);
    auto* innen = new QVBoxLayout(box);
    innen->addWidget(edit);
    return box;
}

// A text the validator let through always converts; should one not, the member keeps its value.
void Uebernehmen(const QLineEdit* edit, std::string& ziel) {
    if (auto text = kalvora::Cp1252AusText(edit->text())) ziel = std::move(*text);
}

} // namespace

CRessourceDlg::CRessourceDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Ressource"));
    m_pBenennung1 = Feld(this, "id1004");
    m_pBenennung2 = Feld(this, "id1005");
    m_pGruppe = Feld(this, "id1020");
    m_pIdentNr = Feld(this, "id1021");

    auto* raster = new QGridLayout;
    raster->addWidget(Rahmen(QStringLiteral("Benennung 1"), m_pBenennung1), 0, 0);
    raster->addWidget(Rahmen(QStringLiteral("Benennung 2"), m_pBenennung2), 0, 1);
    raster->addWidget(Rahmen(QStringLiteral("Gruppe"), m_pGruppe), 1, 0);
    raster->addWidget(Rahmen(QStringLiteral("Identifikations-Nummer"), m_pIdentNr), 1, 1);

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("id1"));
    ok->setDefault(true);
    auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"));
    abbrechen->setObjectName(QStringLiteral("id2"));
    connect(ok, &QPushButton::clicked, this, &CRessourceDlg::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);

    auto* aussen = new QVBoxLayout(this);
    aussen->addLayout(raster);
    aussen->addLayout(knoepfe);
}

void CRessourceDlg::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        m_pBenennung1->setText(kalvora::TextAusCp1252(m_strBenennung1));
        m_pBenennung2->setText(kalvora::TextAusCp1252(m_strBenennung2));
        m_pGruppe->setText(kalvora::TextAusCp1252(m_strGruppe));
        m_pIdentNr->setText(kalvora::TextAusCp1252(m_strIdentNr));
        m_pBenennung1->setEnabled(!m_bNurGruppe);
        m_pBenennung2->setEnabled(!m_bNurGruppe);
        m_pIdentNr->setEnabled(!m_bNurGruppe);
        (m_bNurGruppe ? m_pGruppe : m_pBenennung1)->setFocus();
    }
    QDialog::showEvent(event);
}

void CRessourceDlg::accept() {
    Uebernehmen(m_pBenennung1, m_strBenennung1);
    Uebernehmen(m_pBenennung2, m_strBenennung2);
    Uebernehmen(m_pGruppe, m_strGruppe);
    Uebernehmen(m_pIdentNr, m_strIdentNr);
    QDialog::accept();
}
