#include "dialogs/NotizDlg.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/QtWandlung.h"
#include "view/Notiz.h"

namespace {

// The note as the plan stores it; a character Windows-1252 has no place for becomes '?'.
std::string Cp1252Sichtbar(const QString& text) {
    if (auto cp1252 = kalvora::Cp1252AusText(text)) return *cp1252;
    std::string ergebnis;
    for (const uint c : text.toUcs4()) {
        const char32_t zeichen = c;
        ergebnis += kalvora::Cp1252AusText(QString::fromUcs4(&zeichen, 1)).value_or("?");
    }
    return ergebnis;
}

} // namespace

CNotizDlg::CNotizDlg(kalvora::Meldungen& meldungen, QWidget* parent)
    : QDialog(parent), m_meldungen(meldungen) {
    setObjectName(QStringLiteral("NotizDlg"));
    setWindowTitle(QStringLiteral("Notiz"));

    m_pEingabe = new QPlainTextEdit;
    m_pEingabe->setObjectName(QStringLiteral("id1067"));
    m_pEingabe->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_pEingabe->setTabChangesFocus(true);

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("id1"));
    auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"));
    abbrechen->setObjectName(QStringLiteral("id2"));
    auto* loeschen = new QPushButton(QStringLiteral("Löschen"));
    loeschen->setObjectName(QStringLiteral("id1002"));
    // Enter belongs to the edit box, so no button is the default; a focused button takes Enter.
    connect(ok, &QPushButton::clicked, this, &CNotizDlg::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(loeschen, &QPushButton::clicked, this, &CNotizDlg::OnLoeschen);

    // The template's proportions in dialog units of the current font (200 × 100, buttons 50 × 14).
    const QFontMetrics fm = fontMetrics();
    const int bx = std::max(1, fm.averageCharWidth());
    const int by = std::max(1, fm.height());
    auto* knoepfe = new QVBoxLayout;
    for (QPushButton* b : {ok, abbrechen, loeschen}) {
        b->setMinimumWidth(50 * bx / 4);
        knoepfe->addWidget(b);
    }
    knoepfe->addStretch(1);
    auto* zeile = new QHBoxLayout(this);
    zeile->addWidget(m_pEingabe, 1);
    zeile->addLayout(knoepfe);
    resize(200 * bx / 4, 100 * by / 8);
}

void CNotizDlg::Einrichten(const std::string& strTitel, const std::string& strNotiz) {
    m_strTitel = strTitel;
    m_strNotiz = strNotiz;
    setWindowTitle(kalvora::TextAusCp1252(m_strTitel));
    m_pEingabe->setPlainText(kalvora::TextAusCp1252(kalvora::NotizFuerEingabe(m_strNotiz)));
}

void CNotizDlg::OnLoeschen() {
    m_pEingabe->clear();
}

void CNotizDlg::accept() {
    // Raw text: no line or paragraph separator and no non-breaking space gets lost on the way.
    QString text = m_pEingabe->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    m_strNotiz = kalvora::NotizAusEingabe(Cp1252Sichtbar(text));
    kalvora::NotizBegrenzen(m_strNotiz, m_meldungen);
    QDialog::accept();
}
